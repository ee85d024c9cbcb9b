// The INI writer's order rules and the sample file, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "core/ini/config_file.h"
#include "core/ini/default_ini.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_writer.h"
#include "core/version.h"

namespace core = tavilo::core;

namespace {

TEST(IniWriter, OrderAndReplacement) {
  core::IniWriter w;
  w.write("A", "k", "1");
  w.write("B", "x", "2");
  w.write("a", "K", "3");      // existing key, other case: replaced in place
  w.write("A", "j", "4");      // new key: end of its section, before [B]
  w.write("C", "e", "");       // empty value: line ends after '='
  w.write("b", "y", "5");
  EXPECT_EQ(w.text(), "[A]\r\nk=3\r\nj=4\r\n[B]\r\nx=2\r\ny=5\r\n[C]\r\ne=\r\n");
  EXPECT_EQ(core::IniWriter().text(), "");
}

std::string withoutDateLine(const std::string& text) {
  const std::string marker = "Erstell-Datum=";
  const auto at = text.find(marker);
  if (at == std::string::npos) return text;
  const auto end = text.find("\r\n", at);
  return text.substr(0, at) + marker + "<date>" + text.substr(end);
}

TEST(DefaultIni, WholeTextByteForByte) {
  const std::string sep = "=====================\r\n";  // 21 equal signs
  const std::string expected =
      "[Programm]\r\n"
      "Erstellt mit=Tavilo\r\n"
      "Version=4.02\r\n"
      "Erstell-Datum=<date>\r\n"
      "FensterFarbe=$FFC1C1\r\n"
      "Fenster_Schriftfarbe=$000000\r\n"
      "Verlauffarbe=$75C5F0\r\n"
      "Verlauffarbe2=$C0C0C0\r\n"
      "Rahmenfarbe=$0150D3\r\n"
      "Rahmenfarbe2=$75C5F0\r\n"
      "Rahmen_Schriftfarbe=$FF0000\r\n"
      "Titelfarbe=$FF0000\r\n"
      "BorderFarbe=$BCC1C1\r\n"
      "Border_Style=0\r\n"
      "Breite=500\r\n"
      "Hoehe=500\r\n"
      "BemerkungsHoehe=50\r\n"
      "ImageHoehe=50\r\n"
      "CD_Titel=Velmora\r\n"
      "Gruppen_Ueberschrift=Gruppen\r\n"
      "Gruppen_Ueberschrift2=\r\n"
      "Programm_Ueberschrift=Programme\r\n"
      "Programm_Ueberschrift2=\r\n"
      "Leer_Image=\r\n"
      "FontName=Arial\r\n"
      "Leere_Bemerkung=Keine Bemerkung\r\n"
      "Breite_Links=50\r\n"
      "Logo=\r\n"
      "LogoPos=rechts\r\n"
      "ShowOnlyUsedButton=1\r\n" + sep +
      "[Gruppen]\r\n"
      "Show_Gruppen=1\r\n"
      "Anzahl=2\r\n"
      "Gruppe_1=Gruppe 1\r\n"
      "Gruppe_2=Gruppe 2\r\n" + sep +
      "[Gruppe_1]\r\n"
      "Anzahl=2\r\n"
      "Programm_1=Programm 1 in Gruppe 1\r\n"
      "Programm_2=Programm 2 in Gruppe 1\r\n"
      "[Programm_1_1]\r\n"
      "Typ=Programm\r\n"
      "Location=c:\\\r\n"
      "Screenshot=\r\n"
      "Bemerkung=\r\n"
      "Link=[http://www.tavilo.example/+zur Homepage]\r\n"
      "[Programm_1_2]\r\n"
      "Typ=Programm\r\n"
      "Location=c:\\\r\n"
      "Screenshot=\r\n"
      "Bemerkung=\r\n"
      "Link=\r\n" + sep +
      "[Gruppe_2]\r\n"
      "Anzahl=2\r\n"
      "Programm_1=Programm 1 in Gruppe 2\r\n"
      "Programm_2=Programm 2 in Gruppe 2\r\n"
      "[Programm_2_1]\r\n"
      "Typ=Programm\r\n"
      "Location=c:\\\r\n"
      "Screenshot=\r\n"
      "Bemerkung=\r\n"
      "Link=[http://www.tavilo.example/+zur Homepage]\r\n"
      "[Programm_2_2]\r\n"
      "Typ=Programm\r\n"
      "Location=c:\\\r\n"
      "Screenshot=\r\n"
      "Bemerkung=\r\n"
      "Link=\r\n" + sep;
  const std::string text = core::defaultIniText("24.12.2026 18:30:00");
  EXPECT_EQ(withoutDateLine(text), expected);
  EXPECT_NE(text.find("\r\nErstell-Datum=24.12.2026 18:30:00\r\n"), std::string::npos);
  // 63 values and 8 section lines.
  std::size_t lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 63u + 8u);
}

TEST(DefaultIni, ReadsBackAsTwoGroupsOfTwoProgramme) {
  const auto doc = core::IniDocument::parse(core::defaultIniText("01.01.2027 00:00:00"));
  EXPECT_TRUE(core::versionAccepted(doc.ReadIniString("Programm", "Version")));
  EXPECT_EQ(doc.ReadIniString("Programm", "VerlaufFarbe"), "$75C5F0");
  EXPECT_EQ(doc.ReadIniString("Programm", "TitelFarbe"), "$FF0000");
  EXPECT_EQ(doc.ReadIniString("Programm", "Rahmen_SchriftFarbe"), "$FF0000");
  EXPECT_EQ(doc.ReadIniString("Programm", ""), "====================");
  EXPECT_EQ(doc.ReadIniString("Gruppen", "Anzahl"), "2");
  for (int g = 1; g <= 2; ++g) {
    const std::string group = "Gruppe_" + std::to_string(g);
    EXPECT_EQ(doc.ReadIniString("Gruppen", group), "Gruppe " + std::to_string(g));
    EXPECT_EQ(doc.ReadIniString(group, "Anzahl"), "2") << group;
    for (int n = 1; n <= 2; ++n) {
      const std::string entry = "Programm_" + std::to_string(g) + "_" + std::to_string(n);
      EXPECT_EQ(doc.ReadIniString(group, "Programm_" + std::to_string(n)),
                "Programm " + std::to_string(n) + " in Gruppe " + std::to_string(g));
      EXPECT_EQ(doc.ReadIniString(entry, "Typ"), "Programm") << entry;
      EXPECT_EQ(doc.ReadIniString(entry, "Location"), "c:\\") << entry;
      EXPECT_EQ(doc.ReadIniString(entry, "Link"), n == 1 ? "[http://www.tavilo.example/+zur Homepage]" : "") << entry;
    }
  }
}

}  // namespace
