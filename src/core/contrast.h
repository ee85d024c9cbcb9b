// How well a text colour stands out from its background: the contrast ratio
// of the two colours' relative luminances, from 1 (the same) to 21 (black on
// white). Text below 3 is hard to read even in bold.
#ifndef TAVILO_CORE_CONTRAST_H
#define TAVILO_CORE_CONTRAST_H

#include <cstdint>

namespace tavilo::core {

inline constexpr double kReadableContrast = 3.0;

// Relative luminance of a colour $BBGGRR, from 0 (black) to 1 (white).
double luminance(std::uint32_t colour);
double contrastRatio(std::uint32_t a, std::uint32_t b);
// The lowest contrast of `text` against any colour of the gradient from
// `start` to `end`.
double lowestContrastOnGradient(std::uint32_t text, std::uint32_t start, std::uint32_t end);

}  // namespace tavilo::core

#endif
