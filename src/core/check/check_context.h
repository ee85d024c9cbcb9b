// What the parts of the medium checker share: the one snapshot of the file
// (read by the menu's reader and indexed by line), the medium's folder, and
// the findings so far. Not for use outside src/core/check.
#ifndef TAVILO_CORE_CHECK_CHECK_CONTEXT_H
#define TAVILO_CORE_CHECK_CHECK_CONTEXT_H

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/check/ini_index.h"
#include "core/check/medium_check.h"
#include "core/ini/ini_document.h"
#include "core/menu/start_settings.h"

namespace tavilo::core::check_detail {

struct CheckContext {
  CheckContext(const IniDocument& ini, const IniIndex& index, std::string programDir);

  const IniDocument& ini;
  const IniIndex& index;
  const std::string programDir;
  const StartSettings settings;  // what the start-up takes from the file

  // The catalogue as checked: up to the larger of each Anzahl and the highest
  // name present, so that a wrong count is one finding, not one per entry.
  int groupsChecked = 0;
  std::map<int, int> entriesChecked;  // by group
  std::vector<Finding> findings;
  // Picture files already decoded, with the problem found (empty: none).
  std::map<std::string, std::string> pictures;

  // Findings of one kind beyond the first kShownPerKind are only counted;
  // summarise() then adds "… and N more ..." after the last one shown. The
  // kind is a plural phrase ("sections that are never read"); without one, the
  // text with its numbers, quoted values and [names] left out is the kind.
  static constexpr std::size_t kShownPerKind = 10;
  void error(std::size_t line, std::string text, std::string_view kind = {}) {
    add(line, Severity::Error, std::move(text), kind);
  }
  void warning(std::size_t line, std::string text, std::string_view kind = {}) {
    add(line, Severity::Warning, std::move(text), kind);
  }
  // Whether a finding of a named kind would still be shown (to spare the work of one that would not).
  bool shows(Severity severity, std::string_view kind) const;
  // Counts `n` findings of a named kind that were not made one by one.
  void countMore(Severity severity, std::string_view kind, std::size_t n);
  void summarise();

 private:
  struct Tally {
    std::size_t shown = 0, more = 0, lastLine = 0;
  };
  using KindKey = std::tuple<Severity, bool, std::string>;  // named kind?, kind
  void add(std::size_t line, Severity severity, std::string text, std::string_view kind);
  std::map<KindKey, Tally> tallies_;
};

// The parts, in the order they run.
void checkLines(CheckContext& ctx);
void checkProgramSection(CheckContext& ctx);
void checkLook(CheckContext& ctx);
void checkCatalogue(CheckContext& ctx);
void checkAssociations(CheckContext& ctx);
void checkSectionsAndKeys(CheckContext& ctx);

// ---- shared by the parts

// Key=Value as written, the value cut to a readable length.
std::string keyValue(std::string_view key, std::string_view value);
// A section or key name from the file, cut to a readable length.
std::string shownName(std::string_view name);
// Why a value that should be a number is not, for the end of a finding:
// ": the text after the number ..." when it is a number followed by text.
std::string notANumberHint(std::string_view value);
// Edit distance ignoring ASCII case.
std::size_t editDistance(std::string_view a, std::string_view b);
// The name among `names` nearest to `name` when it is a likely misspelling.
std::optional<std::string> nearestName(std::string_view name, const std::vector<std::string>& names);
// A number written as the reader builds its names (1, 2, ... without
// leading zeros); std::nullopt for anything else.
std::optional<int> nameNumber(std::string_view digits);

// A path value of the configuration, checked as the menu resolves it:
// absolute or a web address, naming nothing, found only by ignoring case.
// Returns the resolved path when it names a file (or, with `folderAllowed`,
// a folder). `missingEffect` ends the finding for a path that names nothing.
std::optional<std::string> checkPathValue(CheckContext& ctx, std::size_t line, std::string_view key,
                                          const std::string& value, bool folderAllowed,
                                          std::string_view missingEffect);
// A picture file as the menu loads it: by its extension, or as GIF for a logo
// that logoIsGif. Reports an unknown extension, contents of another format and
// data the loader cannot decode; `subject` (Key "value") begins the finding.
void checkPicture(CheckContext& ctx, std::size_t line, const std::string& subject, const std::string& path,
                  bool asGif = false);
// A file that a launch starts, judged by the rules of the system the check
// runs on (platform::startNote): on Linux a Windows program, or a program
// without execute permission, is opened by the desktop instead; on Windows a
// file without a registered program opens nowhere. `program` marks a
// Prog_<n> (anything not startable is then an error: its file would be dropped).
void checkStartable(CheckContext& ctx, std::size_t line, const std::string& subject, const std::string& path,
                    bool program);
// The path below the medium's folder, for messages.
std::string onMedium(const CheckContext& ctx, const std::string& path);

}  // namespace tavilo::core::check_detail

#endif
