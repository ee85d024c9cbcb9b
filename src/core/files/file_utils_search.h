// Searches of MyUtil32, on the tree walker (core/files/tree_walker.h): links are
// never followed into folders (the folder given may be a link), hidden
// sub-folders (name beginning with '.') and other mounts are not entered, and
// paths may have any length. The caller owns the lists that a search fills.
// A listing is by name ignoring ASCII case.
#ifndef TAVILO_CORE_FILE_UTILS_SEARCH_H
#define TAVILO_CORE_FILE_UTILS_SEARCH_H

#include <cstddef>
#include <string>
#include <vector>

namespace tavilo::core {

using PathList = std::vector<std::string>;

// Appends folder + "/" + name for every non-folder entry of `folder` (the
// current folder when empty) whose name matches `mask`, hidden files included;
// with `recursive`, then the same for every sub-folder, depth first, so a
// folder's own files precede those of its sub-folders. Mask: empty, "*" and
// "*.*" match every name; otherwise '*' and '?' are wildcards, ASCII case
// ignored. A folder that cannot be read adds nothing.
void FindAllFiles(const std::string& folder, const std::string& mask, PathList& found, bool recursive = true);

// Appends folder + "/" + name (no trailing '/') for every sub-folder below
// `folder`, in pre-order: each folder before its own sub-folders.
void CollectSubDirs(const std::string& folder, PathList& list);

// The number of files FindAllFiles(folder, "*.*", ..., recursive) finds; 0 for
// a folder that does not exist. The flag affects this count only.
std::size_t CountFiles(const std::string& folder, bool recursive);

// Files and sub-folders below a folder in one walk, in the orders of
// FindAllFiles and CollectSubDirs (the folder itself is in neither list).
struct TreeScan {
  PathList files;
  PathList folders;
};
struct ScanOptions {
  bool recursive = true;
  bool listFiles = true;  // false: folders only
};
TreeScan scanTree(const std::string& folder, const std::string& mask = "*.*", const ScanOptions& options = {});

// Whether a name matches a mask as FindAllFiles matches it.
bool matchesMask(const std::string& name, const std::string& mask);

}  // namespace tavilo::core

#endif
