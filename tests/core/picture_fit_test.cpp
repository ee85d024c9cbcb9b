#include "core/picture_fit.h"

#include <gtest/gtest.h>

namespace tavilo::core {
namespace {

TEST(PictureFit, PanelOf200By100) {
  struct Case { int pw, ph; Rect expected; };
  const Rect previous{0, 0, 120, 90};
  const Case cases[] = {
      {400, 300, {33, 0, 133, 100}}, {300, 600, {75, 0, 50, 100}}, {400, 400, {50, 0, 100, 100}},
      {300, 50, {0, 33, 200, 33}},   {150, 300, {75, 0, 50, 100}}, {100, 80, {40, 5, 120, 90}},
      {200, 100, {40, 5, 120, 90}},  {201, 100, {0, 0, 200, 100}}, {2000, 10, {0, 49, 200, 1}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(fitPicture(200, 100, 0, 0, previous, c.pw, c.ph), c.expected) << c.pw << " x " << c.ph;
}

TEST(PictureFit, MarginsShrinkTheAreaAndOffsetThePlace) {
  EXPECT_EQ(fitPicture(200, 100, 10, 5, {0, 0, 1, 1}, 400, 300), (Rect{40, 5, 120, 90}));
}

TEST(PictureFit, PicturesThatFitKeepThePreviousSize) {
  Rect control{0, 0, 150, 80};
  control = fitPicture(200, 100, 0, 0, control, 60, 40);
  EXPECT_EQ(control, (Rect{25, 10, 150, 80}));
  control = fitPicture(200, 100, 0, 0, control, 190, 20);
  EXPECT_EQ(control, (Rect{25, 10, 150, 80})) << "two pictures that fit are shown at the same size";
}

TEST(PictureFit, EmptyPicturesOnlyCentre) {
  EXPECT_EQ(fitPicture(200, 100, 0, 0, {0, 0, 50, 50}, 0, 0), (Rect{75, 25, 50, 50}));
}

}  // namespace
}  // namespace tavilo::core
