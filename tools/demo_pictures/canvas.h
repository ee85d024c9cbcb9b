// Drawing surfaces for the demo pictures: FLTK drawing into an offscreen image (real
// fonts, boxes, lines), and a plain RGBA canvas for the photo-like scenes, painted pixel by
// pixel with soft-edged shapes and a repeatable noise.
#ifndef TAVILO_TOOLS_DEMO_PICTURES_CANVAS_H
#define TAVILO_TOOLS_DEMO_PICTURES_CANVAS_H

#include <FL/Fl.H>
#include <FL/Fl_Device.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Image_Surface.H>
#include <FL/fl_draw.H>
#include <FL/platform.H>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/picture/picture.h"
#include "gui/picture_loader.h"

namespace tavilo::demo {

// What `draw` paints with FLTK on a w x h offscreen, as an opaque picture.
inline core::Picture drawWithFltk(int w, int h, const std::function<void()>& draw) {
  fl_open_display();
  Fl_Image_Surface surface(w, h);
  surface.set_current();
  draw();
  std::unique_ptr<Fl_RGB_Image> image(surface.image());
  Fl_Display_Device::display_device()->set_current();
  return gui::fromFlImage(*image);
}

// What `draw` paints with FLTK, with alpha: drawn once over black and once over white,
// a pixel's coverage is how little the background shows through.
inline core::Picture drawWithFltkAlpha(int w, int h, const std::function<void()>& draw) {
  auto over = [&](Fl_Color bg) {
    return drawWithFltk(w, h, [&] {
      fl_color(bg);
      fl_rectf(0, 0, w, h);
      draw();
    });
  };
  const core::Picture black = over(FL_BLACK), white = over(FL_WHITE);
  core::Picture out = black;
  for (std::size_t i = 0; i < out.rgba.size(); i += 4) {
    int a = 0;
    for (int c = 0; c < 3; ++c) a = std::max(a, 255 - (white.rgba[i + c] - black.rgba[i + c]));
    out.rgba[i + 3] = static_cast<std::uint8_t>(std::clamp(a, 0, 255));
    for (int c = 0; c < 3; ++c)  // over black the colour is premultiplied
      out.rgba[i + c] = static_cast<std::uint8_t>(a ? std::min(255, black.rgba[i + c] * 255 / a) : 0);
  }
  out.hasAlpha = true;
  return out;
}

struct Colour {
  float r = 0, g = 0, b = 0;
};

inline Colour rgb(int r, int g, int b) { return {float(r), float(g), float(b)}; }
inline Colour mix(Colour a, Colour b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline float clamp01(float t) { return std::clamp(t, 0.0f, 1.0f); }
inline float smooth(float e0, float e1, float x) {
  const float t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

// A repeatable pseudo-random value in [0, 1) for integer coordinates.
inline float hash2(int x, int y, unsigned seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<float>((h ^ (h >> 16)) & 0xFFFFFF) / 16777216.0f;
}

// Smooth value noise in [0, 1).
inline float noise2(float x, float y, unsigned seed) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const float fx = x - ix, fy = y - iy;
  const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const float a = hash2(ix, iy, seed), b = hash2(ix + 1, iy, seed);
  const float c = hash2(ix, iy + 1, seed), d = hash2(ix + 1, iy + 1, seed);
  return a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy;
}

inline float fractal(float x, float y, unsigned seed, int octaves = 4) {
  float sum = 0, amp = 0.5f, total = 0;
  for (int i = 0; i < octaves; ++i, x *= 2, y *= 2, amp *= 0.5f) {
    sum += amp * noise2(x, y, seed + static_cast<unsigned>(i));
    total += amp;
  }
  return sum / total;
}

class Canvas {
 public:
  Canvas(int w, int h) {
    p_.width = w;
    p_.height = h;
    p_.rgba.assign(static_cast<std::size_t>(w) * h * 4, 0);
  }
  int w() const { return p_.width; }
  int h() const { return p_.height; }

  void set(int x, int y, Colour c, float alpha = 1) {
    if (x < 0 || y < 0 || x >= p_.width || y >= p_.height || alpha <= 0) return;
    std::uint8_t* d = p_.rgba.data() + (static_cast<std::size_t>(y) * p_.width + x) * 4;
    const float a = clamp01(alpha), da = d[3] / 255.0f, oa = a + da * (1 - a);
    auto channel = [&](float s, std::uint8_t dv) {
      return static_cast<std::uint8_t>(std::clamp((s * a + dv * da * (1 - a)) / oa + 0.5f, 0.0f, 255.0f));
    };
    d[0] = channel(c.r, d[0]), d[1] = channel(c.g, d[1]), d[2] = channel(c.b, d[2]);
    d[3] = static_cast<std::uint8_t>(oa * 255 + 0.5f);
  }
  Colour get(int x, int y) const {
    const std::uint8_t* s = p_.rgba.data() + (static_cast<std::size_t>(y) * p_.width + x) * 4;
    return rgb(s[0], s[1], s[2]);
  }
  // Fills every pixel with what `paint` gives for its centre.
  void fill(const std::function<Colour(float x, float y)>& paint) {
    for (int y = 0; y < p_.height; ++y)
      for (int x = 0; x < p_.width; ++x) set(x, y, paint(x + 0.5f, y + 0.5f));
  }
  // A disc with a one-pixel soft edge.
  void disc(float cx, float cy, float r, Colour c, float alpha = 1) {
    for (int y = static_cast<int>(cy - r - 1); y <= static_cast<int>(cy + r + 1); ++y)
      for (int x = static_cast<int>(cx - r - 1); x <= static_cast<int>(cx + r + 1); ++x) {
        const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
        set(x, y, c, alpha * clamp01(r - d + 0.5f));
      }
  }
  // Blends a picture with alpha (such as drawWithFltkAlpha's) at x, y.
  void paste(const core::Picture& p, int x0, int y0) {
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const std::uint8_t* s = p.rgba.data() + (static_cast<std::size_t>(y) * p.width + x) * 4;
        set(x0 + x, y0 + y, rgb(s[0], s[1], s[2]), s[3] / 255.0f);
      }
  }
  const core::Picture& picture() {
    p_.hasAlpha = core::anyTransparent(p_.rgba);
    return p_;
  }

 private:
  core::Picture p_;
};

}  // namespace tavilo::demo

#endif
