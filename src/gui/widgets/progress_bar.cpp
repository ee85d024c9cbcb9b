#include "gui/widgets/progress_bar.h"

#include <FL/fl_draw.H>

#include <algorithm>

#include "gui/system_colors.h"

namespace tavilo::gui {

namespace {

constexpr int kBorder = 2;  // the sunken frame plus one pixel of face inside it
constexpr int kGap = 2;     // between blocks

}  // namespace

TProgressBar::TProgressBar(int x, int y, int w, int h, const char* label) : Fl_Widget(x, y, w, h, label) {
  box(FL_THIN_DOWN_BOX);
  color(toFl(kBtnFace));
  labeltype(FL_NO_LABEL);
}

void TProgressBar::Min(int value) {
  min_ = value;
  max_ = std::max(max_, min_);
  clampPosition();
  redraw();
}

void TProgressBar::Max(int value) {
  max_ = value;
  min_ = std::min(min_, max_);
  clampPosition();
  redraw();
}

void TProgressBar::Position(int value) {
  const int old = position_;
  position_ = value;
  clampPosition();
  if (position_ == old) return;
  redraw();
  fire(onChange_);
}

void TProgressBar::clampPosition() { position_ = std::clamp(position_, min_, max_); }

void TProgressBar::Orientation(TProgressBarOrientation o) {
  orientation_ = o;
  redraw();
}

void TProgressBar::BarColor(TColor c) {
  barColor_ = c;
  redraw();
}

void TProgressBar::draw() {
  draw_box();
  const bool vertical = orientation_ == pbVertical;
  const int across = (vertical ? w() : h()) - 2 * kBorder;
  const int along = (vertical ? h() : w()) - 2 * kBorder;
  if (across <= 0 || along <= 0 || max_ <= min_) return;
  const int filled = static_cast<int>(static_cast<long long>(along) * (position_ - min_) / (max_ - min_));
  // Blocks two thirds as long as the bar is wide, as the classic bar draws them.
  const int block = std::max(2, across * 2 / 3);
  fl_color(active_r() ? toFl(barColor_) : toFl(kBtnShadow));
  for (int start = 0; start < filled; start += block + kGap) {
    const int len = std::min(block, along - start);
    if (vertical)
      fl_rectf(x() + kBorder, y() + h() - kBorder - start - len, across, len);
    else
      fl_rectf(x() + kBorder + start, y() + kBorder, len, across);
  }
}

}  // namespace tavilo::gui
