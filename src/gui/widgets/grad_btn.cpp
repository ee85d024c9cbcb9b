#include "gui/widgets/grad_btn.h"

#include "gui/widgets/gradient_fill.h"

#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace tavilo::gui {

TGradBtn::TGradBtn(int x, int y, int w, int h, const char* label) : TDialogButton(x, y, w, h, label) {
  callback(&TGradBtn::pressed, this);
}

void TGradBtn::pressed(Fl_Widget*, void* self) { fire(static_cast<TGradBtn*>(self)->onClick_); }

int TGradBtn::handle(int event) {
  if (event == FL_ENTER && cursor_ != FL_CURSOR_DEFAULT && window()) window()->cursor(cursor_);
  if (event == FL_LEAVE && cursor_ != FL_CURSOR_DEFAULT && window()) window()->cursor(FL_CURSOR_DEFAULT);
  const int used = TDialogButton::handle(event);
  return (event == FL_ENTER || event == FL_LEAVE) && cursor_ != FL_CURSOR_DEFAULT ? 1 : used;
}

void TGradBtn::StartColor(TColor c) {
  startColor_ = c;
  redraw();
}

void TGradBtn::EndColor(TColor c) {
  endColor_ = c;
  redraw();
}

void TGradBtn::DisabledColor(TColor c) {
  disabledColor_ = c;
  redraw();
}

void TGradBtn::draw() {
  if (w() <= 0 || h() <= 0) return;
  const int x = this->x(), y = this->y(), w = this->w(), h = this->h();
  fl_push_clip(x, y, w, h);
  const bool active = active_r() != 0;
  const bool down = active && Down();
  if (!active) {
    fl_rectf(x, y, w, h, toFl(disabledColor_));
  } else {
    fillGradient(x, y, w, h, down ? endColor_ : startColor_, down ? startColor_ : endColor_, false);
  }
  const int shift = down ? 1 : 0;
  drawContent(x, y, w, h, shift, shift);
  fl_pop_clip();
}

}  // namespace tavilo::gui
