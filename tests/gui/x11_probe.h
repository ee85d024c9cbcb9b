// Questions to the X server about shown windows, kept apart from the tests
// because Xlib's macros clash with GoogleTest's headers.
#ifndef TAVILO_TESTS_GUI_X11_PROBE_H
#define TAVILO_TESTS_GUI_X11_PROBE_H

#include <string>

class Fl_Window;

namespace tavilo::gui::test {

struct ShapeInfo {
  bool shaped = false;  // the bounding shape is not the plain rectangle
  int firstRowLeft = 0;
  int middleRowLeft = 0, middleRowRight = 0;  // [left, right) of the middle row
};
ShapeInfo boundingShape(Fl_Window& window);

// A legacy text property of a shown window (WM_NAME or, with `icon`,
// WM_ICON_NAME) as stored: its type's name, its bytes, and its text read
// back into UTF-8 the way window managers read it.
struct TextPropertyInfo {
  std::string type, bytes, utf8;
};
TextPropertyInfo legacyTitle(Fl_Window& window, bool icon = false);

// Whether the window asks the window manager for no decorations.
bool undecorated(Fl_Window& window);

// Stands in for the window manager while it lives (on a display that has
// none), so that the requests a window makes of it can be seen.
class WindowManagerStandIn {
 public:
  WindowManagerStandIn();
  ~WindowManagerStandIn();
  WindowManagerStandIn(const WindowManagerStandIn&) = delete;
  WindowManagerStandIn& operator=(const WindowManagerStandIn&) = delete;
  // False when another window manager runs.
  bool active() const { return active_; }
  // Waits up to `seconds` for `window` to ask to be minimised (WM_CHANGE_STATE
  // to IconicState), handling the program's events meanwhile.
  bool sawIconifyRequest(Fl_Window& window, double seconds);

 private:
  void* display_ = nullptr;
  bool active_ = false;
};

}  // namespace tavilo::gui::test

#endif
