#include "gui/picture_loader.h"

#include "../core/picture_test_support.h"
#include "core/error.h"
#include "gui/no_picture.h"
#include "gui/widgets/image.h"
#include "support/temp_tree.h"
#include "widget_test_support.h"

#include <FL/Fl_Image.H>
#include <gtest/gtest.h>

namespace tavilo::gui::test {
namespace {

TEST(PictureLoader, DepthFollowsAlphaAndPixelsSurviveTheRoundTrip) {
  const core::Picture opaque = testing::samplePicture(5, 3);
  const core::Picture clear = testing::makePicture(2, 1, [](int x, int) { return x ? 0x11223344u : 0x556677FFu; });
  for (const core::Picture* p : {&opaque, &clear}) {
    auto img = toFlImage(*p);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->d(), p->hasAlpha ? 4 : 3);
    EXPECT_EQ(img->w(), p->width);
    const core::Picture back = fromFlImage(*img);
    EXPECT_EQ(testing::hexPixels(testing::pixels(back)), testing::hexPixels(testing::pixels(*p)));
  }
  EXPECT_FALSE(toFlImage(core::Picture{}));
}

TEST(PictureLoader, AnImageTakesOverThePicturesPixelsAndKeepsItsOwnSize) {
  for (const std::uint32_t colour : {0x10203040u, 0x102030FFu}) {
    core::Picture p = testing::makePicture(300, 200, [colour](int, int) { return colour; });
    p.fullWidth = 1200, p.fullHeight = 800;  // as a JPEG decoded at a quarter
    const std::uint8_t* const pixels = p.rgba.data();
    auto img = toFlImage(std::move(p));
    ASSERT_TRUE(img);
    EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(img->data()[0]), pixels) << "the pixels were copied";
    EXPECT_EQ(img->w(), 300);
    EXPECT_EQ(fullWidthOf(*img), 1200);
    EXPECT_EQ(fullHeightOf(*img), 800);
    EXPECT_EQ(testing::pixelAt(fromFlImage(*img), 299, 199), colour);
    TImage control(0, 0, 10, 10);
    control.Picture(std::move(img));
    EXPECT_EQ(control.PictureWidth(), 1200);  // what the picture is fitted by
    EXPECT_EQ(control.PictureHeight(), 800);
  }
}

TEST(PictureLoader, ReadsImagesOfEveryDepthAndLineLength) {
  const unsigned char grey[] = {10, 20, 0, 0, 30, 40, 0, 0};                  // 2 x 2, ld 4
  const unsigned char greyAlpha[] = {10, 128, 20, 255};                         // 2 x 1
  const unsigned char rgb[] = {1, 2, 3, 4, 5, 6, 9, 9, 7, 8, 9, 10, 11, 12, 9, 9};  // ld 8
  struct Case {
    const char* name;
    Fl_RGB_Image image;
    const char* expected;
  };
  Case cases[] = {
      {"grey", Fl_RGB_Image(grey, 2, 2, 1, 4), "0A0A0AFF 141414FF 1E1E1EFF 282828FF "},
      {"grey and alpha", Fl_RGB_Image(greyAlpha, 2, 1, 2), "0A0A0A80 141414FF "},
      {"rgb", Fl_RGB_Image(rgb, 2, 2, 3, 8), "010203FF 040506FF 070809FF 0A0B0CFF "},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(testing::hexPixels(testing::pixels(fromFlImage(c.image))), c.expected);
  }
}

class PictureLoaderFiles : public tavilo::testing::TempTree {};

TEST_F(PictureLoaderFiles, LoadsByExtensionOrForcedGif) {
  const demo::Indexed logo = [] {
    demo::Indexed p = testing::sampleIndexed(6, 4, 4);
    p.transparentIndex = 1;
    return p;
  }();
  writeFile("logo.gif", demo::encodeGif(logo));
  writeFile("LOGO.GIF", demo::encodeGif(logo));
  writeFile("logo.dat", demo::encodeGif(logo));
  writeFile("foto.jpg", demo::encodeJpeg(testing::samplePicture(8, 8)));

  EXPECT_EQ(loadPicture(path("logo.gif"))->d(), 4);
  EXPECT_EQ(loadPicture(path("LOGO.GIF"))->d(), 4);
  EXPECT_EQ(loadPicture(path("foto.jpg"))->d(), 3);
  EXPECT_EQ(loadGifPicture(path("logo.dat"))->w(), 6);
  try {
    loadPicture(path("logo.dat"));
    ADD_FAILURE() << "no error";
  } catch (const core::Error& e) {
    EXPECT_STREQ(e.what(), "Unbekannte Bilddateierweiterung (.dat)");
  }
  EXPECT_THROW(loadGifPicture(path("foto.jpg")), core::Error);
}

