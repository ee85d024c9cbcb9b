// The configuration file at one path. read() takes one snapshot of it: a
// handler reads the file once when it starts and every key from that
// snapshot, so an edit on disk shows at the next action.
#ifndef TAVILO_CORE_INI_CONFIG_FILE_H
#define TAVILO_CORE_INI_CONFIG_FILE_H

#include <cstddef>
#include <optional>
#include <string>

#include "core/ini/ini_document.h"
#include "platform/system_error.h"

namespace tavilo::core {

// Files larger than this are read up to this size only.
inline constexpr std::size_t kMaxIniBytes = 64u << 20;

// What one reading of the file found.
struct ConfigBytes {
  enum class Outcome { Read, Missing, NotAFile, Unreadable };
  enum class Kind { Folder, Fifo, Device, Socket, Other };
  Outcome outcome = Outcome::Missing;
  std::string bytes;  // Read: the file as it is on disk, up to kMaxIniBytes
  bool cut = false;   // Read: the file goes on beyond kMaxIniBytes
  Kind kind = Kind::Other;  // NotAFile: what stands there
  platform::SystemError error;  // Unreadable: what the system said
};

class ConfigFile {
 public:
  explicit ConfigFile(std::string path);
  const std::string& path() const { return path_; }

  // The file as it is now; an empty document when it is missing, not a
  // regular file or cannot be read.
  IniDocument read() const;
  // The same snapshot's bytes as they are on disk (up to kMaxIniBytes);
  // std::nullopt when read() would give an empty document for want of a file.
  std::optional<std::string> readBytes() const;
  // The same, with what kept it from being read. Never blocks on a FIFO or device.
  ConfigBytes readFile() const;

  // A file (not a folder) exists at the path.
  bool exists() const;
  // Writes the sample file with the current local date and time, only where
  // nothing at all exists under the name (not through or over a link). On
  // failure throws core::Error "nach <path> kann nicht geschrieben werden", or
  // names the link that stands in the way (one that leads nowhere or in a
  // circle); a file that could not be written whole is removed again.
  void WriteDefaultIni() const;

 private:
  std::string path_;
};

}  // namespace tavilo::core

#endif
