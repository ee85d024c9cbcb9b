#include "gui/widgets/status_bar.h"

#include <FL/fl_draw.H>

namespace tavilo::gui {

TMyStatusBar::TMyStatusBar(int x, int y, int w, int h, const char* label) : Fl_Widget(x, y, w, h, label) {
  box(FL_THIN_DOWN_BOX);
}

void TMyStatusBar::Caption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  redraw();
}

void TMyStatusBar::Color(TColor c) {
  color_ = c;
  redraw();
}

void TMyStatusBar::Font(const FontSpec& f) {
  font_ = f;
  redraw();
}

void TMyStatusBar::draw() {
  draw_box(box(), toFl(color_));
  fl_push_clip(x() + 2, y() + 2, w() - 4, h() - 4);
  applyFont(font_);
  fl_color(toFl(font_.color));
  // Plain text: a hint or a file name is never read as a symbol.
  fl_draw(caption_.c_str(), x() + 4, y(), w() - 8, h(), FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP, nullptr, 0);
  fl_pop_clip();
}

}  // namespace tavilo::gui
