#include "core/ini/config_file.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/error.h"
#include "core/ini/default_ini.h"
#include "core/path.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace {

ConfigBytes::Kind kindOf(const platform::FileStatus& status) {
  if (status.isFolder) return ConfigBytes::Kind::Folder;
  if (status.isFifo) return ConfigBytes::Kind::Fifo;
  if (status.isDevice) return ConfigBytes::Kind::Device;
  if (status.isSocket) return ConfigBytes::Kind::Socket;
  return ConfigBytes::Kind::Other;
}

// Why no sample file is written where something already stands. A link is
// named, since it is left as it is on purpose; anything else (a folder too)
// is the plain write error.
std::string whatIsInTheWay(const std::string& path) {
  const platform::FileStatus here = platform::fileStatus(path, false);
  if (here.isLink) {
    const std::string target = platform::linkTarget(path);
    const std::string reached = isAbsolutePath(target) ? target : std::string(pathFolder(path)) + target;
    if (platform::fileStatus(reached, false).valid)
      return formatMessage("%s ist eine Verknüpfung, die im Kreis verweist (auf ", path) + target + ")";
    return formatMessage("%s verweist auf eine Datei, die es nicht gibt (", path) + target + ")";
  }
  return formatMessage("nach %s kann nicht geschrieben werden", path);
}

}  // namespace

ConfigFile::ConfigFile(std::string path) : path_(std::move(path)) {}

ConfigBytes ConfigFile::readFile() const {
  using Outcome = ConfigBytes::Outcome;
  ConfigBytes r;
  platform::File file = platform::File::openRead(path_);
  if (!file.isOpen()) {
    // A link that leads nowhere (or in a circle) is as good as no file.
    const platform::ErrorKind kind = file.error().kind();
    r.outcome = kind == platform::ErrorKind::NotFound || kind == platform::ErrorKind::TooManyLinks ? Outcome::Missing
                                                                                                     : Outcome::Unreadable;
    r.error = file.error();
    return r;
  }
  const platform::FileStatus status = file.status();
  if (!status.valid) {
    r.outcome = Outcome::Unreadable;
    r.error = file.error();
    return r;
  }
  if (!status.isRegular) {
    r.outcome = Outcome::NotAFile;
    r.kind = kindOf(status);
    return r;
  }
  std::string& bytes = r.bytes;
  bytes.reserve(std::min(static_cast<std::size_t>(std::max<std::int64_t>(status.size, 0)), kMaxIniBytes));
  char buffer[64 * 1024];
  while (bytes.size() < kMaxIniBytes) {
    const std::size_t want = std::min(sizeof buffer, kMaxIniBytes - bytes.size());
    const std::int64_t n = file.read(buffer, want);
    if (n < 0) {
      r.outcome = Outcome::Unreadable;
      r.error = file.error();
      r.bytes.clear();
      return r;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  r.outcome = Outcome::Read;
  r.cut = bytes.size() == kMaxIniBytes && file.read(buffer, 1) > 0;
  return r;
}

IniDocument ConfigFile::read() const {
  std::optional<std::string> bytes = readBytes();
  if (!bytes) return {};
  return IniDocument::parse(std::move(*bytes));
}

std::optional<std::string> ConfigFile::readBytes() const {
  ConfigBytes r = readFile();
  if (r.outcome != ConfigBytes::Outcome::Read) return std::nullopt;
  return std::move(r.bytes);
}

bool ConfigFile::exists() const { return platform::fileExists(path_); }

void ConfigFile::WriteDefaultIni() const {
  const std::string text = defaultIniText(platform::localDateTimeText());
  // Only where nothing at all stands under the name: an author's link, even
  // one that leads nowhere, stays as it is.
  platform::File file = platform::File::createNew(path_);
  if (!file.isOpen()) {
    if (file.error().kind() == platform::ErrorKind::Exists) throw Error(whatIsInTheWay(path_));
    throw Error(formatMessage("nach %s kann nicht geschrieben werden", path_));
  }
  // A file that could not be written whole goes again, so that no cut sample is read.
  if (!file.writeAll(text.data(), text.size()) || !file.close()) {
    file = platform::File();
    platform::removeFile(path_);
    throw Error(formatMessage("nach %s kann nicht geschrieben werden", path_));
  }
}

}  // namespace tavilo::core
