#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialog_test_support.h"
#include "gui/glyphs.h"
#include "gui/system_colors.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/styled_button.h"
#include "modal_answer.h"
#include "widget_test_support.h"

namespace tavilo::gui::test {
namespace {

constexpr TColor kBackground = 0x00FF00;

class DialogButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(exactColourProblem(), "");
    win_ = makeWindow(200, 80, kBackground);
    bit_ = new TBitBtn(10, 10, 75, 25, "&Ja");
    styled_ = new TStyledButton(100, 10, 75, 25, "&Nein");
    bit_->Glyph(glyphs::tick());
    styled_->Glyph(glyphs::prohibition());
    for (TDialogButton* b : {static_cast<TDialogButton*>(bit_), static_cast<TDialogButton*>(styled_)})
      b->callback([](Fl_Widget* w, void* log) { *static_cast<std::string*>(log) += static_cast<TDialogButton*>(w)->Caption() + ";"; },
                  &pressed_);
    win_->end();
  }

  std::unique_ptr<Fl_Double_Window> win_;
  TBitBtn* bit_ = nullptr;
  TStyledButton* styled_ = nullptr;
  std::string pressed_;
};

TEST_F(DialogButtons, TheTwoLooks) {
  Fl::focus(nullptr);
  const Capture c = captureWindow(*win_);
  // The bitmap button: a grey face between a white top-left and a black bottom-right edge.
  EXPECT_EQ(Capture::hex(c.at(14, 13)), Capture::hex(kBtnFace));
  EXPECT_EQ(Capture::hex(c.at(10, 10)), "$FFFFFF");
  EXPECT_EQ(Capture::hex(c.at(84, 34)), "$000000");
  // The styled button: a dark-blue line around a face shaded from white to light blue.
  EXPECT_EQ(Capture::hex(c.at(100, 20)), "$825A3C");
  const std::uint32_t top = c.at(103, 11), bottom = c.at(103, 33);
  EXPECT_GT(top & 0xFF, bottom & 0xFF) << Capture::hex(top) << " over " << Capture::hex(bottom);
  EXPECT_NE(Capture::hex(c.at(103, 33)), Capture::hex(kBtnFace));
  // Both draw their glyph: green of the tick, red of the prohibition sign.
  auto green = [](std::uint32_t p) { return ((p >> 8) & 0xFF) > 120 && (p & 0xFF) < 100 && (p >> 16) < 100; };
  auto red = [](std::uint32_t p) { return (p & 0xFF) > 150 && ((p >> 8) & 0xFF) < 80 && (p >> 16) < 80; };
  EXPECT_FALSE(boundsOf(c, green).empty());
  const Box redInk = boundsOf(c, red);
  ASSERT_FALSE(redInk.empty());
  EXPECT_GE(redInk.left, 100);
}

TEST_F(DialogButtons, PressedBitmapButtonIsSunken) {
  const Capture before = captureWindow(*win_);
  bit_->value(1);
  const Capture down = captureWindow(*win_);
  EXPECT_EQ(Capture::hex(down.at(10, 10)), Capture::hex(kBtnShadow));
  EXPECT_NE(firstDifference(before, down), "");
  bit_->value(0);
}

TEST_F(DialogButtons, KeysPressTheButtons) {
  struct Case { int key; const char* text; int state; bool focusOnStyled; const char* pressed; };
  const Case cases[] = {
      {FL_Enter, "\r", 0, false, "&Ja;"},
      {FL_Enter, "\r", 0, true, "&Nein;"},
      {FL_KP_Enter, "\r", 0, true, "&Nein;"},
      {' ', " ", 0, false, "&Ja;"},
      {'j', "j", 0, true, "&Ja;"},         // the accelerator alone
      {'n', "n", FL_ALT, false, "&Nein;"}, // and with Alt
      {'x', "x", 0, false, ""},
      {FL_Escape, "\033", 0, false, ""},
  };
  win_->show();
  for (const Case& c : cases) {
    pressed_.clear();
    (c.focusOnStyled ? static_cast<TDialogButton*>(styled_) : bit_)->take_focus();
    sendKey(*win_, c.key, c.text, c.state);
    pump(0.05);
    EXPECT_EQ(pressed_, c.pressed) << "key " << c.key << " focus on styled " << c.focusOnStyled;
  }
}

TEST_F(DialogButtons, EnterPressesTheDefaultButtonWhenNoButtonHasTheFocus) {
  styled_->Default(true);
  win_->show();
  Fl::focus(win_.get());
  EXPECT_TRUE(styled_->Emphasised());
  EXPECT_FALSE(bit_->Emphasised());
  sendEnter(*win_);
  EXPECT_EQ(pressed_, "&Nein;");
  bit_->take_focus();
  EXPECT_FALSE(styled_->Emphasised()) << "a focused button takes the emphasis";
  EXPECT_TRUE(bit_->Emphasised());
}

TEST_F(DialogButtons, HiddenButtonsTakeNoKeys) {
  win_->show();
  styled_->hide();
  bit_->take_focus();
  sendKey(*win_, 'n', "n");
  EXPECT_EQ(pressed_, "");
}

}  // namespace
}  // namespace tavilo::gui::test
