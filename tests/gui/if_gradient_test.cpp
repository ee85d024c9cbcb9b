#include "gui/widgets/if_gradient.h"

#include "core/gradient.h"
#include "gui/system_colors.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/text_label.h"
#include "widget_test_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <gtest/gtest.h>

namespace tavilo::gui::test {
namespace {

constexpr TColor kBackground = 0x00FF00;  // lime: nothing a gradient here paints

class GradientPixels : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(exactColourProblem(), ""); }
};

TEST(GradientDefaults, AsCreated) {
  TIF_Gradient g(0, 0, 10, 10);
  EXPECT_EQ(g.Direction(), gdUpDown);
  EXPECT_EQ(g.StartColor(), 0x808000u);
  EXPECT_EQ(g.EndColor(), 0xC0C0C0u);
  EXPECT_EQ(g.SelectedStartColor(), 0xFFFF00u);
  EXPECT_EQ(g.SelectedEndColor(), 0x800000u);
  EXPECT_EQ(g.SelectedColor(), 0x808080u);
  EXPECT_TRUE(g.Gradient());
  EXPECT_FALSE(g.Selected());
  EXPECT_FALSE(g.DoSelection());
  EXPECT_EQ(g.Alignment(), taCenter);
  EXPECT_FALSE(g.WordWrap());
  EXPECT_TRUE(g.Autosize());
  EXPECT_EQ(g.Caption(), "");
  EXPECT_EQ(g.w(), 10);  // no fitting at construction
}

TEST_F(GradientPixels, HundredColumnsLeftToRightAndRowsTopToBottom) {
  const unsigned leading[] = {0, 3, 5, 8, 10};
  for (const TGradDirection dir : {gdLeftRight, gdUpDown}) {
    const bool across = dir == gdLeftRight;
    auto win = makeWindow(120, 120, kBackground);
    auto* g = new TIF_Gradient(10, 10, across ? 100 : 30, across ? 30 : 100);
    g->Direction(dir);
    g->StartColor(kBlack);
    g->EndColor(kWhite);
    win->end();
    const Capture c = captureWindow(*win);
    const auto strips = core::gradientStrips(kBlack, kWhite, 100);
    for (int i = 0; i < 100; ++i)
      for (int across_ = 0; across_ < 30; across_ += 29) {
        const int x = 10 + (across ? i : across_), y = 10 + (across ? across_ : i);
        ASSERT_EQ(Capture::hex(c.at(x, y)), Capture::hex(strips[i]))
            << (across ? "column " : "row ") << i;
      }
    for (int i = 0; i < 5; ++i) {
      const int x = 10 + (across ? i : 0), y = 10 + (across ? 0 : i);
      EXPECT_EQ(c.at(x, y) & 0xFF, leading[i]) << i;
    }
    EXPECT_EQ(c.at(across ? 109 : 10, across ? 10 : 109), 0xFAFAFAu) << "last strip 250";
    // Nothing outside the rectangle.
    EXPECT_EQ(c.at(across ? 110 : 40, across ? 10 : 10), kBackground);
    EXPECT_EQ(c.at(9, 9), kBackground);
  }
}

TEST_F(GradientPixels, EqualColoursAreOneFill) {
  auto win = makeWindow(80, 60, kBackground);
  auto* g = new TIF_Gradient(5, 5, 70, 50);
  g->Direction(gdLeftRight);
  g->StartColor(0x4080FF);
  g->EndColor(0x4080FF);
  win->end();
  const Capture c = captureWindow(*win);
  EXPECT_EQ(countOf(c, [](std::uint32_t p) { return p == 0x4080FF; }), 70 * 50);
}

TEST_F(GradientPixels, ZeroExtentPaintsNothing) {
  struct Case {
    const char* name;
    int w, h;
    TGradDirection dir;
  } cases[] = {
      {"zero width across", 0, 40, gdLeftRight},
      {"zero width down", 0, 40, gdUpDown},
      {"zero height across", 40, 0, gdLeftRight},
      {"zero height down", 40, 0, gdUpDown},
  };
  for (const auto& k : cases) {
    auto win = makeWindow(60, 60, kBackground);
    auto* g = new TIF_Gradient(10, 10, k.w, k.h);
    g->Autosize(false);
    g->Direction(k.dir);
    g->StartColor(kBlack);
    g->EndColor(kWhite);
    g->Caption("W");
    win->end();
    const Capture c = captureWindow(*win);
    EXPECT_EQ(countOf(c, [](std::uint32_t p) { return p != kBackground; }), 0) << k.name;
  }
}

