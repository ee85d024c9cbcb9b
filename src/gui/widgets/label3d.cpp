#include "gui/widgets/label3d.h"

#include "core/text.h"

namespace tavilo::gui {

TLabel3D::TLabel3D(int x, int y, int w, int h, const char* label)
    : TTextLabel(x, y, w, h, label) {}

void TLabel3D::ShadowColor(TColor c) {
  shadowColor_ = c;
  changed();
}

std::string TLabel3D::drawnCaption() const {
  return std::string(core::utf8Prefix(Caption(), kMaxCaptionChars));
}

void TLabel3D::drawText(const CaptionBlock& block, int x, int y, int boxWidth) {
  block.draw(x + 1, y + 1, boxWidth, shadowColor_);
  block.draw(x, y, boxWidth, active_r() ? Font().color : kGrayText);
}

}  // namespace tavilo::gui
