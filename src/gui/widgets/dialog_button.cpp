#include "gui/widgets/dialog_button.h"

#include "gui/glyphs.h"
#include "gui/widgets/caption_painter.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace tavilo::gui {

namespace {
constexpr int kGlyphSpacing = 4;
}

TDialogButton::TDialogButton(int x, int y, int w, int h, const char* label) : Fl_Button(x, y, w, h) {
  box(FL_NO_BOX);
  // label() keeps the caption only for FLTK's '&' shortcut test; draw() paints it.
  labeltype(FL_NO_LABEL);
  if (label) Caption(label);
}

TDialogButton::~TDialogButton() = default;

void TDialogButton::Caption(const std::string& text) {
  caption_ = text;
  copy_label(caption_.c_str());
  redraw();
}

void TDialogButton::Font(const FontSpec& f) {
  font_ = f;
  redraw();
}

void TDialogButton::Glyph(Fl_Image* image) {
  glyph_ = image;
  inactiveGlyph_.reset();
  redraw();
}

void TDialogButton::Default(bool on) {
  default_ = on;
  redraw();
}

bool TDialogButton::Focused() const { return Fl::focus() == this; }

bool TDialogButton::Emphasised() const {
  if (Focused()) return true;
  if (!default_) return false;
  const auto* focused = dynamic_cast<const TDialogButton*>(Fl::focus());
  return !focused || focused->window() != window();
}

void TDialogButton::press() {
  Fl_Widget_Tracker alive(this);
  simulate_key_action();
  if (alive.deleted()) return;
  do_callback();
}

int TDialogButton::handle(int event) {
  const bool enter = Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter;
  const bool plain = !(Fl::event_state() & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META));
  switch (event) {
    case FL_KEYBOARD:
      if (Focused() && enter && plain) {
        press();
        return 1;
      }
      break;
    case FL_SHORTCUT:
      if (enter && plain && default_ && Emphasised()) {
        press();
        return 1;
      }
      break;
    case FL_FOCUS:
    case FL_UNFOCUS: {
      // The emphasis may move between this button and the Default one.
      const int taken = Fl_Button::handle(event);
      if (window()) window()->redraw();
      return taken;
    }
    default:
      break;
  }
  return Fl_Button::handle(event);
}

void TDialogButton::drawContent(int x, int y, int w, int h, int dx, int dy) {
  const bool hasText = !caption_.empty();
  const CaptionBlock block(caption_, {font_, taLeftJustify, false, true, true}, w);
  const int textW = hasText ? block.extent().width : 0;
  const int glyphW = glyph_ ? glyph_->w() : 0;
  const int total = textW + glyphW + (glyph_ && hasText ? kGlyphSpacing : 0);
  int left = x + (w - total) / 2 + dx;
  if (glyph_) {
    Fl_Image* image = glyph_;
    if (!active_r()) {
      if (!inactiveGlyph_) inactiveGlyph_.reset(glyphs::greyedCopy(glyph_));
      image = inactiveGlyph_.get();
    }
    image->draw(left, y + (h - glyph_->h()) / 2 + dy);
    left += glyphW + kGlyphSpacing;
  }
  if (!hasText) return;
  const int top = y + (h - block.extent().height) / 2 + dy;
  if (active_r())
    block.draw(left, top, textW, font_.color);
  else
    drawEmbossed(block, left, top, textW);
}

void TDialogButton::drawFocusRect(int x, int y, int w, int h) {
  fl_color(FL_BLACK);
  fl_line_style(FL_DOT);
  fl_rect(x, y, w, h);
  fl_line_style(FL_SOLID);
}

}  // namespace tavilo::gui