TEST_F(GradientPixels, SelectionUsesTheSelectedColours) {
  auto win = makeWindow(120, 40, kBackground);
  auto* g = new TIF_Gradient(0, 0, 120, 40);
  g->Direction(gdLeftRight);
  g->StartColor(0x0000FF);
  g->EndColor(0x00FFFF);
  g->SelectedStartColor(0xFF0000);
  g->SelectedEndColor(0xFFFF00);
  g->DoSelection(true);
  win->end();
  EXPECT_EQ(captureWindow(*win).at(0, 20), 0x0000FFu);
  g->handle(FL_ENTER);
  EXPECT_TRUE(g->Selected());
  EXPECT_EQ(captureWindow(*win).at(0, 20), 0xFF0000u);
  g->handle(FL_LEAVE);
  EXPECT_FALSE(g->Selected());
  EXPECT_EQ(captureWindow(*win).at(0, 20), 0x0000FFu);
  // Disabled, the pointer selects nothing, though FLTK still reports it.
  g->deactivate();
  g->handle(FL_ENTER);
  EXPECT_FALSE(g->Selected()) << "disabled";
}

// A caption on a plain navy fill, as drawn in three states.
struct CaptionShots {
  Capture plain, selected, disabled;
};

CaptionShots captionShots(const std::string& caption, int h) {
  CaptionShots shots;
  auto win = makeWindow(160, h, kBackground);
  auto* g = new TIF_Gradient(0, 0, 160, h);
  g->Autosize(false);
  g->StartColor(kNavy);
  g->EndColor(kNavy);
  g->Font({"Arial", 19, true, kBlack});
  g->SelectedColor(kRed);
  g->Caption(caption);
  win->end();
  shots.plain = captureWindow(*win);
  g->Selected(true);
  g->SelectedStartColor(kNavy);
  g->SelectedEndColor(kNavy);
  shots.selected = captureWindow(*win);
  g->Selected(false);
  g->deactivate();
  shots.disabled = captureWindow(*win);
  return shots;
}

TEST_F(GradientPixels, CaptionColoursAndDisabledEmboss) {
  const CaptionShots s = captionShots("HIH", 60);
  auto is = [](TColor want) { return [want](std::uint32_t p) { return p == want; }; };
  const auto ink = [](const Capture& c, int x, int y) { return c.at(x, y) != kNavy; };

  EXPECT_GT(countOf(s.plain, is(kBlack)), 20);
  EXPECT_EQ(countOf(s.plain, is(kRed)), 0);
  EXPECT_GT(countOf(s.selected, is(kRed)), 20) << "SelectedColor while selected";
  EXPECT_EQ(countOf(s.selected, is(kBlack)), 0);

  // Disabled: highlight one pixel right and down, the shadow colour at the text's place.
  EXPECT_EQ(countOf(s.disabled, is(kBlack)), 0);
  int white = 0, grey = 0;
  for (int y = 1; y < s.disabled.height(); ++y)
    for (int x = 1; x < s.disabled.width(); ++x) {
      const auto p = s.disabled.at(x, y);
      if (p == kBtnHighlight) {
        ++white;
        EXPECT_TRUE(ink(s.plain, x - 1, y - 1)) << "highlight at " << x << "," << y;
      } else if (p == kBtnShadow) {
        ++grey;
        EXPECT_TRUE(ink(s.plain, x, y)) << "shadow colour at " << x << "," << y;
      }
    }
  EXPECT_GT(white, 4);
  EXPECT_GT(grey, 20);
}

TEST_F(GradientPixels, CaptionIsCentredVertically) {
  for (int h : {30, 60, 61}) {
    const CaptionShots s = captionShots("HIH", h);
    const int lineHeight = lineHeightOf({"Arial", 19, true, kBlack});
    const int top = (h - lineHeight) / 2;
    const Box ink = boundsOf(s.plain, [](std::uint32_t p) { return p != kNavy; });
    ASSERT_FALSE(ink.empty()) << h;
    EXPECT_GE(ink.top, top) << "height " << h;
    EXPECT_LT(ink.bottom, top + lineHeight) << "height " << h;
    // Centred horizontally too (the default alignment).
    EXPECT_LE(std::abs(ink.left - (159 - ink.right)), 2) << "height " << h;
  }
}

