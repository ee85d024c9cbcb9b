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
  std::vector<std::string> fixed;
  std::vector<std::string> numbered;  // prefixes of <prefix><n>
  const char* where;
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
  for (const std::string& k : set.fixed)
    if (foldIniName(k) == folded) return true;
  for (const std::string& prefix : set.numbered) {
    const std::string p = foldIniName(prefix);
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

void checkKeys(CheckContext& ctx, const IndexedSection& s, Kind kind) {
  const KeySet& known = keysOf(kind);
  for (const auto& [folded, i] : s.first) {
    const IndexedKey& k = s.keys[i];
    if (k.name.empty()) continue;  // reported, or a separator line
    bool badNumber = false;
    if (has(known, folded, badNumber)) continue;
    std::string text = k.name + " is never read in [" + s.name + "]";
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
    ctx.warning(k.line, text);
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
  for (const IndexedSection& s : ctx.index.sections()) {
    if (s.repeated()) continue;  // nothing in it is read; reported with the lines
    const SectionKind kind = kindOf(s.folded);
    const std::string header = "[" + s.name + "]";
    switch (kind.kind) {
      case Kind::Unknown: {
        const auto meant = nearestName(s.name, sectionNames(ctx));
        ctx.warning(s.line, header + " is never read" + (meant ? "; did you mean [" + *meant + "]?" : ""));
        continue;
      }
      case Kind::BadNumber:
        ctx.warning(s.line, header + " is never read: numbers run from 1 without leading zeros");
        continue;
      case Kind::Group:
        if (kind.group > ctx.groupsChecked) {
          ctx.warning(s.line, header + " is never read: there is no group " + std::to_string(kind.group));
          continue;
        }
        break;
      case Kind::Entry: {
        const auto entries = ctx.entriesChecked.find(kind.group);
        if (entries == ctx.entriesChecked.end()) {
          const std::string group = std::to_string(kind.group);
          ctx.warning(s.line, header + " is never shown: " +
                                  (kind.group > ctx.groupsChecked ? "there is no group " + group
                                                                  : "section [Gruppe_" + group + "] is missing"));
          continue;
        }
        if (kind.entry > entries->second) {
          ctx.warning(s.line, header + " is never shown: group " + std::to_string(kind.group) + " has no entry " +
                                  std::to_string(kind.entry));
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
