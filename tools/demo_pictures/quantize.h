// Reduces a drawn picture to a palette of at most 256 colours for GIF and 8-bit
// bitmaps: the exact colours when there are few enough, otherwise median cut
// (weighted by pixel count) and the nearest palette colour for each pixel.
#ifndef TAVILO_TOOLS_DEMO_PICTURES_QUANTIZE_H
#define TAVILO_TOOLS_DEMO_PICTURES_QUANTIZE_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/picture/picture.h"
#include "writers.h"

namespace tavilo::demo {

namespace quantize_detail {

struct Entry {
  std::uint32_t rgb = 0;  // 0xRRGGBB
  std::uint32_t count = 0;
  int channel(int c) const { return static_cast<int>((rgb >> (16 - 8 * c)) & 0xFF); }
};

inline Rgb meanOf(const std::vector<Entry>& entries, std::size_t from, std::size_t to) {
  double sum[3] = {0, 0, 0}, n = 0;
  for (std::size_t i = from; i < to; ++i) {
    for (int c = 0; c < 3; ++c) sum[c] += static_cast<double>(entries[i].channel(c)) * entries[i].count;
    n += entries[i].count;
  }
  auto v = [&](int c) { return static_cast<std::uint8_t>(sum[c] / n + 0.5); };
  return {v(0), v(1), v(2)};
}

}  // namespace quantize_detail

// Pixels with alpha below 128 get a transparent index of their own when
// `keepTransparency` is set (the palette's last entry).
inline Indexed quantize(const core::Picture& p, int maxColours, bool keepTransparency = false) {
  using quantize_detail::Entry;
  const int room = keepTransparency ? maxColours - 1 : maxColours;
  std::unordered_map<std::uint32_t, std::uint32_t> counts;
  const std::size_t n = static_cast<std::size_t>(p.width) * p.height;
  auto rgbAt = [&](std::size_t i) {
    const std::uint8_t* s = p.rgba.data() + i * 4;
    return (std::uint32_t{s[0]} << 16) | (std::uint32_t{s[1]} << 8) | s[2];
  };
  auto clear = [&](std::size_t i) { return keepTransparency && p.rgba[i * 4 + 3] < 128; };
  for (std::size_t i = 0; i < n; ++i)
    if (!clear(i)) ++counts[rgbAt(i)];
  std::vector<Entry> entries;
  for (const auto& [rgb, count] : counts) entries.push_back({rgb, count});
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.rgb < b.rgb; });

  // Boxes are ranges of `entries`; the box with the widest channel is cut at its weighted median.
  struct Box {
    std::size_t from, to;
  };
  std::vector<Box> boxes;
  if (!entries.empty()) boxes.push_back({0, entries.size()});
  while (static_cast<int>(boxes.size()) < room) {
    int best = -1, bestChannel = 0, bestRange = 0;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].to - boxes[b].from < 2) continue;
      for (int c = 0; c < 3; ++c) {
        int lo = 255, hi = 0;
        for (std::size_t i = boxes[b].from; i < boxes[b].to; ++i)
          lo = std::min(lo, entries[i].channel(c)), hi = std::max(hi, entries[i].channel(c));
        if (hi - lo > bestRange) best = static_cast<int>(b), bestChannel = c, bestRange = hi - lo;
      }
    }
    if (best < 0) break;
    Box& box = boxes[static_cast<std::size_t>(best)];
    std::sort(entries.begin() + static_cast<std::ptrdiff_t>(box.from),
              entries.begin() + static_cast<std::ptrdiff_t>(box.to),
              [c = bestChannel](const Entry& a, const Entry& b) { return a.channel(c) < b.channel(c); });
    std::uint64_t total = 0, half = 0;
    for (std::size_t i = box.from; i < box.to; ++i) total += entries[i].count;
    std::size_t cut = box.from + 1;
    for (std::size_t i = box.from; i < box.to - 1; ++i) {
      half += entries[i].count;
      cut = i + 1;
      if (half * 2 >= total) break;
    }
    const Box upper{cut, box.to};
    box.to = cut;
    boxes.push_back(upper);
  }

  Indexed out;
  out.width = p.width;
  out.height = p.height;
  for (const Box& b : boxes) out.palette.push_back(quantize_detail::meanOf(entries, b.from, b.to));
  if (out.palette.empty()) out.palette.push_back({});
  if (keepTransparency) {
    out.transparentIndex = static_cast<int>(out.palette.size());
    out.palette.push_back({255, 0, 255});
  }
  std::unordered_map<std::uint32_t, std::uint8_t> nearest;
  for (const Entry& e : entries) {
    int best = 0, bestDistance = 1 << 30;
    for (int k = 0; k < static_cast<int>(boxes.size()); ++k) {
      const Rgb& c = out.palette[static_cast<std::size_t>(k)];
      const int dr = e.channel(0) - c.r, dg = e.channel(1) - c.g, db = e.channel(2) - c.b;
      const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
      if (d < bestDistance) best = k, bestDistance = d;
    }
    nearest[e.rgb] = static_cast<std::uint8_t>(best);
  }
  out.indices.resize(n);
  for (std::size_t i = 0; i < n; ++i)
    out.indices[i] = clear(i) ? static_cast<std::uint8_t>(out.transparentIndex) : nearest[rgbAt(i)];
  return out;
}

}  // namespace tavilo::demo

#endif
