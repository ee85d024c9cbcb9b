#include "core/menu/catalogue.h"

#include "core/files/file_name.h"
#include "core/ini/ini_number.h"
#include "core/path.h"
#include "core/text.h"
#include "platform/platform.h"

namespace tavilo::core {

std::optional<LinkParts> parseLink(std::string_view value) {
  const auto open = value.find('[');
  const auto plus = value.find('+');
  const auto close = value.find(']');
  if (open == std::string_view::npos || plus == std::string_view::npos || close == std::string_view::npos)
    return std::nullopt;
  // Marks out of order give empty parts, as cutting between them does.
  LinkParts link;
  if (plus > open) link.address = std::string(value.substr(open + 1, plus - open - 1));
  if (close > plus) link.caption = std::string(value.substr(plus + 1, close - plus - 1));
  return link;
}

std::string extensionOf(std::string_view path) { return lowerAscii(fileExtension(path)); }

std::vector<std::string> readGroupNames(const IniDocument& ini) {
  std::vector<std::string> names;
  const int count = clampCount(ini.ReadIniInteger("Gruppen", "Anzahl"));
  for (int n = 1; n <= count; ++n) names.push_back(ini.ReadIniString("Gruppen", "Gruppe_" + std::to_string(n)));
  return names;
}

std::vector<std::string> readEntryNames(const IniDocument& ini, int group) {
  std::vector<std::string> names;
  const std::string section = "Gruppe_" + std::to_string(group);
  const int count = clampCount(ini.ReadIniInteger(section, "Anzahl"));
  for (int n = 1; n <= count; ++n) names.push_back(ini.ReadIniString(section, "Programm_" + std::to_string(n)));
  return names;
}

EntryView readEntry(const IniDocument& ini, const std::string& programDir, int group, int entry,
                    const std::string& emptyImageFile, const std::string& emptyRemark) {
  EntryView v;
  v.section = "Programm_" + std::to_string(group) + "_" + std::to_string(entry);
  v.screenshotPath = platform::resolveMediumPath(programDir, ini.ReadIniString(v.section, "Screenshot"));
  v.location = platform::resolveMediumPath(programDir, ini.ReadIniString(v.section, "Location"));
  v.parameter = ini.ReadIniString(v.section, "Parameter");
  v.ext = extensionOf(v.location);
  v.isPicture = v.ext == ".jpg" || v.ext == ".gif" || v.ext == ".bmp";

  if (platform::fileExists(v.screenshotPath)) {
    v.pictureSource = PictureSource::Screenshot;
    v.shownPicture = v.screenshotPath;
  } else if (v.isPicture && platform::fileExists(v.location)) {
    v.pictureSource = PictureSource::Location;
    v.shownPicture = v.location;
  } else if (platform::fileExists(emptyImageFile)) {
    v.pictureSource = PictureSource::EmptyImage;
    v.shownPicture = emptyImageFile;
  }

  v.link = parseLink(ini.ReadIniString(v.section, "Link"));
  // A caption without an address would be a link that opens nothing.
  if (v.link && trimControls(v.link->address).empty()) v.link.reset();

  v.hasLocation = !trimControls(ini.ReadIniString(v.section, "Location")).empty();
  if (v.hasLocation) {
    const std::string remark = ini.ReadIniString(v.section, "Bemerkung");
    v.remark = remark.empty() ? emptyRemark : remark;
  }

  v.type = lowerAscii(ini.ReadIniString(v.section, "Typ"));
  v.startEnabled = v.type == "programm";
  v.installEnabled = v.type == "installation";
  v.copyEnabled = v.type == "nur kopieren";
  return v;
}

std::string quoteParameter(std::string_view path) {
  // Double quotes group; a double quote inside the path is written as '"',
  // and quoted pieces next to each other make one word.
  std::string out = "\"";
  for (char c : path) {
    if (c == '"') out += "\"'\"'\"";
    else out += c;
  }
  out += '"';
  return out;
}

LaunchCommand planLaunch(const IniDocument& ini, const std::string& programDir, const std::string& location,
                         const std::string& parameter, const std::string& ext) {
  const int rows = clampCount(strictInteger(ini.ReadIniString("Hiermit_Ausfuehren", "Anzahl")));
  LaunchCommand command{location, parameter};
  for (int n = 1; n <= rows; ++n) {
    if (ini.ReadIniString("Hiermit_Ausfuehren", "Ext_" + std::to_string(n)) != ext) continue;
    command.file = platform::resolveMediumPath(programDir, ini.ReadIniString("Hiermit_Ausfuehren", "Prog_" + std::to_string(n)));
    command.parameters = quoteParameter(location);
  }
  return command;
}

std::string notOpenedNote(const std::string& target) {
  std::string name = target;
  if (target.find("://") == std::string::npos && (target.find(':') == std::string::npos || isAbsolutePath(target))) {
    const std::string bare = withoutTrailingSeparators(target);
    if (!pathName(bare).empty()) name = std::string(pathName(bare));
  }
  return "\u201E" + name + "\u201C konnte nicht ge\u00F6ffnet werden";
}

std::string launchFolder(const std::string& location) {
  if (platform::isFolder(location)) return location;
  return std::string(pathFolder(location));
}

}  // namespace tavilo::core
