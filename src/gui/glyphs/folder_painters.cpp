#include "gui/glyphs/painters.h"

namespace tavilo::gui::glyphs {

namespace {

Region arrowUpLeft() {
  return unite(
      {line({12.6f, 12.6f}, {6, 6}, 2), polygon({{2.6f, 2.6f}, {9.6f, 3.4f}, {3.4f, 9.6f}})});
}

}  // namespace

void paintFolderClosed(Canvas& c) { drawFolder(c, 0, 4, 16, 11); }

void paintFolderOpen(Canvas& c) {
  // The back of the open folder, then its front flap tilted towards the viewer.
  const Region back = unite({roundRect(0, 2, 6, 4, 1), roundRect(0, 4, 14, 11, 1)});
  c.fill(back, Palette::kFolderLine);
  c.fill(erode(back, 1), rgb(226, 170, 30));
  const Region front = polygon({{3.5f, 7}, {16, 7}, {13, 15}, {0, 15}});
  c.fill(front, Palette::kFolderLine);
  c.fill(erode(front, 1), linear({8, 7}, Palette::kFolderLight, {8, 14.5f}, Palette::kFolderDark));
}

void paintFolderUp(Canvas& c) {
  drawFolder(c, 0, 5, 15, 10);
  c.fill(dilate(arrowUpLeft(), 0.9f), rgb(255, 250, 220, 200));
  c.fill(arrowUpLeft(), Palette::kBlack);
}

void paintFolderUpDisabled(Canvas& c) {
  const Region shape = unite({roundRect(0, 3, 6, 4, 1), roundRect(0, 5, 15, 10, 1)});
  const Region outline = subtract(shape, erode(shape, 1));
  // The engraved look of disabled pictures: a white copy one pixel down and right.
  c.fill(translate(outline, 1, 1), Palette::kWhite);
  c.fill(translate(arrowUpLeft(), 1, 1), Palette::kWhite);
  c.fill(outline, rgb(128, 128, 128));
  c.fill(arrowUpLeft(), rgb(128, 128, 128));
}

void paintNewFolder(Canvas& c) {
  drawFolder(c, 0, 7, 13, 8);
  const Pt centre{11.8f, 4.2f};
  c.fill(polygon(starPoints(centre, 4.4f, 1.6f, 4)), rgb(190, 90, 0));
  c.fill(polygon(starPoints(centre, 3.3f, 1.0f, 4)), rgb(255, 250, 130));
  c.fill(circle(centre.x, centre.y, 0.9f), Palette::kWhite);
}

void paintDelete(Canvas& c) {
  auto strokes = [](float width) {
    return unite(
        {line({3.5f, 3.5f}, {12.5f, 12.5f}, width), line({12.5f, 3.5f}, {3.5f, 12.5f}, width)});
  };
  c.fill(strokes(5), Palette::kBlack);
  c.fill(strokes(2.4f), rgb(230, 24, 24));
}

}  // namespace tavilo::gui::glyphs
