// The colours of a gradient's one-pixel strips. Kept apart from the widget so that the
// arithmetic (real-valued channels, halves rounded to even) is tested without a display.
#ifndef TAVILO_CORE_GRADIENT_H
#define TAVILO_CORE_GRADIENT_H

#include <cstdint>
#include <vector>

namespace tavilo::core {

// n strips from `start` towards `end` (colours $BBGGRR; only the low three bytes count).
// Each channel steps by (end - start) / (n + 1), so the last strip stops one step short of
// `end`. n <= 0 gives no strips. With a count, only the first `count` of the n strips are
// made: a control far larger than the screen shows only its beginning.
std::vector<std::uint32_t> gradientStrips(std::uint32_t start, std::uint32_t end, int n, int count);
inline std::vector<std::uint32_t> gradientStrips(std::uint32_t start, std::uint32_t end, int n) {
  return gradientStrips(start, end, n, n);
}

}  // namespace tavilo::core

#endif
