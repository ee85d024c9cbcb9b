#include "core/folder_tree.h"

#include "core/error.h"
#include "core/files/file_utils_paths.h"
#include "core/path.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace {

std::vector<std::string> componentsOf(const std::string& folder) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start < folder.size()) {
    const auto slash = folder.find('/', start);
    const auto end = slash == std::string::npos ? folder.size() : slash;
    if (end > start) parts.push_back(folder.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::string normalFolder(const std::string& path) { return withoutTrailingSeparators(collapseSeparators(path)); }

std::vector<FolderItem> folderTreeItems(const std::string& folder, const std::vector<std::string>& subFolders) {
  std::vector<FolderItem> items;
  items.push_back({"/", "/", 0, true});
  std::string path;
  int level = 0;
  for (const std::string& part : componentsOf(folder)) {
    path += "/" + part;
    items.push_back({part, path, ++level, true});
  }
  const std::string base = path.empty() ? "/" : path + "/";
  for (const std::string& name : subFolders) items.push_back({name, base + name, level + 1, false});
  return items;
}

int currentFolderIndex(const std::string& folder) { return static_cast<int>(componentsOf(folder).size()); }

std::string driveOf(const std::string& folder, const std::vector<std::string>& drives) {
  const std::string f = normalFolder(folder);
  std::string best = "/";
  for (const std::string& d : drives) {
    const std::string drive = normalFolder(d);
    if (drive.empty() || drive.size() <= best.size() || isRootPath(drive)) continue;
    if (f == drive ||
        (f.size() > drive.size() && f.compare(0, drive.size(), drive) == 0 && isSeparator(f[drive.size()])))
      best = drive;
  }
  return best;
}

std::string UpOneFolder(const std::string& path) {
  if (path.empty() || path == "/" || IsDrivePath(path)) return path;
  return std::string(pathFolder(std::string_view(path).substr(0, path.size() - 1)));
}

std::string WithBackslash(const std::string& text) {
  return text.empty() ? std::string(1, separatorOf()) : withTrailingSeparator(text);
}

std::string withOneTrailingSlash(const std::string& path) { return WithBackslash(withoutTrailingSeparators(path)); }

bool ForceDirectories(const std::string& path) {
  if (path.empty()) throw Error("Das Verzeichnis kann nicht erstellt werden");
  const std::string p = withoutTrailingSeparators(path);
  if (isRootPath(p) || platform::isFolder(p)) return true;
  return platform::createFolders(p);
}

}  // namespace tavilo::core
