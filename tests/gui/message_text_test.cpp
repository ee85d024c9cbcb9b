#include "gui/message_text.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/user_messages.h"
#include "dialog_test_support.h"
#include "gui/application.h"
#include "gui/glyphs.h"
#include "gui/plain_box.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/text_label.h"
#include "modal_answer.h"
#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

const FontSpec kTextFont{"MS Sans Serif", 11, true, 0x000000};

// The box of the test run, as the program entry owns one for its run.
Tmymsg& theBox() {
  static Tmymsg box;
  return box;
}

// Runs MyMessageBox while `answer` handles the shown box; returns its result.
int boxAnswering(const std::function<void(Tmymsg&)>& answer, int icon, const std::string& caption,
                 const std::string& text, const std::string& question, int buttons) {
  test::answerNextModal([&](Fl_Window& w) {
    auto* box = dynamic_cast<Tmymsg*>(&w);
    ASSERT_NE(box, nullptr);
    answer(*box);
    if (w.shown()) test::pressCloseBox(w);
  });
  return theBox().MyMessageBox(static_cast<TMsgType>(icon), caption, text, question, static_cast<TMsgBtn>(buttons));
}

struct Seen {
  std::string title, buttons, focused;
  int width = 0, height = 0, questionTop = 0, buttonTop = 0;
  Fl_Image* picture = nullptr;
};

Seen look(Tmymsg& box) {
  Seen s;
  s.title = box.label() ? box.label() : "";
  s.buttons = test::describeButtons(box);
  if (auto* b = dynamic_cast<TDialogButton*>(Fl::focus())) s.focused = b->Caption();
  s.width = box.w();
  s.height = box.h();
  s.questionTop = box.fragetext->y();
  s.buttonTop = box.btn1->y();
  s.picture = box.Image->image();
  return s;
}

Seen seenFor(int icon, const std::string& caption, const std::string& text, const std::string& question,
             int buttons) {
  Seen s;
  boxAnswering([&](Tmymsg& box) { s = look(box); }, icon, caption, text, question, buttons);
  return s;
}

TEST(MyMessageBox, WorkedExample) {
  const int h = test::lineHeightOf(kTextFont);
  int answer = 0;
  Seen s;
  answer = boxAnswering(
      [&](Tmymsg& box) {
        s = look(box);
        test::sendEnter(box);
      },
      3, "", "Ordner \n\n/HOME/X", "LÖSCHEN ?", 3);
  EXPECT_EQ(s.questionTop, 8 + h * 4);
  EXPECT_EQ(s.buttonTop, 8 + h * 6);
  EXPECT_EQ(s.height, 8 + h * 6 + 35);
  if (h == 13) {
    EXPECT_EQ(s.height, 121);
  }
  EXPECT_EQ(s.title, "Bestätigung");
  EXPECT_EQ(s.picture, glyphs::confirmation());
  EXPECT_EQ(s.focused, "&Nein");
  EXPECT_EQ(s.buttons, "&Ja=6 &Nein=7");
  EXPECT_EQ(answer, 7) << "Enter at once answers No";
}

TEST(MyMessageBox, TitlesAndPictures) {
  struct Case { int icon; const char* caption; const char* title; Fl_RGB_Image* picture; };
  // Icons outside 0 to 3 keep the picture of the call before (the error picture here).
  const Case cases[] = {
      {0, "", "Warnung", glyphs::warning()},         {1, "", "Fehler", glyphs::error()},
      {2, "", "Information", glyphs::information()}, {3, "", "Bestätigung", glyphs::confirmation()},
      {1, "Eigen", "Eigen", glyphs::error()},        {7, "", "", glyphs::error()},
      {-1, "Titel", "Titel", glyphs::error()},
  };
  for (const Case& c : cases) {
    if (c.icon < 0 || c.icon > 3) seenFor(1, "", "vorher", "", 2);
    const Seen s = seenFor(c.icon, c.caption, "Text", "", 2);
    EXPECT_EQ(s.title, c.title) << "icon " << c.icon << " caption \"" << c.caption << '"';
    EXPECT_EQ(s.picture, c.picture) << "icon " << c.icon;
  }
}

TEST(MyMessageBox, ButtonSetsFocusAndEnter) {
  struct Case { int buttons; const char* shown; const char* focused; int enter; };
  const Case cases[] = {
      {0, "&Ja=6", "&Ja", 6},
      {1, "&Nein=7", "&Nein", 7},
      {2, "Ok=1", "Ok", 1},
      {3, "&Ja=6 &Nein=7", "&Nein", 7},
      {4, "&Ja=6 &Nein=7 &Abbruch=2", "&Abbruch", 2},
      {5, "", "", 0},
      {-3, "", "", 0},
  };
  for (const Case& c : cases) {
    Seen s;
    bool stillShown = false;
    const int result = boxAnswering(
        [&](Tmymsg& box) {
          s = look(box);
          test::sendEnter(box);
          stillShown = box.shown() != 0;
        },
        2, "", "Text", "", c.buttons);
    EXPECT_EQ(s.buttons, c.shown) << "set " << c.buttons;
    EXPECT_EQ(s.focused, c.focused) << "set " << c.buttons;
    EXPECT_EQ(stillShown ? 0 : result, c.enter) << "set " << c.buttons;
  }
}

