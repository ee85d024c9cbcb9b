#include <gtest/gtest.h>

#include <filesystem>

#include "gui/application.h"
#include "gui/no_picture.h"
#include "main_window_test_support.h"
#include "modal_answer.h"
#include "widget_test_support.h"

namespace tavilo::gui {
namespace {

using core::Rect;
using test::at;

const char* kBase =
    "[Programm]\nVersion=4.02\nBreite=600\nHoehe=500\nBreite_Links=50\nImageHoehe=50\nBemerkungsHoehe=50\n"
    "Leere_Bemerkung=Nichts dazu\n[Hiermit_Ausfuehren]\nAnzahl=0\n";

class Browsing : public ::testing::Test {
 protected:
  std::unique_ptr<TfrmMain> open(const std::string& more) { return openWith(std::string(kBase) + more); }
  std::unique_ptr<TfrmMain> openWith(const std::string& ini) {
    medium_.ini(ini);
    return test::openMainWindow(medium_);
  }
  test::Medium medium_;
};

TEST_F(Browsing, StartsOnGroupOneAndItsFirstEntry) {
  medium_.picture("bilder/eins.bmp", 400, 300);
  auto w = open("[Gruppen]\nAnzahl=2\nGruppe_1=A\nGruppe_2=B\n[Gruppe_1]\nAnzahl=2\nProgramm_1=Eins\nProgramm_2=Zwei\n"
                "[Programm_1_1]\nTyp=Programm\nLocation=eins.sh\nScreenshot=BILDER\\Eins.BMP\nBemerkung=Erstes\n"
                "Link=[http://a.example+Seite A]\n");
  EXPECT_EQ(w->Model().CurGroup, 1);
  EXPECT_EQ(w->Model().CurEntry, 1);
  EXPECT_EQ(w->lbGruppe->ItemIndex(), 0);
  EXPECT_EQ(w->lbProgramm->ItemIndex(), 0);
  ASSERT_EQ(w->lbProgramm->Count(), 2);
  EXPECT_EQ(w->Model().EntryLocation, medium_.dir() + "eins.sh");
  EXPECT_EQ(w->Model().EntryExt, ".sh");
  EXPECT_EQ(w->Model().EntryType, "programm");
  EXPECT_EQ(w->Model().ShownPicture, medium_.dir() + "bilder/eins.bmp");
  EXPECT_EQ(w->Bemerkung->Text(), "Erstes");
  EXPECT_TRUE(w->btnStarten->active());
  EXPECT_TRUE(w->Startenoeffnen1().Enabled);
  EXPECT_FALSE(w->btnInstall->active());
  EXPECT_FALSE(w->btnKopieren->active());
  EXPECT_TRUE(w->WebLabel1->visible());
  EXPECT_EQ(w->WebLabel1->Caption(), "[ Seite A ]");
  EXPECT_EQ(Application::instance().hintOf(w->WebLabel1), "Link zu: http://a.example");
  EXPECT_EQ(w->Model().LinkAddress, "http://a.example");
  EXPECT_TRUE(w->Bevel1->visible());
  EXPECT_EQ(at(*w->Bevel1).top, at(*w->WebLabel1).top + w->WebLabel1->h());
  // 400 x 300 fitted into the picture panel.
  const Rect panel = at(*w->pnImage);
  const Rect image = at(*w->imgScreenshot);
  EXPECT_EQ(image.height, panel.height);
  EXPECT_EQ(image.width, static_cast<int>(core::roundHalfEven(panel.height * 4.0L / 3)));
}

TEST_F(Browsing, PictureChoiceAndPlaceholder) {
  medium_.jpeg("fotos/strand.jpg", 320, 200);
  medium_.picture("bilder/standby.bmp", 50, 40);
  auto w = open("[Gruppen]\nAnzahl=1\n[Gruppe_1]\nAnzahl=3\n"
                "[Programm_1_1]\nLocation=fotos\\STRAND.JPG\n"
                "[Programm_1_2]\nLocation=doku.txt\nScreenshot=fehlt.jpg\n"
                "[Programm_1_3]\nLocation=kaputt.gif\n");
  EXPECT_EQ(w->Model().ShownPicture, medium_.dir() + "fotos/strand.jpg") << "a picture entry shows itself";
  w->lbProgramm->ItemIndex(1);
  w->lbProgrammClick();
  EXPECT_EQ(w->Model().ShownPicture, "") << "no Leer_Image configured: the placeholder";
  EXPECT_EQ(at(*w->imgScreenshot), (Rect{0, 0, w->pnImage->w(), w->pnImage->h()}));
  EXPECT_EQ(w->imgScreenshot->PictureWidth(), kNoPictureWidth) << "the built-in picture, made at its first use";

  medium_.file("kaputt.gif", "GIF89a not really");
  w->lbProgramm->ItemIndex(2);
  w->lbProgrammClick();
  EXPECT_EQ(w->Model().ShownPicture, "") << "a picture that cannot be decoded shows the placeholder";
  EXPECT_NE(w->MyStatusBar1->Caption().find("kaputt.gif"), std::string::npos) << w->MyStatusBar1->Caption();
  EXPECT_EQ(w->Bemerkung->Text(), "Nichts dazu") << "the rest of the entry is shown as usual";
  w->lbProgramm->ItemIndex(0);
  w->lbProgrammClick();
  EXPECT_EQ(w->MyStatusBar1->Caption().find("kaputt.gif"), std::string::npos) << "the note goes with its entry";
}

TEST_F(Browsing, StandByPictureFromLeerImage) {
  medium_.picture("bilder/standby.bmp", 50, 40);
  auto w2 = openWith("[Programm]\nVersion=4.02\nLeer_Image=bilder\\standby.bmp\n"
                     "[Gruppen]\nAnzahl=1\n[Gruppe_1]\nAnzahl=1\n[Programm_1_1]\nLocation=doku.txt\n"
                     "[Hiermit_Ausfuehren]\nAnzahl=0\n");
  EXPECT_EQ(w2->Model().EmptyImageFile, medium_.dir() + "bilder/standby.bmp");
  EXPECT_EQ(w2->Model().ShownPicture, medium_.dir() + "bilder/standby.bmp");
}

TEST_F(Browsing, CountsAboveTheKeysListEmptyRows) {
  auto w = open("[Gruppen]\nAnzahl=1\n[Gruppe_1]\nAnzahl=3\nProgramm_1=Eins\n[Programm_1_1]\nTyp=Programm\n"
                "Location=a.sh\n");
  ASSERT_EQ(w->lbProgramm->Count(), 3);
  EXPECT_EQ(w->lbProgramm->Item(2), "");
  w->lbProgramm->ItemIndex(2);
  w->lbProgrammClick();
  EXPECT_EQ(w->Model().CurEntry, 3);
  EXPECT_EQ(w->Model().ShownPicture, "");
  EXPECT_FALSE(w->WebLabel1->visible());
  EXPECT_EQ(w->Bemerkung->Text(), "");
  EXPECT_FALSE(w->btnStarten->active());
  EXPECT_FALSE(w->btnInstall->active());
  EXPECT_FALSE(w->btnKopieren->active());
}

TEST_F(Browsing, LinksDescriptionsAndTypes) {
  struct Case {
    const char* keys;
    const char* linkCaption;  // nullptr: no link
    const char* remark;
    bool start, install, copy;
  };
  const Case cases[] = {
      {"Typ=PROGRAMM\nLocation=a\nLink=[http://x+Mehr + Bilder]\n", "[ Mehr + Bilder ]", "Nichts dazu", true, false, false},
      {"Typ=installation\nLocation=a\nLink=[http://x]\nBemerkung=<b>fett</b> & @C\n", nullptr, "<b>fett</b> & @C",
       false, true, false},
      {"Typ=Nur Kopieren\nLocation=a\nLink=http://x+Seite\n", nullptr, "Nichts dazu", false, false, true},
      {"Typ=Program\nLocation=a\nLink=[ +Seite ohne Adresse]\n", nullptr, "Nichts dazu", false, false, false},
      {"Typ=Leer\nBemerkung=Ohne Ort\n", nullptr, "", false, false, false},
      {"Typ=Programm\nLocation= \t\nBemerkung=Ohne Ort\n", nullptr, "", true, false, false},
  };
  for (const Case& c : cases) {
    auto w = open(std::string("[Gruppen]\nAnzahl=1\n[Gruppe_1]\nAnzahl=1\nProgramm_1=E\n[Programm_1_1]\n") + c.keys);
    EXPECT_EQ(w->WebLabel1->visible() != 0, c.linkCaption != nullptr) << c.keys;
    EXPECT_EQ(w->Bevel1->visible() != 0, c.linkCaption != nullptr) << c.keys;
    if (c.linkCaption) {
      EXPECT_EQ(w->WebLabel1->Caption(), c.linkCaption) << c.keys;
    } else {
      EXPECT_EQ(w->Model().LinkAddress, "") << c.keys;
    }
    EXPECT_EQ(w->Bemerkung->Text(), c.remark) << c.keys;
    EXPECT_EQ(w->btnStarten->active() != 0, c.start) << c.keys;
    EXPECT_EQ(w->btnInstall->active() != 0, c.install) << c.keys;
    EXPECT_EQ(w->btnKopieren->active() != 0, c.copy) << c.keys;
    EXPECT_EQ(w->Installieren1().Enabled, c.install) << c.keys;
    EXPECT_EQ(w->Kopieren1().Enabled, c.copy) << c.keys;
  }
}

TEST_F(Browsing, OnlyTheUsedButtonIsShown) {
  auto w = openWith("[Programm]\nVersion=4.02\nBreite=600\nShowOnlyUsedButton=1\n"
                    "[Gruppen]\nAnzahl=1\n[Gruppe_1]\nAnzahl=2\n[Programm_1_1]\nTyp=Installation\nLocation=a\n"
                    "[Programm_1_2]\nTyp=Leer\n[Hiermit_Ausfuehren]\nAnzahl=0\n");
  EXPECT_TRUE(w->btnInstall->visible());
  EXPECT_FALSE(w->btnStarten->visible());
  EXPECT_FALSE(w->btnKopieren->visible());
  EXPECT_EQ(at(*w->btnInstall).left, 300 - 105);
  EXPECT_EQ(at(*w->btnStarten).left, 300 - 205);
  EXPECT_EQ(at(*w->btnCDdurchsuchen).left, 305);

  w->lbProgramm->ItemIndex(1);
  w->lbProgrammClick();
  EXPECT_FALSE(w->btnInstall->visible());
  EXPECT_FALSE(w->btnStarten->visible());
  EXPECT_FALSE(w->btnKopieren->visible());
  EXPECT_TRUE(w->btnCDdurchsuchen->visible());
  EXPECT_EQ(at(*w->btnCDdurchsuchen).left, 305) << "5 pixels right of the centre line";
}

TEST_F(Browsing, ClicksChooseRowsAndAClickBelowThemKeepsTheChoice) {
  auto w = open("[Gruppen]\nAnzahl=1\n[Gruppe_1]\nAnzahl=2\nProgramm_1=A\nProgramm_2=B\n"
                "[Programm_1_2]\nTyp=Programm\nLocation=b\n");
  TListBox& list = *w->lbProgramm;
  test::sendMouse(*w, FL_PUSH, list.x() + 20, list.y() + 2 + 13 + 6);
  test::sendMouse(*w, FL_RELEASE, list.x() + 20, list.y() + 2 + 13 + 6);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(w->Model().EntryLocation, medium_.dir() + "b");
  test::sendMouse(*w, FL_PUSH, list.x() + 20, list.y() + list.h() - 10);
  test::sendMouse(*w, FL_RELEASE, list.x() + 20, list.y() + list.h() - 10);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(w->Model().CurEntry, 2);
}

TEST_F(Browsing, AGroupWithoutEntriesOffersNothing) {
  auto w = open("[Gruppen]\nAnzahl=2\nGruppe_1=A\nGruppe_2=Leer\n[Gruppe_1]\nAnzahl=1\n"
                "[Programm_1_1]\nTyp=Programm\nLocation=a\nLink=[x+y]\n"
                "[Programm_2_1]\nTyp=Programm\nLocation=stale\nLink=[x+y]\nBemerkung=alt\n");
  w->lbGruppe->ItemIndex(1);
  w->lbGruppeClick();
  EXPECT_EQ(w->lbProgramm->Count(), 0);
  EXPECT_EQ(w->Model().EntryLocation, "");
  EXPECT_EQ(w->Model().ShownPicture, "");
  EXPECT_FALSE(w->WebLabel1->visible());
  EXPECT_EQ(w->Bemerkung->Text(), "");
  EXPECT_FALSE(w->btnStarten->active());
}

TEST_F(Browsing, ReactivationAfterADialogRelistsTheChosenGroup) {
  auto w = open("[Gruppen]\nAnzahl=2\nGruppe_1=A\nGruppe_2=B\n[Gruppe_1]\nAnzahl=1\nProgramm_1=A1\n"
                "[Gruppe_2]\nAnzahl=2\nProgramm_1=B1\nProgramm_2=B2\n[Programm_2_2]\nTyp=Programm\nLocation=b2\n");
  w->lbGruppe->ItemIndex(1);
  w->lbGruppeClick();
  w->lbProgramm->ItemIndex(1);
  w->lbProgrammClick();
  EXPECT_EQ(w->Model().EntryLocation, medium_.dir() + "b2");
  // The configuration changes on disk meanwhile; the next activation shows it.
  medium_.ini(std::string(kBase) +
              "[Gruppen]\nAnzahl=2\nGruppe_1=A\nGruppe_2=B\n[Gruppe_1]\nAnzahl=1\nProgramm_1=A1\n"
              "[Gruppe_2]\nAnzahl=3\nProgramm_1=B1\nProgramm_2=B2\nProgramm_3=B3\n");
  Fl_Double_Window dialog(100, 50, "Dialog");
  dialog.end();
  test::answerNextModal([](Fl_Window& d) { d.hide(); });
  Application::instance().showModal(dialog);
  EXPECT_EQ(w->Model().CurGroup, 2);
  EXPECT_EQ(w->lbProgramm->Count(), 3);
  EXPECT_EQ(w->lbProgramm->ItemIndex(), 0);
  EXPECT_EQ(w->lbGruppe->ItemIndex(), 0) << "the highlight moves to the first rows";
  EXPECT_EQ(w->Model().CurEntry, 1);
}

}  // namespace
}  // namespace tavilo::gui
