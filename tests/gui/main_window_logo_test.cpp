// The logo in the title bar, read back from the screen.
#include <gtest/gtest.h>

#include "core/picture_test_support.h"
#include "gui/application.h"
#include "main_window_test_support.h"
#include "pixel_capture.h"

namespace tavilo::gui {
namespace {

TEST(MainWindowLogo, APngsTransparencyShowsTheGradientBehindIt) {
  ASSERT_EQ(test::exactColourProblem(), "");
  test::Medium medium;
  // Left half opaque red, right half fully transparent (its colour must not show).
  const core::Picture logo = testing::makePicture(60, 40, [](int x, int) {
    return x < 30 ? 0xFF0000FFu : 0x0000FF00u;
  });
  medium.file("bilder/logo.png", testing::encodePngRgba(logo));
  medium.ini("[Programm]\nVersion=4.02\nLogo=bilder\\logo.png\nVerlaufFarbe=$00C000\nVerlaufFarbe2=$00C000\n"
             "[Gruppen]\nAnzahl=0\n[Hiermit_Ausfuehren]\nAnzahl=0\n");
  auto w = test::openMainWindow(medium);
  const Fl_Widget& box = *w->Logo;
  const test::Capture c = test::captureWindow(*w, box.x(), box.y(), box.w(), box.h());
  ASSERT_FALSE(c.empty());
  EXPECT_EQ(test::Capture::hex(c.at(box.w() / 4, box.h() / 2)), "$0000FF") << "the opaque half";
  EXPECT_EQ(test::Capture::hex(c.at(box.w() * 3 / 4, box.h() / 2)), "$00C000") << "the gradient through the rest";
  w.reset();
  Application::instance().MainForm(nullptr);
}

}  // namespace
}  // namespace tavilo::gui
