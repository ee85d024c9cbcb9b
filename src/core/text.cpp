#include "core/text.h"

#include "core/error.h"

namespace tavilo::core {

std::string formatMessage(const std::string& pattern, const std::string& arg) {
  const auto at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + arg + pattern.substr(at + 2);
}

std::string lowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

std::string upperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

std::string trimControls(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return std::string(s.substr(b, e - b));
}

std::vector<std::string> splitLines(std::string_view s) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const auto nl = s.find('\n', start);
    if (nl == std::string_view::npos) {
      lines.emplace_back(s.substr(start));
      return lines;
    }
    lines.emplace_back(s.substr(start, nl - start));
    start = nl + 1;
  }
}

std::size_t utf8Length(std::string_view s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string_view utf8Prefix(std::string_view s, std::size_t maxChars) {
  if (s.size() <= maxChars) return s;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
    if (chars == maxChars) return s.substr(0, i);
    ++chars;
  }
  return s;
}

}  // namespace tavilo::core
