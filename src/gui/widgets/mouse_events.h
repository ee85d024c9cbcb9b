// How the windowless widgets hand mouse events to their owner, and show a cursor while the
// pointer is over them. The main window drags itself by its gradients and title this way.
#ifndef TAVILO_GUI_WIDGETS_MOUSE_EVENTS_H
#define TAVILO_GUI_WIDGETS_MOUSE_EVENTS_H

#include <FL/Enumerations.H>

#include <functional>
#include <utility>

class Fl_Widget;

namespace tavilo::gui {

// Called with FL_PUSH, FL_DRAG, FL_RELEASE or FL_MOVE and the pointer's place relative to
// the widget's top-left corner; Fl::event_button() and Fl::event_x_root() are valid during
// the call (a window that moves itself should follow the root coordinates).
using MouseHandler = std::function<void(int event, int x, int y)>;

// The part of a widget's handle() that reports mouse events and sets the cursor.
class MouseEvents {
 public:
  void handler(MouseHandler h) { handler_ = std::move(h); }
  const MouseHandler& handler() const { return handler_; }
  void cursor(Fl_Cursor c) { cursor_ = c; }
  Fl_Cursor cursor() const { return cursor_; }

  // True when the widget wants the pointer's enter, move and leave events.
  bool wantsPointer() const { return handler_ || cursor_ != FL_CURSOR_DEFAULT; }

  // Handles `event` for `w`: 1 when it was taken, 0 when it should go on to what lies
  // below. Without a handler, buttons pass through, so a label on a gradient lets the
  // gradient receive the drag.
  int handle(Fl_Widget& w, int event);

 private:
  MouseHandler handler_;
  Fl_Cursor cursor_ = FL_CURSOR_DEFAULT;
};

// During FL_PUSH: whether this press is a click of its own. The press that
// makes a double click (FLTK counts on: 1, 3, ...) is not, as the desktop
// takes a double click for one click and a double click.
bool pressIsAClick();

}  // namespace tavilo::gui

#endif
