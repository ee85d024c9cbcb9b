// The program on a screen that shows it at twice its size (a HiDPI desktop, or
// FLTK_SCALING_FACTOR=2): windows of twice the pixels, and gradients and the
// program's pictures drawn with every one of them, not enlarged.
#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/fl_draw.H>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "core/gradient.h"
#include "gui/glyphs.h"
#include "gui/widgets/if_gradient.h"
#include "widget_test_support.h"

struct _XDisplay;
// FLTK's X connection, declared here: <FL/platform.H> brings Xlib's macros,
// which break GoogleTest's headers.
extern _XDisplay* fl_display;
void fl_open_display();

namespace tavilo::gui::test {
namespace {

constexpr TColor kBackground = 0x00FF00;

class PictureAt : public Fl_Widget {
 public:
  PictureAt(int x, int y, Fl_Image* image) : Fl_Widget(x, y, image->w(), image->h()), image_(image) {}
  void draw() override { image_->draw(x(), y()); }

 private:
  Fl_Image* image_;
};

TEST(ScaledScreen, AtScaleTwoGradientsAndPicturesUseEveryPixel) {
  if (fl_display) GTEST_SKIP() << "another test of this process opened the display unscaled";
  setenv("FLTK_SCALING_FACTOR", "2", 1);
  fl_open_display();
  unsetenv("FLTK_SCALING_FACTOR");
  ASSERT_EQ(exactColourProblem(), "");
  ASSERT_FLOAT_EQ(Fl::screen_scale(0), 2.0f);

  auto win = makeWindow(140, 60, kBackground);
  auto* gradient = new TIF_Gradient(10, 10, 60, 20);
  gradient->Direction(gdLeftRight);
  gradient->StartColor(0x000000);
  gradient->EndColor(0xFFFFFF);
  const glyphs::Glyph glyph = glyphs::Glyph::Information;
  new PictureAt(90, 10, glyphs::image(glyph));
  win->end();
  captureWindow(*win);  // shown, exposed and drawn
  std::unique_ptr<Fl_RGB_Image> shot(fl_capture_window(win.get(), 0, 0, win->w(), win->h()));
  ASSERT_TRUE(shot);
  ASSERT_EQ(shot->data_w(), 280) << "the window has twice its width in pixels";
  ASSERT_EQ(shot->data_h(), 120);
  const int depth = shot->d(), stride = shot->ld() ? shot->ld() : shot->data_w() * depth;
  const auto pixel = [&](int x, int y, int channel) {
    return static_cast<int>(static_cast<unsigned char>(shot->data()[0][y * stride + x * depth + channel]));
  };

  // 120 strips across the 60 wide gradient, one per screen column.
  const auto strips = core::gradientStrips(0x000000, 0xFFFFFF, 120);
  for (int i = 0; i < 120; ++i)
    ASSERT_EQ(pixel(20 + i, 30, 0), static_cast<int>(strips[static_cast<std::size_t>(i)] & 0xFF)) << "column " << i;

  // The picture has twice its pixels, and they are drawn one to one over the window.
  Fl_RGB_Image* picture = glyphs::image(glyph);
  ASSERT_EQ(picture->data_w(), 2 * picture->w());
  ASSERT_EQ(picture->d(), 4);
  const auto* art = reinterpret_cast<const unsigned char*>(picture->data()[0]);
  int worst = 0;
  for (int y = 0; y < picture->data_h(); ++y)
    for (int x = 0; x < picture->data_w(); ++x) {
      const unsigned char* src = art + (y * picture->data_w() + x) * 4;
      const int background[3] = {0x00, 0xFF, 0x00};
      for (int c = 0; c < 3; ++c) {
        const int expected = (src[c] * src[3] + background[c] * (255 - src[3]) + 127) / 255;
        worst = std::max(worst, std::abs(pixel(180 + x, 20 + y, c) - expected));
      }
    }
  EXPECT_LE(worst, 3) << "the picture was enlarged from its small pixels";
}

}  // namespace
}  // namespace tavilo::gui::test
