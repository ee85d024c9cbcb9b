// What a folder list shows and the folder chooser's path rules, without widgets.
// Folders are absolute paths in the system's spelling: below "/" on POSIX, below
// a drive ("C:\\") or a share on Windows.
#ifndef TAVILO_CORE_FOLDER_TREE_H
#define TAVILO_CORE_FOLDER_TREE_H

#include <string>
#include <vector>

#include "core/path.h"

namespace tavilo::core {

// One line of a folder list: the root, an ancestor, the current folder or one
// of its sub-folders.
struct FolderItem {
  std::string name;  // the root itself ("/", "C:\\"), else one path component
  std::string path;  // the folder the line stands for
  int level = 0;     // indentation: the root is 0
  bool open = false; // the root, the ancestors and the current folder
  friend bool operator==(const FolderItem&, const FolderItem&) = default;
};

// Doubled separators reduced to one and trailing ones removed; a root stays
// whole, "" stays "" (collapseSeparators, then withoutTrailingSeparators).
std::string normalFolder(const std::string& path);

// The lines for `folder` (absolute): the root, every ancestor and the folder
// itself, then `subFolders` (names, in the given order) one level deeper.
std::vector<FolderItem> folderTreeItems(const std::string& folder, const std::vector<std::string>& subFolders);

// The index of the current folder's own line among folderTreeItems(folder, ...).
int currentFolderIndex(const std::string& folder);

// The drive of `drives` that holds `folder`: the longest one that is the folder
// or a whole-component prefix of it, compared as the system compares names;
// the folder's own root when none is.
std::string driveOf(const std::string& folder, const std::vector<std::string>& drives);

// The folder chooser's "one folder up": a drive root (IsDrivePath) is returned
// unchanged; otherwise the last character is dropped and the rest cut after
// its last '/' ("/a/b" and "/a/b/" give "/a/", "/a" gives "/").
std::string UpOneFolder(const std::string& path);

// `text` with a '/' appended unless it already ends in one ("" gives "/").
std::string WithBackslash(const std::string& text);

// Every trailing '/' removed, then exactly one appended: "/" stays "/".
std::string withOneTrailingSlash(const std::string& path);

// The folder chooser's message for a drive that cannot be read: a drive letter
// ("C:\", "c:") as "Laufwerk C: nicht bereit", any other drive (a mount
// point) by its path, "Laufwerk /media/cd nicht bereit".
std::string driveNotReadyText(const std::string& drive, PathStyle style = kNativeStyle);

// The toolkit's create-folder-path routine: makes `path` with every missing
// folder above it (a trailing '/' ignored; "/" and existing folders need
// nothing) and tells whether it is a folder afterwards. A failure is not an
// error; an empty path throws Error("Das Verzeichnis kann nicht erstellt werden").
bool ForceDirectories(const std::string& path);

}  // namespace tavilo::core

#endif
