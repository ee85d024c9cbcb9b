#include "core/list_input.h"

#include <algorithm>
#include <cstdlib>

namespace tavilo::core {

int wholeRowsShown(const RowView& v) { return std::max(1, v.viewHeight / std::max(1, v.rowHeight)); }

int lastRowTop(const RowView& v) { return std::max(0, v.rows - wholeRowsShown(v)) * std::max(1, v.rowHeight); }

int snapToRow(int position, const RowView& v) {
  const int h = std::max(1, v.rowHeight);
  const int nearest = (std::max(0, position) + h / 2) / h * h;
  return std::min(nearest, lastRowTop(v));
}

int positionShowing(int row, int position, const RowView& v) {
  const int top = snapToRow(position, v);
  if (row < 0 || row >= v.rows) return top;
  const int h = std::max(1, v.rowHeight);
  const int first = top / h;
  const int shown = wholeRowsShown(v);
  if (row < first) return row * h;
  if (row >= first + shown) return std::min((row - shown + 1) * h, lastRowTop(v));
  return top;
}

bool DoubleClickCounter::press(std::uint32_t timeMs, int x, int y, int row) {
  const bool second = pending_ && row >= 0 && row == row_ && timeMs - time_ <= static_cast<std::uint32_t>(rule_.timeMs) &&
                      std::abs(x - x_) <= rule_.distance && std::abs(y - y_) <= rule_.distance;
  pending_ = !second;
  time_ = timeMs;
  x_ = x;
  y_ = y;
  row_ = row;
  return second;
}

}  // namespace tavilo::core
