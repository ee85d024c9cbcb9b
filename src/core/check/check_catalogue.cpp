// Findings about the catalogue: counts against the names present, groups and
// entries without a section, and each entry as the menu shows and starts it.
#include <set>

#include "core/check/check_context.h"
#include "core/copy_window_rules.h"
#include "core/error.h"
#include "core/ini/ini_number.h"
#include "core/menu/catalogue.h"
#include "core/picture/picture.h"
#include "core/text.h"
#include "platform/platform.h"

namespace tavilo::core::check_detail {

namespace {

std::string joinNames(const std::vector<std::string>& names) {
  if (names.size() > 3) return names.front() + " and " + std::to_string(names.size() - 1) + " more";
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i)
    out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return out;
}

// The numbers n of the keys prefix<n> in a section's first occurrence.
std::set<int> numbersPresent(const IndexedSection& s, const std::string& prefix) {
  std::set<int> present;
  const std::string folded = foldIniName(prefix);
  for (const auto& [key, i] : s.first)
    if (key.starts_with(folded))
      if (const auto n = nameNumber(std::string_view(key).substr(folded.size()))) present.insert(*n);
  return present;
}

// How far a list goes: `listed` as the menu reads Anzahl (-1 when it is no
// number), `checked` the larger of that and the highest name present.
struct Counted {
  int listed = -1, checked = 0;
  bool beyond(int n) const { return listed >= 0 && n > listed; }
};

// Anzahl of a section against its keys prefix<n>.
Counted checkCount(CheckContext& ctx, const std::string& section, const std::string& prefix, const char* items) {
  const IndexedSection* s = ctx.index.section(section);
  const std::set<int> present = numbersPresent(*s, prefix);
  const int highest = present.empty() ? 0 : *present.rbegin();
  const std::string anzahl = ctx.ini.ReadIniString(section, "Anzahl");
  const std::size_t line = ctx.index.lineOf(section, "Anzahl");
  if (anzahl.empty()) {
    if (!present.empty())
      ctx.error(line, "no Anzahl in [" + section + "]: the menu lists none of its " + std::to_string(present.size()) +
                          " " + items);
    else
      ctx.warning(line, "[" + section + "] has no Anzahl and no " + prefix + "<n>: the menu lists no " + items);
    return {-1, highest};
  }
  if (!parseIniInteger(anzahl)) {
    ctx.error(line, keyValue("Anzahl", anzahl) + " is not a number" + notANumberHint(anzahl) +
                        ": the menu reads 0 and lists no " + items);
    return {-1, highest};
  }
  const int written = lenientInteger(anzahl);
  const int count = std::max(clampCount(written), 0);
  if (written > kMaxCount)
    ctx.warning(line, keyValue("Anzahl", anzahl) + " is above " + std::to_string(kMaxCount) + ": the menu lists " +
                          std::to_string(kMaxCount));
  std::vector<std::string> missing;
  for (int n = 1; n <= count; ++n)
    if (!present.count(n)) missing.push_back(prefix + std::to_string(n));
  if (!missing.empty()) {
    const bool one = missing.size() == 1;
    ctx.error(line, "Anzahl " + std::to_string(count) + ", but " + joinNames(missing) + (one ? " is" : " are") +
                        " missing: the list shows " +
                        (one ? std::string("an empty row") : std::to_string(missing.size()) + " empty rows"));
  }
  for (const int n : present)
    if (n > count)
      ctx.error(ctx.index.lineOf(section, prefix + std::to_string(n)), prefix + std::to_string(n) +
                " is beyond Anzahl " + std::to_string(count) + ": the menu never lists it");
  return {count, std::max(count, highest)};
}

// A hint when a header for the missing section lacks its ']'.
std::string brokenHeaderHint(const CheckContext& ctx, const std::string& section) {
  const std::string folded = foldIniName(section);
  for (const IndexedLine& l : ctx.index.otherLines())
    if (l.text.front() == '[' && foldIniName(trimControls(l.text.substr(1))) == folded)
      return " (the header on line " + std::to_string(l.line) + " lacks its ']')";
  return {};
}

std::string missingMarks(std::string_view link) {
  std::vector<std::string> marks;
  for (const char* mark : {"[", "+", "]"})
    if (link.find(mark) == std::string_view::npos) marks.push_back(std::string("\"") + mark + "\"");
  return joinNames(marks);
}

bool hasScheme(std::string_view address) {
  const std::size_t colon = address.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  for (std::size_t i = 0; i < colon; ++i)
    if (!((address[i] >= 'a' && address[i] <= 'z') || (address[i] >= 'A' && address[i] <= 'Z'))) return false;
  return true;
}

void checkLink(CheckContext& ctx, const std::string& section) {
  const std::string link = ctx.ini.ReadIniString(section, "Link");
  if (link.empty()) return;
  const std::size_t line = ctx.index.lineOf(section, "Link");
  const std::optional<LinkParts> parts = parseLink(link);
  if (!parts)
    ctx.error(line, keyValue("Link", link) + " lacks " + missingMarks(link) +
                        ": the menu shows no link; write [address+caption]");
  else if (trimControls(parts->address).empty())
    ctx.error(line, keyValue("Link", link) + " has no address between \"[\" and \"+\": the menu shows no link");
  else if (trimControls(parts->caption).empty())
    ctx.warning(line, keyValue("Link", link) + " has no caption between \"+\" and \"]\": the link shows as \"[  ]\"");
  else if (!hasScheme(trimControls(parts->address)))
    ctx.warning(line, keyValue("Link", link) + ": the address has no scheme such as http://, so the desktop may "
                                               "take it for a file");
}

void checkType(CheckContext& ctx, const std::string& section) {
  const std::string type = ctx.ini.ReadIniString(section, "Typ");
  const std::size_t line = ctx.index.lineOf(section, "Typ");
  std::vector<std::string> names(std::begin(TypeNames), std::end(TypeNames));
  if (type.empty()) {
    ctx.warning(line, "no Typ: the entry offers no button; write Typ=Leer for a row without an action");
    return;
  }
  for (const std::string& name : names)
    if (lowerAscii(name) == lowerAscii(type)) return;
  const std::optional<std::string> meant = nearestName(type, names);
  ctx.error(line, keyValue("Typ", type) + " is none of Installation, Programm, Nur Kopieren and Leer: the entry "
                                          "offers no button" + (meant ? "; did you mean " + *meant + "?" : ""));
}

void checkEntry(CheckContext& ctx, int group, int entry) {
  const EntryView v =
      readEntry(ctx.ini, ctx.programDir, group, entry, ctx.settings.emptyImageFile, ctx.settings.emptyRemark);
  const std::string& section = v.section;
  const auto line = [&](const char* key) { return ctx.index.lineOf(section, key); };
  checkType(ctx, section);
  const bool launches = v.startEnabled || v.installEnabled;
  const char* button = v.startEnabled ? "\"Starten / Öffnen\"" : "\"Installieren\"";

  const std::string locationValue = ctx.ini.ReadIniString(section, "Location");
  std::optional<std::string> location;
  if (!v.hasLocation) {
    if (launches) ctx.error(line("Location"), std::string("no Location: ") + button + " opens the medium's own folder");
    else if (v.copyEnabled)
      ctx.error(line("Location"), "no Location: \"Kopieren\" offers the medium's whole root folder");
    if (!ctx.ini.ReadIniString(section, "Bemerkung").empty())
      ctx.warning(line("Bemerkung"), "the Bemerkung is never shown: an entry without Location shows no description");
  } else {
    const std::string wholeRoot = ": \"Kopieren\" offers the medium's whole root folder";
    location = checkPathValue(ctx, line("Location"), "Location", locationValue, true,
                              launches ? std::string(": ") + button + " starts nothing"
                              : v.copyEnabled ? wholeRoot : std::string());
    const auto isRoot = [&](const std::string& folder) {
      const platform::FileIdentity a = platform::fileIdentity(folder), b = platform::fileIdentity(ctx.programDir);
      return a.valid && a == b;
    };
    if (v.copyEnabled && location &&
        isRoot(copySourceFolder(false, v.location, ctx.programDir,
                                [](const std::string& f) { return platform::isFolder(f); })))
      ctx.warning(line("Location"), keyValue("Location", locationValue) +
                                        " lies in the medium's root" + wholeRoot +
                                        " (Tavilo, Tavilo.ini, the autorun files); name the folder to copy, as "
                                        "Location=extras");
  }

  const std::string shot = ctx.ini.ReadIniString(section, "Screenshot");
  const char* instead = v.pictureSource == PictureSource::Placeholder ? ": the entry shows the placeholder"
                                                                      : ": the entry shows another picture";
  if (!shot.empty())
    if (const auto path = checkPathValue(ctx, line("Screenshot"), "Screenshot", shot, false, instead))
      checkPicture(ctx, line("Screenshot"), keyValue("Screenshot", shot), *path);
  if (v.pictureSource == PictureSource::Location) {
    checkPicture(ctx, line("Location"), keyValue("Location", locationValue), v.location);
  } else if (v.pictureSource != PictureSource::Screenshot && location && platform::fileExists(*location) &&
             pictureFormatForExtension(pictureExtension(*location))) {
    ctx.warning(line("Location"), keyValue("Location", locationValue) +
                                      " is a picture, but the menu shows only .jpg, .gif and .bmp files as their own "
                                      "picture: name it in Screenshot too");
  }

  checkLink(ctx, section);

  if (!launches || !location || !platform::fileExists(*location)) return;
  std::optional<LaunchCommand> command;
  try {
    command = planLaunch(ctx.ini, ctx.programDir, v.location, v.parameter, v.ext);
  } catch (const Error&) {
    return;  // every start fails; reported with the association table
  }
  if (command->file == v.location)
    checkStartable(ctx, line("Location"), keyValue("Location", locationValue), v.location, false);
  else if (!v.parameter.empty())
    ctx.warning(line("Parameter"), "the Parameter is dropped: files " + v.ext + " are opened with " +
                                       onMedium(ctx, command->file) + ", which receives only the file");
}

}  // namespace

