// The compiled-in pictures' pixels are stored as runs: most of a picture is
// transparent or one colour, and stored whole the pictures at twice their size
// would add a fifth of a megabyte to the program.
//
// A packed picture is a row of tokens over 4-byte pixels. A token byte t with
// the high bit set repeats the pixel that follows (t & 0x7F) + 1 times; one
// without it is followed by t + 1 pixels as they are.
#ifndef TAVILO_GUI_GLYPHS_PIXEL_RUNS_H
#define TAVILO_GUI_GLYPHS_PIXEL_RUNS_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tavilo::gui::glyphs {

inline std::vector<std::uint8_t> packPixels(const std::vector<std::uint8_t>& rgba) {
  std::vector<std::uint8_t> out;
  const std::size_t n = rgba.size() / 4;
  const auto same = [&](std::size_t a, std::size_t b) { return std::memcmp(&rgba[a * 4], &rgba[b * 4], 4) == 0; };
  std::size_t i = 0;
  while (i < n) {
    std::size_t run = 1;
    while (i + run < n && run < 128 && same(i, i + run)) ++run;
    if (run >= 2) {
      out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
      out.insert(out.end(), &rgba[i * 4], &rgba[i * 4] + 4);
      i += run;
      continue;
    }
    std::size_t literal = 1;  // up to the next pair of equal pixels
    while (i + literal < n && literal < 128 && !(i + literal + 1 < n && same(i + literal, i + literal + 1))) ++literal;
    out.push_back(static_cast<std::uint8_t>(literal - 1));
    out.insert(out.end(), &rgba[i * 4], &rgba[(i + literal) * 4]);
    i += literal;
  }
  return out;
}

// Unpacks into `out` of `outSize` bytes; false when the packed bytes do not
// fill it exactly.
inline bool unpackPixels(const std::uint8_t* packed, std::size_t size, std::uint8_t* out, std::size_t outSize) {
  std::size_t at = 0, written = 0;
  while (at < size) {
    const std::uint8_t token = packed[at++];
    const std::size_t count = (token & 0x7Fu) + 1u;
    const bool run = (token & 0x80u) != 0;
    const std::size_t bytesIn = run ? 4 : 4 * count;
    if (at + bytesIn > size || written + 4 * count > outSize) return false;
    for (std::size_t k = 0; k < count; ++k) std::memcpy(out + written + 4 * k, packed + at + (run ? 0 : 4 * k), 4);
    at += bytesIn;
    written += 4 * count;
  }
  return written == outSize;
}

}  // namespace tavilo::gui::glyphs

#endif
