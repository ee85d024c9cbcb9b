// A tiny anti-aliasing rasteriser for the program's built-in pictures. Shapes are
// inside-tests sampled on a regular sub-pixel grid, so every picture is made in memory
// without a display. Coordinates are pixels; pixel (i, j) covers [i, i+1) x [j, j+1).
#ifndef TAVILO_GUI_GLYPHS_RASTER_H
#define TAVILO_GUI_GLYPHS_RASTER_H

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace tavilo::gui::glyphs {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

constexpr Rgba rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) {
  return Rgba{r, g, b, a};
}

struct Pt {
  float x = 0, y = 0;
};

using Region = std::function<bool(float x, float y)>;
using Paint = std::function<Rgba(float x, float y)>;

// Regions.
Region circle(float cx, float cy, float r);
Region ring(float cx, float cy, float outer, float inner);
Region ellipse(float cx, float cy, float rx, float ry);
Region rect(float x, float y, float w, float h);
Region roundRect(float x, float y, float w, float h, float radius);
// Nonzero winding, so self-overlapping outlines stay filled.
Region polygon(std::vector<Pt> points);
// A stroke of the given width with round ends and joins.
Region line(Pt a, Pt b, float width);
Region polyline(std::vector<Pt> points, float width);
// A stroked circular arc with round ends. Angles in degrees, 0 pointing right and growing
// clockwise on screen (y grows downwards); the sweep may be negative.
Region arc(Pt centre, float radius, float startDeg, float sweepDeg, float width);
// The points of a star with `tips` tips, the first pointing straight up.
std::vector<Pt> starPoints(Pt centre, float outer, float inner, int tips);
// The region shrunk by about `d`: a point stays when the points at distance d around it
// (eight directions) are inside too. Filling a shape dark and then its erosion light
// gives an outline of width d.
Region erode(Region region, float d);
// The region grown by about `d`, for halos; the counterpart of erode.
Region dilate(Region region, float d);
Region translate(Region region, float dx, float dy);
Region unite(std::initializer_list<Region> parts);
Region subtract(Region from, Region cut);
Region intersect(Region a, Region b);

// Paints.
Paint solid(Rgba c);
Paint linear(Pt p0, Rgba c0, Pt p1, Rgba c1);
Paint radial(Pt centre, float radius, Rgba inner, Rgba outer);

class Canvas {
 public:
  static constexpr int kSamples = 8;  // per axis: 64 coverage levels

  // A picture of width x height pixels, painted with `scale` x `scale` pixels
  // for each of them (2: for screens that show the program at twice its size).
  // Regions and paints keep their coordinates whatever the scale.
  Canvas(int width, int height, int scale = 1);

  int width() const { return width_; }
  int height() const { return height_; }
  int pixelWidth() const { return width_ * scale_; }
  int pixelHeight() const { return height_ * scale_; }

  // Composites the region over what is there ("source over"), weighted by coverage.
  void fill(const Region& region, const Paint& paint);
  void fill(const Region& region, Rgba colour) { fill(region, solid(colour)); }

  // Straight (not premultiplied) RGBA bytes of pixelWidth() x pixelHeight(),
  // row by row, as FLTK's depth-4 images want.
  std::vector<std::uint8_t> rgba() const;

  // Fraction of the pixel's samples inside the region, in [0, 1]; at a scale
  // the pixel covers 1/scale of a unit in each direction.
  static float coverage(const Region& region, int px, int py, int scale = 1);

 private:
  int width_;
  int height_;
  int scale_;
  std::vector<float> premultiplied_;  // r, g, b, a per pixel, each in [0, 1]
};

}  // namespace tavilo::gui::glyphs

#endif
