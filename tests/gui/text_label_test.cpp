#include "gui/widgets/text_label.h"

#include "gui/system_colors.h"
#include "gui/widgets/label3d.h"
#include "gui/widgets/web_label.h"
#include "widget_test_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <gtest/gtest.h>

#include <string>

namespace tavilo::gui::test {
namespace {

constexpr TColor kBackground = 0x00FF00;
const FontSpec kFont{"Arial", 19, true, kBlack};

class LabelPixels : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(exactColourProblem(), ""); }
};

Capture shotOfLabel(const std::string& caption, bool accel) {
  auto win = makeWindow(240, 40, kBackground);
  auto* l = new TTextLabel(5, 5, 10, 10);
  l->ShowAccelChar(accel);
  l->Font(kFont);
  l->Caption(caption);
  win->end();
  return captureWindow(*win);
}

Capture shotOfRaw(const std::string& text) {
  auto win = makeWindow(240, 40, kBackground);
  new RawText(5, 5, 230, 30, text, kFont);
  win->end();
  return captureWindow(*win);
}

TEST_F(LabelPixels, CaptionsAreDrawnCharacterForCharacter) {
  struct Case {
    const char* caption;
    bool accel;
    const char* drawn;
  } cases[] = {
      {"@<-", true, "@<-"},          {"@@", true, "@@"},
      {"@+9 Pfeil", true, "@+9 Pfeil"}, {"A&B", false, "A&B"},
      {"Tipps && Tricks", true, "Tipps & Tricks"}, {"Tipps & Tricks", false, "Tipps & Tricks"},
      {"100%", true, "100%"},        {"\xC3\x96" "ffnen", true, "\xC3\x96" "ffnen"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(firstDifference(shotOfLabel(c.caption, c.accel), shotOfRaw(c.drawn)), "")
        << "caption \"" << c.caption << "\" accel " << c.accel;
}

TEST(TextLabel, ALabelWithABubbleHintTakesThePointerAndLetsClicksThrough) {
  auto win = makeWindow(200, 60, kBackground);
  auto* plain = new TTextLabel(5, 5, 60, 20);
  plain->Caption("ohne");
  auto* hinted = new TTextLabel(100, 5, 60, 20);
  hinted->Caption("Start");
  hinted->tooltip("Start-Ordner");
  win->end();
  win->show();
  sendMouse(*win, FL_MOVE, 110, 10);
  EXPECT_EQ(Fl::belowmouse(), hinted) << "FLTK shows the bubble of the widget below the mouse";
  sendMouse(*win, FL_MOVE, 10, 10);
  EXPECT_NE(Fl::belowmouse(), plain);
  sendMouse(*win, FL_PUSH, 110, 10);
  EXPECT_NE(Fl::pushed(), hinted);
  sendMouse(*win, FL_RELEASE, 110, 10);
}

TEST(WebLabel, ADoubleClickIsOneClick) {
  auto win = makeWindow(200, 60, kBackground);
  auto* link = new TWebLabel(5, 5, 100, 20);
  link->Caption("[ Seite ]");
  int clicks = 0;
  link->OnClick([&] { ++clicks; });
  win->end();
  win->show();
  // FLTK's count of quick presses at one place: 0 single, 1 double, 2 triple.
  for (int count : {0, 1, 2, 3}) {
    Fl::e_clicks = count;
    sendMouse(*win, FL_PUSH, 20, 10);
    sendMouse(*win, FL_RELEASE, 20, 10);
  }
  Fl::e_clicks = 0;
  EXPECT_EQ(clicks, 2) << "two double clicks";
  sendMouse(*win, FL_PUSH, 20, 10);
  sendMouse(*win, FL_RELEASE, 150, 10);
  EXPECT_EQ(clicks, 2) << "released beside the label";
}

TEST_F(LabelPixels, FltksOwnLabelWouldHaveDrawnASymbol) {
  // Shows that the comparison above can fail: FLTK's label code turns "@<-" into an arrow.
  auto win = makeWindow(240, 40, kBackground);
  auto* box = new Fl_Box(5, 5, 230, 30, "@<-");
  box->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT | FL_ALIGN_TOP);
  box->labelfont(fontFor("Arial", true));
  box->labelsize(19);
  win->end();
  EXPECT_NE(firstDifference(captureWindow(*win), shotOfRaw("@<-")), "");
}

TEST_F(LabelPixels, AcceleratorIsUnderlinedNotDrawn) {
  const Capture got = shotOfLabel("A&B", true);
  const Capture plain = shotOfRaw("AB");
  const int lineBottom = 5 + lineHeightOf(kFont);
  const int ab = textWidthOf(kFont, "AB"), a = textWidthOf(kFont, "A");
  int underlined = 0;
  for (int y = 0; y < got.height(); ++y)
    for (int x = 0; x < got.width(); ++x) {
      if (got.at(x, y) == plain.at(x, y)) continue;
      // Any difference is the underline: one row, under the B only.
      EXPECT_EQ(got.at(x, y), kBlack) << x << "," << y;
      EXPECT_GE(x, 5 + a) << x << "," << y;
      EXPECT_LT(x, 5 + ab) << x << "," << y;
      EXPECT_LT(y, lineBottom) << x << "," << y;
      ++underlined;
    }
  EXPECT_GE(underlined, ab - a - 2);
  EXPECT_LE(underlined, ab - a);
}

TEST(LabelSize, AutosizeFitsTheText) {
  const int lh = lineHeightOf(kFont);
  struct Case {
    const char* caption;
    int w, h;
  } cases[] = {
      {"Hallo", textWidthOf(kFont, "Hallo"), lh},
      {"", textWidthOf(kFont, " "), lh},
      {"&", textWidthOf(kFont, " "), lh},  // "& ": an underlined blank
      {"a\nHallo", textWidthOf(kFont, "Hallo"), 2 * lh},
      {"Wa\r\n\r\nb", textWidthOf(kFont, "Wa"), 3 * lh},
  };
  for (const auto& c : cases) {
    TTextLabel l(10, 10, 1, 1);
    l.Font(kFont);
    l.Caption(c.caption);
    EXPECT_EQ(l.w(), c.w) << "\"" << c.caption << "\"";
    EXPECT_EQ(l.h(), c.h) << "\"" << c.caption << "\"";
    TLabel3D l3(10, 10, 1, 1);
    l3.Font(kFont);
    l3.Caption(c.caption);
    EXPECT_EQ(l3.w(), c.w + 1) << "3D \"" << c.caption << "\"";
    EXPECT_EQ(l3.h(), c.h + 1) << "3D \"" << c.caption << "\"";
  }
}

TEST(LabelSize, FixedSizeWrapAndRightEdge) {
  const int lh = lineHeightOf(kFont);
  TTextLabel fixed(10, 10, 209, 19);
  fixed.Autosize(false);
  fixed.Font(kFont);
  fixed.Caption("Gruppen_Ueberschrift mit langem Text");
  EXPECT_EQ(fixed.w(), 209);
  EXPECT_EQ(fixed.h(), 19);

  TTextLabel wrapped(10, 10, textWidthOf(kFont, "eins zwei"), 5);
  wrapped.Font(kFont);
  wrapped.WordWrap(true);
  wrapped.Caption("eins zwei drei");
  EXPECT_EQ(wrapped.w(), textWidthOf(kFont, "eins zwei"));
  EXPECT_EQ(wrapped.h(), 2 * lh);

  TTextLabel right(100, 10, 50, 5);
  right.Alignment(taRightJustify);
  right.Font(kFont);
  right.Caption("Hallo");
  EXPECT_EQ(right.x() + right.w(), 150);

  TLabel3D longTitle(0, 0, 1, 1);
  longTitle.Font(kFont);
  longTitle.Caption(std::string(300, 'i'));
  EXPECT_EQ(longTitle.w(), textWidthOf(kFont, std::string(255, 'i')) + 1)
      << "at most 255 characters";
}

TEST_F(LabelPixels, AlignmentInAFixedBox) {
  for (const TAlignment a : {taLeftJustify, taCenter, taRightJustify}) {
    auto win = makeWindow(220, 30, kBackground);
    auto* l = new TTextLabel(10, 0, 200, 30);
    l->Autosize(false);
    l->Alignment(a);
    l->Font(kFont);
    l->Caption("Mitte");
    win->end();
    const Box ink = boundsOf(captureWindow(*win), [](std::uint32_t p) { return p != kBackground; });
    ASSERT_FALSE(ink.empty());
    const int leftGap = ink.left - 10, rightGap = 209 - ink.right;
    switch (a) {
      case taLeftJustify:
        EXPECT_LE(leftGap, 2);
        break;
      case taRightJustify:
        EXPECT_LE(rightGap, 2);
        break;
      case taCenter:
        EXPECT_LE(std::abs(leftGap - rightGap), 3) << leftGap << " " << rightGap;
        break;
    }
  }
}

TEST_F(LabelPixels, TransparentFilledAndDisabled) {
  auto win = makeWindow(200, 40, kBackground);
  auto* l = new TTextLabel(10, 5, 10, 10, "HIH");
  l->Font(kFont);
  win->end();
  const int right = l->x() + l->w() - 1, bottom = l->y() + l->h() - 1;
  EXPECT_EQ(captureWindow(*win).at(right, bottom), kBackground) << "transparent by default";

  l->Transparent(false);
  l->Color(kNavy);
  const Capture filled = captureWindow(*win);
  EXPECT_EQ(filled.at(right, bottom), kNavy);
  EXPECT_EQ(filled.at(l->x(), l->y()), kNavy);

  l->deactivate();
  const Capture disabled = captureWindow(*win);
  auto is = [](TColor c) { return [c](std::uint32_t p) { return p == c; }; };
  EXPECT_EQ(countOf(disabled, is(kBlack)), 0);
  EXPECT_GT(countOf(disabled, is(kBtnShadow)), 20);
  EXPECT_GT(countOf(disabled, is(kBtnHighlight)), 4);
}

TEST_F(LabelPixels, ChangingATransparentCaptionClearsTheOldText) {
  auto win = makeWindow(200, 40, kBackground);
  auto* l = new TTextLabel(10, 5, 10, 10, "WWWWWW");
  l->Font(kFont);
  win->end();
  captureWindow(*win);
  l->Caption(".");
  const Capture c = captureWindow(*win);
  const Box ink = boundsOf(c, [](std::uint32_t p) { return p != kBackground; });
  ASSERT_FALSE(ink.empty());
  EXPECT_LT(ink.right, 10 + textWidthOf(kFont, ".") + 1) << "old text left behind";
}

TEST_F(LabelPixels, ShadowLiesOnePixelRightAndDown) {
  auto shot = [](bool shadow, bool active) {
    auto win = makeWindow(200, 50, kNavy);
    TTextLabel* l = shadow ? new TLabel3D(10, 10, 10, 10) : new TTextLabel(10, 10, 10, 10);
    l->Font({"Arial", 27, true, kBlue});
    l->Caption("CD-Titel");
    if (!active) l->deactivate();
    win->end();
    return captureWindow(*win);
  };
  const Capture plain = shot(false, true), shadowed = shot(true, true), disabled = shot(true, false);
  auto is = [](TColor c) { return [c](std::uint32_t p) { return p == c; }; };
  const auto ink = [&](int x, int y) { return plain.at(x, y) != kNavy; };

  EXPECT_EQ(countOf(plain, is(kWhite)), 0);
  int shadowPixels = 0;
  for (int y = 1; y < shadowed.height(); ++y)
    for (int x = 1; x < shadowed.width(); ++x)
      if (shadowed.at(x, y) == kWhite) {
        ++shadowPixels;
        ASSERT_TRUE(ink(x - 1, y - 1)) << "shadow at " << x << "," << y << " without text up-left";
      }
  EXPECT_GT(shadowPixels, 30);
  // The text itself sits where the plain label's does.
  const Box text = boundsOf(shadowed, is(kBlue)), plainText = boundsOf(plain, is(kBlue));
  EXPECT_EQ(text.left, plainText.left);
  EXPECT_EQ(text.top, plainText.top);
  const Box shadowBox = boundsOf(shadowed, [](std::uint32_t p) { return p != kNavy; });
  EXPECT_EQ(shadowBox.right, boundsOf(plain, [](std::uint32_t p) { return p != kNavy; }).right + 1);

  EXPECT_EQ(countOf(disabled, is(kBlue)), 0) << "grey text while disabled";
  EXPECT_GT(countOf(disabled, is(kGrayText)), 50);
  EXPECT_GT(countOf(disabled, is(kWhite)), 30) << "the shadow stays";
}

}  // namespace
}  // namespace tavilo::gui::test
