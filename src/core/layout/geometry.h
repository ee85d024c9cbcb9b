// Places and rounding shared by the layout arithmetic of every window.
#ifndef TAVILO_CORE_GEOMETRY_H
#define TAVILO_CORE_GEOMETRY_H

#include <ostream>
#include <vector>

namespace tavilo::core {

// A control's place: left, top, width, height in pixels within its parent.
struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
  }
};

// R(): nearest integer, halves to the even neighbour, in extended precision.
long long roundHalfEven(long double x);
inline int R(long double x) { return static_cast<int>(roundHalfEven(x)); }

// One row of a rounded rectangle: pixels x0 <= x < x1 of row y.
struct ShapeSpan {
  int y = 0, x0 = 0, x1 = 0;
  friend bool operator==(const ShapeSpan&, const ShapeSpan&) = default;
};
// The rows of a rectangle from (0,0) to (right,bottom), exclusive, whose
// corners are cut by ellipses of the given size.
std::vector<ShapeSpan> roundedRectSpans(int right, int bottom, int ellipseWidth, int ellipseHeight);

}  // namespace tavilo::core

#endif
