// The checker's small text helpers: how values are quoted in findings, and
// how a misspelt name finds the name that was meant.
#include <algorithm>

#include "core/check/check_context.h"
#include "core/ini/ini_number.h"
#include "core/text.h"

namespace tavilo::core::check_detail {

namespace {

constexpr std::size_t kShown = 60;

std::string cut(std::string_view text) {
  std::string shown(utf8Prefix(text, kShown));
  if (shown.size() < text.size()) shown += "...";
  return shown;
}

}  // namespace

std::string keyValue(std::string_view key, std::string_view value) {
  return std::string(key) + " \"" + cut(value) + "\"";
}

std::string shownName(std::string_view name) { return cut(name); }

std::string notANumberHint(std::string_view value) {
  const std::size_t cut = value.find_first_of(" \t;");
  if (cut == 0 || cut == std::string_view::npos || !parseIniInteger(value.substr(0, cut))) return {};
  return " (the text after the number belongs to the value: a comment must stand on a line of its own)";
}

namespace {

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

}  // namespace

std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    const char ca = foldAscii(a[i - 1]);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const bool same = ca == foldAscii(b[j - 1]);
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::optional<std::string> nearestName(std::string_view name, const std::vector<std::string>& names) {
  // A misspelling is found among names of about its length; a name much longer
  // than any the menu reads is no misspelling of one.
  constexpr std::size_t kLongest = 64;
  if (name.size() > kLongest) return std::nullopt;
  std::optional<std::string> best;
  std::size_t bestDistance = 3;  // at most two edits, and no more than a third of the name
  for (const std::string& candidate : names) {
    const std::size_t apart = candidate.size() > name.size() ? candidate.size() - name.size() : name.size() - candidate.size();
    if (apart >= bestDistance) continue;  // needs at least that many edits
    const std::size_t d = editDistance(name, candidate);
    if (d < bestDistance && 3 * d <= name.size()) {
      best = candidate;
      bestDistance = d;
    }
  }
  return best;
}

std::optional<int> nameNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 9 || digits.front() == '0') return std::nullopt;
  int n = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace tavilo::core::check_detail
