#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/ini/config_file.h"
#include "gui/application.h"
#include "gui/error_box.h"
#include "main_window_test_support.h"
#include "modal_answer.h"
#include "x11_probe.h"

namespace tavilo::gui {
namespace {

using test::at;
using core::Rect;

// Rect of a window child relative to the area inside the border.
Rect inClient(const TfrmMain& w, const Fl_Widget& c) {
  Rect r = at(c);
  r.left -= w.BorderWidth();
  r.top -= w.BorderWidth();
  return r;
}

TEST(MainWindowCreate, WithoutAFileTheSampleIsWrittenAndShown) {
  test::Medium medium;
  auto w = test::openMainWindow(medium);
  EXPECT_TRUE(std::filesystem::exists(medium.root() / "Tavilo.ini"));
  EXPECT_STREQ(w->label(), "Tavilo 4.02");
  EXPECT_EQ(w->w(), 500);
  EXPECT_EQ(w->h(), 500);
  EXPECT_TRUE(w->Frameless());
  EXPECT_TRUE(w->btnX1->visible());
  EXPECT_TRUE(w->btnMin->visible());
  ASSERT_EQ(w->lbGruppe->Count(), 2);
  EXPECT_EQ(w->lbGruppe->Item(0), "Gruppe 1");
  EXPECT_EQ(w->lbGruppe->Item(1), "Gruppe 2");
  EXPECT_EQ(w->cd_titel->Caption(), "Velmora");
  EXPECT_EQ(w->Model().IniFileName, medium.dir() + "Tavilo.ini");

  // The rounded shape, set when the window is first drawn: corners cut, the
  // middle row full width.
  test::ShapeInfo shape;
  for (int i = 0; i < 400 && !(shape = test::boundingShape(*w)).shaped; ++i) Fl::wait(0.05);
  ASSERT_TRUE(shape.shaped);
  EXPECT_GT(shape.firstRowLeft, 5);
  EXPECT_EQ(shape.middleRowLeft, 0);
  EXPECT_EQ(shape.middleRowRight, 500);
}

// A CD without long names shows the file as "tavilo.ini"; Windows reads it
// in any case, and so does the menu here, writing no sample beside it.
TEST(MainWindowCreate, TheFileIsFoundInTheMediumsSpelling) {
  test::Medium medium;
  medium.file("tavilo.ini", "[Programm]\r\nVersion=4.02\r\nCD_Titel=Klein geschrieben\r\n");
  auto w = test::openMainWindow(medium);
  EXPECT_EQ(w->Model().IniFileName, medium.dir() + "tavilo.ini");
  EXPECT_EQ(w->cd_titel->Caption(), "Klein geschrieben");
  EXPECT_FALSE(std::filesystem::exists(medium.root() / "Tavilo.ini")) << "a sample was written beside it";
}

TEST(MainWindowCreate, TheSampleFileGivesTheWorkedLayout) {
  test::Medium medium;
  auto w = test::openMainWindow(medium);
  EXPECT_EQ(w->BorderWidth(), 6);
  EXPECT_EQ(inClient(*w, *w->Panel1), (Rect{0, 0, 488, 50}));
  EXPECT_EQ(inClient(*w, *w->Panel4), (Rect{0, 438, 488, 30}));
  EXPECT_EQ(inClient(*w, *w->MyStatusBar1), (Rect{0, 468, 488, 20}));
  EXPECT_EQ(inClient(*w, *w->pnLinks), (Rect{0, 50, 250, 388}));
  EXPECT_EQ(inClient(*w, *w->pnRechts), (Rect{250, 50, 238, 388}));
  EXPECT_EQ(at(*w->Gruppen_Ueberschrift).width, 230);
  EXPECT_EQ(at(*w->Gruppen_Ueberschrift_2).width, 230);
  EXPECT_EQ(at(*w->Programm_Ueberschrift).width, 218);
  EXPECT_EQ(at(*w->Programm_Ueberschrift).left, 10);
  EXPECT_EQ(at(*w->lbGruppe), (Rect{10, 50, 230, 153}));
  EXPECT_EQ(at(*w->pnImage), (Rect{10, 213, 230, 165}));
  EXPECT_EQ(at(*w->lbProgramm), (Rect{10, 50, 218, 153}));
  EXPECT_EQ(at(*w->pnBemerkung), (Rect{10, 213, 218, 165}));
  // The sample shows only the used button: the first entry (a program) placed them.
  EXPECT_EQ(at(*w->btnStarten).left, 145);
  EXPECT_EQ(at(*w->btnInstall).left, 45);
  EXPECT_EQ(at(*w->btnCDdurchsuchen).left, 255);
  // The layout alone centres all four around the outer middle.
  w->FormResize();
  EXPECT_EQ(at(*w->btnInstall).left, 35);
  EXPECT_EQ(at(*w->btnStarten).left, 145);
  EXPECT_EQ(at(*w->btnKopieren).left, 255);
  EXPECT_EQ(at(*w->btnCDdurchsuchen).left, 365);
  EXPECT_EQ(at(*w->btnX1).left, 465);
  EXPECT_EQ(at(*w->btnMin).left, 442);
  EXPECT_EQ(at(*w->Logo).left, 372);
  EXPECT_EQ(at(*w->cd_titel).left, 10);
  // The sample's second heading lines are empty: the first lines moved from 6 to 16.
  EXPECT_EQ(at(*w->Gruppen_Ueberschrift).top, 16);
  EXPECT_EQ(at(*w->Programm_Ueberschrift).top, 16);
  EXPECT_EQ(w->Gruppen_Ueberschrift->Caption(), "Gruppen");
  EXPECT_TRUE(w->Model().ShowOnlyUsedButtons);
}

TEST(MainWindowCreate, ButtonRowFollowsTheWidthWithHalvesToEven) {
  for (int width : {701, 703}) {
    test::Medium medium;
    medium.ini("[Programm]\nVersion=4\nBreite=" + std::to_string(width) + "\n[Hiermit_Ausfuehren]\nAnzahl=0\n");
    auto w = test::openMainWindow(medium);
    EXPECT_EQ(at(*w->btnInstall).left, 136) << width;
    EXPECT_EQ(at(*w->btnStarten).left, 246) << width;
    EXPECT_EQ(at(*w->btnKopieren).left, 356) << width;
    EXPECT_EQ(at(*w->btnCDdurchsuchen).left, 466) << width;
  }
}

TEST(MainWindowCreate, AFolderThatCannotBeWrittenKeepsTheDesignWindow) {
  std::string message;
  test::answerNextModal([&](Fl_Window& box) {
    message = dynamic_cast<ErrorBox&>(box).message();
    box.hide();
  });
  TfrmMain w("/proc/");
  EXPECT_EQ(message, "nach /proc/Tavilo.ini kann nicht geschrieben werden.");
  EXPECT_EQ(w.w(), 500);
  EXPECT_EQ(w.h(), 500);
  EXPECT_EQ(w.lbGruppe->Count(), 0);
  EXPECT_EQ(w.cd_titel->Caption(), "CD-Titel");
  EXPECT_EQ(w.BorderWidth(), 8);
  EXPECT_FALSE(w.Frameless());
  EXPECT_FALSE(std::filesystem::exists("/proc/Tavilo.ini"));
}

TEST(MainWindowCreate, AColourThatIsNoNumberStopsTheStart) {
  test::Medium medium;
  medium.ini("[Programm]\nVersion=4.02\nBorderFarbe=$00FF00\nFensterFarbe=blau\nVerlaufFarbe=$0000FF\n"
             "Breite=640\nBorder_Style=0\n[Gruppen]\nAnzahl=1\nGruppe_1=Eins\n");
  std::string message;
  int boxes = 0;
  test::answerAllModals([&](Fl_Window& box) {
    ++boxes;
    message = dynamic_cast<ErrorBox&>(box).message();
    box.hide();
  });
  TfrmMain w(medium.dir());
  test::stopAnswering();
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(message, "'blau' ist kein gültiger Integerwert.");
  EXPECT_EQ(w.lbGruppe->Color(), 0x75C5F0u) << "the lists keep their design colour";
  EXPECT_EQ(fromFl(w.color()), 0x00FF00u) << "the frame colour came before the error";
  EXPECT_EQ(w.IF_Gradient1->StartColor(), 0x4080FFu);
  EXPECT_EQ(w.Model().GradientStartColor, 0u);
  EXPECT_EQ(w.w(), 500);
  EXPECT_FALSE(w.Frameless());
  EXPECT_EQ(w.lbGruppe->Count(), 0);
}

// The error box of a logo that cannot be loaded comes before any entry was
// chosen: the link label shows nothing of itself until an entry sets it.
TEST(MainWindowCreate, ABrokenLogosErrorBoxShowsNoUnsetLink) {
  test::Medium medium;
  medium.ini("[Programm]\nVersion=4.02\nLogo=logo.jpg\n[Gruppen]\nAnzahl=1\nGruppe_1=Eins\n[Gruppe_1]\nAnzahl=1\n"
             "Programm_1=A\n[Programm_1_1]\nTyp=Leer\nLink=[http://a.example+Seite]\n[Hiermit_Ausfuehren]\nAnzahl=0\n");
  medium.file("logo.jpg", "kein Bild");
  auto w = test::openMainWindow(medium, false);
  std::string message;
  bool linkShown = true;
  test::answerNextModal([&](Fl_Window& box) {
    message = dynamic_cast<ErrorBox&>(box).message();
    linkShown = w->WebLabel1->visible();
    box.hide();
  });
  Application& app = Application::instance();
  app.MainForm(w.get());
  w->show();
  Fl::flush();
  app.activate(w.get());
  test::stopAnswering();
  EXPECT_NE(message.find("logo.jpg"), std::string::npos) << message;
  EXPECT_FALSE(linkShown);
  EXPECT_TRUE(w->WebLabel1->visible());
  EXPECT_EQ(w->WebLabel1->Caption(), "[ Seite ]");
}

TEST(MainWindowCreate, FramedWindowsHideTheirOwnButtons) {
  for (const char* style : {"", "1", "00", "none"}) {
    test::Medium medium;
    medium.ini(std::string("[Programm]\nVersion=4.02\nBorder_Style=") + style + "\nLogoPos=rechts\n");
    auto w = test::openMainWindow(medium);
    EXPECT_FALSE(w->Frameless()) << style;
    EXPECT_FALSE(w->btnX1->visible()) << style;
    EXPECT_FALSE(w->btnMin->visible()) << style;
    EXPECT_FALSE(test::boundingShape(*w).shaped) << style;
    // The logo still sits left of the hidden minimise button's place.
    EXPECT_EQ(at(*w->Logo).left, at(*w->btnMin).left - 60 - 10) << style;
  }
}

TEST(MainWindowCreate, HeadingsAndGroupVisibility) {
  test::Medium medium;
  medium.ini("[Programm]\nVersion=4.02\nGruppen_Ueberschrift=\nGruppen_Ueberschrift2=\n"
             "Programm_Ueberschrift=Alle\nProgramm_Ueberschrift2=Programme & Dateien\nFontName=Liberation Serif\n"
             "[Gruppen]\nShow_Gruppen=0\nAnzahl=1\nGruppe_1=Eins\n"
             "[Gruppe_1]\nAnzahl=2\nProgramm_1=A\nProgramm_2=B\n[Hiermit_Ausfuehren]\nAnzahl=0\n");
  auto w = test::openMainWindow(medium);
  EXPECT_EQ(w->Gruppen_Ueberschrift->Caption(), "Gruppen");
  EXPECT_EQ(at(*w->Gruppen_Ueberschrift).top, 16);
  EXPECT_EQ(w->Programm_Ueberschrift->Caption(), "Alle");
  EXPECT_EQ(at(*w->Programm_Ueberschrift).top, 6) << "a second line keeps the first at its place";
  EXPECT_EQ(w->Programm_Ueberschrift->Font().face, "Liberation Serif");
  EXPECT_FALSE(w->Programm_Ueberschrift_2->ShowAccelChar()) << "an '&' of the configuration is an ampersand";
  EXPECT_FALSE(w->cd_titel->ShowAccelChar());
  EXPECT_EQ(w->cd_titel->Font().face, "Liberation Serif");
  EXPECT_FALSE(static_cast<Fl_Widget*>(w->lbGruppe)->visible());
  EXPECT_FALSE(w->Gruppen_Ueberschrift->visible());
  EXPECT_FALSE(w->Gruppen_Ueberschrift_2->visible());
  ASSERT_EQ(w->lbProgramm->Count(), 2) << "the first group's entries are listed all the same";
  EXPECT_EQ(w->lbProgramm->Item(1), "B");
}

TEST(MainWindowCreate, ColoursAndSizesOfTheConfiguration) {
  test::Medium medium;
  medium.ini("[Programm]\nVersion=4.02\nFensterFarbe=16761281\nverlauffarbe=$000080\nVerlaufFarbe2=$008000\n"
             "RahmenFarbe=$010203\nRahmenFarbe2=$040506\nTitelfarbe=$0000FF\nFenster_Schriftfarbe=$111111\n"
             "Rahmen_Schriftfarbe=$222222\nBreite=abc\nHoehe=0x258\nShowOnlyUsedButton=ja\n");
  auto w = test::openMainWindow(medium);
  EXPECT_EQ(w->lbGruppe->Color(), 0xFFC1C1u);
  EXPECT_EQ(w->lbProgramm->Color(), 0xFFC1C1u);
  EXPECT_EQ(w->Bemerkung->Color(), 0xFFC1C1u);
  EXPECT_EQ(w->pnImage->Color(), 0xFFC1C1u);
  EXPECT_EQ(w->IF_Gradient1->StartColor(), 0x000080u);
  EXPECT_EQ(w->IF_Gradient2->StartColor(), 0x000080u);
  EXPECT_EQ(w->IF_Gradient2->EndColor(), 0x008000u);
  EXPECT_EQ(w->Model().GradientStartColor, 0x000080u);
  EXPECT_EQ(w->Model().GradientEndColor, 0x008000u);
  EXPECT_EQ(w->IF_Gradient3->StartColor(), 0x010203u);
  EXPECT_EQ(w->IF_Gradient3->EndColor(), 0x040506u);
  EXPECT_EQ(w->IF_Gradient4->StartColor(), 0x040506u);
  EXPECT_EQ(w->IF_Gradient4->EndColor(), 0x010203u);
  EXPECT_EQ(w->cd_titel->Font().color, 0x0000FFu);
  EXPECT_EQ(w->btnStarten->Font().color, 0x0000FFu) << "the buttons' captions follow the title colour";
  EXPECT_EQ(w->lbGruppe->Font().color, 0x111111u);
  EXPECT_EQ(w->Programm_Ueberschrift_2->Font().color, 0x222222u);
  EXPECT_EQ(w->w(), 700);
  EXPECT_EQ(w->h(), 600);
  EXPECT_FALSE(w->Model().ShowOnlyUsedButtons);
  EXPECT_FALSE(w->btnStarten->active());
  EXPECT_TRUE(w->btnCDdurchsuchen->active());
}

TEST(MainWindowCreate, HugeGroupCountsAreCapped) {
  test::Medium medium;
  medium.ini("[Programm]\nVersion=4.02\n[Gruppen]\nAnzahl=2000000000\nGruppe_1=Eins\n");
  auto w = test::openMainWindow(medium, false);
  EXPECT_EQ(w->lbGruppe->Count(), 10000);
  EXPECT_EQ(w->lbGruppe->Item(0), "Eins");
}

}  // namespace
}  // namespace tavilo::gui

