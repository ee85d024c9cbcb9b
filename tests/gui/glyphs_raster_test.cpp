#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "gui/glyphs/catalogue.h"
#include "gui/glyphs/pixel_runs.h"
#include "gui/glyphs/pixels.h"
#include "gui/glyphs/raster.h"

namespace tavilo::gui::glyphs {
namespace {

float totalCoverage(const Region& r, int w, int h) {
  float sum = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) sum += Canvas::coverage(r, x, y);
  return sum;
}

TEST(GlyphsRaster, AreasOfShapesMatchGeometry) {
  struct Case {
    const char* name;
    Region region;
    float area;
  };
  const float pi = 3.14159265f;
  const Case cases[] = {
      {"circle off the grid", circle(10.3f, 9.7f, 6.2f), pi * 6.2f * 6.2f},
      {"ring", ring(10, 10, 8, 4), pi * (64 - 16)},
      {"ellipse", ellipse(10, 10, 8, 4), pi * 32},
      {"rect on half pixels", rect(2.5f, 3.5f, 7, 5), 35},
      {"round rect", roundRect(2, 2, 14, 10, 3), 140 - (4 - pi) * 9},
      {"triangle", polygon({{1, 1}, {17, 1}, {1, 13}}), 96},
      {"concave L keeps its notch empty",
       polygon({{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}}), 64},
      {"line with round ends", line({4, 10}, {14, 10}, 2), 20 + pi},
      {"half circle arc", arc({10, 10}, 6, 180, 180, 2), pi * 6 * 2 + pi},
      {"union does not count overlaps twice", unite({rect(0, 0, 6, 6), rect(3, 3, 6, 6)}), 63},
      {"subtract", subtract(rect(0, 0, 10, 10), rect(2, 2, 4, 4)), 84},
      {"intersect", intersect(rect(0, 0, 10, 10), rect(5, 5, 10, 10)), 25},
      {"erode shrinks a rect by d on each side", erode(rect(2, 2, 10, 8), 1), 48},
      // Eight directions: each corner grows by a square of half a pixel.
      {"dilate grows a rect by about d", dilate(rect(4, 4, 6, 6), 1), 62},
      {"translate keeps the area", translate(circle(5, 5, 3), 7.3f, 4.1f), pi * 9},
  };
  for (const Case& c : cases) {
    const float got = totalCoverage(c.region, 20, 20);
    EXPECT_NEAR(got, c.area, c.area * 0.03f + 0.5f) << c.name;
  }
}

TEST(GlyphsRaster, SelfOverlappingOutlineStaysFilled) {
  // A five-pointed star drawn as one line through every second tip: nonzero winding
  // fills its centre, which even-odd filling would leave empty.
  std::vector<Pt> pentagram;
  for (int i = 0; i < 5; ++i) {
    const float a = -1.5707963f + i * 2 * 2 * 3.14159265f / 5;
    pentagram.push_back({10 + 9 * std::cos(a), 10 + 9 * std::sin(a)});
  }
  EXPECT_EQ(Canvas::coverage(polygon(pentagram), 9, 9), 1.0f);
}

TEST(GlyphsRaster, ArcCoversOnlyItsSweep) {
  struct Case {
    float start, sweep;
    Pt in, out;
  };
  // y grows downwards, so 90 degrees points down.
  const Case cases[] = {
      {0, 90, {10, 20}, {10, 0}},
      {0, -90, {10, 0}, {10, 20}},
      {270, 180, {20, 10}, {0, 10}},
      {350, 20, {20, 10}, {10, 20}},
  };
  for (const Case& c : cases) {
    const Region r = arc({10, 10}, 10, c.start, c.sweep, 1);
    SCOPED_TRACE(testing::Message() << "start " << c.start << " sweep " << c.sweep);
    EXPECT_TRUE(r(c.in.x + (c.in.x > 10 ? -0.1f : 0.1f), c.in.y + (c.in.y > 10 ? -0.1f : 0.1f)));
    EXPECT_FALSE(r(c.out.x, c.out.y));
  }
}

TEST(GlyphsRaster, CompositesSourceOverAndWritesStraightAlpha) {
  Canvas c(3, 1);
  c.fill(rect(0, 0, 3, 1), rgb(0, 0, 255));
  c.fill(rect(0, 0, 1, 1), rgb(255, 0, 0));       // opaque paints over
  c.fill(rect(1, 0, 1, 1), rgb(255, 0, 0, 128));  // half transparent mixes
  c.fill(rect(2, 0, 0.5f, 1), rgb(255, 0, 0));    // half coverage mixes alike
  const auto px = c.rgba();
  EXPECT_EQ(px[0], 255);
  EXPECT_EQ(px[2], 0);
  EXPECT_EQ(px[3], 255);
  for (int i : {1, 2}) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(px[i * 4], 128, 1);
    EXPECT_NEAR(px[i * 4 + 2], 127, 1);
    EXPECT_EQ(px[i * 4 + 3], 255);
  }
}

