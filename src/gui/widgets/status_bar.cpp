#include "gui/widgets/status_bar.h"

#include <FL/fl_draw.H>

#include "core/path_shorten.h"
#include "core/text.h"

namespace tavilo::gui {

TMyStatusBar::TMyStatusBar(int x, int y, int w, int h, const char* label) : Fl_Widget(x, y, w, h, label) {
  box(FL_THIN_DOWN_BOX);
  color(toFl(kSilver));
}

void TMyStatusBar::Caption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  redraw();
}

void TMyStatusBar::Color(TColor c) {
  color(toFl(c));
  redraw();
}

void TMyStatusBar::Font(const FontSpec& f) {
  font_ = f;
  redraw();
}

std::string TMyStatusBar::ShownText() const {
  applyFont(font_);
  return core::ellipsizeEnd(core::oneLine(caption_), w() - 8, [](std::string_view t) {
    return static_cast<int>(fl_width(t.data(), static_cast<int>(t.size())) + 0.5);
  });
}

void TMyStatusBar::draw() {
  draw_box(box(), color());
  fl_push_clip(x() + 2, y() + 2, w() - 4, h() - 4);
  applyFont(font_);
  fl_color(toFl(font_.color));
  // The bytes as they are (as measured): a hint or a file name is never read
  // as a symbol, a tab or a line break.
  const std::string text = ShownText();
  const int baseline = y() + (h() - fl_height()) / 2 + fl_height() - fl_descent();
  fl_draw(text.data(), static_cast<int>(text.size()), x() + 4, baseline);
  fl_pop_clip();
}

}  // namespace tavilo::gui
