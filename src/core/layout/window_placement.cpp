#include "core/layout/window_placement.h"

#include <algorithm>

namespace tavilo::core {

Rect centredOver(const Rect& owner, int width, int height, int screenLeft, int screenTop) {
  const int left = owner.left + (owner.width - width) / 2;
  const int top = owner.top + (owner.height - height) / 2;
  return {std::max(left, screenLeft), std::max(top, screenTop), width, height};
}

int pulledBackLeft(int left, int width, int screenRight) {
  return left + width > screenRight ? screenRight - width - 5 : left;
}

}  // namespace tavilo::core
