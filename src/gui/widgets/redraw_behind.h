// Transparent widgets draw nothing behind themselves, so when one changes, what lies
// behind it (a gradient, a picture, the parent's box) must be painted again first.
// Every transparent widget repaints through these helpers.
#ifndef TAVILO_GUI_WIDGETS_REDRAW_BEHIND_H
#define TAVILO_GUI_WIDGETS_REDRAW_BEHIND_H

class Fl_Widget;

namespace tavilo::gui {

// Damages the rectangle (window coordinates) of w's window, so that the next flush redraws
// every widget there in stacking order, clipped to it. Does nothing before w is shown.
void redrawArea(Fl_Widget& w, int x, int y, int width, int height);

// Damages the area under w.
void redrawBehind(Fl_Widget& w);

// w.redraw() when w paints its whole rectangle, else redrawBehind(w).
void repaint(Fl_Widget& w, bool opaque);

}  // namespace tavilo::gui

#endif
