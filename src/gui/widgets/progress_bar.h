// TProgressBar: a sunken bar that fills with blocks in the selection colour from
// Min towards Max: from the left, or from the bottom when vertical. Position is
// kept within Min..Max; OnChange runs whenever it changes.
#ifndef TAVILO_GUI_WIDGETS_PROGRESS_BAR_H
#define TAVILO_GUI_WIDGETS_PROGRESS_BAR_H

#include <FL/Fl_Widget.H>

#include "gui/color.h"
#include "gui/widgets/handler.h"

namespace tavilo::gui {

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public Fl_Widget {
 public:
  TProgressBar(int x, int y, int w, int h, const char* label = nullptr);

  int Min() const { return min_; }
  void Min(int value);
  int Max() const { return max_; }
  void Max(int value);
  int Position() const { return position_; }
  void Position(int value);
  int Step() const { return step_; }
  void Step(int value) { step_ = value; }
  void StepIt() { Position(position_ + step_); }
  TProgressBarOrientation Orientation() const { return orientation_; }
  void Orientation(TProgressBarOrientation o);
  TColor BarColor() const { return barColor_; }
  void BarColor(TColor c);

  void OnChange(Handler h) { onChange_ = std::move(h); }

 protected:
  void draw() override;

 private:
  void clampPosition();

  int min_ = 0, max_ = 100, position_ = 0, step_ = 1;
  TProgressBarOrientation orientation_ = pbHorizontal;
  TColor barColor_ = 0x800000;  // the classic selection colour, navy
  Handler onChange_;
};

}  // namespace tavilo::gui

#endif
