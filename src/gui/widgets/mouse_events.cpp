#include "gui/widgets/mouse_events.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

namespace tavilo::gui {

bool pressIsAClick() { return Fl::event_clicks() % 2 == 0; }

int MouseEvents::handle(Fl_Widget& w, int event) {
  switch (event) {
    case FL_ENTER:
      if (cursor_ != FL_CURSOR_DEFAULT && w.window()) w.window()->cursor(cursor_);
      return wantsPointer() ? 1 : 0;
    case FL_LEAVE:
      if (cursor_ != FL_CURSOR_DEFAULT && w.window()) w.window()->cursor(FL_CURSOR_DEFAULT);
      return wantsPointer() ? 1 : 0;
    case FL_MOVE:
    case FL_PUSH:
    case FL_DRAG:
    case FL_RELEASE:
      if (!handler_) return event == FL_MOVE && wantsPointer() ? 1 : 0;
      {
        // Copied: the handler may replace itself (or more) while it runs.
        const MouseHandler h = handler_;
        h(event, Fl::event_x() - w.x(), Fl::event_y() - w.y());
      }
      return 1;
    default:
      return 0;
  }
}

}  // namespace tavilo::gui
