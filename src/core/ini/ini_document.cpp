#include "core/ini/ini_document.h"

#include "core/ini/ini_text.h"

namespace tavilo::core {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view unquote(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

// The first `maxChars` characters of a valid UTF-8 text.
std::string_view firstChars(std::string_view text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (chars == maxChars) return text.substr(0, i);
    ++chars;
  }
  return text;
}

std::string entryKey(std::string_view foldedSection, std::string_view key) {
  std::string k;
  k.reserve(foldedSection.size() + 1 + key.size());
  k += foldedSection;
  k += '\n';
  k += foldIniName(key);
  return k;
}

}  // namespace

std::string foldIniName(std::string_view name) {
  std::string out(name);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto b = static_cast<unsigned char>(out[i]);
    if (b >= 'A' && b <= 'Z') {
      out[i] = static_cast<char>(b + 32);
    } else if (b == 0xC3 && i + 1 < out.size()) {
      // U+00C0..U+00DE without U+00D7 (the multiplication sign)
      const auto next = static_cast<unsigned char>(out[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) out[i + 1] = static_cast<char>(next + 0x20);
      ++i;
    }
  }
  return out;
}

IniDocument IniDocument::parse(std::string_view bytes) {
  const std::string text = decodeIniBytes(bytes);
  const std::string_view all(text);
  IniDocument doc;
  std::string section;     // folded name of the section being read
  bool keysCount = false;  // false before the first section and in a repeated one
  std::size_t pos = 0;
  while (pos < all.size()) {
    std::size_t end = all.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = all.size();
    std::string_view line = all.substr(pos, end - pos);
    pos = end + 1;
    if (end < all.size() && all[end] == '\r' && pos < all.size() && all[pos] == '\n') ++pos;

    // A NUL ends the line's text, as it ends a string for the profile functions.
    line = line.substr(0, line.find('\0'));
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    if (line.empty() || line.front() == ';') continue;

    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        section = foldIniName(trimBlanks(line.substr(1, close - 1)));
        keysCount = doc.sections_.insert(section).second;
        continue;
      }
      // without ']' it is an ordinary line of the current section
    }
    if (!keysCount) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = trimBlanks(line.substr(0, eq));
    const std::string_view value = firstChars(unquote(trimBlanks(line.substr(eq + 1))), kMaxValueChars);
    doc.values_.try_emplace(entryKey(section, key), value);
  }
  return doc;
}

std::string IniDocument::value(std::string_view section, std::string_view key) const {
  const auto it = values_.find(entryKey(foldIniName(section), key));
  return it == values_.end() ? std::string() : it->second;
}

bool IniDocument::hasSection(std::string_view section) const {
  return sections_.count(foldIniName(section)) != 0;
}

}  // namespace tavilo::core
