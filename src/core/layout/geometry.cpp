#include "core/layout/geometry.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace tavilo::core {

long long roundHalfEven(long double x) {
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const long long r = std::llrintl(x);
  std::fesetround(saved);
  return r;
}

std::vector<ShapeSpan> roundedRectSpans(int right, int bottom, int ellipseWidth, int ellipseHeight) {
  std::vector<ShapeSpan> spans;
  if (right <= 0 || bottom <= 0) return spans;
  const double rx = std::max(0, std::min(ellipseWidth, right)) / 2.0;
  const double ry = std::max(0, std::min(ellipseHeight, bottom)) / 2.0;
  spans.reserve(static_cast<std::size_t>(bottom));
  for (int y = 0; y < bottom; ++y) {
    double dy = 0;  // distance into the corner ellipse, 0 outside the corners
    if (y + 0.5 < ry) dy = ry - (y + 0.5);
    else if (y + 0.5 > bottom - ry) dy = (y + 0.5) - (bottom - ry);
    int inset = 0;
    if (dy > 0 && ry > 0) {
      const double t = std::min(1.0, dy / ry);
      inset = static_cast<int>(std::lround(rx - rx * std::sqrt(1.0 - t * t)));
    }
    if (right - 2 * inset > 0) spans.push_back({y, inset, right - inset});
  }
  return spans;
}

}  // namespace tavilo::core
