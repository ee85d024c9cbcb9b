#include "gui/glyphs/painters.h"

namespace tavilo::gui::glyphs {

namespace {

void drawTextLines(Canvas& c, const Region& paper, float x, float y, int lines, float width) {
  for (int i = 0; i < lines; ++i) {
    c.fill(intersect(paper, rect(x, y + 2 * i, i % 2 ? width - 1 : width, 1)), rgb(120, 126, 140));
  }
}

}  // namespace

void paintMenuCopy(Canvas& c) {
  drawTextLines(c, drawSheet(c, 0, 0, 10, 11), 2, 5, 3, 5);
  drawTextLines(c, drawSheet(c, 6, 5, 10, 11), 8, 10, 3, 5);
}

void paintMenuDoor(Canvas& c) {
  const Region frame = roundRect(2.5f, 0.5f, 11, 15, 1);
  c.fill(frame, rgb(70, 50, 40));
  c.fill(rect(3.5f, 1.5f, 9, 13.5f), rgb(40, 28, 22));
  const Region leaf = rect(4, 1.8f, 8, 13.2f);
  c.fill(leaf, linear({4, 0}, rgb(245, 70, 60), {12, 0}, rgb(170, 10, 10)));
  for (float top : {3.2f, 9.2f}) {
    const Region panel = rect(5.3f, top, 5.4f, 4.6f);
    c.fill(panel, rgb(120, 0, 0));
    c.fill(erode(panel, 0.8f), rgb(215, 40, 35));
  }
  c.fill(circle(10.6f, 8.6f, 0.9f), rgb(255, 214, 40));
}

void paintMenuBrowseCd(Canvas& c) {
  drawDisc(c, {7, 7}, 6.6f);
  const Pt lens{10.6f, 10.6f};
  c.fill(line({12.6f, 12.6f}, {15, 15}, 2.6f), rgb(90, 50, 20));
  c.fill(circle(lens.x, lens.y, 3.4f), rgb(40, 40, 50));
  c.fill(circle(lens.x, lens.y, 2.4f),
         radial({9.8f, 9.8f}, 3, rgb(240, 250, 255, 220), rgb(150, 200, 240, 190)));
}

void paintMenuStart(Canvas& c) {
  const Region body = drawAppWindow(c, 0, 0, 13, 11);
  c.fill(intersect(body, rect(2, 6, 5, 1)), rgb(150, 160, 180));
  c.fill(intersect(body, rect(2, 8, 4, 1)), rgb(150, 160, 180));
  const Region play = polygon({{6.5f, 5.5f}, {15.6f, 10.5f}, {6.5f, 15.5f}});
  c.fill(play, Palette::kGreenDark);
  c.fill(erode(play, 1), linear({7, 6}, rgb(120, 230, 110), {14, 14}, rgb(30, 160, 40)));
}

void paintMenuInstall(Canvas& c) {
  const Region front = rect(1.5f, 8.5f, 13, 7);
  const Region flapLeft = polygon({{1.5f, 8.5f}, {8, 8.5f}, {5.5f, 5.5f}, {0.5f, 6.5f}});
  const Region flapRight = polygon({{8, 8.5f}, {14.5f, 8.5f}, {15.5f, 6.5f}, {10.5f, 5.5f}});
  for (const Region& part : {flapLeft, flapRight, front}) c.fill(part, rgb(110, 70, 20));
  c.fill(erode(flapLeft, 0.8f), rgb(228, 184, 110));
  c.fill(erode(flapRight, 0.8f), rgb(228, 184, 110));
  c.fill(erode(front, 0.9f), linear({0, 8.5f}, rgb(214, 160, 80), {0, 15.5f}, rgb(180, 120, 50)));
  c.fill(rect(6, 11, 4, 1.2f), rgb(150, 100, 40));
  const Region arrow =
      unite({line({8, 0.8f}, {8, 5.5f}, 2.6f), polygon({{4.2f, 4.8f}, {11.8f, 4.8f}, {8, 9.6f}})});
  c.fill(dilate(arrow, 0.8f), rgb(10, 40, 110));
  c.fill(arrow, linear({8, 0}, rgb(90, 160, 255), {8, 9.6f}, rgb(20, 80, 210)));
}

void paintMenuCopyTo(Canvas& c) {
  const Region frame = roundRect(0.5f, 0.5f, 14, 11, 1);
  c.fill(frame, rgb(60, 66, 80));
  const Region view = erode(frame, 1);
  c.fill(view, linear({7, 1}, rgb(90, 160, 240), {7, 11}, rgb(190, 225, 255)));
  c.fill(intersect(view, circle(10.5f, 3.8f, 1.6f)), rgb(255, 210, 40));
  c.fill(intersect(view, polygon({{0, 11.5f}, {5, 5.5f}, {8.5f, 9}, {10, 7.5f}, {15, 11.5f}})), rgb(40, 150, 50));
  drawFolder(c, 8, 13, 11.5f, 6.5f);
  const Region arrow = unite({line({4.5f, 9.5f}, {9.5f, 14.5f}, 2.2f), polygon({{7, 17.5f}, {13.5f, 18}, {13, 11.5f}})});
  c.fill(dilate(arrow, 0.7f), Palette::kGreenDark);
  c.fill(arrow, linear({4, 9}, rgb(120, 230, 110), {13, 18}, rgb(30, 160, 40)));
}

void paintMakerLogo(Canvas& c) {
  drawDisc(c, {16.5f, 16.5f}, 15.5f);
  const Rgba dots[] = {rgb(230, 60, 40), rgb(40, 150, 60), rgb(30, 90, 200)};
  for (int i = 0; i < 3; ++i) {
    const float y = 6.5f + 8.5f * i;
    c.fill(circle(37.5f, y + 2, 2.5f), dots[i]);
    c.fill(roundRect(42, y, i == 1 ? 12 : 15.5f, 4, 1.5f), rgb(70, 80, 110));
  }
}

void paintWindowIcon(Canvas& c) {
  drawDisc(c, {13.5f, 14.5f}, 13);
  const Region card = roundRect(15.5f, 12.5f, 16, 19, 2);
  c.fill(card, rgb(30, 50, 100));
  const Region paper = erode(card, 1);
  c.fill(paper, linear({16, 13}, Palette::kWhite, {16, 31}, rgb(220, 228, 244)));
  c.fill(intersect(paper, rect(15.5f, 12.5f, 16, 4.5f)),
         linear({16, 0}, rgb(70, 130, 230), {31, 0}, rgb(20, 60, 170)));
  for (int i = 0; i < 3; ++i) {
    const float y = 19.5f + 3.8f * i;
    c.fill(circle(19.2f, y + 0.8f, 1.1f), i == 0 ? rgb(230, 60, 40) : rgb(40, 150, 60));
    c.fill(rect(21.5f, y, i == 1 ? 6 : 7.5f, 1.6f), rgb(90, 100, 120));
  }
}

}  // namespace tavilo::gui::glyphs
