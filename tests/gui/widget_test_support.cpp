#include "widget_test_support.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>

#include <utility>

namespace tavilo::gui::test {

std::unique_ptr<Fl_Double_Window> makeWindow(int w, int h, TColor background) {
  auto win = std::make_unique<Fl_Double_Window>(40, 40, w, h, "widget test");
  win->box(FL_FLAT_BOX);
  win->color(toFl(background));
  return win;
}

RawText::RawText(int x, int y, int w, int h, std::string text, FontSpec font)
    : Fl_Widget(x, y, w, h), text_(std::move(text)), font_(std::move(font)) {
  box(FL_NO_BOX);
  labeltype(FL_NO_LABEL);
}

void RawText::draw() {
  applyFont(font_);
  fl_color(toFl(font_.color));
  fl_draw(text_.data(), static_cast<int>(text_.size()), x(), y() + fl_height() - fl_descent());
}

void sendMouse(Fl_Window& win, int event, int x, int y) { sendMouseButton(win, event, x, y, 1); }

void sendMouseButton(Fl_Window& win, int event, int x, int y, int button) {
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_x_root = win.x() + x;
  Fl::e_y_root = win.y() + y;
  Fl::e_keysym = FL_Button + button;
  Fl::e_state = event == FL_RELEASE || event == FL_MOVE ? 0 : (FL_BUTTON1 << (button - 1));
  Fl::handle(event, &win);
}

void sendKey(Fl_Window& win, int key) {
  static char none[1] = {0};
  Fl::e_keysym = key;
  Fl::e_state = 0;
  Fl::e_text = none;
  Fl::e_length = 0;
  Fl::handle(FL_KEYBOARD, &win);
}

void setEventTime(unsigned long ms) { fl_event_time = ms; }

int lineHeightOf(const FontSpec& font) {
  applyFont(font);
  return fl_height();
}

int textWidthOf(const FontSpec& font, const std::string& text) {
  applyFont(font);
  return static_cast<int>(fl_width(text.data(), static_cast<int>(text.size())) + 0.5);
}

Box boundsOf(const Capture& c, const std::function<bool(std::uint32_t)>& test) {
  Box b{c.width(), c.height(), -1, -1};
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (test(c.at(x, y))) {
        b.left = std::min(b.left, x);
        b.top = std::min(b.top, y);
        b.right = std::max(b.right, x);
        b.bottom = std::max(b.bottom, y);
      }
  if (b.right < 0) b = Box{};
  return b;
}

int countOf(const Capture& c, const std::function<bool(std::uint32_t)>& test) {
  int n = 0;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (test(c.at(x, y))) ++n;
  return n;
}

std::string firstDifference(const Capture& a, const Capture& b) {
  if (a.width() != b.width() || a.height() != b.height()) return "sizes differ";
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.at(x, y) != b.at(x, y))
        return std::to_string(x) + "," + std::to_string(y) + ": " + Capture::hex(a.at(x, y)) +
               " vs " + Capture::hex(b.at(x, y));
  return "";
}

}  // namespace tavilo::gui::test
