// The medium checker: every mistake in a medium's Tavilo.ini that would make
// the menu misbehave, found with the menu's own reader, path resolution,
// picture loader and launch rules, so that it cannot disagree with the menu.
// It only reads; nothing on the medium is written.
#ifndef TAVILO_CORE_CHECK_MEDIUM_CHECK_H
#define TAVILO_CORE_CHECK_MEDIUM_CHECK_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo::core {

enum class Severity { Warning, Error };

struct Finding {
  std::size_t line = 0;  // from 1; 0 for the file as a whole
  Severity severity = Severity::Error;
  std::string text;
  // A summary of findings of one kind that are not listed: how many it stands for.
  std::size_t more = 0;
  friend bool operator==(const Finding&, const Finding&) = default;
};

struct MediumCheck {
  // Why the medium could not be read at all; the findings are empty then.
  std::optional<std::string> unreadable;
  std::vector<Finding> findings;  // ordered by line
  // Findings of that severity, those that a summary stands for included.
  std::size_t count(Severity severity) const;
};

// Checks folder/Tavilo.ini and the files it names.
MediumCheck checkMedium(const std::string& folder);

// Checks configuration bytes as if they stood in `programDir` (one trailing '/').
std::vector<Finding> checkConfiguration(std::string bytes, const std::string& programDir);

// "Tavilo.ini:12: error: text", or "Tavilo.ini: error: text" for line 0, with
// every control character shown escaped (see terminalText).
std::string formatFinding(const Finding& finding);
// The text safe for a terminal: control characters (C0, DEL, C1) and bytes
// that are not UTF-8 become visible escapes such as \x1B and \u009B.
std::string terminalText(std::string_view text);
// "2 errors, 1 warning" or "no errors, no warnings".
std::string summaryLine(const MediumCheck& check);

}  // namespace tavilo::core

#endif
