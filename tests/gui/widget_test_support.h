// Shared pieces of the widget pixel tests: a window with a known background, a reference
// widget that draws raw text, and pixel sets of a capture.
#ifndef TAVILO_TESTS_GUI_WIDGET_TEST_SUPPORT_H
#define TAVILO_TESTS_GUI_WIDGET_TEST_SUPPORT_H

#include "gui/color.h"
#include "gui/fonts.h"
#include "pixel_capture.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Widget.H>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tavilo::gui::test {

// A double-buffered window at a fixed place on the screen, filled with `background`.
// Widgets made after construction (until end()) become its children.
std::unique_ptr<Fl_Double_Window> makeWindow(int w, int h, TColor background);

// Draws `text` with fl_draw(str, n, x, y): the bytes as they are, top-left at its place.
class RawText : public Fl_Widget {
 public:
  RawText(int x, int y, int w, int h, std::string text, FontSpec font);

 protected:
  void draw() override;

 private:
  std::string text_;
  FontSpec font_;
};

// fl_height() and fl_width() of a font, without the test including <FL/fl_draw.H> (which
// brings Xlib's macros, and they break GoogleTest's headers).
int lineHeightOf(const FontSpec& font);
int textWidthOf(const FontSpec& font, const std::string& text);

// Dispatches a mouse event (FL_PUSH, FL_DRAG, FL_RELEASE, FL_MOVE) with the left button at
// window coordinates x, y, the way FLTK dispatches real ones.
void sendMouse(Fl_Window& win, int event, int x, int y);

// The same with any mouse button (1 left, 2 middle, 3 right).
void sendMouseButton(Fl_Window& win, int event, int x, int y, int button);
// Dispatches a key press (FL_KEYBOARD) as FLTK dispatches real ones: to the
// focused widget, its parents, then as a shortcut.
void sendKey(Fl_Window& win, int key);
// The X server time that FLTK reads for the next events, in milliseconds.
void setEventTime(unsigned long ms);

// Pixel positions of a capture that satisfy a test.
struct Box {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
  bool empty() const { return right < left; }
};
Box boundsOf(const Capture& c, const std::function<bool(std::uint32_t)>& test);
int countOf(const Capture& c, const std::function<bool(std::uint32_t)>& test);

// The first pixel where two captures of the same size differ, as "x,y: a vs b", or "".
std::string firstDifference(const Capture& a, const Capture& b);

}  // namespace tavilo::gui::test

#endif
