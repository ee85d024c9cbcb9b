// What the program's lists do with the mouse and the scroll position, without
// a widget: scrolling by whole rows of one height, and telling a double click
// from two single clicks as the desktop does.
#ifndef TAVILO_CORE_LIST_INPUT_H
#define TAVILO_CORE_LIST_INPUT_H

#include <cstdint>

namespace tavilo::core {

// A list of `rows` rows, each `rowHeight` high, seen through `viewHeight` pixels.
struct RowView {
  int rowHeight = 1;
  int rows = 0;
  int viewHeight = 0;
};

// Whole rows that fit the view (at least one).
int wholeRowsShown(const RowView& v);
// The top position (pixels scrolled) that shows the last row whole at the
// bottom; a view that is not a whole number of rows high shows space below it.
int lastRowTop(const RowView& v);
// The row boundary nearest to `position`, between 0 and lastRowTop.
int snapToRow(int position, const RowView& v);
// The row-boundary position nearest to `position` at which `row` is shown
// whole (a row out of range keeps the snapped position).
int positionShowing(int row, int position, const RowView& v);

// The desktop's double click: the second press within `timeMs` of the first,
// at most `distance` pixels away on each axis, on the same row.
struct DoubleClickRule {
  int timeMs = 500;
  int distance = 4;
};

class DoubleClickCounter {
 public:
  explicit DoubleClickCounter(DoubleClickRule rule = {}) : rule_(rule) {}
  // A press at `timeMs` (a millisecond clock that may wrap at 2^32), at the
  // screen point (x, y), on `row` (-1: no row). True when it completes a
  // double click; the press after that starts a new count.
  bool press(std::uint32_t timeMs, int x, int y, int row);
  void reset() { pending_ = false; }

 private:
  DoubleClickRule rule_;
  bool pending_ = false;
  std::uint32_t time_ = 0;
  int x_ = 0, y_ = 0, row_ = -1;
};

}  // namespace tavilo::core

#endif
