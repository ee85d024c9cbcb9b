#include "core/ini/ini_lines.h"

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

}  // namespace

IniLine classifyIniLine(std::string_view line) {
  IniLine out;
  // A NUL ends the line's text, as it ends a string for the profile functions.
  out.text = line.substr(0, line.find('\0'));
  std::string_view s = out.text;
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  if (s.empty()) return out;
  if (s.front() == ';') {
    out.kind = IniLineKind::Comment;
    return out;
  }
  if (s.front() == '[') {
    const std::size_t close = s.rfind(']');
    if (close != std::string_view::npos) {
      out.kind = IniLineKind::Section;
      out.name = trimBlanks(s.substr(1, close - 1));
      return out;
    }
    // without ']' it is an ordinary line
  }
  const std::size_t eq = s.find('=');
  if (eq == std::string_view::npos) {
    out.kind = IniLineKind::Other;
    return out;
  }
  out.kind = IniLineKind::Key;
  out.name = trimBlanks(s.substr(0, eq));
  out.value = unquote(trimBlanks(s.substr(eq + 1)));
  return out;
}

std::string_view withoutBom(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  return bytes;
}

}  // namespace tavilo::core
