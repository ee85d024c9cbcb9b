// Separable resampling: each target pixel is the weighted mean of the source
// pixels under it (area coverage when shrinking, a tent when enlarging). Colours
// are weighted by alpha so that transparent pixels do not darken the edges.
// Target rows are made one after another from source rows resampled across,
// so that the work memory is a few rows, whatever the sizes.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "core/picture/picture_internal.h"

namespace tavilo::core {
namespace {

// Red, green, blue and alpha (or 1) of a pixel, summed lane by lane: each
// lane is computed as a float of its own would be, only four at a time.
using Lanes = float __attribute__((vector_size(16)));

Lanes lanesAt(const float* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// Four bytes as floats (exact: every byte value is a float).
Lanes toLanes(const std::uint8_t* p) {
#ifdef __SSE2__
  std::int32_t word;
  std::memcpy(&word, p, sizeof word);
  const __m128i zero = _mm_setzero_si128();
  const __m128 f = _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(word), zero), zero));
  Lanes v;
  std::memcpy(&v, &f, sizeof v);
  return v;
#else
  return Lanes{float(p[0]), float(p[1]), float(p[2]), float(p[3])};
#endif
}

// Four lanes within 0 to 255 as bytes, each cut to its whole part as a
// conversion of one float to an integer does.
void storeBytes(Lanes v, std::uint8_t* d) {
#ifdef __SSE2__
  __m128 f;
  std::memcpy(&f, &v, sizeof f);
  const __m128i n = _mm_cvttps_epi32(f);
  const std::int32_t word = _mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(n, n), _mm_setzero_si128()));
  std::memcpy(d, &word, sizeof word);
#else
  for (int c = 0; c < 4; ++c) d[c] = static_cast<std::uint8_t>(v[c]);
#endif
}

// For each target index i, the source indices it draws from with their
// weights: taps first[i] to first[i + 1] - 1, in one list for all targets.
struct AxisTaps {
  std::vector<int> first, source;
  std::vector<float> weight;
};

AxisTaps axisTaps(int from, int to) {
  AxisTaps taps;
  taps.first.reserve(static_cast<std::size_t>(to) + 1);
  const auto add = [&taps](int j, float w) {
    taps.source.push_back(j);
    taps.weight.push_back(w);
  };
  const double scale = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    taps.first.push_back(static_cast<int>(taps.source.size()));
    if (scale >= 1) {
      const double a = i * scale, b = (i + 1) * scale;
      for (int j = static_cast<int>(a); j < from && j < b; ++j) {
        const double overlap = std::min<double>(b, j + 1) - std::max<double>(a, j);
        if (overlap > 0) add(j, static_cast<float>(overlap / scale));
      }
    } else {
      const double centre = (i + 0.5) * scale - 0.5;
      const int j = static_cast<int>(std::floor(centre));
      const float f = static_cast<float>(centre - j);
      const int j0 = std::clamp(j, 0, from - 1), j1 = std::clamp(j + 1, 0, from - 1);
      if (j0 == j1) {
        add(j0, 1.0f);
      } else {
        add(j0, 1.0f - f);
        add(j1, f);
      }
    }
  }
  taps.first.push_back(static_cast<int>(taps.source.size()));
  return taps;
}

// Row y of the view as floats: red, green and blue per pixel in `colour`
// (whose fourth lanes hold 1 and stay), the alpha apart in `alpha`, so that one
// pixel's sums are a single product of four lanes. Without an alpha channel or
// key, `alpha` holds 255s from the start and is left alone.
void floatRow(const PixelView& v, int y, float* colour, float* alpha) {
  const std::uint8_t* s = v.data + static_cast<std::size_t>(y) * v.rowBytes();
  const int n = v.width;
  float* c = colour;
  switch (v.depth) {
    case 1:
      for (int x = 0; x < n; ++x, c += 4) c[0] = c[1] = c[2] = s[x];
      break;
    case 2:
      for (int x = 0; x < n; ++x, s += 2, c += 4) c[0] = c[1] = c[2] = s[0], alpha[x] = s[1];
      break;
    case 3:
      // Four bytes read, the fourth lane set back to 1; the last pixel alone,
      // since its fourth byte may lie beyond the row.
      for (int x = 0; x + 1 < n; ++x, s += 3, c += 4) {
        Lanes v = toLanes(s);
        v[3] = 1.0f;
        std::memcpy(c, &v, sizeof v);
      }
      if (n > 0) c[0] = s[0], c[1] = s[1], c[2] = s[2];
      break;
    default:
      for (int x = 0; x < n; ++x, s += 4, c += 4) {
        Lanes v = toLanes(s);
        alpha[x] = v[3];
        v[3] = 1.0f;
        std::memcpy(c, &v, sizeof v);
      }
      break;
  }
  if (!v.keyed) return;
  c = colour;
  for (int x = 0; x < n; ++x, c += 4) {
    if (c[0] == v.key[0] && c[1] == v.key[1] && c[2] == v.key[2])
      alpha[x] = 0;
    else if (v.depth % 2 == 1)
      alpha[x] = 255;
  }
}

