#include "core/ini/config_file.h"

#include <utility>

#include "core/error.h"
#include "core/ini/config_cache.h"
#include "core/ini/default_ini.h"
#include "core/ini/ini_number.h"
#include "platform/platform.h"

namespace tavilo::core {

ConfigFile::ConfigFile(std::string path) : path_(std::move(path)) {}

std::string ConfigFile::ReadIniString(std::string_view section, std::string_view key) const {
  return loadConfigDocument(path_)->value(section, key);
}

std::int32_t ConfigFile::ReadIniInteger(std::string_view section, std::string_view key) const {
  return lenientInteger(ReadIniString(section, key));
}

bool ConfigFile::ReadIniBool(std::string_view section, std::string_view key) const {
  return ReadIniInteger(section, key) != 0;
}

std::optional<std::uint32_t> ConfigFile::ReadIniColor(std::string_view section, std::string_view key) const {
  const std::string text = ReadIniString(section, key);
  if (text.empty()) return std::nullopt;
  return static_cast<std::uint32_t>(strictInteger(text)) & 0xFFFFFFu;
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
    ok = file.writeAll(text.data(), text.size()) && file.setPermissions(0644) && file.close();
    ok = ok && platform::renamePath(file.name(), path_);
    if (!ok) platform::removeFile(file.name());
  }
  if (!ok) throw Error(formatMessage("nach %s kann nicht geschrieben werden", path_));
}

}  // namespace tavilo::core
