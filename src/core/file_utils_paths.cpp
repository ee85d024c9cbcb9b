#include "core/file_utils_paths.h"

#include "core/path.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

std::string ExtractFilePathLower(const std::string& path) { return std::string(pathFolder(path)); }

std::string AddBackslash(const std::string& text) { return withTrailingSeparator(text); }

std::string RemoveBackslash(const std::string& text) {
  if (!text.empty() && isSeparator(text.back())) return text.substr(0, text.size() - 1);
  return text;
}

std::string CollapseDoubled(const std::string& text, char separator) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != separator || out.empty() || out.back() != separator) out += c;
  return out;
}

bool IsDrivePath(const std::string& path) { return pf::isDrive(path); }

bool CanEnterDir(const std::string& path) {
  std::string p = RemoveBackslash(path);
  // "/" loses its only character; the root stays the root.
  if (p.empty() && !path.empty()) p = "/";
  if (p.empty()) return false;
  // chdir changes nothing when it fails, so there is nothing to restore.
  return pf::changeFolder(p);
}

std::string GetParentDir(const std::string& folder) {
  if (folder.empty()) return {};
  // Absolute first: entering the folder changes what a relative path means.
  const std::string path = CollapseDoubled(pf::absolutePath(folder), '/');
  if (!CanEnterDir(path)) return {};
  if (IsDrivePath(path)) return AddBackslash(path);
  const std::string rest = path.substr(0, path.size() - 1);
  const auto slash = rest.rfind('/');
  if (slash == std::string::npos) return {};
  return rest.substr(0, slash + 1);
}

bool FolderExists(const std::string& path) {
  std::string s = RemoveBackslash(path);
  if (s.empty() && !path.empty()) s = "/";
  const int attr = pf::fileAttributes(s);
  return attr != pf::kAttrInvalid && (attr & pf::kAttrFolder) && !(attr & pf::kAttrHidden);
}

bool HasFileAttr(const std::string& path, int mask) { return (pf::fileAttributes(path) & mask) == mask; }

std::string GetTempDir() {
  pf::createFolders("/tmp");
  return "/tmp/";
}

}  // namespace tavilo::core
