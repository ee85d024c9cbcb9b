// The parsed configuration per path, reused only while the file provably has
// not changed (see file_stamp.h); every call checks the file again, so an
// edit on disk shows at the next read. Process-wide and without locks: the
// program reads its configuration from the one GUI thread only.
#ifndef TAVILO_CORE_INI_CONFIG_CACHE_H
#define TAVILO_CORE_INI_CONFIG_CACHE_H

#include <cstddef>
#include <memory>
#include <string>

#include "core/ini/ini_document.h"

namespace tavilo::core {

// Files larger than this are read up to this size only.
inline constexpr std::size_t kMaxIniBytes = 64u << 20;

// The document of the file at `path`; an empty document when the file is
// missing, not a regular file or cannot be read.
std::shared_ptr<const IniDocument> loadConfigDocument(const std::string& path);

struct ConfigCacheStats {
  std::size_t parses = 0;  // files read and parsed
  std::size_t reuses = 0;   // reads answered by the stamp alone
  std::size_t rereads = 0;  // reads that found the bytes of the last parse again
};
ConfigCacheStats configCacheStats();

// Forgets every document (the statistics stay).
void clearConfigCache();

}  // namespace tavilo::core

#endif
