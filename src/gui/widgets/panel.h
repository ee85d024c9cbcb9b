// TPanel: a group that clips its children to its own rectangle, with an
// optional fill and an optional one-pixel border line (BorderStyle bsSingle).
// Children are placed relative to the panel with place().
#ifndef TAVILO_GUI_WIDGETS_PANEL_H
#define TAVILO_GUI_WIDGETS_PANEL_H

#include <FL/Fl_Group.H>

#include "core/layout/geometry.h"
#include "gui/color.h"

namespace tavilo::gui {

class TPanel : public Fl_Group {
 public:
  TPanel(int x, int y, int w, int h, const char* label = nullptr);

  // Filled with Color when true; otherwise only the children paint.
  bool Filled() const { return filled_; }
  void Filled(bool on);
  TColor Color() const { return fromFl(color()); }
  void Color(TColor c);
  bool BorderLine() const { return borderLine_; }
  void BorderLine(bool on);

 protected:
  void draw() override;

 private:
  bool filled_ = false;
  bool borderLine_ = false;
};

// Places `w` at `r`, given relative to its parent (or to the window when the
// parent is the window). Negative extents are shown as nothing.
void place(Fl_Widget& w, const core::Rect& r);
// The widget's place relative to its parent.
core::Rect placeOf(const Fl_Widget& w);
int leftOf(const Fl_Widget& w);
int topOf(const Fl_Widget& w);

}  // namespace tavilo::gui

#endif
