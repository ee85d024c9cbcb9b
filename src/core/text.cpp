#include "core/text.h"

#include "core/error.h"
#include "platform/ascii.h"

namespace tavilo::core {

std::string formatMessage(const std::string& pattern, const std::string& arg) {
  const auto at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + arg + pattern.substr(at + 2);
}

std::string lowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = platform::lowerAscii(c);
  return out;
}

std::string upperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = platform::upperAscii(c);
  return out;
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

std::string oneLine(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    out += (s[i] == '\r' || s[i] == '\n') ? ' ' : s[i];
  }
  return out;
}

}  // namespace tavilo::core
