#include <cmath>

#include "gui/glyphs/painters.h"

namespace tavilo::gui::glyphs {

void drawFolder(Canvas& c, float x, float y, float w, float h) {
  const float tabW = std::round(w * 0.42f);
  const Region tab = roundRect(x, y - 2, tabW, 4, 1);
  const Region body = roundRect(x, y, w, h, 1);
  const Region shape = unite({tab, body});
  c.fill(shape, Palette::kFolderLine);
  c.fill(erode(shape, 1), linear({x, y}, Palette::kFolderLight, {x, y + h}, Palette::kFolderDark));
  // The front flap's upper edge.
  c.fill(rect(x + 1, y + 2, w - 2, 1), rgb(255, 246, 200));
  c.fill(rect(x + 1, y + 1, w - 2, 1), rgb(200, 150, 30, 180));
}

Region drawSheet(Canvas& c, float x, float y, float w, float h) {
  const float fold = std::round(w * 0.4f);
  const Region sheet =
      polygon({{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}});
  c.fill(sheet, Palette::kSheetLine);
  const Region paper = erode(sheet, 1);
  c.fill(paper, linear({x, y}, Palette::kWhite, {x + w, y + h}, rgb(226, 230, 238)));
  const Region corner = polygon({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}});
  c.fill(corner, Palette::kSheetLine);
  c.fill(erode(corner, 0.8f), rgb(205, 210, 220));
  return paper;
}

Region drawAppWindow(Canvas& c, float x, float y, float w, float h) {
  const Region frame = roundRect(x, y, w, h, 1.2f);
  c.fill(frame, rgb(40, 60, 110));
  const Region inner = erode(frame, 1);
  c.fill(inner, Palette::kWhite);
  c.fill(intersect(inner, rect(x, y, w, 3.5f)),
         linear({x, y}, rgb(70, 130, 230), {x + w, y}, rgb(20, 60, 170)));
  return intersect(inner, rect(x, y + 3.5f, w, h));
}

void drawDisc(Canvas& c, Pt centre, float radius) {
  const float cx = centre.x, cy = centre.y;
  const Region hole = circle(cx, cy, radius * 0.16f);
  const Region disc = subtract(circle(cx, cy, radius), hole);
  c.fill(disc, rgb(110, 114, 128));
  const Region face =
      subtract(circle(cx, cy, radius - 0.9f), circle(cx, cy, radius * 0.16f + 0.7f));
  c.fill(face, linear({cx - radius, cy - radius}, rgb(246, 247, 252), {cx + radius, cy + radius},
                      rgb(176, 182, 198)));
  // Light breaks into colours in two opposite wedges, as on a real disc.
  const float r = radius * 1.2f;
  auto wedge = [&](float sign) {
    return intersect(face, polygon({{cx, cy},
                                    {cx + sign * r, cy - sign * r * 0.25f},
                                    {cx + sign * r * 0.25f, cy - sign * r}}));
  };
  c.fill(wedge(1),
         linear({cx, cy}, rgb(120, 220, 255, 40), {cx + r, cy - r}, rgb(255, 120, 220, 170)));
  c.fill(wedge(-1),
         linear({cx, cy}, rgb(255, 240, 120, 40), {cx - r, cy + r}, rgb(120, 255, 170, 170)));
  const float hub = radius * 0.38f;
  c.fill(subtract(circle(cx, cy, hub), hole), rgb(150, 154, 168));
  c.fill(subtract(circle(cx, cy, hub - 0.8f), circle(cx, cy, radius * 0.16f + 0.6f)),
         rgb(228, 230, 238, 230));
}

}  // namespace tavilo::gui::glyphs
