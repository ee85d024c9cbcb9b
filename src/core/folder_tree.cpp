#include "core/folder_tree.h"

#include "core/error.h"
#include "core/files/file_utils_paths.h"
#include "core/path.h"
#include "platform/ascii.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace {

std::vector<std::string> componentsOf(std::string_view folder) {
  folder.remove_prefix(pathRoot(folder).size());
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start < folder.size()) {
    std::size_t end = start;
    while (end < folder.size() && !isSeparator(folder[end])) ++end;
    if (end > start) parts.emplace_back(folder.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The root a folder lies under; the system's own root for a relative one.
std::string rootOf(std::string_view folder) {
  const std::string_view root = pathRoot(folder);
  return root.empty() ? std::string(1, separatorOf()) : std::string(root);
}

// Whether `folder` is `drive` or lies below it, compared as the system compares names.
bool liesOn(std::string_view folder, std::string_view drive) {
  if (drive.size() > folder.size() || !samePath(folder.substr(0, drive.size()), drive)) return false;
  return drive.size() == folder.size() || isSeparator(drive.back()) || isSeparator(folder[drive.size()]);
}

}  // namespace

std::string normalFolder(const std::string& path) { return withoutTrailingSeparators(collapseSeparators(path)); }

std::vector<FolderItem> folderTreeItems(const std::string& folder, const std::vector<std::string>& subFolders) {
  std::vector<FolderItem> items;
  std::string path = rootOf(folder);
  items.push_back({path, path, 0, true});
  int level = 0;
  for (const std::string& part : componentsOf(folder)) {
    path = joinPath(path, part);
    items.push_back({part, path, ++level, true});
  }
  for (const std::string& name : subFolders) items.push_back({name, joinPath(path, name), level + 1, false});
  return items;
}

int currentFolderIndex(const std::string& folder) { return static_cast<int>(componentsOf(folder).size()); }

std::string driveOf(const std::string& folder, const std::vector<std::string>& drives) {
  const std::string f = normalFolder(folder);
  std::string best = rootOf(f);
  std::size_t matched = 0;
  for (const std::string& d : drives) {
    const std::string drive = normalFolder(d);
    if (drive.empty() || drive.size() <= matched || !liesOn(f, drive)) continue;
    best = drive;
    matched = drive.size();
  }
  return best;
}

std::string UpOneFolder(const std::string& path) {
  if (path.empty() || isRootPath(path) || IsDrivePath(path)) return path;
  return std::string(pathFolder(std::string_view(path).substr(0, path.size() - 1)));
}

std::string WithBackslash(const std::string& text) {
  return text.empty() ? std::string(1, separatorOf()) : withTrailingSeparator(text);
}

std::string withOneTrailingSlash(const std::string& path) { return WithBackslash(withoutTrailingSeparators(path)); }

std::string driveNotReadyText(const std::string& drive, PathStyle style) {
  const bool letter = style == PathStyle::Windows && drive.size() >= 2 && drive[1] == ':' &&
                      platform::upperAscii(drive[0]) >= 'A' && platform::upperAscii(drive[0]) <= 'Z' &&
                      drive.find_first_not_of("\\/", 2) == std::string::npos;
  if (letter) return "Laufwerk " + std::string(1, platform::upperAscii(drive[0])) + ": nicht bereit";
  return "Laufwerk " + drive + " nicht bereit";
}

bool ForceDirectories(const std::string& path) {
  if (path.empty()) throw Error("Das Verzeichnis kann nicht erstellt werden");
  const std::string p = withoutTrailingSeparators(path);
  if (isRootPath(p) || platform::isFolder(p)) return true;
  return platform::createFolders(p);
}

}  // namespace tavilo::core