// Source rows resampled across to the target width, alpha-weighted, two kept:
// consecutive target rows share at most their boundary rows.
class AcrossRows {
 public:
  AcrossRows(const PixelView& source, int width)
      : source_(source),
        columns_(axisTaps(source.width, width)),
        colour_(static_cast<std::size_t>(source.width) * 4, 1.0f),
        alpha_(static_cast<std::size_t>(source.width), 255.0f) {
    for (Line& l : lines_) l.values.resize(static_cast<std::size_t>(width) * 4);
  }

  const float* row(int y) {
    for (Line& l : lines_)
      if (l.y == y) return l.values.data();
    Line& l = lines_[next_];
    next_ ^= 1;
    l.y = y;
    floatRow(source_, y, colour_.data(), alpha_.data());
    const int* first = columns_.first.data();
    const int* source = columns_.source.data();
    const float* weight = columns_.weight.data();
    const float* colour = colour_.data();
    const float* alpha = alpha_.data();
    float* o = l.values.data();
    const std::size_t width = columns_.first.size() - 1;
    for (std::size_t x = 0; x < width; ++x, o += 4) {
      // Red, green, blue and alpha: the fourth lane adds wa * 1, which is wa.
      Lanes sum = {0, 0, 0, 0};
      for (int k = first[x]; k < first[x + 1]; ++k) {
        const float wa = weight[k] * alpha[source[k]];
        sum = sum + wa * lanesAt(colour + static_cast<std::size_t>(source[k]) * 4);
      }
      std::memcpy(o, &sum, sizeof sum);
    }
    return l.values.data();
  }

 private:
  struct Line {
    int y = -1;
    std::vector<float> values;
  };
  const PixelView& source_;
  AxisTaps columns_;
  std::vector<float> colour_, alpha_;
  std::array<Line, 2> lines_;
  int next_ = 0;
};

// sum += w * line, a pixel (four floats) at a time; the first line of a sum
// is stored as w * line, which is what adding it to zeros gives, since no
// weight or value is negative.
void addWeighted(float* __restrict sum, const float* __restrict line, float w, std::size_t pixels, bool first) {
  if (first) {
    for (std::size_t i = 0; i < pixels * 4; ++i) sum[i] = w * line[i];
    return;
  }
  for (std::size_t i = 0; i < pixels; ++i, sum += 4, line += 4) {
    const Lanes s = lanesAt(sum) + w * lanesAt(line);
    std::memcpy(sum, &s, sizeof s);
  }
}

}  // namespace

void rgbaRow(const PixelView& v, int y, std::uint8_t* out) {
  const std::uint8_t* s = v.data + static_cast<std::size_t>(y) * v.rowBytes();
  for (int x = 0; x < v.width; ++x, s += v.depth, out += 4) {
    if (v.depth <= 2) {
      out[0] = out[1] = out[2] = s[0];
      out[3] = v.depth == 2 ? s[1] : 255;
    } else {
      out[0] = s[0], out[1] = s[1], out[2] = s[2];
      out[3] = v.depth == 4 ? s[3] : 255;
    }
    if (v.keyed && out[0] == v.key[0] && out[1] == v.key[1] && out[2] == v.key[2]) out[3] = 0;
  }
}

PixelView viewOf(const Picture& p) {
  PixelView v;
  v.data = p.rgba.data();
  v.width = p.width;
  v.height = p.height;
  v.depth = 4;
  return v;
}

Picture resizePicture(const PixelView& source, int width, int height) {
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0 || !source.data) return {};
  Picture out = picture_detail::blankPicture(width, height);
  AcrossRows across(source, width);
  const AxisTaps rows = axisTaps(source.height, height);
  const std::size_t rowFloats = static_cast<std::size_t>(width) * 4;
  std::vector<float> sum(rowFloats);
  for (int y = 0; y < height; ++y) {
    const int begin = rows.first[static_cast<std::size_t>(y)], end = rows.first[static_cast<std::size_t>(y) + 1];
    for (int k = begin; k < end; ++k)
      addWeighted(sum.data(), across.row(rows.source[static_cast<std::size_t>(k)]),
                  rows.weight[static_cast<std::size_t>(k)], static_cast<std::size_t>(width), k == begin);
    std::uint8_t* d = out.rgba.data() + static_cast<std::size_t>(y) * rowFloats;
    for (std::size_t i = 0; i < rowFloats; i += 4, d += 4) {
      const float a = sum[i + 3];
      if (a <= 0) continue;  // fully transparent stays transparent black
      // Colours divided by alpha, alpha by 1 (which keeps it): four lanes
      // alike, rounded and held within 0 to 255 as std::max and std::min do.
      Lanes v = lanesAt(sum.data() + i) / Lanes{a, a, a, 1} + 0.5f;
      v = v < 0.0f ? Lanes{} : v;
      v = 255.0f < v ? Lanes{255, 255, 255, 255} : v;
      storeBytes(v, d);
    }
  }
  out.hasAlpha = anyTransparent(out.rgba);
  return out;
}

Picture resizePicture(const Picture& source, int width, int height) {
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return {};
  if (width == source.width && height == source.height) return source;
  return resizePicture(viewOf(source), width, height);
}

}  // namespace tavilo::core
