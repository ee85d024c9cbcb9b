#include "gui/my_msg_dlg.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialog_test_support.h"
#include "gui/application.h"
#include "gui/glyphs.h"
#include "gui/widgets/bit_btn.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/styled_button.h"
#include "gui/widgets/text_label.h"
#include "modal_answer.h"
#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

using test::describeButtons;
using test::shownButtons;

const char* setName(TMsgBtn b) {
  static const char* const names[] = {"mbJa",  "mbNein", "mbOK",        "mbJaNein",
                                      "mbJaNeinAbbruch", "mbLeer", "mbJaNeinAlle"};
  return b <= mbJaNeinAlle ? names[b] : "?";
}

// Runs Execute while `answer` handles the shown form; returns Execute's result.
int executeAnswering(TmyMsgDlg& dlg, const std::function<void(TmsgForm&)>& answer, TMsgType icon = mtInformation,
                     const std::string& caption = "Test", const std::string& text = "Text",
                     const std::string& question = "Frage", TMsgBtn buttons = mbOK) {
  test::answerNextModal([&](Fl_Window& w) {
    auto* form = dynamic_cast<TmsgForm*>(&w);
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form, dlg.Form());
    answer(*form);
    if (w.shown()) test::pressCloseBox(w);  // never leave a test hanging
  });
  return dlg.Execute(icon, caption, text, question, buttons);
}

TEST(MyMsgDlg, PropertiesAfterCreation) {
  const TmyMsgDlg dlg;
  EXPECT_EQ(dlg.ButtonTyp(), btypNormal);
  EXPECT_EQ(dlg.TextColor(), 0x000000u);
  EXPECT_EQ(dlg.StartColor(), 0x8AB0FFu);
  EXPECT_EQ(dlg.EndColor(), 0xC0C0C0u);
  EXPECT_TRUE(dlg.Background());
  EXPECT_EQ(dlg.CaptionText(), "");
  EXPECT_EQ(dlg.AnzeigeText(), "");
  EXPECT_EQ(dlg.FrageText(), "");
  EXPECT_EQ(dlg.Position(), poMainFormCenter);
  EXPECT_EQ(dlg.Buttons(), mbOK);
  EXPECT_EQ(dlg.IconTyp(), mtInformation);
  EXPECT_TRUE(dlg.Sprache_D());
  EXPECT_EQ(static_cast<int>(mtLeer), 5);
  EXPECT_EQ(static_cast<int>(mbLeer), 5);
  EXPECT_EQ(static_cast<int>(mbJaNeinAlle), 6);
}

TEST(MyMsgDlg, EnterAtOnceAnswersTheFocusedButton) {
  struct Case { TMsgBtn buttons; int result; };
  const Case cases[] = {{mbJa, 6},          {mbNein, 7},          {mbOK, 1},
                        {mbJaNein, 7},      {mbJaNeinAbbruch, 2}, {mbJaNeinAlle, 2}};
  for (const bTyp style : {btypNormal, btypLMD}) {
    for (const Case& c : cases) {
      TmyMsgDlg dlg;
      dlg.ButtonTyp(style);
      std::string focused;
      const int result = executeAnswering(
          dlg,
          [&](TmsgForm& f) {
            if (auto* b = dynamic_cast<TDialogButton*>(Fl::focus())) focused = b->Caption();
            test::sendEnter(f);
          },
          mtInformation, "", "Text", "Frage", c.buttons);
      EXPECT_EQ(result, c.result) << setName(c.buttons) << " style " << int(style) << ", focus on " << focused;
    }
  }
}

TEST(MyMsgDlg, TheCloseBoxAnswersTwoForEverySet) {
  for (int set = mbJa; set <= mbJaNeinAlle; ++set) {
    TmyMsgDlg dlg;
    dlg.Buttons(mbLeer);  // mbLeer in both: no button at all
    const int result =
        executeAnswering(dlg, [](TmsgForm& f) { test::pressCloseBox(f); }, mtInformation, "", "Text", "",
                         static_cast<TMsgBtn>(set));
    EXPECT_EQ(result, 2) << setName(static_cast<TMsgBtn>(set));
  }
}

