// The start-up's reading of the configuration, from INI texts, with no window.
#include "core/menu/start_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_tree.h"

namespace tavilo::core {
namespace {

StartSettings settingsOf(const std::string& programm, const std::string& rest = "", const std::string& dir = "/") {
  return readStartSettings(IniDocument::parse("[Programm]\r\n" + programm + rest), dir, "Gruppen", "Programme");
}

TEST(StartSettings, WindowSizeAndFrame) {
  struct Case {
    const char* keys;
    int width, height;
    bool frameless;
  };
  const Case cases[] = {
      {"", 700, 500, false},
      {"Breite=0\r\nHoehe=\r\n", 700, 500, false},
      {"Breite=abc\r\nHoehe=640\r\n", 700, 640, false},
      {"Breite=760 ; Fensterbreite\r\n", 700, 500, false},  // trailing text is no number
      {"Breite=-100\r\nHoehe=99\r\n", 700, 500, false},     // nobody could use such a window
      {"Breite=100\r\nHoehe=$64\r\n", 100, 100, false},
      {"Breite=2000000000\r\nHoehe=32768\r\n", 32767, 32767, false},  // no window could be made
      {"Border_Style=0\r\n", 700, 500, true},
      {"Border_Style=00\r\n", 700, 500, false},
      {"Border_Style= 0 \r\n", 700, 500, true},             // blanks around values go
      {"Border_Style=none\r\n", 700, 500, false},
  };
  for (const Case& c : cases) {
    const StartSettings s = settingsOf(c.keys);
    EXPECT_EQ(s.width, c.width) << c.keys;
    EXPECT_EQ(s.height, c.height) << c.keys;
    EXPECT_EQ(s.frameless, c.frameless) << c.keys;
  }
}

TEST(StartSettings, AColourThatIsNoNumberStopsAtItsKey) {
  const StartSettings s = settingsOf(
      "BorderFarbe=$BCC1C1\r\nVerlaufFarbe=$0000FF\r\nFensterFarbe=blau\r\nTitelFarbe=$FF0000\r\n"
      "Breite=800\r\nLeer_Image=x.jpg\r\n",
      "[Gruppen]\r\nAnzahl=2\r\n");
  EXPECT_EQ(s.colors.border, 0xBCC1C1u) << "the colour before the bad one applies";
  EXPECT_EQ(s.colorError, "'blau' ist kein gültiger Integerwert");
  EXPECT_FALSE(s.colors.window);
  EXPECT_FALSE(s.colors.gradientStart) << "a later key in the order of the steps";
  EXPECT_FALSE(s.colors.title);
  EXPECT_EQ(s.width, 700) << "nothing after the bad colour";
  EXPECT_TRUE(s.groupNames.empty());

  const StartSettings ok = settingsOf("FensterFarbe=16761281\r\nVerlaufFarbe2=$C0C0C0\r\nRahmenFarbe=\r\n");
  EXPECT_FALSE(ok.colorError);
  EXPECT_EQ(ok.colors.window, 0xFFC1C1u);
  EXPECT_EQ(ok.colors.gradientEnd, 0xC0C0C0u);
  EXPECT_FALSE(ok.colors.frame) << "an empty colour keeps the design colour";
}

TEST(StartSettings, HeadingsTitleFontAndGroups) {
  const std::string face40(40, 'F');
  const StartSettings s = settingsOf("Gruppen_Ueberschrift=\r\nProgramm_Ueberschrift=Alle\r\nFontName=" + face40 +
                                         "\r\nShowOnlyUsedButton=0x1\r\nVersion=2.9\r\n",
                                     "[Gruppen]\r\nShow_Gruppen=0\r\nAnzahl=3\r\nGruppe_1=Eins\r\nGruppe_3=Drei\r\n");
  EXPECT_EQ(s.groupHeading, "Gruppen");
  EXPECT_EQ(s.entryHeading, "Alle");
  EXPECT_EQ(s.titleFontName, face40);
  EXPECT_EQ(s.titleFace, std::string(31, 'F'));
  EXPECT_TRUE(s.showOnlyUsedButtons);
  EXPECT_FALSE(s.versionAccepted);
  EXPECT_FALSE(s.showGroups);
  EXPECT_EQ(s.groupNames, (std::vector<std::string>{"Eins", "", "Drei"}));
  for (const char* value : {"", "1"}) EXPECT_TRUE(settingsOf("", std::string("[Gruppen]\r\nShow_Gruppen=") + value).showGroups);

  EXPECT_EQ(centredHeadingTop(6, 26, 19), 16);
  EXPECT_EQ(centredHeadingTop(6, 26, 20), 16);
}

class StartFiles : public testing::TempTree {};

TEST_F(StartFiles, LogoAndStandByPictureOnlyWhenTheFileExists) {
  writeFile("Bilder/Logo.GIF", "x");
  makeFolder("ordner.jpg");
  const std::string dir = path() + "/";
  const StartSettings s = settingsOf("Logo=bilder\\logo.gif\r\nLeer_Image=ordner.jpg\r\n", "", dir);
  EXPECT_EQ(s.logoFile, dir + "Bilder/Logo.GIF");
  EXPECT_EQ(s.emptyImageFile, "") << "a folder is no picture file";
  EXPECT_EQ(settingsOf("Logo=fehlt.gif\r\n", "", dir).logoFile, "");
}

TEST(LayoutSettings, ReadAtEveryLayout) {
  const LayoutSettings l = readLayoutSettings(
      IniDocument::parse("[Programm]\r\nBreite_Links=40\r\nImageHoehe=x\r\nBemerkungsHoehe=$32\r\nLogoPos=Rechts\r\n"));
  EXPECT_EQ(l.leftPercent, 40);
  EXPECT_EQ(l.imagePercent, 0);
  EXPECT_EQ(l.remarkPercent, 50);
  EXPECT_EQ(l.logoPos, "Rechts");
}

}  // namespace
}  // namespace tavilo::core
