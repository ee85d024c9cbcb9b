// Separable resampling: each target pixel is the weighted mean of the source
// pixels under it (area coverage when shrinking, a tent when enlarging). Colours
// are weighted by alpha so that transparent pixels do not darken the edges.
// Target rows are made one after another from source rows resampled across,
// so that the work memory is a few rows, whatever the sizes.
#include <algorithm>
#include <array>
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

// One source row as RGBA, the key colour made transparent.
void sourceRow(const PixelView& v, int y, std::uint8_t* out) {
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

// Source rows resampled across to the target width, alpha-weighted, two kept:
// consecutive target rows share at most their boundary rows.
class AcrossRows {
 public:
  AcrossRows(const PixelView& source, int width)
      : source_(source), columns_(axisTaps(source.width, width)), pixels_(static_cast<std::size_t>(source.width) * 4) {
    for (Line& l : lines_) l.values.resize(static_cast<std::size_t>(width) * 4);
  }

  const std::vector<float>& row(int y) {
    for (Line& l : lines_)
      if (l.y == y) return l.values;
    Line& l = lines_[next_];
    next_ ^= 1;
    l.y = y;
    sourceRow(source_, y, pixels_.data());
    for (std::size_t x = 0; x < columns_.size(); ++x) {
      float r = 0, g = 0, b = 0, a = 0;
      for (const Tap& t : columns_[x]) {
        const std::uint8_t* p = pixels_.data() + static_cast<std::size_t>(t.source) * 4;
        const float wa = t.weight * p[3];
        r += wa * p[0], g += wa * p[1], b += wa * p[2], a += wa;
      }
      float* o = l.values.data() + x * 4;
      o[0] = r, o[1] = g, o[2] = b, o[3] = a;
    }
    return l.values;
  }

 private:
  struct Line {
    int y = -1;
    std::vector<float> values;
  };
  const PixelView& source_;
  std::vector<std::vector<Tap>> columns_;
  std::vector<std::uint8_t> pixels_;
  std::array<Line, 2> lines_;
  int next_ = 0;
};

}  // namespace

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
  const auto rows = axisTaps(source.height, height);
  const std::size_t rowFloats = static_cast<std::size_t>(width) * 4;
  std::vector<float> sum(rowFloats);
  for (int y = 0; y < height; ++y) {
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (const Tap& t : rows[static_cast<std::size_t>(y)]) {
      const std::vector<float>& line = across.row(t.source);
      for (std::size_t k = 0; k < rowFloats; ++k) sum[k] += t.weight * line[k];
    }
    std::uint8_t* d = out.rgba.data() + static_cast<std::size_t>(y) * rowFloats;
    for (std::size_t i = 0; i < rowFloats; i += 4, d += 4) {
      const float a = sum[i + 3];
      if (a <= 0) continue;  // fully transparent stays transparent black
      for (int c = 0; c < 3; ++c)
        d[c] = static_cast<std::uint8_t>(std::clamp(sum[i + c] / a + 0.5f, 0.0f, 255.0f));
      d[3] = static_cast<std::uint8_t>(std::clamp(a + 0.5f, 0.0f, 255.0f));
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
