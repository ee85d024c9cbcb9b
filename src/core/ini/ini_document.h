// One reading of the configuration file with the rules of the Windows profile
// functions: ';' comment lines, blanks trimmed, outer quotes removed, names
// matched ignoring case, the first occurrence of a section or key counts.
// A handler takes one document per user action and reads every key from it.
#ifndef TAVILO_CORE_INI_INI_DOCUMENT_H
#define TAVILO_CORE_INI_INI_DOCUMENT_H

#include <cstddef>
#include <cstdint>
#include <optional>
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

  // Any bytes are accepted: UTF-16 with its byte-order mark, UTF-8 or
  // Windows-1252 (see decodeIniBytes); what is not a section, a key line or a
  // comment is ignored. Only the section headers are found here; a section's name is
  // compared and its keys gathered when it is first read, so that one click
  // on a large catalogue costs about one pass over its bytes.
  static IniDocument parse(std::string bytes);

  // "" when the section or the key is missing.
  std::string ReadIniString(std::string_view section, std::string_view key) const;
  // 0 when missing, empty or not a number.
  std::int32_t ReadIniInteger(std::string_view section, std::string_view key) const;
  bool ReadIniBool(std::string_view section, std::string_view key) const;
  // std::nullopt for an empty value (the window keeps its design colour);
  // otherwise the strict conversion (throws core::Error), the low 24 bits ($BBGGRR).
  std::optional<std::uint32_t> ReadIniColor(std::string_view section, std::string_view key) const;
  bool hasSection(std::string_view section) const;

 private:
  struct Range {
    std::size_t at = 0, length = 0;
  };
  // A section header line: its name, and its body up to the next header.
  struct Header {
    Range name, body;
  };
  using Keys = std::unordered_map<std::string, Range>;  // folded key -> raw value

  std::string decode(Range raw) const;
  bool nameIs(Range raw, std::string_view folded) const;
  // The keys of the first section named `section`; nullptr when there is none.
  const Keys* keysOf(std::string_view section) const;

  std::string bytes_;  // without a byte-order mark
  bool utf8_ = true;   // else Windows-1252
  std::vector<Header> headers_;
  // Filled as sections are read: folded name -> header number (kNoSection:
  // none). Numbers, not pointers, so that a copy reads its own keys.
  static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
  mutable std::unordered_map<std::string, std::size_t> found_;
  mutable std::unordered_map<std::size_t, Keys> keys_;  // by header number
};

}  // namespace tavilo::core

#endif
