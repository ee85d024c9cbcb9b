#include "gui/widgets/image.h"

#include "../core/picture_test_support.h"
#include "core/error.h"
#include "gui/picture_loader.h"
#include "support/temp_tree.h"
#include "widget_test_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <gtest/gtest.h>

namespace tavilo::gui::test {
namespace {

constexpr TColor kLime = 0x00FF00;
// $BBGGRR of the colours used in the pictures below.
constexpr std::uint32_t kRedBgr = 0x0000FF, kGreenBgr = 0x00FF00, kBlueBgr = 0xFF0000, kWhiteBgr = 0xFFFFFF;
constexpr std::uint32_t kBackBgr = 0x00FF00;  // the lime window

// 2 x 2: red, green over blue, white (0xRRGGBBAA).
core::Picture quad() {
  return testing::makePicture(2, 2, [](int x, int y) -> std::uint32_t {
    const std::uint32_t v[] = {0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0xFFFFFFFF};
    return v[x + 2 * y];
  });
}

class ImagePixels : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(exactColourProblem(), ""); }

  // A lime window 100 x 60 with one TImage at 10, 10 of the given size.
  TImage& make(int w, int h) {
    win_ = makeWindow(100, 60, kLime);
    image_ = new TImage(10, 10, w, h);
    win_->end();
    return *image_;
  }
  Capture capture() { return captureWindow(*win_); }

  std::unique_ptr<Fl_Double_Window> win_;
  TImage* image_ = nullptr;
};

TEST_F(ImagePixels, StretchedToItsOwnSize) {
  TImage& img = make(40, 20);
  img.Picture(toFlImage(quad()));
  img.Stretch(true);
  EXPECT_EQ(img.PictureWidth(), 2);
  EXPECT_EQ(img.PictureHeight(), 2);
  Capture c = capture();
  const std::pair<std::pair<int, int>, std::uint32_t> probes[] = {
      {{15, 12}, kRedBgr}, {{45, 12}, kGreenBgr}, {{15, 27}, kBlueBgr}, {{45, 27}, kWhiteBgr},
      {{10, 10}, kRedBgr}, {{49, 29}, kWhiteBgr}, {{9, 10}, kBackBgr}, {{50, 29}, kBackBgr},
      {{30, 30}, kBackBgr}};
  for (const auto& [at, colour] : probes)
    EXPECT_EQ(Capture::hex(c.at(at.first, at.second)), Capture::hex(colour)) << at.first << "," << at.second;

  // A new size gives a new scaled copy.
  img.resize(10, 10, 80, 40);
  c = capture();
  EXPECT_EQ(Capture::hex(c.at(85, 45)), Capture::hex(kWhiteBgr));
  EXPECT_EQ(Capture::hex(c.at(15, 45)), Capture::hex(kBlueBgr));
}

TEST_F(ImagePixels, NaturalSizeAtTheCornerOrCentred) {
  struct Case {
    const char* name;
    bool center;
    int pictureW, pictureH, controlW, controlH;
    int left, top;  // where the picture's top-left pixel lands, window coordinates
  };
  const Case cases[] = {
      {"top-left", false, 4, 2, 40, 20, 10, 10},
      {"centred", true, 4, 2, 40, 20, 10 + 18, 10 + 9},
      {"centred, odd room rounds toward the left", true, 3, 3, 40, 20, 10 + 18, 10 + 8},
      {"larger than the control: its middle shows", true, 60, 30, 20, 10, 10 - 20, 10 - 10},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TImage& img = make(k.controlW, k.controlH);
    img.Center(k.center);
    // Every pixel tells its own place: red = x * 4, green = y * 4.
    img.Picture(toFlImage(testing::makePicture(k.pictureW, k.pictureH, [](int x, int y) {
      return static_cast<std::uint32_t>((x * 4) << 24 | (y * 4) << 16 | 0x80FF);
    })));
    const Capture c = capture();
    for (int y = 10; y < 10 + k.controlH; ++y)
      for (int x = 10; x < 10 + k.controlW; ++x) {
        const int px = x - k.left, py = y - k.top;
        const bool inside = px >= 0 && py >= 0 && px < k.pictureW && py < k.pictureH;
        const std::uint32_t want = inside ? static_cast<std::uint32_t>(px * 4 | (py * 4) << 8 | 0x800000) : kBackBgr;
        ASSERT_EQ(Capture::hex(c.at(x, y)), Capture::hex(want)) << x << "," << y;
      }
    EXPECT_EQ(Capture::hex(c.at(10 + k.controlW, 10)), Capture::hex(kBackBgr));  // clipped
  }
}

TEST_F(ImagePixels, AlphaBlendedWhenTransparentFlattenedOverColorWhenNot) {
  // Left column transparent, right column opaque blue, middle column half.
  const core::Picture p = testing::makePicture(3, 1, [](int x, int) -> std::uint32_t {
    return x == 0 ? 0xFF000000 : x == 1 ? 0x0000FF80 : 0x0000FFFF;
  });
  for (const bool transparent : {true, false}) {
    SCOPED_TRACE(transparent ? "transparent" : "opaque");
    TImage& img = make(30, 10);
    img.color(toFl(0x0000FF));  // red behind an opaque picture's holes
    img.Transparent(transparent);
    img.Picture(toFlImage(p));
    Capture c = capture();
    const std::uint32_t hole = transparent ? kBackBgr : kRedBgr;
    EXPECT_EQ(Capture::hex(c.at(10, 10)), Capture::hex(hole));
    EXPECT_EQ(Capture::hex(c.at(12, 10)), Capture::hex(kBlueBgr));
    EXPECT_EQ(Capture::hex(c.at(13, 10)), Capture::hex(kBackBgr));
    const std::uint32_t half = c.at(11, 10);
    // Half blue over lime or red: blue near 128, the background's channel near 127.
    EXPECT_NEAR(static_cast<int>(half >> 16), 128, 3);
    EXPECT_NEAR(static_cast<int>(transparent ? (half >> 8) & 0xFF : half & 0xFF), 127, 3);
  }
}

