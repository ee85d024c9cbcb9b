#include "core/files/file_utils_paths.h"

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
  std::string p = withoutTrailingSeparators(path);
  if (p.empty()) return false;
  // A bare drive ("C:") means its root, not the drive's own current folder.
  if (isRootPath(p) && !isAbsolutePath(p)) p = withTrailingSeparator(p);
  // chdir changes nothing when it fails, so there is nothing to restore.
  return pf::changeFolder(p);
}

std::string GetParentDir(const std::string& folder) {
  if (folder.empty()) return {};
  // Absolute first: entering the folder changes what a relative path means.
  const std::string path = collapseSeparators(pf::absolutePath(folder));
  if (!CanEnterDir(path)) return {};
  if (IsDrivePath(path)) return AddBackslash(path);
  return std::string(pathFolder(std::string_view(path).substr(0, path.size() - 1)));
}

bool FolderExists(const std::string& path) {
  const int attr = pf::fileAttributes(withoutTrailingSeparators(path));
  return attr != pf::kAttrInvalid && (attr & pf::kAttrFolder) && !(attr & (pf::kAttrHidden | pf::kAttrSystem));
}

bool HasFileAttr(const std::string& path, int mask) { return (pf::fileAttributes(path) & mask) == mask; }

std::string GetTempDir() {
  const std::string folder = pf::temporaryFolder();
  pf::createFolders(RemoveBackslash(folder));
  return folder;
}

}  // namespace tavilo::core
