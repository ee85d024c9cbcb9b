#include "gui/glyphs/painters.h"

namespace tavilo::gui::glyphs {

void paintFileDocument(Canvas& c) {
  const Region paper = drawSheet(c, 2, 0, 12, 16);
  c.fill(intersect(paper, rect(5, 7, 6, 5)), rgb(120, 150, 200));
  c.fill(intersect(paper, rect(6, 8, 4, 3)), rgb(200, 215, 240));
}

void paintFileProgram(Canvas& c) {
  const Region body = drawAppWindow(c, 0, 1, 16, 14);
  c.fill(intersect(body, polyline({{3.5f, 7}, {6, 9}, {3.5f, 11}}, 1.4f)), Palette::kBlack);
  c.fill(intersect(body, rect(7.5f, 10.5f, 4, 1.2f)), Palette::kBlack);
  c.fill(rect(12.5f, 2.5f, 1.5f, 1.5f), rgb(255, 255, 255, 200));
}

void paintFilePicture(Canvas& c) {
  const Region paper = drawSheet(c, 2, 0, 12, 16);
  const Region view = intersect(paper, rect(4, 6, 8, 8));
  c.fill(view, linear({8, 6}, rgb(90, 160, 240), {8, 14}, rgb(190, 225, 255)));
  c.fill(intersect(view, circle(9.8f, 7.6f, 1.3f)), rgb(255, 210, 40));
  c.fill(intersect(view, polygon({{3.5f, 14}, {7, 9.5f}, {9.5f, 12}, {10.5f, 11}, {13, 14}})),
         rgb(40, 150, 50));
}

void paintFileText(Canvas& c) {
  const Region paper = drawSheet(c, 2, 0, 12, 16);
  const float widths[] = {5, 8, 7, 8, 5};
  for (int i = 0; i < 5; ++i) {
    c.fill(intersect(paper, rect(4, 5 + 2 * i, widths[i], 1)), rgb(110, 116, 130));
  }
}

}  // namespace tavilo::gui::glyphs
