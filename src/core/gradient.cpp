#include "core/gradient.h"

#include <cfenv>
#include <cmath>

namespace tavilo::core {

namespace {

unsigned channel(std::uint32_t colour, int shift) { return (colour >> shift) & 0xFFu; }

// Nearest integer with halves to even; the accumulated value never leaves [0, 255].
std::uint32_t roundChannel(long double v) {
  const long long r = std::llrintl(v);
  return static_cast<std::uint32_t>(r < 0 ? 0 : (r > 255 ? 255 : r));
}

}  // namespace

std::vector<std::uint32_t> gradientStrips(std::uint32_t start, std::uint32_t end, int n, int count) {
  std::vector<std::uint32_t> strips;
  if (n <= 0 || count <= 0) return strips;
  if (count > n) count = n;
  strips.reserve(static_cast<std::size_t>(count));

  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  long double value[3], step[3];
  for (int c = 0; c < 3; ++c) {
    value[c] = channel(start, 8 * c);
    step[c] = (static_cast<long double>(channel(end, 8 * c)) - value[c]) / (n + 1.0L);
  }
  // The channels are summed step by step, as the painting always did; multiplying
  // i * step instead could round an exact half the other way.
  for (int i = 0; i < count; ++i) {
    strips.push_back(roundChannel(value[0]) | (roundChannel(value[1]) << 8) |
                     (roundChannel(value[2]) << 16));
    for (int c = 0; c < 3; ++c) value[c] += step[c];
  }
  std::fesetround(saved);
  return strips;
}

}  // namespace tavilo::core
