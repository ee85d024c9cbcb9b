// The parsed configuration file with the reading rules of the Windows profile
// functions: ';' comment lines, blanks trimmed, outer quotes removed, names
// matched ignoring case, the first occurrence of a section or key counts.
#ifndef TAVILO_CORE_INI_INI_DOCUMENT_H
#define TAVILO_CORE_INI_INI_DOCUMENT_H

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace tavilo::core {

// The longest value a reader sees, in characters; longer values are cut.
inline constexpr std::size_t kMaxValueChars = 2047;

// Section and key names as they are compared: ASCII and the Latin-1 letters
// (À..Þ) in lower case.
std::string foldIniName(std::string_view name);

class IniDocument {
 public:
  IniDocument() = default;

  // Decodes the bytes (decodeIniBytes) and applies every rule. Any bytes are
  // accepted; what is not a section, a key line or a comment is ignored.
  static IniDocument parse(std::string_view bytes);

  // "" when the section or the key is missing.
  std::string value(std::string_view section, std::string_view key) const;
  bool hasSection(std::string_view section) const;

 private:
  std::unordered_set<std::string> sections_;  // folded names
  // folded section + '\n' + folded key; no name can hold a line break
  std::unordered_map<std::string, std::string> values_;
};

}  // namespace tavilo::core

#endif
