#include "x11_probe.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <climits>

namespace tavilo::gui::test {

TextPropertyInfo legacyTitle(Fl_Window& window, bool icon) {
  TextPropertyInfo info;
  if (!window.shown()) return info;
  XSync(fl_display, False);
  XTextProperty text{};
  if (!XGetTextProperty(fl_display, fl_xid(&window), &text, icon ? XA_WM_ICON_NAME : XA_WM_NAME)) return info;
  if (char* name = XGetAtomName(fl_display, text.encoding)) {
    info.type = name;
    XFree(name);
  }
  info.bytes.assign(reinterpret_cast<const char*>(text.value), text.nitems);
  char** list = nullptr;
  int count = 0;
  if (Xutf8TextPropertyToTextList(fl_display, &text, &list, &count) >= Success && list) {
    if (count > 0) info.utf8 = list[0];
    XFreeStringList(list);
  }
  XFree(text.value);
  return info;
}

ShapeInfo boundingShape(Fl_Window& window) {
  ShapeInfo info;
  if (!window.shown()) return info;
  Fl::flush();
  XSync(fl_display, False);
  int count = 0, ordering = 0;
  XRectangle* rects = XShapeGetRectangles(fl_display, fl_xid(&window), ShapeBounding, &count, &ordering);
  if (!rects) return info;
  const int middle = window.h() / 2;
  int firstLeft = INT_MAX, midLeft = INT_MAX, midRight = INT_MIN;
  for (int i = 0; i < count; ++i) {
    const XRectangle& r = rects[i];
    if (r.y == 0) firstLeft = std::min<int>(firstLeft, r.x);
    if (r.y <= middle && middle < r.y + r.height) {
      midLeft = std::min<int>(midLeft, r.x);
      midRight = std::max<int>(midRight, r.x + r.width);
    }
  }
  XFree(rects);
  info.shaped = count > 1;
  info.firstRowLeft = firstLeft == INT_MAX ? -1 : firstLeft;
  info.middleRowLeft = midLeft;
  info.middleRowRight = midRight;
  return info;
}

bool undecorated(Fl_Window& window) {
  if (!window.shown()) return false;
  const Atom atom = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  Atom type;
  int format;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(fl_display, fl_xid(&window), atom, 0, 5, False, atom, &type, &format, &items, &after,
                         &data) != Success || !data)
    return false;
  const auto* hints = reinterpret_cast<unsigned long*>(data);
  const bool result = items >= 3 && (hints[0] & 2) && hints[2] == 0;
  XFree(data);
  return result;
}

namespace {

bool accessRefused = false;
int noteRefusal(Display*, XErrorEvent* e) {
  if (e->error_code == BadAccess) accessRefused = true;
  return 0;
}

}  // namespace

WindowManagerStandIn::WindowManagerStandIn() {
  Display* d = XOpenDisplay(nullptr);
  if (!d) return;
  display_ = d;
  accessRefused = false;
  XErrorHandler previous = XSetErrorHandler(noteRefusal);
  XSelectInput(d, DefaultRootWindow(d), SubstructureRedirectMask | SubstructureNotifyMask);
  XSync(d, False);
  XSetErrorHandler(previous);
  active_ = !accessRefused;
}

WindowManagerStandIn::~WindowManagerStandIn() {
  if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

bool WindowManagerStandIn::sawIconifyRequest(Fl_Window& window, double seconds) {
  if (!active_ || !window.shown()) return false;
  auto* d = static_cast<Display*>(display_);
  const Atom changeState = XInternAtom(d, "WM_CHANGE_STATE", False);
  const Window xid = fl_xid(&window);
  for (double waited = 0; waited < seconds; waited += 0.01) {
    Fl::flush();
    XSync(fl_display, False);
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == ClientMessage && e.xclient.message_type == changeState && e.xclient.window == xid &&
          e.xclient.data.l[0] == IconicState)
        return true;
    }
    Fl::wait(0.01);
  }
  return false;
}

}  // namespace tavilo::gui::test
