// The configuration file at one path, with the program's reading operations.
// Every read checks the file again (a change on disk shows at the next read);
// a missing file reads as empty.
#ifndef TAVILO_CORE_INI_CONFIG_FILE_H
#define TAVILO_CORE_INI_CONFIG_FILE_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavilo::core {

class ConfigFile {
 public:
  explicit ConfigFile(std::string path);
  const std::string& path() const { return path_; }

  // "" when the file, the section or the key is missing.
  std::string ReadIniString(std::string_view section, std::string_view key) const;
  // lenientInteger of the value: 0 when missing, empty or not a number.
  std::int32_t ReadIniInteger(std::string_view section, std::string_view key) const;
  bool ReadIniBool(std::string_view section, std::string_view key) const;
  // std::nullopt for an empty value (the window keeps its design colour);
  // otherwise the strict conversion (throws core::Error), the low 24 bits ($BBGGRR).
  std::optional<std::uint32_t> ReadIniColor(std::string_view section, std::string_view key) const;

  // A file (not a folder) exists at the path.
  bool exists() const;
  // Writes the sample file with the current local date and time. The file
  // appears whole or not at all; on failure throws core::Error
  // "nach <path> kann nicht geschrieben werden".
  void WriteDefaultIni() const;

 private:
  std::string path_;
};

}  // namespace tavilo::core

#endif
