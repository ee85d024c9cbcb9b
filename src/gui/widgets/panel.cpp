#include "gui/widgets/panel.h"

#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace tavilo::gui {

namespace {

// The origin that child coordinates are relative to in FLTK: the enclosing
// window's own origin is 0,0; any other group lies in window coordinates.
void originOf(const Fl_Widget& w, int& ox, int& oy) {
  const Fl_Group* p = w.parent();
  if (!p || const_cast<Fl_Group*>(p)->as_window()) {
    ox = oy = 0;
  } else {
    ox = p->x();
    oy = p->y();
  }
}

}  // namespace

TPanel::TPanel(int x, int y, int w, int h, const char* label) : Fl_Group(x, y, w, h, label) {
  box(FL_NO_BOX);
  color(toFl(kSilver));
  resizable(nullptr);
  clip_children(1);
}

void TPanel::Filled(bool on) {
  filled_ = on;
  redraw();
}

void TPanel::Color(TColor c) {
  color(toFl(c));
  redraw();
}

void TPanel::BorderLine(bool on) {
  borderLine_ = on;
  redraw();
}

void TPanel::draw() {
  if (w() <= 0 || h() <= 0) return;
  fl_push_clip(x(), y(), w(), h());
  if (damage() & ~FL_DAMAGE_CHILD) {
    if (filled_) {
      fl_color(color());
      fl_rectf(x(), y(), w(), h());
    }
  }
  draw_children();
  if (borderLine_) {
    fl_color(FL_BLACK);
    fl_rect(x(), y(), w(), h());
  }
  fl_pop_clip();
}

void place(Fl_Widget& w, const core::Rect& r) {
  int ox = 0, oy = 0;
  originOf(w, ox, oy);
  w.resize(ox + r.left, oy + r.top, std::max(0, r.width), std::max(0, r.height));
}

core::Rect placeOf(const Fl_Widget& w) {
  int ox = 0, oy = 0;
  originOf(w, ox, oy);
  return {w.x() - ox, w.y() - oy, w.w(), w.h()};
}

int leftOf(const Fl_Widget& w) { return placeOf(w).left; }
int topOf(const Fl_Widget& w) { return placeOf(w).top; }

}  // namespace tavilo::gui
