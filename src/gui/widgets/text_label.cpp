#include "gui/widgets/text_label.h"

#include "gui/widgets/redraw_behind.h"

#include <FL/fl_draw.H>

namespace tavilo::gui {

TTextLabel::TTextLabel(int x, int y, int w, int h, const char* label) : Fl_Widget(x, y, w, h) {
  box(FL_NO_BOX);
  color(toFl(kSilver));
  labeltype(FL_NO_LABEL);  // FLTK's label code would read '@' and '&'
  if (label) caption_ = label;
}

CaptionFormat TTextLabel::format() const {
  return {font_, alignment_, wordWrap_, showAccelChar_, false};
}

void TTextLabel::changed() { repaint(*this, !transparent_); }

void TTextLabel::Caption(const std::string& text) {
  caption_ = text;
  fitToText();
  changed();
}

void TTextLabel::refit() {
  if (!caption_.empty()) fitToText();
}

void TTextLabel::Alignment(TAlignment a) {
  alignment_ = a;
  changed();
}

void TTextLabel::WordWrap(bool on) {
  wordWrap_ = on;
  refit();
  changed();
}

void TTextLabel::ShowAccelChar(bool on) {
  showAccelChar_ = on;
  refit();
  changed();
}

void TTextLabel::Transparent(bool on) {
  if (transparent_ == on) return;
  transparent_ = on;
  redrawBehind(*this);
}

void TTextLabel::Color(TColor c) {
  color(toFl(c));
  if (!transparent_) changed();
}

void TTextLabel::Font(const FontSpec& f) {
  font_ = f;
  refit();
  changed();
}

void TTextLabel::Autosize(bool on) {
  if (autosize_ == on) return;
  autosize_ = on;
  fitToText();
}

void TTextLabel::fitToText() {
  if (!autosize_) return;
  std::string text = drawnCaption();
  if (text.empty() || (showAccelChar_ && text == "&")) text += ' ';
  const CaptionBlock block(text, format(), w());
  const auto e = block.extent();
  const int newW = (wordWrap_ ? w() : e.width) + (wordWrap_ ? 0 : extraExtent());
  const int newH = e.height + extraExtent();
  const int newX = alignment_ == taRightJustify && !wordWrap_ ? x() + w() - newW : x();
  if (newX != x() || newW != w() || newH != h()) resize(newX, y(), newW, newH);
}

void TTextLabel::resize(int x, int y, int w, int h) {
  // What the label covered, and what it comes to cover, must be painted again.
  redrawBehind(*this);
  Fl_Widget::resize(x, y, w, h);
  changed();
}

int TTextLabel::handle(int event) {
  const int taken = mouse_.handle(*this, event);
  // A label with a bubble hint takes the pointer, so that FLTK shows the bubble;
  // buttons still pass through.
  if (!taken && tooltip() && (event == FL_ENTER || event == FL_MOVE)) return 1;
  return taken;
}

void TTextLabel::drawText(const CaptionBlock& block, int x, int y, int boxWidth) {
  if (active_r())
    block.draw(x, y, boxWidth, font_.color);
  else
    drawEmbossed(block, x, y, boxWidth);
}

void TTextLabel::draw() {
  if (w() <= 0 || h() <= 0) return;
  fl_push_clip(x(), y(), w(), h());
  if (!transparent_) fl_rectf(x(), y(), w(), h(), color());
  if (box() != FL_NO_BOX) draw_box();
  const CaptionBlock block(drawnCaption(), format(), w());
  drawText(block, x(), y(), w());
  fl_pop_clip();
}

}  // namespace tavilo::gui
