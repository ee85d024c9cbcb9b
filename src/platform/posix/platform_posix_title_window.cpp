// The legacy title properties on X11. FLTK writes the title's UTF-8 bytes into
// WM_NAME and WM_ICON_NAME typed as Latin-1 STRING, so every reader of those
// shows "Info Ã¼ber Tavilo". After each such write they are written again from
// the UTF-8 properties (_NET_WM_NAME, _NET_WM_ICON_NAME), which stay as they are:
// Latin-1 STRING where the title fits, COMPOUND_TEXT otherwise.
#include "platform/window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <string>

namespace tavilo::platform {

namespace {

// The UTF-8 text of `property`; false when the window has none.
bool utf8Property(Display* dpy, Window window, Atom property, std::string& text) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
  if (XGetWindowProperty(dpy, window, property, 0, 1 << 16, False, utf8, &type, &format, &count, &after, &data) !=
          Success ||
      type != utf8 || format != 8) {
    if (data) XFree(data);
    return false;
  }
  text.assign(reinterpret_cast<const char*>(data), count);
  XFree(data);
  return true;
}

bool sameText(const XTextProperty& a, const XTextProperty& b) {
  return a.encoding == b.encoding && a.format == b.format && a.nitems == b.nitems &&
         (a.nitems == 0 || std::memcmp(a.value, b.value, a.nitems) == 0);
}

// Writes `legacy` from the UTF-8 `modern` unless it already holds that text;
// an unchanged property is not written again, so the write's own notice ends here.
void rewrite(Display* dpy, Window window, Atom modern, Atom legacy) {
  std::string text;
  if (!utf8Property(dpy, window, modern, text)) return;
  char* list[] = {text.data()};
  XTextProperty wanted{};
  if (Xutf8TextListToTextProperty(dpy, list, 1, XStdICCTextStyle, &wanted) < Success) return;
  XTextProperty current{};
  const bool has = XGetTextProperty(dpy, window, &current, legacy) != 0;
  if (!has || !sameText(current, wanted)) XSetTextProperty(dpy, window, &wanted, legacy);
  if (current.value) XFree(current.value);
  if (wanted.value) XFree(wanted.value);
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

void repairLegacyTitle(const NativeWindow& window) {
  auto* dpy = static_cast<Display*>(window.display);
  const auto id = static_cast<Window>(window.handle);
  if (!dpy || !id) return;
  // The notice of a title write may come after its window was destroyed (a
  // dialog that closed at once): the errors of these requests are nobody's
  // concern, so they are taken here, not by the toolkit's handler, which
  // prints them. Earlier requests are answered before the handler changes.
  XSync(dpy, False);
  const auto previous = XSetErrorHandler(ignoreErrors);
  rewrite(dpy, id, XInternAtom(dpy, "_NET_WM_NAME", False), XA_WM_NAME);
  rewrite(dpy, id, XInternAtom(dpy, "_NET_WM_ICON_NAME", False), XA_WM_ICON_NAME);
  XSync(dpy, False);
  XSetErrorHandler(previous);
}

void repairLegacyTitleOnEvent(void* display, const void* event) {
  const auto* e = static_cast<const XEvent*>(event);
  // FLTK writes the legacy icon title last of the four title properties.
  if (!display || !e || e->type != PropertyNotify || e->xproperty.atom != XA_WM_ICON_NAME ||
      e->xproperty.state != PropertyNewValue)
    return;
  repairLegacyTitle({display, static_cast<std::uintptr_t>(e->xproperty.window)});
}

}  // namespace tavilo::platform