TEST_F(PictureLoaderFiles, ImagesOfOneUnchangedFileShareTheirPixels) {
  writeFile("foto.jpg", demo::encodeJpeg(testing::samplePicture(8, 8)));
  const auto first = loadPicture(path("foto.jpg"));
  const auto again = loadPicture(path("foto.jpg"));
  EXPECT_EQ(again->data()[0], first->data()[0]);
  writeFile("foto.jpg", demo::encodeJpeg(testing::samplePicture(9, 8)));  // changed: decoded anew
  const auto changed = loadPicture(path("foto.jpg"));
  EXPECT_NE(changed->data()[0], first->data()[0]);
  EXPECT_EQ(changed->w(), 9);
}

TEST_F(PictureLoaderFiles, APictureShownSmallerIsDecodedSmallerAndSharedWhereItIsLargeEnough) {
  writeFile("foto.jpg", demo::encodeJpeg(testing::samplePicture(400, 300)));
  const auto shownAt = [](int width, int height) {
    return [width, height](int, int) { return std::pair{width, height}; };
  };
  const auto small = loadPicture(path("foto.jpg"), shownAt(120, 90));
  EXPECT_EQ(small->w(), 200);  // a half: a quarter (100 x 75) would be smaller than shown
  EXPECT_EQ(fullWidthOf(*small), 400);
  EXPECT_EQ(loadPicture(path("foto.jpg"), shownAt(90, 60))->data()[0], small->data()[0]);
  const auto larger = loadPicture(path("foto.jpg"), shownAt(300, 200));  // more than a half: decoded anew, whole
  EXPECT_EQ(larger->w(), 400);
  EXPECT_EQ(fullWidthOf(*larger), 400);
  EXPECT_EQ(loadPicture(path("foto.jpg"))->data()[0], larger->data()[0]);  // whole serves every size
}

TEST(NoPicture, ACalmPictureWithItsCaption) {
  ASSERT_EQ(exactColourProblem(), "");
  Fl_RGB_Image* img = keinBildBack();
  ASSERT_TRUE(img);
  EXPECT_EQ(img, keinBildBack());
  ASSERT_EQ(img->w(), 230);
  ASSERT_EQ(img->h(), 150);
  ASSERT_EQ(img->d(), 3);
  const core::Picture p = fromFlImage(*img);
  auto lightness = [&](int x, int y) {
    const std::uint32_t v = testing::pixelAt(p, x, y);
    return static_cast<int>(((v >> 24) & 0xFF) + ((v >> 16) & 0xFF) + ((v >> 8) & 0xFF)) / 3;
  };
  // A light background, brighter at the top.
  EXPECT_GT(lightness(20, 10), 200);
  EXPECT_GT(lightness(20, 10), lightness(20, 140));
  // The caption: dark strokes in a band below the middle, spread across the width.
  int dark = 0, left = 230, right = 0;
  for (int y = 88; y < 118; ++y)
    for (int x = 1; x < 229; ++x)
      if (lightness(x, y) < 140) ++dark, left = std::min(left, x), right = std::max(right, x);
  EXPECT_GT(dark, 150);
  EXPECT_LT(left, 75);
  EXPECT_GT(right, 155);
  EXPECT_NEAR((left + right) / 2, 115, 6);

  // Shown stretched in a picture control.
  auto win = makeWindow(300, 200, 0x00FF00);
  auto* shown = new TImage(0, 0, 300, 200);
  win->end();
  shown->Stretch(true);
  shown->AssignPicture(*img);
  const Capture c = captureWindow(*win);
  EXPECT_EQ(countOf(c, [](std::uint32_t px) { return px == 0x00FF00; }), 0);
}

}  // namespace
}  // namespace tavilo::gui::test