class ImageFiles : public tavilo::testing::TempTree {
 protected:
  void SetUp() override {
    TempTree::SetUp();
    ASSERT_EQ(exactColourProblem(), "");
  }
};

TEST_F(ImageFiles, BitmapCornerColourIsTransparentOnlyWhenTransparent) {
  // Magenta in the bottom-left corner and in the top-right pixel; the rest blue.
  const core::Picture p = testing::makePicture(4, 4, [](int x, int y) -> std::uint32_t {
    return (x == 0 && y == 3) || (x == 3 && y == 0) ? 0xFF00FFFF : 0x0000FFFF;
  });
  writeFile("bild.bmp", demo::encodeBmp24(p));
  writeFile("bild.gif", demo::encodeGif(demo::quantize(p, 16)));
  struct Case {
    const char* file;
    bool transparent;
    std::uint32_t corner;
  };
  const Case cases[] = {
      {"bild.bmp", true, kBackBgr}, {"bild.bmp", false, 0xFF00FF},
      {"bild.gif", true, 0xFF00FF},  // only bitmaps are keyed by their corner
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.file) + (k.transparent ? " transparent" : " opaque"));
    auto win = makeWindow(100, 60, kLime);
    auto* img = new TImage(10, 10, 40, 40);
    win->end();
    img->Stretch(true);
    img->Transparent(k.transparent);
    img->LoadFromFile(path(k.file));
    const Capture c = captureWindow(*win);
    EXPECT_EQ(Capture::hex(c.at(12, 47)), Capture::hex(k.corner));
    EXPECT_EQ(Capture::hex(c.at(47, 12)), Capture::hex(k.corner));
    EXPECT_EQ(Capture::hex(c.at(30, 30)), Capture::hex(kBlueBgr));
  }
}

TEST_F(ImageFiles, AFailedLoadKeepsThePicture) {
  TImage img(0, 0, 10, 10);
  writeFile("gut.gif", demo::encodeGif(demo::quantize(testing::samplePicture(5, 3), 16)));
  writeFile("kaputt.gif", "GIF89a kaputt");
  img.LoadFromFile(path("gut.gif"));
  ASSERT_EQ(img.PictureWidth(), 5);
  EXPECT_THROW(img.LoadFromFile(path("kaputt.gif")), core::Error);
  EXPECT_THROW(img.LoadFromFile(path("bild.tif")), core::Error);
  EXPECT_EQ(img.PictureWidth(), 5);
  img.Picture(nullptr);
  EXPECT_TRUE(img.Empty());
  EXPECT_EQ(img.PictureWidth(), 0);
}

TEST_F(ImagePixels, EmptyOrDisabled) {
  TImage& img = make(40, 20);
  Capture c = capture();
  EXPECT_EQ(countOf(c, [](std::uint32_t px) { return px != kBackBgr; }), 0);

  img.Stretch(true);
  img.Picture(toFlImage(quad()));
  img.deactivate();
  img.redraw();
  c = capture();
  const std::uint32_t red = c.at(15, 12);
  EXPECT_NE(Capture::hex(red), Capture::hex(kRedBgr));
  EXPECT_GT(red & 0xFF, (red >> 8) & 0xFF);  // still reddish, but greyed
}

TEST_F(ImagePixels, LeftClickCallsTheCallbackAndOnMouseSeesEvents) {
  TImage& img = make(40, 20);
  int clicks = 0;
  std::vector<std::string> seen;
  img.OnClick([&clicks] { ++clicks; });
  img.OnMouse([&](int event, int x, int y) {
    seen.push_back(std::to_string(event) + "@" + std::to_string(x) + "," + std::to_string(y));
  });
  capture();
  sendMouse(*win_, FL_PUSH, 15, 12);
  sendMouse(*win_, FL_RELEASE, 15, 12);
  EXPECT_EQ(clicks, 1);
  sendMouse(*win_, FL_PUSH, 15, 12);
  sendMouse(*win_, FL_DRAG, 70, 40);
  sendMouse(*win_, FL_RELEASE, 70, 40);  // released outside: no click
  EXPECT_EQ(clicks, 1);
  ASSERT_GE(seen.size(), 5u);
  EXPECT_EQ(seen[0], std::to_string(FL_PUSH) + "@5,2");
  EXPECT_EQ(seen.back(), std::to_string(FL_RELEASE) + "@60,30");
}

TEST(ImageDefaults, AsCreated) {
  TImage img(0, 0, 10, 10);
  EXPECT_FALSE(img.Stretch());
  EXPECT_FALSE(img.Center());
  EXPECT_FALSE(img.Transparent());
  EXPECT_TRUE(img.Empty());
  EXPECT_EQ(img.Cursor(), FL_CURSOR_DEFAULT);
  img.Cursor(FL_CURSOR_HAND);
  EXPECT_EQ(img.Cursor(), FL_CURSOR_HAND);
}

}  // namespace
}  // namespace tavilo::gui::test
