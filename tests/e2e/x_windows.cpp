// Questions and requests to the X server for the end-to-end tests:
//   x_windows list        one line per viewable top-level window:
//                         id override-redirect x y width height class|name
//   x_windows close ID    asks the window to close, as its close box does
//                         (WM_DELETE_WINDOW)
//   x_windows clear       leaves the clipboard without an owner
//   x_windows clipboard   prints the clipboard's text (UTF-8); exit 1 when
//                         nobody holds it or the owner does not answer
//   x_windows serve       reads these commands from stdin, one a line, and
//                         ends each answer with the byte 0x1e, the exit code
//                         and a newline (one process and connection for all)
// Needs $DISPLAY; without a window manager the top-level windows are the
// root window's children.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>

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

// The value of a property of 8-bit items, "" when it is missing.
std::string textProperty(Display* dpy, Window w, Atom property) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(dpy, w, property, 0, 1 << 20, False, AnyPropertyType, &type, &format, &count, &after,
                         &data) != Success || !data)
    return "";
  std::string text = format == 8 ? std::string(reinterpret_cast<char*>(data), count) : "";
  XFree(data);
  return text;
}

std::string nameOf(Display* dpy, Window w) {
  // The UTF-8 title first: WM_NAME holds Latin-1 or compound text.
  std::string n = textProperty(dpy, w, XInternAtom(dpy, "_NET_WM_NAME", False));
  if (n.empty()) {
    char* name = nullptr;
    if (!XFetchName(dpy, w, &name) || !name) return "";
    n = name;
    XFree(name);
  }
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

int clearClipboard(Display* dpy) {
  XSetSelectionOwner(dpy, XInternAtom(dpy, "CLIPBOARD", False), None, CurrentTime);
  XSync(dpy, False);
  return 0;
}

int printClipboard(Display* dpy) {
  const Atom clipboard = XInternAtom(dpy, "CLIPBOARD", False);
  if (XGetSelectionOwner(dpy, clipboard) == None) return 1;
  const Window me = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
  const Atom target = XInternAtom(dpy, "UTF8_STRING", False);
  const Atom into = XInternAtom(dpy, "TAVILO_CLIPBOARD", False);
  XConvertSelection(dpy, clipboard, target, into, me, CurrentTime);
  XFlush(dpy);
  for (int waited = 0; waited < 100; ++waited) {  // ten seconds
    while (XPending(dpy)) {
      XEvent e;
      XNextEvent(dpy, &e);
      if (e.type != SelectionNotify || e.xselection.requestor != me) continue;
      if (e.xselection.property == None) return 1;
      std::fputs(textProperty(dpy, me, into).c_str(), stdout);
      XDestroyWindow(dpy, me);
      return 0;
    }
    pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
    poll(&fd, 1, 100);
  }
  XDestroyWindow(dpy, me);
  return 1;
}

int command(Display* dpy, int argc, char** argv);

int serve(Display* dpy) {
  char line[256];
  while (std::fgets(line, sizeof line, stdin)) {
    char* words[3] = {};
    int count = 1;
    for (char* w = std::strtok(line, " \n"); w && count < 3; w = std::strtok(nullptr, " \n")) words[count++] = w;
    const int rc = count > 1 ? command(dpy, count, words) : 2;
    std::printf("\x1e%d\n", rc);
    std::fflush(stdout);
  }
  return 0;
}

int command(Display* dpy, int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "list") == 0) return list(dpy);
  if (argc == 3 && std::strcmp(argv[1], "close") == 0) return close(dpy, std::strtoul(argv[2], nullptr, 0));
  if (argc == 2 && std::strcmp(argv[1], "clear") == 0) return clearClipboard(dpy);
  if (argc == 2 && std::strcmp(argv[1], "clipboard") == 0) return printClipboard(dpy);
  if (argc == 2 && std::strcmp(argv[1], "serve") == 0) return serve(dpy);
  std::fprintf(stderr, "usage: x_windows list | close ID | clear | clipboard | serve\n");
  return 2;
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
  const int rc = command(dpy, argc, argv);
  XCloseDisplay(dpy);
  return rc;
}
