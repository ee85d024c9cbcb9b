#include "core/ini/config_cache.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "core/ini/file_stamp.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace {

struct CachedDocument {
  FileStamp stamp;
  bool settled = false;
  std::string bytes;  // what was parsed, to spot a re-read that found the same
  std::shared_ptr<const IniDocument> document;
};

std::unordered_map<std::string, CachedDocument>& cache() {
  static std::unordered_map<std::string, CachedDocument> documents;
  return documents;
}

ConfigCacheStats& stats() {
  static ConfigCacheStats s;
  return s;
}

const std::shared_ptr<const IniDocument>& emptyDocument() {
  static const auto empty = std::make_shared<const IniDocument>();
  return empty;
}

// false when the file cannot be opened or a read fails.
bool readBytes(const std::string& path, std::string& bytes) {
  platform::File file = platform::File::openRead(path);
  if (!file.isOpen()) return false;
  const platform::FileStatus status = file.status();
  if (!status.isRegular) return false;
  bytes.reserve(std::min(static_cast<std::size_t>(std::max<std::int64_t>(status.size, 0)), kMaxIniBytes));
  char buffer[64 * 1024];
  while (bytes.size() < kMaxIniBytes) {
    const std::size_t want = std::min(sizeof buffer, kMaxIniBytes - bytes.size());
    const std::int64_t n = file.read(buffer, want);
    if (n < 0) return false;
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::shared_ptr<const IniDocument> loadConfigDocument(const std::string& path) {
  // The clock is read before the file, so that a write after it can never
  // share the stamp of what is read now.
  const std::int64_t readStart = wallClockNs();
  const FileStamp stamp = fileStamp(path);
  auto& documents = cache();
  if (!stamp.valid || !stamp.regular) {
    documents.erase(path);
    return emptyDocument();
  }
  if (const auto it = documents.find(path);
      it != documents.end() && it->second.settled && it->second.stamp == stamp) {
    ++stats().reuses;
    return it->second.document;
  }
  std::string bytes;
  if (!readBytes(path, bytes)) {
    documents.erase(path);
    return emptyDocument();
  }
  const bool settled = stampSettled(stamp, readStart);
  // Unchanged bytes need no parse, however doubtful the stamp was.
  if (const auto it = documents.find(path); it != documents.end() && it->second.bytes == bytes) {
    ++stats().rereads;
    it->second.stamp = stamp;
    it->second.settled = settled;
    return it->second.document;
  }
  auto document = std::make_shared<const IniDocument>(IniDocument::parse(bytes));
  ++stats().parses;
  documents[path] = CachedDocument{stamp, settled, std::move(bytes), document};
  return document;
}

ConfigCacheStats configCacheStats() { return stats(); }

void clearConfigCache() { cache().clear(); }

}  // namespace tavilo::core
