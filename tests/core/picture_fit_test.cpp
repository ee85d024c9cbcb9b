#include "core/layout/picture_fit.h"

#include <gtest/gtest.h>

namespace tavilo::core {
namespace {

TEST(PictureFit, PanelOf200By100) {
  struct Case { int pw, ph; Rect expected; };
  const Rect previous{0, 0, 120, 90};
  const Case cases[] = {
      {400, 300, {33, 0, 133, 100}}, {300, 600, {75, 0, 50, 100}}, {400, 400, {50, 0, 100, 100}},
      {300, 50, {0, 33, 200, 33}},   {150, 300, {75, 0, 50, 100}}, {100, 80, {50, 10, 100, 80}},
      {200, 100, {0, 0, 200, 100}},  {201, 100, {0, 0, 200, 100}}, {2000, 10, {0, 49, 200, 1}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(fitPicture(200, 100, 0, 0, previous, c.pw, c.ph), c.expected) << c.pw << " x " << c.ph;
}

TEST(PictureFit, MarginsShrinkTheAreaAndOffsetThePlace) {
  EXPECT_EQ(fitPicture(200, 100, 10, 5, {0, 0, 1, 1}, 400, 300), (Rect{40, 5, 120, 90}));
}

TEST(PictureFit, APictureThatFitsGetsItsOwnSizeWhateverCameBefore) {
  // A large picture shrinks the control; a small one after it is not stretched to that box.
  Rect control = fitPicture(600, 400, 0, 0, {0, 0, 480, 360}, 1016, 638);
  EXPECT_EQ(control, (Rect{0, 11, 600, 377}));
  control = fitPicture(600, 400, 0, 0, control, 200, 120);
  EXPECT_EQ(control, (Rect{200, 140, 200, 120}));
  // A panel grown after a shrink shows the picture larger again, up to its own size.
  control = fitPicture(600, 400, 0, 0, {0, 0, 480, 360}, 800, 500);
  EXPECT_EQ(control, (Rect{0, 12, 600, 375}));
  EXPECT_EQ(fitPicture(1200, 900, 0, 0, control, 800, 500), (Rect{200, 200, 800, 500}));
}

TEST(PictureFit, EmptyPicturesOnlyCentre) {
  EXPECT_EQ(fitPicture(200, 100, 0, 0, {0, 0, 50, 50}, 0, 0), (Rect{75, 25, 50, 50}));
}

}  // namespace
}  // namespace tavilo::core