void checkCatalogue(CheckContext& ctx) {
  if (!ctx.index.section("Gruppen")) {
    ctx.error(0, "no [Gruppen] section: the menu lists no groups");
    return;
  }
  const Counted groups = checkCount(ctx, "Gruppen", "Gruppe_", "groups");
  ctx.groupsChecked = groups.checked;
  for (int g = 1; g <= groups.checked; ++g) {
    const std::string nameKey = "Gruppe_" + std::to_string(g);
    const IndexedKey* name = ctx.index.key("Gruppen", nameKey);
    const std::string section = "Gruppe_" + std::to_string(g);
    if (name && name->value.empty()) ctx.warning(name->line, nameKey + " is empty: the group list shows an empty row");
    if (!ctx.index.section(section)) {
      if (name && !groups.beyond(g))
        ctx.error(name->line, "group " + std::to_string(g) + " has no section [" + section + "]: it lists no entries" +
                                  brokenHeaderHint(ctx, section));
      continue;
    }
    const Counted entries = checkCount(ctx, section, "Programm_", "entries");
    ctx.entriesChecked[g] = entries.checked;
    for (int n = 1; n <= entries.checked; ++n) {
      const std::string entryKey = "Programm_" + std::to_string(n);
      const IndexedKey* entryName = ctx.index.key(section, entryKey);
      const std::string entrySection = "Programm_" + std::to_string(g) + "_" + std::to_string(n);
      if (entryName && entryName->value.empty())
        ctx.warning(entryName->line, entryKey + " is empty: the entry list shows an empty row");
      if (!ctx.index.section(entrySection)) {
        if (entryName && !entries.beyond(n))
          ctx.error(entryName->line, "entry " + std::to_string(n) + " of group " + std::to_string(g) +
                                         " has no section [" + entrySection + "]: it shows no picture, no "
                                         "description and no button" + brokenHeaderHint(ctx, entrySection));
        continue;
      }
      checkEntry(ctx, g, n);
    }
  }
}

}  // namespace tavilo::core::check_detail