TEST(MyMsgDlg, EscDoesNothing) {
  for (const TMsgBtn set : {mbJaNein, mbJaNeinAbbruch, mbOK}) {
    TmyMsgDlg dlg;
    bool stillShown = false;
    const int result = executeAnswering(
        dlg,
        [&](TmsgForm& f) {
          test::sendEscape(f);
          test::pump(0.05);
          stillShown = f.shown() != 0;
          test::pressCloseBox(f);
        },
        mtInformation, "", "Text", "", set);
    EXPECT_TRUE(stillShown) << setName(set);
    EXPECT_EQ(result, 2) << setName(set);
  }
}

TEST(MyMsgDlg, AcceleratorsWithAndWithoutAlt) {
  struct Case { bool german; const char* text; int state; int result; };
  const Case cases[] = {
      {true, "j", 0, 6},      {true, "j", FL_ALT, 6}, {true, "J", 0, 6}, {true, "n", 0, 7},
      {true, "a", FL_ALT, 2}, {true, "y", 0, 0},      {false, "y", 0, 6}, {false, "n", FL_ALT, 7},
      {false, "c", 0, 2},     {false, "j", 0, 0},
  };
  for (const Case& c : cases) {
    TmyMsgDlg dlg;
    dlg.Sprache_D(c.german);
    bool stillShown = false;
    const int result = executeAnswering(
        dlg,
        [&](TmsgForm& f) {
          test::sendKey(f, static_cast<unsigned char>(c.text[0]) | 0x20, c.text, c.state);
          stillShown = f.shown() != 0;
        },
        mtInformation, "", "Text", "", mbJaNeinAbbruch);
    // A key that is no accelerator leaves the window to the close box: 2.
    EXPECT_EQ(stillShown ? 0 : result, c.result) << c.text << (c.state ? " with Alt" : "") << " german " << c.german;
  }
}

TEST(MyMsgDlg, ButtonSetsCaptionsAndResults) {
  struct Case { TMsgBtn buttons; bool german; const char* shown; };
  const Case cases[] = {
      {mbJa, true, "&Ja=6"},
      {mbNein, true, "&Nein=7"},
      {mbOK, true, "Ok=1"},
      {mbOK, false, "Ok=1"},
      {mbJaNein, true, "&Ja=6 &Nein=7"},
      {mbJaNein, false, "&Yes=6 &No=7"},
      {mbJaNeinAbbruch, true, "&Ja=6 &Nein=7 &Abbruch=2"},
      {mbJaNeinAbbruch, false, "&Yes=6 &No=7 &Cancel=2"},
      {mbJaNeinAlle, true, "&Ja=6 &Nein=7 &Abbruch=2 Ja-Alle=10 Nein-Alle=9"},
      {mbJaNeinAlle, false, "&Yes=6 &No=7 &Cancel=2 Yes-All=10 No-All=9"},
      {mbLeer, true, ""},
  };
  for (const bTyp style : {btypNormal, btypLMD}) {
    for (const Case& c : cases) {
      TmyMsgDlg dlg;
      dlg.ButtonTyp(style);
      dlg.Sprache_D(c.german);
      dlg.Buttons(mbLeer);
      std::string shown;
      std::string styleOk;
      executeAnswering(
          dlg,
          [&](TmsgForm& f) {
            shown = describeButtons(f);
            for (TDialogButton* b : shownButtons(f)) {
              const bool styled = dynamic_cast<TStyledButton*>(b) != nullptr;
              if (styled != (style == btypLMD)) styleOk += " wrong style: " + b->Caption();
            }
          },
          mtInformation, "", "Text", "", c.buttons);
      EXPECT_EQ(shown, c.shown) << setName(c.buttons) << " german " << c.german << " style " << int(style);
      EXPECT_EQ(styleOk, "") << setName(c.buttons);
    }
  }
}

TEST(MyMsgDlg, EveryShownButtonAnswersItsResult) {
  for (const bTyp style : {btypNormal, btypLMD}) {
    for (int i = 0; i < 5; ++i) {
      TmyMsgDlg dlg;
      dlg.ButtonTyp(style);
      int expected = -1;
      const int result = executeAnswering(
          dlg,
          [&](TmsgForm& f) {
            TDialogButton* b = shownButtons(f).at(static_cast<std::size_t>(i));
            expected = b->ModalResult();
            b->do_callback();
          },
          mtInformation, "", "Text", "", mbJaNeinAlle);
      EXPECT_EQ(result, expected) << "button " << i << " style " << int(style);
    }
  }
}

