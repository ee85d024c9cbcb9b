#include "core/layout/main_layout.h"

#include "core/layout/geometry.h"

#include <gtest/gtest.h>

namespace tavilo::core {
namespace {

MainLayoutInput sampleInput() {
  MainLayoutInput in;
  in.outerWidth = 500;
  in.outerHeight = 500;
  in.leftPercent = 50;
  in.imagePercent = 50;
  in.remarkPercent = 50;
  in.logoPos = "rechts";
  in.minButtonLeft = 442;
  in.logoLeft = 372;
  in.titleLeft = 11;
  return in;
}

TEST(MainLayout, SampleConfigurationGivesTheWorkedExample) {
  const MainLayout l = computeMainLayout(sampleInput());
  EXPECT_EQ(l.titleBar, (Rect{6, 6, 488, 50}));
  EXPECT_EQ(l.bottomBar, (Rect{6, 6 + 438, 488, 30}));
  EXPECT_EQ(l.statusBar, (Rect{6, 6 + 468, 488, 20}));
  EXPECT_EQ(l.leftPanel, (Rect{6, 56, 250, 388}));
  EXPECT_EQ(l.rightPanel, (Rect{6 + 250, 56, 238, 388}));
  EXPECT_EQ(l.groupHeadingWidth, 230);
  EXPECT_EQ(l.entryHeadingWidth, 218);
  EXPECT_EQ(l.groupList, (Rect{10, 50, 230, 153}));
  EXPECT_EQ(l.imagePanel, (Rect{10, 213, 230, 165}));
  EXPECT_EQ(l.entryList, (Rect{10, 50, 218, 153}));
  EXPECT_EQ(l.remarkPanel, (Rect{10, 213, 218, 165}));
  EXPECT_EQ(l.buttonLefts[0], 35);
  EXPECT_EQ(l.buttonLefts[1], 145);
  EXPECT_EQ(l.buttonLefts[2], 255);
  EXPECT_EQ(l.buttonLefts[3], 365);
  EXPECT_EQ(l.closeButtonLeft, 465);
  EXPECT_EQ(l.logoLeft, 372);
  EXPECT_EQ(l.titleLeft, 10);
}

TEST(MainLayout, ButtonRowRoundsHalvesToEven) {
  struct Case { int width; int lefts[4]; };
  const Case cases[] = {
      {701, {136, 246, 356, 466}},
      {703, {136, 246, 356, 466}},
      {700, {135, 245, 355, 465}},
      {702, {136, 246, 356, 466}},
  };
  for (const Case& c : cases) {
    MainLayoutInput in = sampleInput();
    in.outerWidth = c.width;
    const MainLayout l = computeMainLayout(in);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(l.buttonLefts[i], c.lefts[i]) << "width " << c.width << " button " << i;
  }
}

TEST(MainLayout, PercentagesOfZeroAndLeftPanelRounding) {
  MainLayoutInput in = sampleInput();
  in.leftPercent = 0;
  in.imagePercent = 0;
  in.remarkPercent = 0;
  MainLayout l = computeMainLayout(in);
  EXPECT_EQ(l.leftPanel.width, 0);
  EXPECT_EQ(l.rightPanel.width, 488);
  EXPECT_EQ(l.groupHeadingWidth, -20);
  EXPECT_EQ(l.groupList.width, -20);
  EXPECT_EQ(l.imagePanel.height, 0);
  // Without a picture panel the list ends 10 pixels above the panel's bottom.
  EXPECT_EQ(l.groupList.top + l.groupList.height, l.leftPanel.height - 10);
  EXPECT_EQ(l.entryList.top + l.entryList.height, l.rightPanel.height - 10);

  in.leftPercent = 33;
  in.outerWidth = 650;  // 214.5 -> 214
  l = computeMainLayout(in);
  EXPECT_EQ(l.leftPanel.width, 214);
  in.outerWidth = 750;  // 247.5 -> 248
  l = computeMainLayout(in);
  EXPECT_EQ(l.leftPanel.width, 248);

  // Percentages far beyond 100 give panels no window could be larger than,
  // not sizes that wrapped around.
  in.leftPercent = 2000000000;
  in.imagePercent = -2000000000;
  l = computeMainLayout(in);
  EXPECT_EQ(l.leftPanel.width, 32767);
  EXPECT_EQ(l.rightPanel.width, 738 - 32767);
  EXPECT_EQ(l.imagePanel.height, -32767);
  EXPECT_EQ(l.groupList.height, l.leftPanel.height - 50 + 32767 - 20);
}

TEST(MainLayout, PicturePanelEndsTenPixelsAboveThePanelBottom) {
  for (int percent : {1, 25, 50, 99}) {
    MainLayoutInput in = sampleInput();
    in.imagePercent = percent;
    in.outerHeight = 613;
    const MainLayout l = computeMainLayout(in);
    EXPECT_EQ(l.imagePanel.top, l.groupList.top + l.groupList.height + 10) << percent;
    EXPECT_EQ(l.imagePanel.top + l.imagePanel.height, l.leftPanel.height - 10) << percent;
  }
}

TEST(MainLayout, TitleAndLogoPlaces) {
  MainLayoutInput in = sampleInput();
  in.logoPos = "";
  in.haveLogoFile = false;
  MainLayout l = computeMainLayout(in);
  EXPECT_EQ(l.titleLeft, 10);
  EXPECT_EQ(l.logoLeft, 372) << "the empty logo stays where it is";

  in.haveLogoFile = true;
  l = computeMainLayout(in);
  EXPECT_EQ(l.logoLeft, 10);
  EXPECT_EQ(l.titleLeft, 80);

  in.logoPos = "Rechts";  // only the exact word counts
  l = computeMainLayout(in);
  EXPECT_EQ(l.logoLeft, 10);
}

TEST(MainLayout, UsedButtonPlacement) {
  EXPECT_EQ(usedButtonLeft(500, true), 145);
  EXPECT_EQ(usedButtonLeft(500, false), 45);
  EXPECT_EQ(browseButtonLeft(500), 255);
  EXPECT_EQ(browseButtonLeft(701), 355);  // 701 div 2 = 350
}

TEST(RoundedShape, CornersAreCutAndTheMiddleIsFull) {
  const auto spans = roundedRectSpans(501, 501, 30, 30);
  ASSERT_EQ(spans.size(), 501u);
  EXPECT_EQ(spans[250], (ShapeSpan{250, 0, 501}));
  EXPECT_GT(spans[0].x0, 8) << "the top row starts well inside the corner";
  EXPECT_EQ(spans[0].x0, 501 - spans[0].x1) << "symmetric left and right";
  EXPECT_EQ(spans[0], (ShapeSpan{0, spans[500].x0, spans[500].x1})) << "symmetric top and bottom";
  for (int y = 1; y < 15; ++y) EXPECT_LE(spans[y].x0, spans[y - 1].x0) << "row " << y;
  EXPECT_EQ(spans[15].x0, 0);
  EXPECT_TRUE(roundedRectSpans(0, 10, 30, 30).empty());
}

}  // namespace
}  // namespace tavilo::core
