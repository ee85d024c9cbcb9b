#include <cmath>

#include "gui/glyphs/painters.h"

namespace tavilo::gui::glyphs {

namespace {

// Strokes drawn twice, wide and dark under narrow and light, read well on any face colour.
void drawOutlinedStroke(Canvas& c, const std::vector<std::vector<Pt>>& strokes, float width,
                        Rgba line, Rgba fill) {
  for (const auto& s : strokes) c.fill(polyline(s, width + 1.4f), line);
  for (const auto& s : strokes) c.fill(polyline(s, width), fill);
}

std::vector<Pt> octagon(Pt centre, float r) {
  constexpr float kPi = 3.14159265358979f;
  std::vector<Pt> pts;
  for (int i = 0; i < 8; ++i) {
    const float a = kPi / 8 + i * kPi / 4;
    pts.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
  }
  return pts;
}

}  // namespace

void paintTick(Canvas& c) {
  drawOutlinedStroke(c, {{{2.8f, 8.6f}, {6.3f, 12.2f}, {13.4f, 4}}}, 2.4f, Palette::kGreenDark,
                     rgb(60, 200, 70));
}

void paintProhibition(Canvas& c) {
  c.fill(circle(8, 8, 7.2f), Palette::kRedDark);
  c.fill(circle(8, 8, 6.4f), Palette::kRed);
  c.fill(circle(8, 8, 4.4f), Palette::kWhite);
  c.fill(intersect(circle(8, 8, 4.6f), line({3.5f, 3.5f}, {12.5f, 12.5f}, 2.6f)), Palette::kRed);
}

void paintAbort(Canvas& c) {
  const Region sign = polygon(octagon({8, 8}, 7.4f));
  c.fill(sign, Palette::kRedDark);
  c.fill(erode(sign, 0.9f), radial({6, 5}, 10, rgb(255, 90, 80), rgb(190, 10, 10)));
  c.fill(roundRect(3.6f, 6.8f, 8.8f, 2.6f, 0.6f), Palette::kWhite);
}

void paintCross(Canvas& c) {
  drawOutlinedStroke(c, {{{3.8f, 3.8f}, {12.2f, 12.2f}}, {{12.2f, 3.8f}, {3.8f, 12.2f}}}, 2.6f,
                     Palette::kRedDark, Palette::kRed);
}

void paintOk(Canvas& c) {
  c.fill(circle(8, 8, 7.4f), Palette::kGreenDark);
  c.fill(circle(8, 8, 6.6f), radial({6, 5}, 9, rgb(110, 220, 110), rgb(20, 140, 30)));
  c.fill(polyline({{4.6f, 8.2f}, {7, 10.8f}, {11.6f, 5.4f}}, 2), Palette::kWhite);
}

void paintTitleClose(Canvas& c) {
  c.fill(unite({line({5, 5}, {13, 13}, 2.2f), line({13, 5}, {5, 13}, 2.2f)}), Palette::kWhite);
}

void paintTitleMinimise(Canvas& c) { c.fill(line({5, 12}, {13, 12}, 2), Palette::kWhite); }

}  // namespace tavilo::gui::glyphs
