#include "gui/widgets/flat_button.h"

#include "gui/application.h"
#include "gui/system_colors.h"
#include "modal_answer.h"
#include "widget_test_support.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <gtest/gtest.h>

#include <vector>

namespace tavilo::gui::test {
namespace {

constexpr TColor kBackground = 0x00FF00;

class FlatButtonPixels : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(exactColourProblem(), "");
    win_ = makeWindow(200, 60, kBackground);
    button_ = new TFlatButton(50, 20, 100, 22, "Kopieren");
    button_->Border(true);
    button_->Font({"Arial", 12, true, kBlack});
    button_->OnClick([this] { ++clicks_; });
    win_->end();
  }
  // A pixel inside the border that no caption covers.
  TColor face() { return captureWindow(*win_).at(52, 22); }

  std::unique_ptr<Fl_Double_Window> win_;
  TFlatButton* button_ = nullptr;
  int clicks_ = 0;
};

TEST_F(FlatButtonPixels, TransparentFocusedPressedAndBack) {
  EXPECT_EQ(face(), kBackground) << "nothing drawn behind while not focused";
  EXPECT_EQ(captureWindow(*win_).at(50, 20), kBlack) << "border line";
  EXPECT_EQ(captureWindow(*win_).at(149, 41), kBlack) << "border line";

  sendMouse(*win_, FL_MOVE, 60, 30);
  EXPECT_EQ(button_->CurrentLook(), TFlatButton::Look::Focused);
  EXPECT_EQ(Capture::hex(face()), "$FFC1C1");

  sendMouse(*win_, FL_PUSH, 60, 30);
  EXPECT_EQ(Capture::hex(face()), "$FFD9D9") << "pressed";
  EXPECT_EQ(clicks_, 0);
  sendMouse(*win_, FL_RELEASE, 60, 30);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(Capture::hex(face()), "$FFC1C1");

  sendMouse(*win_, FL_MOVE, 10, 10);  // off the button
  EXPECT_EQ(button_->CurrentLook(), TFlatButton::Look::Normal);
  EXPECT_EQ(Capture::hex(face()), Capture::hex(kBackground)) << "what lies behind shows again";
}

TEST_F(FlatButtonPixels, TheHoverLightGoesWhileTheDialogItOpenedIsShownAndAfter) {
  win_->show();
  Fl_Double_Window dialog(100, 50, "Frage");
  dialog.end();
  TFlatButton::Look during = TFlatButton::Look::Down;
  button_->OnClick([&] {
    answerNextModal([&](Fl_Window& w) {
      during = button_->CurrentLook();
      // The mouse went to the dialog and ends up off the button.
      Fl::e_x_root = win_->x() + 10;
      Fl::e_y_root = win_->y() + 10;
      w.hide();
    });
    Application::instance().showModal(dialog);
  });
  sendMouse(*win_, FL_MOVE, 60, 30);
  ASSERT_EQ(button_->CurrentLook(), TFlatButton::Look::Focused);
  sendMouse(*win_, FL_PUSH, 60, 30);
  sendMouse(*win_, FL_RELEASE, 60, 30);
  EXPECT_EQ(during, TFlatButton::Look::Normal) << "no second lit button beside the dialog's";
  EXPECT_EQ(button_->CurrentLook(), TFlatButton::Look::Normal);
  EXPECT_EQ(Capture::hex(face()), Capture::hex(kBackground));
  sendMouse(*win_, FL_MOVE, 61, 30);
  EXPECT_EQ(button_->CurrentLook(), TFlatButton::Look::Focused) << "back with the mouse";
}

TEST_F(FlatButtonPixels, DraggingOffWhilePressedCancelsTheClick) {
  sendMouse(*win_, FL_MOVE, 60, 30);
  sendMouse(*win_, FL_PUSH, 60, 30);
  sendMouse(*win_, FL_DRAG, 10, 10);
  EXPECT_EQ(Capture::hex(face()), Capture::hex(kBackground));
  sendMouse(*win_, FL_RELEASE, 10, 10);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(FlatButtonPixels, CaptionIsCentredInItsColour) {
  button_->Font({"Arial", 12, true, kMaroon});
  const Capture c = captureWindow(*win_);
  const Box ink = boundsOf(c, [](std::uint32_t p) { return p == kMaroon; });
  ASSERT_FALSE(ink.empty());
  EXPECT_LE(std::abs((ink.left - 50) - (149 - ink.right)), 2);
  EXPECT_LE(std::abs((ink.top - 20) - (41 - ink.bottom)), 3);
}

TEST_F(FlatButtonPixels, InactiveShowsNoStateColoursAndAnEmbossedCaption) {
  sendMouse(*win_, FL_MOVE, 60, 30);
  button_->deactivate();
  EXPECT_EQ(button_->CurrentLook(), TFlatButton::Look::Normal);
  const Capture c = captureWindow(*win_);
  EXPECT_EQ(c.at(52, 22), kBackground);
  auto is = [](TColor col) { return [col](std::uint32_t p) { return p == col; }; };
  EXPECT_EQ(countOf(c, is(0xFFC1C1)), 0);
  EXPECT_GT(countOf(c, is(kBtnShadow)), 10);
  EXPECT_GT(countOf(c, is(kBtnHighlight)), 2);
}

TEST_F(FlatButtonPixels, SolidRedButtonWithGlyph) {
  // A 6 x 6 white square as the glyph.
  static std::vector<unsigned char> white(6 * 6 * 3, 255);
  Fl_RGB_Image glyph(white.data(), 6, 6, 3);
  auto* small = new TFlatButton(5, 5, 18, 18);
  win_->add(small);
  small->Solid(true);
  small->Color(kRed);
  small->Glyph(&glyph);
  Capture c = captureWindow(*win_);
  EXPECT_EQ(c.at(5, 5), kRed);
  EXPECT_EQ(c.at(22, 22), kRed);
  EXPECT_EQ(c.at(5 + 9, 5 + 9), kWhite) << "glyph centred";
  EXPECT_EQ(c.at(5 + 5, 5 + 5), kRed);
  sendMouse(*win_, FL_MOVE, 10, 10);
  EXPECT_EQ(captureWindow(*win_).at(5, 5), kRed) << "solid in every state";
  small->Glyph(nullptr);
}

TEST(FlatButton, DefaultsAndAcceleratorShortcut) {
  TFlatButton b(0, 0, 100, 22, "&Kopieren");
  EXPECT_EQ(b.FocusedColor(), 0xFFC1C1u);
  EXPECT_EQ(b.DownColor(), 0xFFD9D9u);
  EXPECT_EQ(b.Cursor(), FL_CURSOR_HAND);
  EXPECT_FALSE(b.Border());
  EXPECT_FALSE(b.Solid());
  EXPECT_EQ(b.Caption(), "&Kopieren");
  EXPECT_EQ(b.visible_focus(), 0u) << "like a speed button, no keyboard focus";
}

}  // namespace
}  // namespace tavilo::gui::test
