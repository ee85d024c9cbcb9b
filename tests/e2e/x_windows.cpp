// Questions and one request to the X server for the end-to-end tests:
//   x_windows list        one line per viewable top-level window:
//                         id override-redirect x y width height class|name
//   x_windows close ID    asks the window to close, as its close box does
//                         (WM_DELETE_WINDOW)
// Needs $DISPLAY; without a window manager the top-level windows are the
// root window's children.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string classOf(Display* dpy, Window w) {
  XClassHint hint{};
  if (!XGetClassHint(dpy, w, &hint)) return "";
  std::string c = hint.res_class ? hint.res_class : "";
  if (hint.res_name) XFree(hint.res_name);
  if (hint.res_class) XFree(hint.res_class);
  return c;
}

std::string nameOf(Display* dpy, Window w) {
  char* name = nullptr;
  if (!XFetchName(dpy, w, &name) || !name) return "";
  std::string n = name;
  XFree(name);
  for (char& c : n)
    if (c == '\n') c = ' ';
  return n;
}

int list(Display* dpy) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count)) return 1;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy, children[i], &a) || a.map_state != IsViewable) continue;
    std::printf("0x%lx %d %d %d %d %d %s|%s\n", children[i], a.override_redirect ? 1 : 0, a.x, a.y, a.width, a.height,
                classOf(dpy, children[i]).c_str(), nameOf(dpy, children[i]).c_str());
  }
  if (children) XFree(children);
  return 0;
}

int close(Display* dpy, Window w) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(dpy, w, False, NoEventMask, &e);
  XSync(dpy, False);
  return 0;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }  // a window may go while we look

}  // namespace

int main(int argc, char** argv) {
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "x_windows: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(ignoreErrors);
  int rc = 2;
  if (argc == 2 && std::strcmp(argv[1], "list") == 0) rc = list(dpy);
  else if (argc == 3 && std::strcmp(argv[1], "close") == 0) rc = close(dpy, std::strtoul(argv[2], nullptr, 0));
  else std::fprintf(stderr, "usage: x_windows list | close ID\n");
  XCloseDisplay(dpy);
  return rc;
}
