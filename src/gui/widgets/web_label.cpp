#include "gui/widgets/web_label.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

namespace tavilo::gui {

TWebLabel::TWebLabel(int x, int y, int w, int h, const char* label) : TTextLabel(x, y, w, h, label) {
  Autosize(false);
  ShowAccelChar(false);
}

void TWebLabel::hover(bool on) {
  if (on == hovered_) return;
  hovered_ = on;
  FontSpec f = Font();
  if (on) {
    normalColor_ = f.color;
    f.color = hoverColor_;
    Color(hoverBackground_);
  } else {
    f.color = normalColor_;
  }
  Transparent(!on);
  Font(f);
  if (window()) window()->cursor(on ? FL_CURSOR_HAND : FL_CURSOR_DEFAULT);
}

int TWebLabel::handle(int event) {
  switch (event) {
    case FL_ENTER:
    case FL_MOVE:
      hover(true);
      return 1;
    case FL_LEAVE:
      hover(false);
      return 1;
    case FL_PUSH:
      clicked_ = pressIsAClick();  // a double-clicked link opens once
      return Fl::event_button() == FL_LEFT_MOUSE ? 1 : 0;
    case FL_RELEASE:
      if (Fl::event_button() == FL_LEFT_MOUSE && clicked_ && Fl::event_inside(this)) fire(onClick_);
      return 1;
    case FL_HIDE:
      hover(false);
      break;
  }
  return TTextLabel::handle(event);
}

}  // namespace tavilo::gui
