#include "gui/glyphs/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavilo::gui::glyphs {

namespace {

float distanceToSegmentSquared(float x, float y, Pt a, Pt b) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0.0f;
  t = std::clamp(t, 0.0f, 1.0f);
  const float ex = a.x + t * dx - x, ey = a.y + t * dy - y;
  return ex * ex + ey * ey;
}

Rgba mix(Rgba c0, Rgba c1, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  auto m = [t](std::uint8_t u, std::uint8_t v) {
    return static_cast<std::uint8_t>(std::lround(u + (v - u) * t));
  };
  return Rgba{m(c0.r, c1.r), m(c0.g, c1.g), m(c0.b, c1.b), m(c0.a, c1.a)};
}

}  // namespace

Region circle(float cx, float cy, float r) {
  return [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r; };
}

Region ring(float cx, float cy, float outer, float inner) {
  return [=](float x, float y) {
    const float d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d2 < outer * outer && d2 >= inner * inner;
  };
}

Region ellipse(float cx, float cy, float rx, float ry) {
  return [=](float x, float y) {
    const float u = (x - cx) / rx, v = (y - cy) / ry;
    return u * u + v * v < 1;
  };
}

Region rect(float x0, float y0, float w, float h) {
  return [=](float x, float y) { return x >= x0 && x < x0 + w && y >= y0 && y < y0 + h; };
}

Region roundRect(float x0, float y0, float w, float h, float radius) {
  const float r = std::min({radius, w / 2, h / 2});
  return [=](float x, float y) {
    if (x < x0 || x >= x0 + w || y < y0 || y >= y0 + h) return false;
    const float cx = std::clamp(x, x0 + r, x0 + w - r);
    const float cy = std::clamp(y, y0 + r, y0 + h - r);
    return r <= 0 || (x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r;
  };
}

Region polygon(std::vector<Pt> points) {
  return [pts = std::move(points)](float x, float y) {
    int winding = 0;
    const std::size_t n = pts.size();
    for (std::size_t i = 0; i < n; ++i) {
      const Pt a = pts[i], b = pts[(i + 1) % n];
      const float side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
      if (a.y <= y) {
        if (b.y > y && side > 0) ++winding;
      } else if (b.y <= y && side < 0) {
        --winding;
      }
    }
    return winding != 0;
  };
}

Region line(Pt a, Pt b, float width) {
  const float r2 = width * width / 4;
  return [=](float x, float y) { return distanceToSegmentSquared(x, y, a, b) < r2; };
}

Region polyline(std::vector<Pt> points, float width) {
  const float r2 = width * width / 4;
  return [pts = std::move(points), r2](float x, float y) {
    if (pts.size() == 1) return distanceToSegmentSquared(x, y, pts[0], pts[0]) < r2;
    for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
      if (distanceToSegmentSquared(x, y, pts[i], pts[i + 1]) < r2) return true;
    }
    return false;
  };
}

Region arc(Pt centre, float radius, float startDeg, float sweepDeg, float width) {
  constexpr float kPi = 3.14159265358979f;
  const float start = (sweepDeg >= 0 ? startDeg : startDeg + sweepDeg) * kPi / 180;
  const float sweep = std::fabs(sweepDeg) * kPi / 180;
  const Pt a{centre.x + radius * std::cos(start), centre.y + radius * std::sin(start)};
  const Pt b{centre.x + radius * std::cos(start + sweep),
             centre.y + radius * std::sin(start + sweep)};
  const float half = width / 2;
  return [=](float x, float y) {
    const float dx = x - centre.x, dy = y - centre.y;
    const float d = std::hypot(dx, dy);
    if (std::fabs(d - radius) < half) {
      float t = std::atan2(dy, dx) - start;
      while (t < 0) t += 2 * kPi;
      while (t >= 2 * kPi) t -= 2 * kPi;
      if (t <= sweep) return true;
    }
    return distanceToSegmentSquared(x, y, a, a) < half * half ||
           distanceToSegmentSquared(x, y, b, b) < half * half;
  };
}

std::vector<Pt> starPoints(Pt centre, float outer, float inner, int tips) {
  constexpr float kPi = 3.14159265358979f;
  std::vector<Pt> pts;
  for (int i = 0; i < 2 * tips; ++i) {
    const float angle = -kPi / 2 + i * kPi / tips;
    const float r = i % 2 == 0 ? outer : inner;
    pts.push_back({centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)});
  }
  return pts;
}

