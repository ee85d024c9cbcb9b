#include "gui/widgets/gradient_fill.h"

#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>

#include "core/gradient.h"

namespace tavilo::gui {

void fillGradient(int x, int y, int w, int h, TColor from, TColor to, bool across) {
  if (w <= 0 || h <= 0) return;
  int cx, cy, cw, ch;
  fl_clip_box(x, y, w, h, cx, cy, cw, ch);
  if (cw <= 0 || ch <= 0) return;
  // The first colour under everything, so that no rounding at a fractional
  // scale leaves a seam of what lies behind.
  fl_rectf(cx, cy, cw, ch, toFl(from));
  // The strips themselves in the screen's pixels.
  const float s = fl_override_scale();
  const auto px = [s](int v) { return static_cast<int>(std::floor(v * s)); };
  const int left = px(x), top = px(y), right = px(x + w), bottom = px(y + h);
  const int n = across ? right - left : bottom - top;
  const int first = std::max(0, across ? px(cx) - left : px(cy) - top);
  const int last = std::min(n, across ? px(cx + cw) - left : px(cy + ch) - top);
  // Only the strips up to the clip's end: a panel made far wider than the
  // window shows just its beginning.
  const auto strips = core::gradientStrips(from, to, n, last);
  for (int i = first; i < last;) {
    int j = i + 1;
    while (j < last && strips[static_cast<std::size_t>(j)] == strips[static_cast<std::size_t>(i)]) ++j;
    fl_color(toFl(strips[static_cast<std::size_t>(i)]));
    if (across)
      fl_rectf(left + i, px(cy), j - i, px(cy + ch) - px(cy));
    else
      fl_rectf(px(cx), top + i, px(cx + cw) - px(cx), j - i);
    i = j;
  }
  fl_restore_scale(s);
}

}  // namespace tavilo::gui
