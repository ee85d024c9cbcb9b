#include "core/files/file_masks.h"

#include "core/files/file_utils_search.h"

namespace tavilo::core {

namespace {

std::string trimBlanks(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const auto at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

}  // namespace

std::vector<std::string> splitMasks(const std::string& text) {
  std::vector<std::string> masks;
  for (const std::string& part : split(text, ';'))
    if (std::string mask = trimBlanks(part); !mask.empty()) masks.push_back(mask);
  return masks;
}

bool matchesAnyMask(const std::string& name, const std::vector<std::string>& masks) {
  if (masks.empty()) return true;
  for (const std::string& mask : masks)
    if (matchesMask(name, mask)) return true;
  return false;
}

std::vector<FilterEntry> parseFilter(const std::string& filter) {
  std::vector<FilterEntry> entries;
  if (filter.empty()) return entries;
  const std::vector<std::string> parts = split(filter, '|');
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    FilterEntry e{parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()};
    if (!e.description.empty() || !e.mask.empty()) entries.push_back(std::move(e));
  }
  return entries;
}

}  // namespace tavilo::core
