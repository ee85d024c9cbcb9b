#include "gui/widgets/flat_button.h"

#include "gui/glyphs.h"
#include "gui/widgets/caption_painter.h"
#include "gui/widgets/redraw_behind.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace tavilo::gui {

namespace {
constexpr int kGlyphSpacing = 4;
}

TFlatButton::TFlatButton(int x, int y, int w, int h, const char* label)
    : Fl_Button(x, y, w, h) {
  // FL_NO_BOX also tells FLTK's own focus and value changes to repaint what lies behind.
  box(FL_NO_BOX);
  color(toFl(kSilver));
  // The caption stays in label() only for FLTK's '&' shortcut test; it is drawn here.
  labeltype(FL_NO_LABEL);
  clear_visible_focus();
  callback([](Fl_Widget*, void* self) { fire(static_cast<TFlatButton*>(self)->onClick_); }, this);
  if (label) Caption(label);
}

TFlatButton::~TFlatButton() = default;

void TFlatButton::changed() { repaint(*this, opaque(CurrentLook())); }

void TFlatButton::Caption(const std::string& text) {
  caption_ = text;
  copy_label(caption_.c_str());
  changed();
}

void TFlatButton::Font(const FontSpec& f) {
  font_ = f;
  changed();
}

void TFlatButton::FocusedColor(TColor c) {
  focusedColor_ = c;
  changed();
}

void TFlatButton::DownColor(TColor c) {
  downColor_ = c;
  changed();
}

void TFlatButton::Border(bool on) {
  border_ = on;
  changed();
}

void TFlatButton::BorderColor(TColor c) {
  borderColor_ = c;
  changed();
}

void TFlatButton::Solid(bool on) {
  if (solid_ == on) return;
  solid_ = on;
  redrawBehind(*this);
}

void TFlatButton::Color(TColor c) {
  color(toFl(c));
  changed();
}

void TFlatButton::Glyph(Fl_Image* image) {
  glyph_ = image;
  inactiveGlyph_.reset();
  changed();
}

void TFlatButton::DisabledGlyph(Fl_Image* image) {
  disabledGlyph_ = image;
  changed();
}

void TFlatButton::ShowAccelChar(bool on) {
  showAccelChar_ = on;
  if (on)
    set_flag(SHORTCUT_LABEL);
  else
    clear_flag(SHORTCUT_LABEL);
  changed();
}

TFlatButton::Look TFlatButton::CurrentLook() const {
  if (!active_r()) return Look::Normal;
  if (value()) return Look::Down;
  if (hover_ || Fl::focus() == this) return Look::Focused;
  return Look::Normal;
}

int TFlatButton::handle(int event) {
  const Look before = CurrentLook();
  switch (event) {
    case FL_ENTER:
      hover_ = true;
      if (window()) window()->cursor(cursor_);
      break;
    case FL_LEAVE:
      hover_ = false;
      if (window()) window()->cursor(FL_CURSOR_DEFAULT);
      break;
    case FL_DRAG:
    case FL_RELEASE:
      hover_ = Fl::event_inside(this) != 0;
      break;
    case FL_HIDE:
    case FL_DEACTIVATE:
      hover_ = false;
      break;
    default:
      break;
  }
  // The callback may delete the button (or its window).
  Fl_Widget_Tracker alive(this);
  const int taken = Fl_Button::handle(event);
  if (alive.deleted()) return taken;
  const Look after = CurrentLook();
  if (after != before) repaint(*this, opaque(after));
  return taken;
}

void TFlatButton::resize(int x, int y, int w, int h) {
  redrawBehind(*this);
  Fl_Button::resize(x, y, w, h);
  changed();
}

void TFlatButton::draw() {
  if (w() <= 0 || h() <= 0) return;
  const Look look = CurrentLook();
  fl_push_clip(x(), y(), w(), h());
  if (solid_)
    fl_rectf(x(), y(), w(), h(), color());
  else if (look == Look::Down)
    fl_rectf(x(), y(), w(), h(), toFl(downColor_));
  else if (look == Look::Focused)
    fl_rectf(x(), y(), w(), h(), toFl(focusedColor_));
  if (border_) {
    fl_color(toFl(borderColor_));
    fl_rect(x(), y(), w(), h());
  }
  // A solid button has no colour of its own for being pressed: its content moves instead.
  const int shift = solid_ && look == Look::Down ? 1 : 0;
  drawContent(shift, shift);
  fl_pop_clip();
}

void TFlatButton::drawContent(int dx, int dy) {
  const bool hasText = !caption_.empty();
  const CaptionBlock block(caption_, {font_, taLeftJustify, false, showAccelChar_, true}, w());
  const int textW = hasText ? block.extent().width : 0;
  const int glyphW = glyph_ ? glyph_->w() : 0;
  const int total = textW + glyphW + (glyph_ && hasText ? kGlyphSpacing : 0);
  int left = x() + (w() - total) / 2 + dx;
  if (glyph_) {
    const int top = y() + (h() - glyph_->h()) / 2 + dy;
    Fl_Image* image = glyph_;
    if (!active_r() && disabledGlyph_) {
      image = disabledGlyph_;
    } else if (!active_r()) {
      if (!inactiveGlyph_) inactiveGlyph_.reset(glyphs::greyedCopy(glyph_));
      image = inactiveGlyph_.get();
    }
    image->draw(left, top);
    left += glyphW + kGlyphSpacing;
  }
  if (!hasText) return;
  const int top = y() + (h() - block.extent().height) / 2 + dy;
  if (active_r())
    block.draw(left, top, textW, font_.color);
  else
    drawEmbossed(block, left, top, textW);
}

}  // namespace tavilo::gui