Region erode(Region region, float d) {
  const float s = d * 0.70710678f;
  return [region = std::move(region), d, s](float x, float y) {
    return region(x, y) && region(x - d, y) && region(x + d, y) && region(x, y - d) &&
           region(x, y + d) && region(x - s, y - s) && region(x + s, y - s) &&
           region(x - s, y + s) && region(x + s, y + s);
  };
}

Region dilate(Region region, float d) {
  const float s = d * 0.70710678f;
  return [region = std::move(region), d, s](float x, float y) {
    return region(x, y) || region(x - d, y) || region(x + d, y) || region(x, y - d) ||
           region(x, y + d) || region(x - s, y - s) || region(x + s, y - s) ||
           region(x - s, y + s) || region(x + s, y + s);
  };
}

Region translate(Region region, float dx, float dy) {
  return [region = std::move(region), dx, dy](float x, float y) { return region(x - dx, y - dy); };
}

Region unite(std::initializer_list<Region> parts) {
  return [all = std::vector<Region>(parts)](float x, float y) {
    return std::any_of(all.begin(), all.end(), [&](const Region& r) { return r(x, y); });
  };
}

Region subtract(Region from, Region cut) {
  return [from = std::move(from), cut = std::move(cut)](float x, float y) {
    return from(x, y) && !cut(x, y);
  };
}

Region intersect(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](float x, float y) { return a(x, y) && b(x, y); };
}

Paint solid(Rgba c) {
  return [c](float, float) { return c; };
}

Paint linear(Pt p0, Rgba c0, Pt p1, Rgba c1) {
  const float dx = p1.x - p0.x, dy = p1.y - p0.y;
  const float len2 = dx * dx + dy * dy;
  return [=](float x, float y) {
    const float t = len2 > 0 ? ((x - p0.x) * dx + (y - p0.y) * dy) / len2 : 0.0f;
    return mix(c0, c1, t);
  };
}

Paint radial(Pt centre, float radius, Rgba inner, Rgba outer) {
  return [=](float x, float y) {
    const float d = std::hypot(x - centre.x, y - centre.y);
    return mix(inner, outer, radius > 0 ? d / radius : 1.0f);
  };
}

Canvas::Canvas(int width, int height, int scale)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(std::max(scale, 1)),
      premultiplied_(static_cast<std::size_t>(width_) * height_ * scale_ * scale_ * 4, 0.0f) {}

float Canvas::coverage(const Region& region, int px, int py, int scale) {
  const float unit = 1.0f / static_cast<float>(std::max(scale, 1));
  int inside = 0;
  for (int j = 0; j < kSamples; ++j) {
    const float y = (py + (j + 0.5f) / kSamples) * unit;
    for (int i = 0; i < kSamples; ++i) {
      if (region((px + (i + 0.5f) / kSamples) * unit, y)) ++inside;
    }
  }
  return static_cast<float>(inside) / (kSamples * kSamples);
}

void Canvas::fill(const Region& region, const Paint& paint) {
  const int pw = pixelWidth(), ph = pixelHeight();
  const float unit = 1.0f / static_cast<float>(scale_);
  for (int py = 0; py < ph; ++py) {
    for (int px = 0; px < pw; ++px) {
      const float cov = coverage(region, px, py, scale_);
      if (cov <= 0) continue;
      const Rgba c = paint((px + 0.5f) * unit, (py + 0.5f) * unit);
      const float a = c.a / 255.0f * cov;
      float* d = &premultiplied_[(static_cast<std::size_t>(py) * pw + px) * 4];
      d[0] = c.r / 255.0f * a + d[0] * (1 - a);
      d[1] = c.g / 255.0f * a + d[1] * (1 - a);
      d[2] = c.b / 255.0f * a + d[2] * (1 - a);
      d[3] = a + d[3] * (1 - a);
    }
  }
}

std::vector<std::uint8_t> Canvas::rgba() const {
  std::vector<std::uint8_t> out(premultiplied_.size());
  auto byte = [](float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
  };
  for (std::size_t p = 0; p < premultiplied_.size(); p += 4) {
    const float a = premultiplied_[p + 3];
    if (a <= 0) continue;
    out[p] = byte(premultiplied_[p] / a);
    out[p + 1] = byte(premultiplied_[p + 1] / a);
    out[p + 2] = byte(premultiplied_[p + 2] / a);
    out[p + 3] = byte(a);
  }
  return out;
}

}  // namespace tavilo::gui::glyphs