TEST_F(GradientPixels, AmpersandAndAtAreDrawnAsTheyAre) {
  const FontSpec font{"Arial", 19, true, kBlack};
  auto win = makeWindow(200, 30, kNavy);
  auto* g = new TIF_Gradient(0, 0, 200, 30);
  g->Autosize(false);
  g->Alignment(taLeftJustify);
  g->StartColor(kNavy);
  g->EndColor(kNavy);
  g->Font(font);
  g->Caption("A&B @<-");
  win->end();
  const Capture got = captureWindow(*win);

  auto ref = makeWindow(200, 30, kNavy);
  new RawText(0, (30 - lineHeightOf(font)) / 2, 200, 30, "A&B @<-", font);
  ref->end();
  const Capture want = captureWindow(*ref);
  EXPECT_EQ(firstDifference(got, want), "");
}

TEST_F(GradientPixels, BackgroundOfAPanelUnderTransparentButtons) {
  auto win = makeWindow(300, 60, kBackground);
  auto* panel = new Fl_Group(0, 10, 300, 40);
  auto* g = new TIF_Gradient(0, 0, 10, 10);
  g->Direction(gdLeftRight);
  g->StartColor(0x4080FF);
  g->EndColor(kSilver);
  g->Align(alClient);
  auto* button = new TFlatButton(100, 15, 100, 22, "Kopieren");
  panel->end();
  win->end();
  EXPECT_EQ(g->x(), 0);
  EXPECT_EQ(g->y(), 10);
  EXPECT_EQ(g->w(), 300);
  EXPECT_EQ(g->h(), 40);

  const auto strips = core::gradientStrips(0x4080FF, kSilver, 300);
  auto showsGradient = [&](const Capture& c) {
    for (int x : {101, 150, 198})
      if (c.at(x, 16) != strips[x]) return false;
    return true;
  };
  EXPECT_TRUE(showsGradient(captureWindow(*win)));
  button->handle(FL_ENTER);
  EXPECT_EQ(captureWindow(*win).at(101, 16), 0xFFC1C1u);
  button->handle(FL_LEAVE);
  EXPECT_TRUE(showsGradient(captureWindow(*win))) << "the gradient shows again after hover";

  // The panel grows; the gradient keeps its whole area.
  panel->resize(0, 5, 280, 50);
  EXPECT_EQ(g->x(), 0);
  EXPECT_EQ(g->y(), 5);
  EXPECT_EQ(g->w(), 280);
  EXPECT_EQ(g->h(), 50);
}

TEST_F(GradientPixels, MouseEventsReachTheOwnerThroughALabelAbove) {
  auto win = makeWindow(200, 80, kBackground);
  auto* panel = new Fl_Group(0, 20, 200, 60);
  auto* g = new TIF_Gradient(0, 0, 1, 1);
  g->Align(alClient);
  auto* title = new TTextLabel(10, 25, 100, 20, "CD-Titel");
  panel->end();
  win->end();
  struct Seen {
    int event, x, y;
  };
  std::vector<Seen> seen;
  g->OnMouse([&](int e, int x, int y) { seen.push_back({e, x, y}); });
  captureWindow(*win);
  ASSERT_GT(title->x() + title->w(), 31);

  auto send = [&](int event, int x, int y) { sendMouse(*win, event, x, y); };
  send(FL_PUSH, 30, 30);  // on the label, which has no handler of its own
  send(FL_DRAG, 35, 32);
  send(FL_RELEASE, 36, 33);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].event, FL_PUSH);
  EXPECT_EQ(seen[1].event, FL_DRAG);
  EXPECT_EQ(seen[2].event, FL_RELEASE);
  EXPECT_EQ(seen[0].x, 30);
  EXPECT_EQ(seen[0].y, 10) << "relative to the gradient";
  EXPECT_EQ(seen[1].x, 35);
  EXPECT_EQ(seen[1].y, 12);

  // A label with its own handler takes the press.
  int labelPresses = 0;
  title->OnMouse([&](int e, int, int) { labelPresses += e == FL_PUSH; });
  send(FL_PUSH, 30, 30);
  send(FL_RELEASE, 30, 30);
  EXPECT_EQ(labelPresses, 1);
  EXPECT_EQ(seen.size(), 3u);
}

}  // namespace
}  // namespace tavilo::gui::test