TEST(MyMsgDlg, StyledButtonsTakeTheSamePlaces) {
  for (const TMsgBtn set : {mbOK, mbJaNein, mbJaNeinAbbruch, mbJaNeinAlle}) {
    std::string places[2];
    for (const bTyp style : {btypNormal, btypLMD}) {
      TmyMsgDlg dlg;
      dlg.ButtonTyp(style);
      executeAnswering(
          dlg,
          [&](TmsgForm& f) {
            for (TDialogButton* b : shownButtons(f))
              places[style] += std::to_string(b->x()) + "," + std::to_string(b->y()) + "," +
                               std::to_string(b->w()) + "," + std::to_string(b->h()) + " ";
            if (style == btypLMD) {
              for (TDialogButton* b : {static_cast<TDialogButton*>(f.btn1), static_cast<TDialogButton*>(f.btn2),
                                       static_cast<TDialogButton*>(f.btn3), static_cast<TDialogButton*>(f.btn11),
                                       static_cast<TDialogButton*>(f.btn21)})
                EXPECT_FALSE(b->visible()) << "bitmap buttons stay hidden: " << setName(set);
              EXPECT_EQ(f.btn1LMD->Font().face, "Arial");
              EXPECT_TRUE(f.btn1LMD->Font().bold);
              EXPECT_EQ(f.btn1LMD->Font().size, 11);
            }
          },
          mtInformation, "", "Text", "", set);
    }
    EXPECT_EQ(places[btypNormal], places[btypLMD]) << setName(set);
    EXPECT_NE(places[btypNormal], "") << setName(set);
  }
}

TEST(MyMsgDlg, TitlesAndPictures) {
  struct Case { TMsgType icon; TMsgType property; const char* caption; const char* captionText; bool german;
                const char* title; Fl_RGB_Image* picture; };
  const Case cases[] = {
      {mtConfirmation, mtInformation, "", "", true, "Bestätigung", glyphs::confirmation()},
      {mtConfirmation, mtInformation, "", "", false, "Confirmation", glyphs::confirmation()},
      {mtCustom, mtInformation, "", "", true, "Information", glyphs::information()},
      {mtCustom, mtInformation, "", "", false, "Information", glyphs::information()},
      {mtWarning, mtInformation, "", "", true, "Warnung", glyphs::warning()},
      {mtWarning, mtInformation, "", "", false, "Warning", glyphs::warning()},
      {mtError, mtInformation, "", "", true, "Fehler", glyphs::error()},
      {mtError, mtInformation, "", "", false, "Error", glyphs::error()},
      {mtError, mtInformation, "", "Eigener", true, "Eigener", glyphs::error()},
      {mtError, mtInformation, "Tavilo", "Eigener", true, "Tavilo", glyphs::error()},
      {mtLeer, mtWarning, "", "", true, "Warnung", glyphs::warning()},
      {mtLeer, mtLeer, "", "", true, "", glyphs::information()},  // the design picture, no title
  };
  for (const Case& c : cases) {
    TmyMsgDlg dlg;
    dlg.IconTyp(c.property);
    dlg.CaptionText(c.captionText);
    dlg.Sprache_D(c.german);
    std::string title;
    Fl_Image* picture = nullptr;
    executeAnswering(
        dlg,
        [&](TmsgForm& f) {
          title = f.label() ? f.label() : "";
          picture = f.Image->image();
        },
        c.icon, c.caption, "Text", "", mbOK);
    EXPECT_EQ(title, c.title) << c.icon << " / " << c.property << " german " << c.german;
    EXPECT_EQ(picture, c.picture) << c.icon << " / " << c.property;
  }
}

