#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialog_test_support.h"
#include "gui/application.h"
#include "gui/my_msg_dlg.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/styled_button.h"
#include "gui/widgets/text_label.h"
#include "modal_answer.h"
#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

const FontSpec kTextFont{"MS Sans Serif", 11, true, 0x000000};

struct Geometry {
  int width = 0, height = 0, questionTop = 0, buttonTop = 0, x = 0, y = 0;
  std::string lefts;  // of the shown buttons, row by row
};

Geometry geometryOf(TmyMsgDlg& dlg, const std::string& text, const std::string& question, TMsgBtn buttons) {
  Geometry g;
  test::answerNextModal([&](Fl_Window& w) {
    auto& f = dynamic_cast<TmsgForm&>(w);
    g.width = f.w();
    g.height = f.h();
    g.x = f.x();
    g.y = f.y();
    g.questionTop = f.Fragetext->y();
    g.buttonTop = dlg.ButtonTyp() == btypLMD ? f.btn1LMD->y() : f.btn1->y();
    for (const TDialogButton* b : test::shownButtons(f))
      g.lefts += std::to_string(b->x()) + "@" + std::to_string(b->y()) + " ";
    Fl::handle(FL_CLOSE, &w);
  });
  dlg.Execute(mtInformation, "Titel", text, question, buttons);
  return g;
}

TEST(MyMsgDlgLayout, WorkedExampleInTheRealFont) {
  const int h = test::lineHeightOf(kTextFont);
  TmyMsgDlg dlg;
  const Geometry g = geometryOf(dlg, "Eins\nZwei\nDrei", "Frage", mbOK);
  EXPECT_EQ(g.questionTop, 8 + h * 4);
  EXPECT_EQ(g.buttonTop, 8 + h * 4 + 2 * h);
  EXPECT_EQ(g.height, 8 + h * 6 + 25 + 10);
  EXPECT_EQ(g.width, 225);
  EXPECT_EQ(g.lefts, "75@" + std::to_string(g.buttonTop) + " ") << "the Ok button is centred";
  if (h == 13) {
    EXPECT_EQ(g.questionTop, 60);
    EXPECT_EQ(g.buttonTop, 86);
    EXPECT_EQ(g.height, 121);
  }
}

TEST(MyMsgDlgLayout, WidthsFromTheRealTexts) {
  const std::string longLine = "Dies ist eine recht lange Zeile der Anzeige";
  const std::string longQuestion = "Und dies ist eine noch viel längere Frage an den Benutzer?";
  const std::string ampersands = "A&B&C&D&E&F&G&H&I&J&K&L&M&N&O&P&Q&R";
  struct Case { std::string text, question; TMsgBtn buttons; int width; };
  const Case cases[] = {
      {"kurz", "Frage?", mbOK, 225},
      {"kurz", "", mbJaNein, 225},
      {"kurz", "", mbJaNeinAbbruch, 275},
      {"kurz", "", mbJaNeinAlle, 275},
      {"a\n" + longLine + "\nb", "", mbOK, 64 + test::textWidthOf(kTextFont, longLine) + 30},
      {"kurz", longQuestion, mbOK, 64 + test::textWidthOf(kTextFont, longQuestion) + 30},
      // Every '&' is drawn and measured: message texts carry paths.
      {ampersands, "", mbOK, 64 + test::textWidthOf(kTextFont, ampersands) + 30},
  };
  for (const Case& c : cases) {
    for (const bTyp style : {btypNormal, btypLMD}) {
      TmyMsgDlg dlg;
      dlg.ButtonTyp(style);
      EXPECT_EQ(geometryOf(dlg, c.text, c.question, c.buttons).width, std::max(c.width, 225))
          << '"' << c.text << "\" / \"" << c.question << "\" style " << int(style);
    }
  }
}

TEST(MyMsgDlgLayout, SecondRowOfYesNoAll) {
  const int h = test::lineHeightOf(kTextFont);
  for (const bTyp style : {btypNormal, btypLMD}) {
    TmyMsgDlg dlg;
    dlg.ButtonTyp(style);
    const Geometry g = geometryOf(dlg, "kurz", "", mbJaNeinAlle);
    const int top = 8 + 4 * h;
    const std::string row1 = "@" + std::to_string(top) + " ", row2 = "@" + std::to_string(top + 35) + " ";
    EXPECT_EQ(g.buttonTop, top);
    EXPECT_EQ(g.lefts, "15" + row1 + "100" + row1 + "185" + row1 + "15" + row2 + "100" + row2)
        << "style " << int(style);
    EXPECT_EQ(g.height, top + 2 * 25 + 20) << "one button height + 10 more than one row";
    const Geometry one = geometryOf(dlg, "kurz", "", mbJaNeinAbbruch);
    EXPECT_EQ(g.height - one.height, 35);
  }
}

TEST(MyMsgDlgLayout, OneAndTwoButtonsCentred) {
  TmyMsgDlg dlg;
  const Geometry two = geometryOf(dlg, "kurz", "", mbJaNein);
  const std::string row = "@" + std::to_string(two.buttonTop) + " ";
  EXPECT_EQ(two.lefts, "32" + row + "117" + row);
  const std::string wide = "Eine Zeile, die das Fenster deutlich breiter macht als sonst";
  const Geometry one = geometryOf(dlg, wide, "", mbJa);
  EXPECT_EQ(one.lefts, std::to_string((one.width - 75) / 2) + "@" + std::to_string(one.buttonTop) + " ");
}

TEST(MyMsgDlgLayout, Placement) {
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  Application& app = Application::instance();
  Fl_Window* previousMain = app.MainForm();

  TmyMsgDlg dlg;
  dlg.Position(poScreenCenter);
  Geometry g = geometryOf(dlg, "kurz", "", mbOK);
  EXPECT_EQ(g.x, sx + (sw - g.width) / 2);
  EXPECT_EQ(g.y, sy + (sh - g.height) / 2);

  dlg.Position(poDesigned);
  g = geometryOf(dlg, "kurz", "", mbOK);
  EXPECT_EQ(g.x, TmsgForm::kDesignLeft);
  EXPECT_EQ(g.y, TmsgForm::kDesignTop);

  // The default placement: over the main window when it is shown, else the screen's centre.
  auto main = test::makeWindow(600, 400, 0xFFFFFF);
  main->end();
  main->position(100, 150);
  app.MainForm(main.get());
  dlg.Position(poMainFormCenter);
  g = geometryOf(dlg, "kurz", "", mbOK);
  EXPECT_EQ(g.x, sx + (sw - g.width) / 2) << "main window not shown yet";
  main->show();
  test::pump(0.1);
  g = geometryOf(dlg, "kurz", "", mbOK);
  EXPECT_EQ(g.x, main->x() + (600 - g.width) / 2);
  EXPECT_EQ(g.y, main->y() + (400 - g.height) / 2);

  auto owner = test::makeWindow(300, 300, 0xFFFFFF);
  owner->end();
  owner->position(700, 500);
  owner->show();
  test::pump(0.1);
  TmyMsgDlg owned(owner.get());
  owned.Position(poOwnerFormCenter);
  g = geometryOf(owned, "kurz", "", mbOK);
  EXPECT_EQ(g.x, owner->x() + (300 - g.width) / 2);
  EXPECT_EQ(g.y, owner->y() + (300 - g.height) / 2);
  app.MainForm(previousMain);
}

}  // namespace
}  // namespace tavilo::gui
