// Findings about names: sections that nothing refers to and keys that the
// program never reads, with the name that was probably meant.
#include <algorithm>
#include <map>

#include "core/check/check_context.h"
#include "core/text.h"

namespace tavilo::core::check_detail {

namespace {

enum class Kind { Programm, Gruppen, Group, Entry, Associations, BadNumber, Unknown };

struct SectionKind {
  Kind kind = Kind::Unknown;
  int group = 0, entry = 0;
};

bool allDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

SectionKind kindOf(std::string_view folded) {
  if (folded == "programm") return {Kind::Programm};
  if (folded == "gruppen") return {Kind::Gruppen};
  if (folded == "hiermit_ausfuehren") return {Kind::Associations};
  if (folded.starts_with("gruppe_")) {
    const std::string_view rest = folded.substr(7);
    if (const auto g = nameNumber(rest)) return {Kind::Group, *g};
    return {allDigits(rest) ? Kind::BadNumber : Kind::Unknown};
  }
  if (folded.starts_with("programm_")) {
    const std::string_view rest = folded.substr(9);
    const std::size_t cut = rest.find('_');
    if (cut == std::string_view::npos) return {};
    const auto g = nameNumber(rest.substr(0, cut));
    const auto n = nameNumber(rest.substr(cut + 1));
    if (g && n) return {Kind::Entry, *g, *n};
    return {allDigits(rest.substr(0, cut)) && allDigits(rest.substr(cut + 1)) ? Kind::BadNumber : Kind::Unknown};
  }
  return {};
}

struct KeySet {
  KeySet(std::vector<std::string> fixedIn, std::vector<std::string> numberedIn, const char* whereIn)
      : fixed(std::move(fixedIn)), numbered(std::move(numberedIn)), where(whereIn) {
    for (const std::string& k : fixed) foldedFixed.push_back(foldIniName(k));
    for (const std::string& k : numbered) foldedNumbered.push_back(foldIniName(k));
  }
  std::vector<std::string> fixed;
  std::vector<std::string> numbered;  // prefixes of <prefix><n>
  const char* where;
  std::vector<std::string> foldedFixed, foldedNumbered;  // as compared
};

const KeySet& keysOf(Kind kind) {
  static const KeySet programm{{"Version", "Erstellt mit", "Erstell-Datum", "CD_Titel", "Logo", "LogoPos",
                                "Gruppen_Ueberschrift", "Gruppen_Ueberschrift2", "Programm_Ueberschrift",
                                "Programm_Ueberschrift2", "FontName", "Leere_Bemerkung", "Leer_Image",
                                "ShowOnlyUsedButton", "BorderFarbe", "FensterFarbe", "Fenster_Schriftfarbe",
                                "VerlaufFarbe", "VerlaufFarbe2", "RahmenFarbe", "RahmenFarbe2", "TitelFarbe",
                                "Rahmen_SchriftFarbe", "Breite", "Hoehe", "Border_Style", "Breite_Links",
                                "ImageHoehe", "BemerkungsHoehe"},
                               {},
                               "[Programm]"};
  static const KeySet gruppen{{"Show_Gruppen", "Anzahl"}, {"Gruppe_"}, "[Gruppen]"};
  static const KeySet group{{"Anzahl"}, {"Programm_"}, "a group's section [Gruppe_<g>]"};
  static const KeySet entry{{"Typ", "Location", "Parameter", "Screenshot", "Bemerkung", "Link"},
                            {},
                            "an entry's section [Programm_<g>_<n>]"};
  static const KeySet associations{{"Anzahl"}, {"Ext_", "Prog_"}, "[Hiermit_Ausfuehren]"};
  static const KeySet none{{}, {}, ""};
  switch (kind) {
    case Kind::Programm: return programm;
    case Kind::Gruppen: return gruppen;
    case Kind::Group: return group;
    case Kind::Entry: return entry;
    case Kind::Associations: return associations;
    default: return none;
  }
}

// Whether the set has the key; a numbered key with a badly written number sets `badNumber`.
bool has(const KeySet& set, const std::string& folded, bool& badNumber) {
  for (const std::string& k : set.foldedFixed)
    if (k == folded) return true;
  for (const std::string& p : set.foldedNumbered) {
    if (!folded.starts_with(p)) continue;
    const std::string_view rest = std::string_view(folded).substr(p.size());
    if (nameNumber(rest)) return true;
    if (allDigits(rest)) badNumber = true;
  }
  return false;
}

// The known key a misspelt one probably stands for; a numbered key keeps its number.
std::optional<std::string> meantKey(const std::string& name, const KeySet& known) {
  if (const auto meant = nearestName(name, known.fixed)) return meant;
  const std::size_t digits = name.find_last_not_of("0123456789") + 1;
  if (digits == 0 || digits == name.size()) return std::nullopt;
  if (const auto prefix = nearestName(name.substr(0, digits), known.numbered)) return *prefix + name.substr(digits);
  return std::nullopt;
}

constexpr const char* kUnknownKeys = "keys that are never read";
constexpr const char* kUnknownSections = "sections that are never read";
constexpr const char* kUnshownSections = "sections that are never shown";

void checkKeys(CheckContext& ctx, const IndexedSection& s, Kind kind) {
  const KeySet& known = keysOf(kind);
  for (const auto& [folded, i] : s.first) {
    const IndexedKey& k = s.keys[i];
    if (k.name.empty()) continue;  // reported, or a separator line
    bool badNumber = false;
    if (has(known, folded, badNumber)) continue;
    if (!ctx.shows(Severity::Warning, kUnknownKeys)) {
      ctx.countMore(Severity::Warning, kUnknownKeys, 1);
      continue;
    }
    std::string text = shownName(k.name) + " is never read in [" + shownName(s.name) + "]";
    if (badNumber) {
      text += ": numbers run from 1 without leading zeros";
    } else {
      std::string elsewhere;
      for (const Kind other : {Kind::Programm, Kind::Gruppen, Kind::Group, Kind::Entry, Kind::Associations}) {
        bool ignored = false;
        if (other != kind && has(keysOf(other), folded, ignored)) {
          elsewhere = keysOf(other).where;
          break;
        }
      }
      if (!elsewhere.empty()) text += ": it belongs in " + elsewhere;
      else if (const auto meant = meantKey(k.name, known)) text += "; did you mean " + *meant + "?";
    }
    ctx.warning(k.line, text, kUnknownKeys);
  }
}

std::vector<std::string> sectionNames(const CheckContext& ctx) {
  std::vector<std::string> names{"Programm", "Gruppen", "Hiermit_Ausfuehren"};
  constexpr std::size_t kMostSuggested = 2000;
  for (const auto& [g, entries] : ctx.entriesChecked) {
    names.push_back("Gruppe_" + std::to_string(g));
    for (int n = 1; n <= entries && names.size() < kMostSuggested; ++n)
      names.push_back("Programm_" + std::to_string(g) + "_" + std::to_string(n));
  }
  return names;
}

}  // namespace

void checkSectionsAndKeys(CheckContext& ctx) {
  std::optional<std::vector<std::string>> names;  // made once, at the first unknown section
  for (const IndexedSection& s : ctx.index.sections()) {
    if (s.repeated()) continue;  // nothing in it is read; reported with the lines
    const SectionKind kind = kindOf(s.folded);
    const std::string header = "[" + shownName(s.name) + "]";
    switch (kind.kind) {
      case Kind::Unknown: {
        if (!ctx.shows(Severity::Warning, kUnknownSections)) {
          ctx.countMore(Severity::Warning, kUnknownSections, 1);
          continue;
        }
        if (!names) names = sectionNames(ctx);
        const auto meant = nearestName(s.name, *names);
        ctx.warning(s.line, header + " is never read" + (meant ? "; did you mean [" + *meant + "]?" : ""),
                    kUnknownSections);
        continue;
      }
      case Kind::BadNumber:
        ctx.warning(s.line, header + " is never read: numbers run from 1 without leading zeros", kUnknownSections);
        continue;
      case Kind::Group:
        if (kind.group > ctx.groupsChecked) {
          ctx.warning(s.line, header + " is never read: there is no group " + std::to_string(kind.group),
                      kUnknownSections);
          continue;
        }
        break;
      case Kind::Entry: {
        const auto entries = ctx.entriesChecked.find(kind.group);
        if (entries == ctx.entriesChecked.end()) {
          const std::string group = std::to_string(kind.group);
          ctx.warning(s.line,
                      header + " is never shown: " +
                          (kind.group > ctx.groupsChecked ? "there is no group " + group
                                                          : "section [Gruppe_" + group + "] is missing"),
                      kUnshownSections);
          continue;
        }
        if (kind.entry > entries->second) {
          ctx.warning(s.line,
                      header + " is never shown: group " + std::to_string(kind.group) + " has no entry " +
                          std::to_string(kind.entry),
                      kUnshownSections);
          continue;
        }
        break;
      }
      default:
        break;
    }
    checkKeys(ctx, s, kind.kind);
  }
}

}  // namespace tavilo::core::check_detail
