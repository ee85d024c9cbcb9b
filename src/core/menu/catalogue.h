// Reading the catalogue: the groups, the entries of a group, and what the
// main window shows and offers for one entry. The window applies the result.
#ifndef TAVILO_CORE_CATALOGUE_H
#define TAVILO_CORE_CATALOGUE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini/ini_document.h"

namespace tavilo::core {

// The entry type names, in their established order.
inline constexpr const char* TypeNames[4] = {"Installation", "Programm", "Nur Kopieren", "Leer"};

// "[" address "+" caption "]": the address runs from the first "[" to the
// first "+", the caption from the first "+" to the first "]".
struct LinkParts {
  std::string address;
  std::string caption;
  friend bool operator==(const LinkParts&, const LinkParts&) = default;
};
std::optional<LinkParts> parseLink(std::string_view value);

// The extension of a path's file name from its last dot, dot included, in
// lower case; empty when the name has no dot.
std::string extensionOf(std::string_view path);

// Group names of section Gruppen, Anzahl of them (at most kMaxCount).
std::vector<std::string> readGroupNames(const IniDocument& ini);
// The names of group g's entries; a missing key gives an empty line.
std::vector<std::string> readEntryNames(const IniDocument& ini, int group);

enum class PictureSource { Screenshot, Location, EmptyImage, Placeholder };

struct EntryView {
  std::string section;         // "Programm_<g>_<n>"
  std::string screenshotPath;  // program folder + Screenshot
  std::string location;        // EntryLocation
  std::string parameter;       // EntryParameter
  std::string ext;             // EntryExt
  std::string type;            // EntryType: Typ in lower case
  bool isPicture = false;
  PictureSource pictureSource = PictureSource::Placeholder;
  std::string shownPicture;    // empty for the placeholder
  std::optional<LinkParts> link;  // none without an address
  bool hasLocation = false;
  std::string remark;          // the description to show; empty: none
  bool startEnabled = false, installEnabled = false, copyEnabled = false;
};

// Everything the main window needs for entry n of group g.
EntryView readEntry(const IniDocument& ini, const std::string& programDir, int group, int entry,
                    const std::string& emptyImageFile, const std::string& emptyRemark);

// What a launch hands to the desktop.
struct LaunchCommand {
  std::string file;
  std::string parameters;
  friend bool operator==(const LaunchCommand&, const LaunchCommand&) = default;
};
// Looks the extension up in Hiermit_Ausfuehren (Anzahl strict: throws
// core::Error); the last matching row wins and receives the quoted location;
// without a match the entry's own file and parameters.
LaunchCommand planLaunch(const IniDocument& ini, const std::string& programDir, const std::string& location,
                         const std::string& parameter, const std::string& ext);

// Where a started entry runs: its Location when that names a folder, else the
// folder the file lies in (for an associated program too: the document's).
std::string launchFolder(const std::string& location);

// The status line's note when the desktop could not start or open `target`
// (a path: its last name; an address as written).
std::string notOpenedNote(const std::string& target);

// A path as one quoted word of a parameter text, whatever quotes it holds.
std::string quoteParameter(std::string_view path);

}  // namespace tavilo::core

#endif
