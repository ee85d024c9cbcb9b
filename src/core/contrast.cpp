#include "core/contrast.h"

#include <algorithm>
#include <cmath>

namespace tavilo::core {

namespace {

double linear(unsigned channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint32_t blend(std::uint32_t a, std::uint32_t b, double t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= static_cast<std::uint32_t>(std::lround(ca + (cb - ca) * t)) << shift;
  }
  return out;
}

}  // namespace

double luminance(std::uint32_t colour) {
  return 0.2126 * linear(colour & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF) +
         0.0722 * linear((colour >> 16) & 0xFF);
}

double contrastRatio(std::uint32_t a, std::uint32_t b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double lowestContrastOnGradient(std::uint32_t text, std::uint32_t start, std::uint32_t end) {
  // Luminance need not be monotonic along a blend of two colours: sample it.
  double lowest = 21.0;
  for (int i = 0; i <= 16; ++i) lowest = std::min(lowest, contrastRatio(text, blend(start, end, i / 16.0)));
  return lowest;
}

}  // namespace tavilo::core
