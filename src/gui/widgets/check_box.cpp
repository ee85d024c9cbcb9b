#include "gui/widgets/check_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "gui/system_colors.h"

namespace tavilo::gui {

TCheckBox::TCheckBox(int x, int y, int w, int h, const char* label) : Fl_Widget(x, y, w, h, label) {
  box(FL_NO_BOX);
  labeltype(FL_NO_LABEL);
}

void TCheckBox::Checked(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  redraw();
  fire(onClick_);
}

int TCheckBox::handle(int event) {
  switch (event) {
    case FL_ENTER:
      if (window()) window()->cursor(cursor_);
      return 1;
    case FL_LEAVE:
      if (window()) window()->cursor(FL_CURSOR_DEFAULT);
      return 1;
    case FL_PUSH:
      if (Fl::event_button() != FL_LEFT_MOUSE) return 0;
      if (Fl::visible_focus()) take_focus();
      pressed_ = true;
      redraw();
      return 1;
    case FL_DRAG: {
      const bool inside = Fl::event_inside(this);
      if (inside != pressed_) {
        pressed_ = inside;
        redraw();
      }
      return 1;
    }
    case FL_RELEASE:
      if (!pressed_) return 1;
      pressed_ = false;
      redraw();
      if (Fl::event_inside(this)) Toggle();
      return 1;
    case FL_FOCUS:
    case FL_UNFOCUS:
      redraw();
      return 1;
    case FL_KEYBOARD:
      if (Fl::focus() != this || Fl::event_key() != ' ') return 0;
      Toggle();
      return 1;
    default:
      return Fl_Widget::handle(event);
  }
}

void TCheckBox::draw() {
  // The square sits at the left, centred vertically; the rest stays transparent.
  const int s = kBoxSize;
  const int bx = x(), by = y() + (h() - s) / 2;
  const bool on = active_r();
  fl_draw_box(FL_DOWN_BOX, bx, by, s, s, (on && !pressed_) ? FL_WHITE : toFl(kBtnFace));
  if (checked_) {
    fl_color(on ? toFl(kWindowText) : toFl(kGrayText));
    // The classic tick: three pixels thick, 7 wide.
    for (int i = 0; i < 3; ++i) {
      fl_line(bx + 3, by + 5 + i, bx + 5, by + 7 + i);
      fl_line(bx + 5, by + 7 + i, bx + 9, by + 3 + i);
    }
  }
  if (Fl::focus() == this && visible_focus()) draw_focus(FL_NO_BOX, bx - 1, by - 1, s + 2, s + 2);
}

}  // namespace tavilo::gui
