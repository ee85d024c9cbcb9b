#include "gui/glyphs/painters.h"

namespace tavilo::gui::glyphs {

namespace {

// A shaded disc filling a 32 x 32 canvas with a darker rim.
void drawMessageDisc(Canvas& c, Rgba light, Rgba dark, Rgba rim) {
  c.fill(circle(16, 16, 15), rim);
  c.fill(circle(16, 16, 14), radial({12, 10}, 19, light, dark));
}

}  // namespace

void paintInformation(Canvas& c) {
  drawMessageDisc(c, rgb(120, 176, 255), rgb(20, 70, 190), rgb(12, 44, 130));
  c.fill(circle(16, 8.8f, 2.4f), Palette::kWhite);
  c.fill(unite({roundRect(14, 13, 4.2f, 11.5f, 1), rect(12.2f, 13, 3, 2.2f),
                rect(12.2f, 22.6f, 7.8f, 2.2f)}),
         Palette::kWhite);
}

void paintError(Canvas& c) {
  drawMessageDisc(c, rgb(255, 120, 100), rgb(200, 16, 16), rgb(128, 0, 0));
  c.fill(unite({line({10, 10}, {22, 22}, 4), line({22, 10}, {10, 22}, 4)}), Palette::kWhite);
}

void paintWarning(Canvas& c) {
  const std::vector<Pt> corners{{16, 3.2f}, {29.4f, 27.2f}, {2.6f, 27.2f}};
  // A triangle with rounded corners: the polygon grown by a round stroke along its edges.
  const Region outer =
      unite({polygon(corners), polyline({corners[0], corners[1], corners[2], corners[0]}, 3.6f)});
  c.fill(outer, rgb(120, 88, 0));
  c.fill(erode(outer, 1.1f), linear({16, 3}, rgb(255, 236, 90), {16, 29}, rgb(248, 190, 0)));
  c.fill(polygon({{14.3f, 10.2f}, {17.7f, 10.2f}, {16.9f, 20.5f}, {15.1f, 20.5f}}),
         Palette::kBlack);
  c.fill(circle(16, 10.4f, 1.7f), Palette::kBlack);
  c.fill(circle(16, 23.8f, 1.9f), Palette::kBlack);
}

void paintConfirmation(Canvas& c) {
  const Region bubble =
      unite({ellipse(16, 13.5f, 14.6f, 11.8f), polygon({{8, 21}, {4.5f, 30.5f}, {16, 24}})});
  c.fill(bubble, rgb(70, 90, 130));
  c.fill(erode(bubble, 1), linear({16, 2}, Palette::kWhite, {16, 30}, rgb(214, 224, 240)));
  const Rgba blue = rgb(24, 84, 210);
  c.fill(unite({arc({16, 9.8f}, 4.6f, 195, 225, 3.4f), line({17.9f, 13.8f}, {16, 16.4f}, 3.4f),
                line({16, 16.4f}, {16, 17.6f}, 3.4f)}),
         blue);
  c.fill(circle(16, 22.4f, 2), blue);
}

}  // namespace tavilo::gui::glyphs
