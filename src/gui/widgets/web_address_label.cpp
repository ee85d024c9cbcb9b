#include "gui/widgets/web_address_label.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "gui/widgets/handler.h"
#include "platform/platform.h"

namespace tavilo::gui {

TWEBLabel::TWEBLabel(int x, int y, int w, int h, const char* label) : TTextLabel(x, y, w, h, label) {
  ShowAccelChar(false);
  Cursor(FL_CURSOR_HAND);
}

void TWEBLabel::Underline(bool on) {
  underline_ = on;
  redraw();
}

void TWEBLabel::press(bool on) {
  if (on == pressed_) return;
  pressed_ = on;
  FontSpec f = Font();
  if (on) {
    releasedColor_ = f.color;
    f.color = kRed;
  } else {
    f.color = releasedColor_;
  }
  Font(f);
}

int TWEBLabel::handle(int event) {
  const bool left = Fl::event_button() == FL_LEFT_MOUSE;
  switch (event) {
    case FL_PUSH:
      if (!left) break;
      clicked_ = pressIsAClick();  // red all the same; a double-clicked link opens once
      press(true);
      return 1;
    case FL_DRAG:
      return pressed_ ? 1 : 0;
    case FL_RELEASE:
      if (!left || !pressed_) break;
      press(false);
      if (clicked_ && Fl::event_inside(this)) fire([this] { platform::shellOpen(Target(), ""); });
      return 1;
    case FL_HIDE:
      press(false);
      break;
    default:
      break;
  }
  return TTextLabel::handle(event);
}

void TWEBLabel::drawText(const CaptionBlock& block, int x, int y, int boxWidth) {
  TTextLabel::drawText(block, x, y, boxWidth);
  if (!underline_) return;
  applyFont(Font());
  const int width = block.extent().width;
  int left = x;
  if (Alignment() == taCenter) left += (boxWidth - width) / 2;
  else if (Alignment() == taRightJustify) left += boxWidth - width;
  const int baseline = y + fl_height() - fl_descent();
  fl_color(active_r() ? toFl(Font().color) : toFl(kGray));
  fl_xyline(left, baseline + 1, left + width - 1);
}

}  // namespace tavilo::gui