TEST(MyMessageBox, CloseBoxAnswersTwoAndEscNothing) {
  for (const int set : {0, 1, 2, 3, 4, 9}) {
    bool afterEsc = false;
    const int result = boxAnswering(
        [&](Tmymsg& box) {
          test::sendEscape(box);
          test::pump(0.05);
          afterEsc = box.shown() != 0;
          test::pressCloseBox(box);
        },
        2, "", "Text", "", set);
    EXPECT_TRUE(afterEsc) << "set " << set;
    EXPECT_EQ(result, 2) << "set " << set;
  }
}

TEST(MyMessageBox, AcceleratorsAnswer) {
  struct Case { const char* key; int state; int result; };
  const Case cases[] = {{"j", 0, 6}, {"n", FL_ALT, 7}, {"a", 0, 2}, {"A", FL_ALT, 2}};
  for (const Case& c : cases) {
    const int result = boxAnswering(
        [&](Tmymsg& box) { test::sendKey(box, static_cast<unsigned char>(c.key[0]) | 0x20, c.key, c.state); }, 3,
        "", "Text", "", 4);
    EXPECT_EQ(result, c.result) << c.key;
  }
}

TEST(MyMessageBox, WidthsAndLines) {
  const int h = test::lineHeightOf(kTextFont);
  const std::string longQuestion = "Diese Frage ist viel zu lang für die kleinste Breite";
  const std::string longDisplay = "Und diese Anzeige ist auch zu lang für die kleinste Breite";
  struct Case { std::string text, question; int buttons; int width, questionTop, buttonTop; };
  const Case cases[] = {
      {"kurz", "", 2, 225, 8 + 2 * h, 8 + 4 * h},  // an empty question counts one line
      {"kurz", "LÖSCHEN ?", 4, 275, 8 + 2 * h, 8 + 4 * h},
      {"kurz", "a\n" + longQuestion, 2, 64 + test::textWidthOf(kTextFont, longQuestion) + 30, 8 + 2 * h, 8 + 5 * h},
      {longDisplay + "\nb", "", 2, 64 + test::textWidthOf(kTextFont, longDisplay) + 30, 8 + 3 * h, 8 + 5 * h},
  };
  for (const Case& c : cases) {
    const Seen s = seenFor(1, "", c.text, c.question, c.buttons);
    EXPECT_EQ(s.width, std::max(225, c.width)) << c.text << " / " << c.question;
    EXPECT_EQ(s.questionTop, c.questionTop) << c.text << " / " << c.question;
    EXPECT_EQ(s.buttonTop, c.buttonTop) << c.text << " / " << c.question;
    EXPECT_EQ(s.height, c.buttonTop + 35) << c.text << " / " << c.question;
  }
}

TEST(MyMessageBox, EachMessageIsSpacedByItsOwnTexts) {
  // The line height must not come from the question the box showed before.
  const Seen fresh = seenFor(3, "", "Ordner \n\n/HOME/X", "LÖSCHEN ?", 3);
  seenFor(1, "", "Kann Ordner \n\n/HOME/X", "nicht\nlöschen.\nWirklich\nnicht.", 2);
  const Seen after = seenFor(3, "", "Ordner \n\n/HOME/X", "LÖSCHEN ?", 3);
  EXPECT_EQ(after.questionTop, fresh.questionTop);
  EXPECT_EQ(after.buttonTop, fresh.buttonTop);
  EXPECT_EQ(after.height, fresh.height);
  EXPECT_EQ(after.width, fresh.width);
}

TEST(MyMessageBox, OneBoxForTheWholeRun) {
  Tmymsg& box = theBox();
  installMessageBoxes(box);
  for (const char* text : {"Eins", "Zwei"}) {
    Fl_Window* shown = nullptr;
    test::answerNextModal([&](Fl_Window& w) {
      shown = &w;
      test::pressCloseBox(w);
    });
    core::MyMessageBox(core::mtInformation, "", text, "", core::mbOK);
    EXPECT_EQ(shown, &box) << text;
    EXPECT_FALSE(box.shown()) << "hidden between calls";
    EXPECT_EQ(box.Anzeigetext->Caption(), text) << "what a call set stays until the next";
  }
  core::setMyMessageBox(nullptr);
}

TEST(MyMessageBox, InstalledIntoCore) {
  installMessageBoxes(theBox());
  Seen s;
  const int result = [&] {
    test::answerNextModal([&](Fl_Window& w) {
      s = look(dynamic_cast<Tmymsg&>(w));
      test::findButton(w, "&Ja")->do_callback();
    });
    return core::MyMessageBox(core::mtConfirmation, "", "Ordner \n\n/A&B", "LÖSCHEN ?", core::mbJaNein);
  }();
  EXPECT_EQ(result, core::mrYes);
  EXPECT_EQ(s.title, "Bestätigung");

  Application::instance().Title("Tavilo");
  std::string title, text, buttons;
  test::answerNextModal([&](Fl_Window& w) {
    auto& box = dynamic_cast<PlainBox&>(w);
    title = box.label();
    text = box.Text()->Caption();
    buttons = test::describeButtons(box);
    int pictures = 0;
    for (int i = 0; i < box.children(); ++i)
      if (box.child(i)->image()) ++pictures;
    EXPECT_EQ(pictures, 0);
    test::sendEnter(box);
  });
  core::plainMessageBox("Fehler");
  EXPECT_EQ(title, "Tavilo");
  EXPECT_EQ(text, "Fehler");
  EXPECT_EQ(buttons, "OK=1");
  core::setMyMessageBox(nullptr);
  core::setPlainMessageBox(nullptr);
}

}  // namespace
}  // namespace tavilo::gui
