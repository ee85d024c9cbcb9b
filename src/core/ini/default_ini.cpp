#include "core/ini/default_ini.h"

#include "core/ini/ini_writer.h"
#include "core/version.h"

namespace tavilo::core {

namespace {

constexpr const char* kSeparatorValue = "===================";

void writeEntry(IniWriter& w, int group, int entry, const std::string& link) {
  const std::string groupSection = "Gruppe_" + std::to_string(group);
  const std::string section = "Programm_" + std::to_string(group) + "_" + std::to_string(entry);
  w.write(groupSection, "Programm_" + std::to_string(entry),
          "Programm " + std::to_string(entry) + " in Gruppe " + std::to_string(group));
  w.write(section, "Typ", "Programm");
  w.write(section, "Location", "c:\\");
  w.write(section, "Screenshot", "");
  w.write(section, "Bemerkung", "");
  w.write(section, "Link", link);
}

}  // namespace

std::string defaultIniText(const std::string& dateText) {
  IniWriter w;
  const char* p = "Programm";
  w.write(p, "Erstellt mit", "Tavilo");
  w.write(p, "Version", ProgVersion);
  w.write(p, "Erstell-Datum", dateText);
  w.write(p, "FensterFarbe", "$FFC1C1");
  w.write(p, "Fenster_Schriftfarbe", "$000000");
  w.write(p, "Verlauffarbe", "$75C5F0");
  w.write(p, "Verlauffarbe2", "$C0C0C0");
  w.write(p, "Rahmenfarbe", "$0150D3");
  w.write(p, "Rahmenfarbe2", "$75C5F0");
  w.write(p, "Rahmen_Schriftfarbe", "$FF0000");
  w.write(p, "Titelfarbe", "$FF0000");
  w.write(p, "BorderFarbe", "$BCC1C1");
  w.write(p, "Border_Style", "0");
  w.write(p, "Breite", std::to_string(500));
  w.write(p, "Hoehe", std::to_string(500));
  w.write(p, "BemerkungsHoehe", std::to_string(50));
  w.write(p, "ImageHoehe", std::to_string(50));
  w.write(p, "CD_Titel", "Velmora");
  w.write(p, "Gruppen_Ueberschrift", "Gruppen");
  w.write(p, "Gruppen_Ueberschrift2", "");
  w.write(p, "Programm_Ueberschrift", "Programme");
  w.write(p, "Programm_Ueberschrift2", "");
  w.write(p, "Leer_Image", "");
  w.write(p, "FontName", "Arial");
  w.write(p, "Leere_Bemerkung", "Keine Bemerkung");
  w.write(p, "Breite_Links", std::to_string(50));
  w.write(p, "Logo", "");
  w.write(p, "LogoPos", "rechts");
  w.write(p, "ShowOnlyUsedButton", "1");
  w.write(p, "=", kSeparatorValue);

  w.write("Gruppen", "Show_Gruppen", "1");
  w.write("Gruppen", "Anzahl", std::to_string(2));
  w.write("Gruppen", "Gruppe_1", "Gruppe 1");
  w.write("Gruppen", "Gruppe_2", "Gruppe 2");
  w.write("Gruppen", "=", kSeparatorValue);

  const std::string homepageLink = std::string("[") + kHomepage + "+zur Homepage]";
  for (int g = 1; g <= 2; ++g) {
    w.write("Gruppe_" + std::to_string(g), "Anzahl", std::to_string(2));
    writeEntry(w, g, 1, homepageLink);
    writeEntry(w, g, 2, "");
    w.write("Programm_" + std::to_string(g) + "_2", "=", kSeparatorValue);
  }
  return w.text();
}

}  // namespace tavilo::core
