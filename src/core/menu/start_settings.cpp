#include "core/menu/start_settings.h"

#include <iterator>

#include "core/error.h"
#include "core/files/copy_engine.h"
#include "core/files/file_name.h"
#include "core/menu/catalogue.h"
#include "core/text.h"
#include "core/version.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace {

constexpr const char* kProgramm = "Programm";

// The resolved path of a configured file that exists, else empty.
std::string existingFile(const IniDocument& ini, const std::string& programDir, const char* key) {
  const std::string value = ini.ReadIniString(kProgramm, key);
  if (value.empty()) return {};
  const std::string path = platform::resolveMediumPath(programDir, value);
  return platform::fileExists(path) ? path : std::string();
}

int extentOr(int value, int fallback) {
  if (value < kMinWindowExtent) return fallback;
  return value > kMaxWindowExtent ? kMaxWindowExtent : value;
}

// Reads the colours in their order; false when one is not a number.
bool readColors(const IniDocument& ini, StartSettings& s) {
  std::optional<std::uint32_t>* const targets[] = {
      &s.colors.border, &s.colors.window, &s.colors.gradientStart, &s.colors.gradientEnd, &s.colors.frame,
      &s.colors.frame2, &s.colors.title,  &s.colors.windowFont,    &s.colors.frameFont,
  };
  static_assert(std::size(targets) == std::size(kStartColorKeys));
  for (std::size_t i = 0; i < std::size(targets); ++i) {
    try {
      *targets[i] = ini.ReadIniColor(kProgramm, kStartColorKeys[i]);
    } catch (const Error& e) {
      s.colorError = e.what();
      s.colorErrorKey = kStartColorKeys[i];
      return false;
    }
  }
  return true;
}

}  // namespace

StartSettings readStartSettings(const IniDocument& ini, const std::string& programDir,
                                const std::string& defaultGroupHeading, const std::string& defaultEntryHeading) {
  StartSettings s;
  s.versionAccepted = versionAccepted(ini.ReadIniString(kProgramm, "Version"));
  s.showOnlyUsedButtons = ini.ReadIniBool(kProgramm, "ShowOnlyUsedButton");
  const std::string showGroups = ini.ReadIniString("Gruppen", "Show_Gruppen");
  s.showGroups = showGroups.empty() || showGroups == "1";
  s.logoFile = existingFile(ini, programDir, "Logo");
  s.cdTitle = ini.ReadIniString(kProgramm, "CD_Titel");
  s.groupHeading = ini.ReadIniString(kProgramm, "Gruppen_Ueberschrift");
  s.groupHeading2 = ini.ReadIniString(kProgramm, "Gruppen_Ueberschrift2");
  if (s.groupHeading.empty()) s.groupHeading = defaultGroupHeading;
  s.entryHeading = ini.ReadIniString(kProgramm, "Programm_Ueberschrift");
  s.entryHeading2 = ini.ReadIniString(kProgramm, "Programm_Ueberschrift2");
  if (s.entryHeading.empty()) s.entryHeading = defaultEntryHeading;
  s.titleFontName = ini.ReadIniString(kProgramm, "FontName");
  s.titleFace = std::string(utf8Prefix(s.titleFontName, 31));
  s.emptyRemark = ini.ReadIniString(kProgramm, "Leere_Bemerkung");
  if (!readColors(ini, s)) return s;
  s.emptyImageFile = existingFile(ini, programDir, "Leer_Image");
  s.width = extentOr(ini.ReadIniInteger(kProgramm, "Breite"), kDefaultWidth);
  s.height = extentOr(ini.ReadIniInteger(kProgramm, "Hoehe"), kDefaultHeight);
  s.frameless = ini.ReadIniString(kProgramm, "Border_Style") == "0";
  s.groupNames = readGroupNames(ini);
  return s;
}

std::optional<std::string> startRefusal(const ConfigBytes& file, bool versionAccepted) {
  const std::string head = "Die Tavilo.INI \n";
  switch (file.outcome) {
    case ConfigBytes::Outcome::NotAFile: {
      const char* what = "etwas anderes";
      switch (file.kind) {
        case ConfigBytes::Kind::Folder: what = "ein Ordner"; break;
        case ConfigBytes::Kind::Fifo: what = "eine benannte Pipe (FIFO)"; break;
        case ConfigBytes::Kind::Device: what = "ein Gerät"; break;
        case ConfigBytes::Kind::Socket: what = "ein Socket"; break;
        case ConfigBytes::Kind::Other: break;
      }
      return head + "ist keine gewöhnliche Datei,\nsondern " + what + ".";
    }
    case ConfigBytes::Outcome::Unreadable:
      return head + "kann nicht gelesen werden:\n" + copyErrorText(file.error) + ".";
    case ConfigBytes::Outcome::Read:
    case ConfigBytes::Outcome::Missing:
      break;
  }
  if (versionAccepted) return std::nullopt;
  if (file.cut)
    return head + "ist größer als 64 MiB. Gelesen werden nur\ndie ersten 64 MiB, und darin steht keine\npassende Version.";
  return head + "ist nicht in der passenden Version.\nSie muß für Version > 2 sein.";
}

int centredHeadingTop(int top, int secondTop, int secondHeight) {
  return top + (secondTop + secondHeight - top) / 2 - secondHeight / 2;
}

LayoutSettings readLayoutSettings(const IniDocument& ini) {
  LayoutSettings l;
  l.leftPercent = ini.ReadIniInteger(kProgramm, "Breite_Links");
  l.imagePercent = ini.ReadIniInteger(kProgramm, "ImageHoehe");
  l.remarkPercent = ini.ReadIniInteger(kProgramm, "BemerkungsHoehe");
  l.logoPos = ini.ReadIniString(kProgramm, "LogoPos");
  return l;
}

bool logoIsGif(std::string_view logoFile) { return fileExtension(logoFile) == ".gif"; }

}  // namespace tavilo::core
