// TLabel3D: a label whose text carries a one-pixel shadow, down and to the right (the CD
// title, the copy window's headings). Autosized it is one pixel wider and taller than a
// plain label of the same text, to leave room for the shadow.
#ifndef TAVILO_GUI_WIDGETS_LABEL3D_H
#define TAVILO_GUI_WIDGETS_LABEL3D_H

#include "gui/system_colors.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui {

class TLabel3D : public TTextLabel {
 public:
  // At most this many characters of the caption are drawn.
  static constexpr std::size_t kMaxCaptionChars = 255;

  TLabel3D(int x, int y, int w, int h, const char* label = nullptr);

  TColor ShadowColor() const { return shadowColor_; }
  void ShadowColor(TColor c);

 protected:
  std::string drawnCaption() const override;
  int extraExtent() const override { return 1; }
  // The shadow in ShadowColor, then the text in its colour, or grey text while disabled.
  void drawText(const CaptionBlock& block, int x, int y, int boxWidth) override;

 private:
  TColor shadowColor_ = kBtnHighlight;
};

}  // namespace tavilo::gui

#endif