TEST(GlyphsRaster, PartlyCoveredPixelKeepsItsColourAndLosesAlpha) {
  // FLTK blends depth-4 images with straight alpha: a premultiplied value here would
  // darken every anti-aliased edge.
  Canvas c(2, 1);
  c.fill(rect(0, 0, 0.5f, 1), rgb(255, 255, 255));
  const auto px = c.rgba();
  EXPECT_EQ(px[0], 255);
  EXPECT_EQ(px[1], 255);
  EXPECT_EQ(px[2], 255);
  EXPECT_NEAR(px[3], 128, 1);
  EXPECT_EQ(px[7], 0) << "untouched pixel stays transparent";
}

TEST(GlyphsRaster, GradientsReachTheirEndColours) {
  const Paint lin = linear({0, 0}, rgb(0, 0, 0), {10, 0}, rgb(200, 100, 50));
  const Paint rad = radial({5, 5}, 5, rgb(255, 255, 255), rgb(0, 0, 0));
  struct Case {
    const char* name;
    Rgba got, want;
  };
  const Case cases[] = {
      {"linear before start", lin(-3, 4), rgb(0, 0, 0)},
      {"linear middle", lin(5, 9), rgb(100, 50, 25)},
      {"linear past end", lin(14, 0), rgb(200, 100, 50)},
      {"radial centre", rad(5, 5), rgb(255, 255, 255)},
      {"radial outside", rad(15, 5), rgb(0, 0, 0)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.got.r, c.want.r) << c.name;
    EXPECT_EQ(c.got.g, c.want.g) << c.name;
    EXPECT_EQ(c.got.b, c.want.b) << c.name;
  }
}

TEST(GlyphsRaster, EmptyOrNegativeCanvasIsHarmless) {
  Canvas c(-4, 3);
  c.fill(circle(1, 1, 5), rgb(1, 2, 3));
  EXPECT_EQ(c.width(), 0);
  EXPECT_TRUE(c.rgba().empty());
}

TEST(GlyphPixels, EveryPictureUnpacksToWhatItsPainterPaintsAtBothSizes) {
  const auto art = glyphArt();
  ASSERT_EQ(static_cast<int>(art.size()), kGlyphPixelsCount);
  for (std::size_t i = 0; i < art.size(); ++i)
    for (int scale : {1, 2}) {
      Canvas canvas(art[i].width, art[i].height, scale);
      art[i].paint(canvas);
      const std::vector<std::uint8_t> painted = canvas.rgba();
      const PackedPixels& packed = scale == 1 ? kGlyphPixels[i].rgba : kGlyphPixels[i].rgba2x;
      std::vector<std::uint8_t> unpacked(painted.size());
      ASSERT_TRUE(unpackPixels(packed.bytes, packed.size, unpacked.data(), unpacked.size())) << art[i].name;
      EXPECT_EQ(unpacked, painted) << art[i].name << " at " << scale;
    }
}

TEST(GlyphPixels, RunsAndLiteralsLongerThanOneTokenSurviveAndBadInputIsRefused) {
  std::vector<std::uint8_t> rgba;
  for (int i = 0; i < 300; ++i) rgba.insert(rgba.end(), {1, 2, 3, 4});                  // a long run
  for (int i = 0; i < 300; ++i) rgba.insert(rgba.end(), {std::uint8_t(i), 0, 0, 255});  // long literal
  rgba.insert(rgba.end(), {9, 9, 9, 9});
  const auto packed = packPixels(rgba);
  std::vector<std::uint8_t> back(rgba.size());
  ASSERT_TRUE(unpackPixels(packed.data(), packed.size(), back.data(), back.size()));
  EXPECT_EQ(back, rgba);
  EXPECT_FALSE(unpackPixels(packed.data(), packed.size() - 1, back.data(), back.size())) << "cut short";
  EXPECT_FALSE(unpackPixels(packed.data(), packed.size(), back.data(), back.size() - 4)) << "too long";
}

}  // namespace
}  // namespace tavilo::gui::glyphs