TEST(MyMsgDlg, EmptyArgumentsTakeTheProperties) {
  TmyMsgDlg dlg;
  dlg.AnzeigeText("Anzeige aus der Eigenschaft");
  dlg.FrageText("Frage aus der Eigenschaft");
  dlg.CaptionText("Titel");
  dlg.Buttons(mbJaNein);
  std::string display, question, buttons, title;
  auto look = [&](TmsgForm& f) {
    display = f.Anzeigetext->Caption();
    question = f.Fragetext->Caption();
    buttons = describeButtons(f);
    title = f.label();
  };
  executeAnswering(dlg, look, mtLeer, "", "", "", mbLeer);
  EXPECT_EQ(display, "Anzeige aus der Eigenschaft");
  EXPECT_EQ(question, "Frage aus der Eigenschaft");
  EXPECT_EQ(buttons, "&Ja=6 &Nein=7");
  EXPECT_EQ(title, "Titel");
  executeAnswering(dlg, look, mtError, "Eigen", "Anzeige", "Frage?", mbOK);
  EXPECT_EQ(display, "Anzeige");
  EXPECT_EQ(question, "Frage?");
  EXPECT_EQ(buttons, "Ok=1");
  EXPECT_EQ(title, "Eigen");
  EXPECT_EQ(dlg.AnzeigeText(), "Anzeige aus der Eigenschaft") << "Execute leaves the properties alone";
  EXPECT_EQ(dlg.Buttons(), mbJaNein);
}

TEST(MyMsgDlg, AFreshFormForEveryCall) {
  TmyMsgDlg dlg;
  TmsgForm* first = nullptr;
  int firstChildren = 0, secondChildren = 0;
  executeAnswering(dlg, [&](TmsgForm& f) {
    first = &f;
    firstChildren = f.children();
  });
  EXPECT_EQ(dlg.Form(), nullptr) << "the form is freed after the call";
  executeAnswering(dlg, [&](TmsgForm& f) {
    secondChildren = f.children();
    EXPECT_EQ(f.Anzeigetext->Caption(), "Text");
  });
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(firstChildren, secondChildren);
  EXPECT_EQ(firstChildren, 19) << "BG, Image, two texts, four pictures, lblTest and ten buttons";
}

TEST(MyMsgDlg, ColoursAndBackground) {
  TmyMsgDlg dlg;
  dlg.StartColor(0x112233);
  dlg.EndColor(0x445566);
  dlg.TextColor(0x0000FF);
  bool bgShown = true;
  executeAnswering(dlg, [&](TmsgForm& f) {
    EXPECT_EQ(f.BG->StartColor(), 0x112233u);
    EXPECT_EQ(f.BG->EndColor(), 0x445566u);
    EXPECT_EQ(f.BG->Direction(), gdUpDown);
    EXPECT_EQ(f.Anzeigetext->Font().color, 0x0000FFu);
    EXPECT_EQ(f.Fragetext->Font().color, 0x0000FFu);
    EXPECT_EQ(f.BG->w(), f.w()) << "the gradient fills the client area";
    EXPECT_EQ(f.BG->h(), f.h());
    bgShown = f.BG->visible();
  });
  EXPECT_TRUE(bgShown);
  dlg.Background(false);
  executeAnswering(dlg, [&](TmsgForm& f) { bgShown = f.BG->visible(); });
  EXPECT_FALSE(bgShown);
}

// What a paste of the clipboard gives, read back through FLTK.
std::string clipboardText() {
  struct Receiver : Fl_Box {
    Receiver() : Fl_Box(0, 0, 1, 1) {}
    int handle(int event) override {
      if (event != FL_PASTE) return Fl_Box::handle(event);
      text.assign(Fl::event_text(), static_cast<std::size_t>(Fl::event_length()));
      return 1;
    }
    std::string text;
  } receiver;
  Fl::paste(receiver, 1, Fl::clipboard_plain_text);
  return receiver.text;
}

TEST(MyMsgDlg, CtrlCCopiesTheMessageAndAnswersNothing) {
  // English, where a plain "c" is the accelerator of "&Cancel".
  TmyMsgDlg dlg;
  dlg.Sprache_D(false);
  bool stillShown = false;
  const int result = executeAnswering(
      dlg,
      [&](TmsgForm& f) {
        test::sendKey(f, 'c', "\x03", FL_CTRL);
        stillShown = f.shown() != 0;
        test::pressCloseBox(f);
      },
      mtConfirmation, "", "Ordner\n\n/TMP/X & Y", "LÖSCHEN ?", mbJaNeinAbbruch);
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(result, 2);
  EXPECT_EQ(clipboardText(), "Confirmation\nOrdner\n\n/TMP/X & Y\nLÖSCHEN ?");
}

}  // namespace
}  // namespace tavilo::gui
