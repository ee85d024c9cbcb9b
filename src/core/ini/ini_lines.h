// The lines of a configuration file as the profile functions see them: a line
// ends at CR, LF or CR LF, a NUL ends its text, and each line is a section
// header, a key line, a comment, blank, or something else that is ignored.
// Works on the file's raw bytes; names and values are not decoded here.
#ifndef TAVILO_CORE_INI_INI_LINES_H
#define TAVILO_CORE_INI_INI_LINES_H

#include <cstddef>
#include <string_view>

namespace tavilo::core {

enum class IniLineKind { Blank, Comment, Section, Key, Other };

struct IniLine {
  IniLineKind kind = IniLineKind::Blank;
  std::string_view text;   // the line up to its first NUL
  std::string_view name;   // Section: between '[' and the last ']', trimmed; Key: before the first '=', trimmed
  std::string_view value;  // Key: after the first '=', trimmed, one pair of outer quotes removed, not cut
};

IniLine classifyIniLine(std::string_view line);

// The bytes without a leading UTF-8 byte-order mark.
std::string_view withoutBom(std::string_view bytes);

// Calls f(number, line) for every line, numbered from 1.
template <class F>
void forEachIniLine(std::string_view bytes, F&& f) {
  std::size_t pos = 0, number = 0;
  while (pos < bytes.size()) {
    std::size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') ++end;
    const std::string_view line = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (end < bytes.size() && bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    f(++number, line);
  }
}

}  // namespace tavilo::core

#endif
