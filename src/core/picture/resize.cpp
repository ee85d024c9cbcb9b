// Separable resampling: each target pixel is the weighted mean of the source
// pixels under it (area coverage when shrinking, a tent when enlarging). Colours
// are weighted by alpha so that transparent pixels do not darken the edges.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/picture/picture_internal.h"

namespace tavilo::core {
namespace {

struct Tap {
  int source = 0;
  float weight = 0;
};

// For each target index, the source indices it draws from with their weights.
std::vector<std::vector<Tap>> axisTaps(int from, int to) {
  std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
  const double scale = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    auto& list = taps[static_cast<std::size_t>(i)];
    if (scale >= 1) {
      const double a = i * scale, b = (i + 1) * scale;
      for (int j = static_cast<int>(a); j < from && j < b; ++j) {
        const double overlap = std::min<double>(b, j + 1) - std::max<double>(a, j);
        if (overlap > 0) list.push_back({j, static_cast<float>(overlap / scale)});
      }
    } else {
      const double centre = (i + 0.5) * scale - 0.5;
      const int j = static_cast<int>(std::floor(centre));
      const float f = static_cast<float>(centre - j);
      const int j0 = std::clamp(j, 0, from - 1), j1 = std::clamp(j + 1, 0, from - 1);
      if (j0 == j1) {
        list.push_back({j0, 1.0f});
      } else {
        list.push_back({j0, 1.0f - f});
        list.push_back({j1, f});
      }
    }
  }
  return taps;
}

}  // namespace

Picture resizePicture(const Picture& source, int width, int height) {
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return {};
  if (width == source.width && height == source.height) return source;
  Picture out = picture_detail::blankPicture(width, height);
  out.hasAlpha = source.hasAlpha;

  const auto columns = axisTaps(source.width, width);
  const auto rows = axisTaps(source.height, height);
  // For each source row, the target rows it feeds, so that the source is read once.
  struct Feed {
    int target = 0;
    float weight = 0;
  };
  std::vector<std::vector<Feed>> feeds(static_cast<std::size_t>(source.height));
  for (int i = 0; i < height; ++i)
    for (const Tap& t : rows[static_cast<std::size_t>(i)])
      feeds[static_cast<std::size_t>(t.source)].push_back({i, t.weight});

  const std::size_t rowFloats = static_cast<std::size_t>(width) * 4;
  std::vector<float> sum(rowFloats * height, 0.0f), line(rowFloats);
  for (int j = 0; j < source.height; ++j) {
    const auto& feed = feeds[static_cast<std::size_t>(j)];
    if (feed.empty()) continue;
    const std::uint8_t* s = source.rgba.data() + static_cast<std::size_t>(j) * source.width * 4;
    for (int x = 0; x < width; ++x) {
      float r = 0, g = 0, b = 0, a = 0;
      for (const Tap& t : columns[static_cast<std::size_t>(x)]) {
        const std::uint8_t* p = s + static_cast<std::size_t>(t.source) * 4;
        const float wa = t.weight * p[3];
        r += wa * p[0], g += wa * p[1], b += wa * p[2], a += wa;
      }
      float* l = line.data() + static_cast<std::size_t>(x) * 4;
      l[0] = r, l[1] = g, l[2] = b, l[3] = a;
    }
    for (const Feed& t : feed) {
      float* d = sum.data() + static_cast<std::size_t>(t.target) * rowFloats;
      for (std::size_t k = 0; k < rowFloats; ++k) d[k] += t.weight * line[k];
    }
  }
  for (std::size_t i = 0; i < out.rgba.size(); i += 4) {
    const float a = sum[i + 3];
    std::uint8_t* d = out.rgba.data() + i;
    if (a <= 0) continue;  // fully transparent stays transparent black
    for (int c = 0; c < 3; ++c) d[c] = static_cast<std::uint8_t>(std::clamp(sum[i + c] / a + 0.5f, 0.0f, 255.0f));
    d[3] = static_cast<std::uint8_t>(std::clamp(a + 0.5f, 0.0f, 255.0f));
  }
  if (out.hasAlpha) out.hasAlpha = anyTransparent(out.rgba);
  return out;
}

}  // namespace tavilo::core
