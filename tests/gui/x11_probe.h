// Questions to the X server about shown windows, kept apart from the tests
// because Xlib's macros clash with GoogleTest's headers.
#ifndef TAVILO_TESTS_GUI_X11_PROBE_H
#define TAVILO_TESTS_GUI_X11_PROBE_H

class Fl_Window;

namespace tavilo::gui::test {

struct ShapeInfo {
  bool shaped = false;  // the bounding shape is not the plain rectangle
  int firstRowLeft = 0;
  int middleRowLeft = 0, middleRowRight = 0;  // [left, right) of the middle row
};
ShapeInfo boundingShape(Fl_Window& window);

// Whether the window asks the window manager for no decorations.
bool undecorated(Fl_Window& window);

}  // namespace tavilo::gui::test

#endif
