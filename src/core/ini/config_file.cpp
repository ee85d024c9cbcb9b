#include "core/ini/config_file.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/error.h"
#include "core/ini/default_ini.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace {

// false when the file cannot be opened or a read fails.
bool readFileBytes(const std::string& path, std::string& bytes) {
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

ConfigFile::ConfigFile(std::string path) : path_(std::move(path)) {}

IniDocument ConfigFile::read() const {
  std::optional<std::string> bytes = readBytes();
  if (!bytes) return {};
  return IniDocument::parse(std::move(*bytes));
}

std::optional<std::string> ConfigFile::readBytes() const {
  std::string bytes;
  if (!readFileBytes(path_, bytes)) return std::nullopt;
  return bytes;
}

bool ConfigFile::exists() const { return platform::fileExists(path_); }

void ConfigFile::WriteDefaultIni() const {
  const std::string text = defaultIniText(platform::localDateTimeText());
  const auto slash = path_.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string(".") : path_.substr(0, slash + 1);

  // Written beside the target and renamed over it, so that a full disk or a
  // failing write never leaves a cut sample file that would then be read.
  platform::File file = platform::File::createTemporary(folder);
  bool ok = file.isOpen();
  if (ok) {
    ok = file.writeAll(text.data(), text.size()) && file.setReadableByAll() && file.close();
    ok = ok && platform::renamePath(file.name(), path_);
    if (!ok) platform::removeFile(file.name());
  }
  if (!ok) throw Error(formatMessage("nach %s kann nicht geschrieben werden", path_));
}

}  // namespace tavilo::core
