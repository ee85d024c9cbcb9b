// The checker's findings about how a medium looks and where its copy entries
// lead, each on a small medium of its own.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/check/medium_check.h"
#include "core/contrast.h"
#include "picture_test_support.h"
#include "support/temp_tree.h"

namespace tavilo::core {
namespace {

class MediumLookCheck : public testing::TempTree {
 protected:
  // A medium of one entry; `programm` are extra lines of [Programm], `entry`
  // the lines of [Programm_1_1].
  std::vector<Finding> check(const std::string& programm, const std::string& entry = "Typ=Leer") const {
    const std::string text = "[Programm]\nVersion=4.02\n" + programm +
                             "\n[Gruppen]\nAnzahl=1\nGruppe_1=Eins\n[Gruppe_1]\nAnzahl=1\nProgramm_1=A\n"
                             "[Programm_1_1]\n" + entry + "\n[Hiermit_Ausfuehren]\nAnzahl=0\n";
    return checkConfiguration(text, path() + "/");
  }
};

constexpr const char* kCalm = "VerlaufFarbe=$B4783C\nVerlaufFarbe2=$F0E6DC";

std::string listed(const std::vector<Finding>& findings) {
  std::ostringstream out;
  for (const Finding& f : findings) out << formatFinding(f) << "\n";
  return out.str();
}

TEST(Contrast, RatiosOfKnownPairs) {
  EXPECT_NEAR(contrastRatio(0x000000, 0xFFFFFF), 21.0, 0.01);
  EXPECT_NEAR(contrastRatio(0x123456, 0x123456), 1.0, 1e-9);
  EXPECT_NEAR(contrastRatio(0xFF0000, 0x000000), 2.44, 0.01) << "blue on black";
  // A gradient from white to black holds a grey as dark as black text.
  EXPECT_NEAR(lowestContrastOnGradient(0x000000, 0xFFFFFF, 0x000000), 1.0, 1e-9);
}

TEST_F(MediumLookCheck, MissingGradientColoursNameTheWindowsThatTurnBlack) {
  EXPECT_EQ(listed(check(kCalm)), "");
  const std::vector<Finding> none = check("");
  ASSERT_EQ(none.size(), 1u) << listed(none);
  EXPECT_EQ(none[0].line, 1u);
  EXPECT_EQ(none[0].severity, Severity::Warning);
  EXPECT_TRUE(none[0].text.starts_with("no VerlaufFarbe and no VerlaufFarbe2 in [Programm]: the info window, "
                                       "the copy window and the folder chooser take black"))
      << none[0].text;
  const std::vector<Finding> one = check("Breite=700\nVerlaufFarbe=$B4783C");
  ASSERT_EQ(one.size(), 1u) << listed(one);
  EXPECT_EQ(one[0].line, 4u) << "on the key that is there";
  EXPECT_TRUE(one[0].text.starts_with("no VerlaufFarbe2 in [Programm]")) << one[0].text;
  EXPECT_EQ(listed(check("VerlaufFarbe=blau")).find("no VerlaufFarbe"), std::string::npos)
      << "a colour that stops the start-up is reported as that alone";
}

TEST_F(MediumLookCheck, TextsTooCloseToTheirBackground) {
  struct Case {
    std::string programm;
    std::size_t line;
    const char* says;
  };
  const Case cases[] = {
      {"VerlaufFarbe=$8B4513\nVerlaufFarbe2=$E6D2B4", 3,
       "the black labels of the info window, the copy window and the folder chooser ($000000) on VerlaufFarbe "
       "$8B4513 to VerlaufFarbe2 $E6D2B4 have a contrast of only 2.3:1"},
      {std::string(kCalm) + "\nFensterFarbe=$402010\nFenster_Schriftfarbe=$202020", 5,
       "the lists and the description (Fenster_Schriftfarbe) ($202020) on FensterFarbe $402010"},
      {std::string(kCalm) + "\nRahmenFarbe=$800000", 5, "the headings above the lists (Rahmen_SchriftFarbe) ($FF0000)"},
  };
  for (const Case& c : cases) {
    const std::vector<Finding> findings = check(c.programm);
    ASSERT_EQ(findings.size(), 1u) << c.programm << "\n" << listed(findings);
    EXPECT_EQ(findings[0].line, c.line) << c.programm;
    EXPECT_EQ(findings[0].severity, Severity::Warning);
    EXPECT_NE(findings[0].text.find(c.says), std::string::npos) << findings[0].text;
  }
  EXPECT_EQ(listed(check(std::string(kCalm) + "\nFensterFarbe=$FFFFFF\nFenster_Schriftfarbe=$000000")), "");
}

TEST_F(MediumLookCheck, ALogoOfOtherProportionsThanItsBox) {
  const auto grey = [](int, int) { return 0x808080FFu; };
  writeFile("bilder/breit.png", testing::encodePngRgba(testing::makePicture(240, 80, grey)));
  writeFile("bilder/hoch.gif", demo::encodeGif(demo::quantize(testing::makePicture(40, 60, grey), 2)));
  writeFile("bilder/passt.bmp", demo::encodeBmp24(testing::makePicture(66, 40, grey)));
  const std::vector<Finding> wide = check(std::string(kCalm) + "\nLogo=bilder\\breit.png");
  ASSERT_EQ(wide.size(), 1u) << listed(wide);
  EXPECT_EQ(wide[0].line, 5u);
  EXPECT_EQ(wide[0].text, "the logo is 240 x 80 pixels, but the title bar stretches it to its box of 60 x 40: it "
                          "looks squeezed; draw it at 3:2, as 60 x 40 or 120 x 80");
  const std::vector<Finding> high = check(std::string(kCalm) + "\nLogo=bilder\\hoch.gif");
  ASSERT_EQ(high.size(), 1u) << listed(high);
  EXPECT_NE(high[0].text.find("40 x 60 pixels"), std::string::npos) << high[0].text;
  EXPECT_EQ(listed(check(std::string(kCalm) + "\nLogo=bilder\\passt.bmp")), "") << "near enough to 3:2";
}

TEST_F(MediumLookCheck, ACopyEntryThatWouldOfferTheMediumsRoot) {
  writeFile("extras/werkzeug.zip", "PK");
  writeFile("liesmich.txt", "Hallo");
  for (const char* clean : {"Location=extras", "Location=extras\\", "Location=extras\\werkzeug.zip"})
    EXPECT_EQ(listed(check(kCalm, std::string("Typ=Nur Kopieren\n") + clean)), "") << clean;
  EXPECT_NE(listed(check(kCalm, "Typ=Nur Kopieren\nLocation=extras\\..\\liesmich.txt")).find("lies in the "
                                                                                             "medium's root"),
            std::string::npos) << "however the path gets there";
  const std::vector<Finding> root = check(kCalm, "Typ=Nur Kopieren\nLocation=liesmich.txt");
  ASSERT_EQ(root.size(), 1u) << listed(root);
  EXPECT_EQ(root[0].severity, Severity::Warning);
  EXPECT_EQ(root[0].text, "Location \"liesmich.txt\" lies in the medium's root: \"Kopieren\" offers the medium's "
                          "whole root folder (Tavilo, Tavilo.ini, the autorun files); name the folder to copy, as "
                          "Location=extras");
  const std::vector<Finding> missing = check(kCalm, "Typ=Nur Kopieren\nLocation=fehlt");
  ASSERT_EQ(missing.size(), 1u) << listed(missing);
  EXPECT_NE(missing[0].text.find("names no file: \"Kopieren\" offers the medium's whole root folder"),
            std::string::npos) << missing[0].text;
}

TEST(MediumTemplate, ChecksClean) {
  const MediumCheck check = checkMedium(std::string(TAVILO_SOURCE_DIR) + "/examples/medium-template");
  EXPECT_FALSE(check.unreadable);
  EXPECT_EQ(listed(check.findings), "");
}

}  // namespace
}  // namespace tavilo::core
