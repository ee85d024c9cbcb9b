// The parsed configuration file with the reading rules of the Windows profile
// functions: ';' comment lines, blanks trimmed, outer quotes removed, names
// matched ignoring case, the first occurrence of a section or key counts.
#ifndef TAVILO_CORE_INI_INI_DOCUMENT_H
#define TAVILO_CORE_INI_INI_DOCUMENT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
  // Keys and values are pieces of text_, which the document keeps.
  struct Entry {
    std::size_t section;
    std::uint64_t hash;
    std::size_t keyAt, keyLength;
    std::size_t valueAt, valueLength;
  };
  void addEntry(std::size_t section, std::string_view key, std::string_view value);
  const Entry* find(std::size_t section, std::string_view key, std::uint64_t hash) const;
  void grow();

  std::string text_;
  std::unordered_map<std::string, std::size_t> sections_;  // folded name -> number
  std::vector<Entry> entries_;
  std::vector<std::uint64_t> slots_;  // open addressing over entries_, 0 free
};

}  // namespace tavilo::core

#endif
