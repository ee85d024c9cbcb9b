#include "gui/widgets/status_bar.h"

#include <gtest/gtest.h>

#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

TEST(StatusBar, ShowsOneLineAndEndsALongTextInAnEllipsis) {
  auto win = test::makeWindow(300, 40, 0xC0C0C0);
  auto* bar = new TMyStatusBar(0, 10, 300, 20);
  win->end();
  bar->Font({"Arial", 11, true, 0x000080});
  const auto shot = [&](const std::string& caption) {
    bar->Caption(caption);
    return test::captureWindow(*win, 0, 10, 300, 20);
  };
  const test::Capture joined = shot("Bild kaputt: x.jpg Zeile zwei");
  EXPECT_EQ(test::firstDifference(shot("Bild kaputt: x.jpg\nZeile zwei"), joined), "");
  EXPECT_EQ(test::firstDifference(shot("Bild kaputt: x.jpg\r\nZeile zwei"), joined), "");

  bar->Caption("Ein sehr langer Hinweis, " + std::string(200, 'x'));
  const std::string shown = bar->ShownText();
  EXPECT_EQ(shown.substr(shown.size() - 3), "\u2026");
  EXPECT_LE(test::textWidthOf(bar->Font(), shown), 300 - 8);
  EXPECT_GT(test::textWidthOf(bar->Font(), shown + "x"), 300 - 8 - 12) << "it uses the width";
}

}  // namespace
}  // namespace tavilo::gui