namespace tavilo::gui {
namespace {

TEST(MainWindowCreate, MenuCaptionsAndHintsInTheStatusLine) {
  test::Medium medium;
  auto w = test::openMainWindow(medium);
  const char* captions[8] = {"Starten / Öffnen", "Installieren", "-", "Kopieren", "-",
                             "CD durchsuchen...", "-", "Tavilo beenden"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w->PopupMenu1[static_cast<std::size_t>(i)].Caption, captions[i]) << i;
  EXPECT_TRUE(w->Startenoeffnen1().Enabled) << "the sample's first entry is a program";
  EXPECT_FALSE(w->Installieren1().Enabled);
  EXPECT_FALSE(w->Kopieren1().Enabled);
  EXPECT_TRUE(w->CDdurchsuchen1().Enabled);

  Application& app = Application::instance();
  EXPECT_EQ(app.hintOf(w->imgScreenshot), "Click: Vergrößern ");
  EXPECT_EQ(app.hintOf(w->btnMin), "Programm minimieren");
  EXPECT_STREQ(w->btnX1->tooltip(), "Programm beenden");
  EXPECT_EQ(w->lbGruppe->tooltip(), nullptr) << "the lists' hints go to the status line only";
  app.trackHint(w.get(), w->lbGruppe->x() + 5, w->lbGruppe->y() + 5);
  EXPECT_EQ(w->MyStatusBar1->Caption(), "Wähle hier die Programm- bzw Datei-Gruppe aus");
  app.trackHint(w.get(), w->IF_Gradient1->x() + 200, w->IF_Gradient1->y() + 45);
  EXPECT_EQ(w->MyStatusBar1->Caption(), "Fenster verschieben");
}

}  // namespace
}  // namespace tavilo::gui
