#include "gui/widgets/bit_btn.h"

#include "gui/system_colors.h"

#include <FL/fl_draw.H>

namespace tavilo::gui {

namespace {

constexpr TColor kDarkShadow = 0x000000;
constexpr TColor kLight = 0xDFDFDF;

// A one-pixel frame: `topLeft` along the top and left edges, `bottomRight` along the others.
void frame(int x, int y, int w, int h, TColor topLeft, TColor bottomRight) {
  if (w <= 0 || h <= 0) return;
  fl_color(toFl(topLeft));
  fl_xyline(x, y, x + w - 1);
  fl_yxline(x, y, y + h - 1);
  fl_color(toFl(bottomRight));
  fl_xyline(x, y + h - 1, x + w - 1);
  fl_yxline(x + w - 1, y, y + h - 1);
}

}  // namespace

TBitBtn::TBitBtn(int x, int y, int w, int h, const char* label)
    : TDialogButton(x, y, w, h, label) {
  color(toFl(kBtnFace));
}

void TBitBtn::Color(TColor c) {
  color(toFl(c));
  redraw();
}

void TBitBtn::draw() {
  if (w() <= 0 || h() <= 0) return;
  int x = this->x(), y = this->y(), w = this->w(), h = this->h();
  fl_push_clip(x, y, w, h);
  fl_rectf(x, y, w, h, color());
  const bool down = Down() && active_r();
  if (Emphasised() && active_r()) {
    frame(x, y, w, h, kDarkShadow, kDarkShadow);
    ++x, ++y, w -= 2, h -= 2;
  }
  if (down) {
    frame(x, y, w, h, kBtnShadow, kBtnShadow);
  } else {
    frame(x, y, w, h, kBtnHighlight, kDarkShadow);
    frame(x + 1, y + 1, w - 2, h - 2, kLight, kBtnShadow);
  }
  const int shift = down ? 1 : 0;
  drawContent(this->x(), this->y(), this->w(), this->h(), shift, shift);
  if (Focused() && active_r()) drawFocusRect(this->x() + 4, this->y() + 4, this->w() - 8, this->h() - 8);
  fl_pop_clip();
}

}  // namespace tavilo::gui
