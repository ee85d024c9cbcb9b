#include "gui/widgets/redraw_behind.h"

#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

namespace tavilo::gui {

void redrawArea(Fl_Widget& w, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return;
  Fl_Window* win = w.as_window() ? w.as_window() : w.window();
  if (win == nullptr || !win->shown()) return;
  if (w.as_window()) x = y = 0;
  // FL_DAMAGE_ALL on the window with a region: Fl_Group then draws every child that
  // meets the region, backgrounds first.
  win->damage(FL_DAMAGE_ALL, x, y, width, height);
}

void redrawBehind(Fl_Widget& w) { redrawArea(w, w.x(), w.y(), w.w(), w.h()); }

void repaint(Fl_Widget& w, bool opaque) {
  if (opaque)
    w.redraw();
  else
    redrawBehind(w);
}

}  // namespace tavilo::gui
