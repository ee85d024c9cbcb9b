#include "gui/widgets/if_gradient.h"

#include "gui/widgets/gradient_fill.h"
#include "gui/widgets/redraw_behind.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace tavilo::gui {

TIF_Gradient::TIF_Gradient(int x, int y, int w, int h, const char* label)
    : Fl_Widget(x, y, w, h) {
  box(FL_NO_BOX);
  labeltype(FL_NO_LABEL);  // the caption is drawn here, never by FLTK's label code
  if (label) caption_ = label;
}

void TIF_Gradient::changed() { repaint(*this, gradient_); }

void TIF_Gradient::Direction(TGradDirection d) {
  if (direction_ == d) return;
  direction_ = d;
  changed();
}

void TIF_Gradient::StartColor(TColor c) {
  startColor_ = c;
  changed();
}

void TIF_Gradient::EndColor(TColor c) {
  endColor_ = c;
  changed();
}

void TIF_Gradient::SelectedStartColor(TColor c) {
  selectedStartColor_ = c;
  if (selected_) changed();
}

void TIF_Gradient::SelectedEndColor(TColor c) {
  selectedEndColor_ = c;
  if (selected_) changed();
}

void TIF_Gradient::SelectedColor(TColor c) {
  selectedColor_ = c;
  if (selected_) changed();
}

void TIF_Gradient::Gradient(bool on) {
  if (gradient_ == on) return;
  gradient_ = on;
  redrawBehind(*this);  // a fill that goes away must show what lies behind
}

void TIF_Gradient::Selected(bool on) {
  if (selected_ == on) return;
  selected_ = on;
  changed();
}

void TIF_Gradient::DoSelection(bool on) { doSelection_ = on; }

void TIF_Gradient::Alignment(TAlignment a) {
  alignment_ = a;
  changed();
}

void TIF_Gradient::WordWrap(bool on) {
  wordWrap_ = on;
  if (!caption_.empty()) fitToCaption();
  changed();
}

void TIF_Gradient::Autosize(bool on) {
  if (autosize_ == on) return;
  autosize_ = on;
  fitToCaption();
}

void TIF_Gradient::Align(TAlign a) {
  align_ = a;
  if (a == alClient && parent()) resize(x(), y(), w(), h());
}

void TIF_Gradient::Caption(const std::string& text) {
  caption_ = text;
  fitToCaption();
  changed();
}

void TIF_Gradient::Font(const FontSpec& f) {
  font_ = f;
  if (!caption_.empty()) fitToCaption();
  changed();
}

void TIF_Gradient::fitToCaption() {
  if (!autosize_ || align_ == alClient) return;
  const CaptionBlock block(caption_.empty() ? std::string(" ") : caption_,
                           {font_, alignment_, wordWrap_, false, !wordWrap_}, w());
  const auto e = block.extent();
  redrawBehind(*this);
  size(wordWrap_ ? w() : e.width, e.height);
}

void TIF_Gradient::resize(int x, int y, int w, int h) {
  if (align_ == alClient && parent()) {
    Fl_Group* p = parent();
    // Widget coordinates are the window's; a window's own children start at 0, 0.
    x = p->as_window() ? 0 : p->x();
    y = p->as_window() ? 0 : p->y();
    w = p->w();
    h = p->h();
  }
  Fl_Widget::resize(x, y, w, h);
}

int TIF_Gradient::handle(int event) {
  // A disabled gradient keeps its state; FLTK still reports the pointer to it.
  if (doSelection_ && active_r()) {
    if (event == FL_ENTER) Selected(true);
    if (event == FL_LEAVE) Selected(false);
  }
  const int taken = mouse_.handle(*this, event);
  if ((event == FL_ENTER || event == FL_LEAVE || event == FL_MOVE) && doSelection_) return 1;
  return taken;
}

void TIF_Gradient::draw() {
  if (w() <= 0 || h() <= 0) return;
  fl_push_clip(x(), y(), w(), h());
  if (gradient_)
    drawFill();
  else
    draw_box();
  if (!caption_.empty()) drawCaption();
  fl_pop_clip();
}

void TIF_Gradient::drawFill() {
  // Plain RGB from the low three bytes; system colour codes are not resolved.
  const TColor from = (selected_ ? selectedStartColor_ : startColor_) & 0xFFFFFF;
  const TColor to = (selected_ ? selectedEndColor_ : endColor_) & 0xFFFFFF;
  if (from == to) {
    fl_rectf(x(), y(), w(), h(), toFl(from));
    return;
  }
  fillGradient(x(), y(), w(), h(), from, to, direction_ == gdLeftRight);
}

void TIF_Gradient::drawCaption() {
  // Ampersands are drawn as they are; without word wrap the caption is one line.
  const CaptionBlock block(caption_, {font_, alignment_, wordWrap_, false, !wordWrap_}, w());
  const int top = y() + (h() - block.extent().height) / 2;
  if (!active_r())
    drawEmbossed(block, x(), top, w());
  else
    block.draw(x(), top, w(), selected_ ? selectedColor_ : font_.color);
}

}  // namespace tavilo::gui
