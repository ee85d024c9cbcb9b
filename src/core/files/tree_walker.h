// The one walk over a folder tree that every search, count, deletion and tree
// copy goes through. It works relative to open folder handles, never follows
// a link into a folder, stays on the mount it started on, does not enter
// hidden sub-folders (name beginning with '.'; on Windows hidden or system
// ones), and has no depth or path length limit. An entry that vanishes during
// the walk is passed over silently.
#ifndef TAVILO_CORE_TREE_WALKER_H
#define TAVILO_CORE_TREE_WALKER_H

#include <cstddef>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/platform.h"

namespace tavilo::core {

enum class WalkStep { Go, Skip, Stop };

// A folder of the walk: open, with its path as the walk spells it (the start
// as given, then AddBackslash(parent) + name per level).
struct WalkFolder {
  const platform::Folder& folder;
  const std::string& path;
  std::size_t depth;  // 0 for the start
};

// Order: a folder's files first to last, then each sub-folder with everything
// below it (enter, its files and sub-folders, leave), first to last.
class WalkVisitor {
 public:
  virtual ~WalkVisitor() = default;
  // An entry of `in` that is not a folder: files, links (to folders too), others.
  virtual WalkStep file(const WalkFolder& in, const platform::DirEntry& entry);
  // The sub-folder `name` of `in`, opened but not yet listed; Skip leaves it out.
  virtual WalkStep enter(const WalkFolder& in, const std::string& name);
  // Everything below the sub-folder `name` of `in` is done; it is closed.
  virtual WalkStep leave(const WalkFolder& in, const std::string& name);
};

struct WalkOptions {
  bool recursive = true;
  bool subFoldersLastFirst = false;  // sub-folders from the last to the first
  bool makeWritable = false;         // owner write and search on each folder before listing
  platform::FileIdentity leaveOut;   // a folder that is never entered (when valid)
  bool useMountIds = true;           // false: device number and mountinfo (for tests)
  // Lists and opens the folders; never null.
  platform::FileSystem* fileSystem = &platform::systemFileSystem();
};

enum class WalkEnd {
  Done,
  Stopped,     // a visitor said Stop
  NoStart,     // the start folder cannot be opened
  LostParent,  // a folder was moved away while the walk was below it
};

// Walks the folder at `path` (a link to a folder is followed for the start).
WalkEnd walkTree(const std::string& path, WalkVisitor& visitor, const WalkOptions& options = {});
// Walks an open folder whose path the walk spells as `path`.
WalkEnd walkTree(platform::Folder start, const std::string& path, WalkVisitor& visitor,
                 const WalkOptions& options = {});

// Open folders from a start down to the current one. Only the deepest few
// stay open, so a deep walk does not run out of handles; a closed level is
// opened again through ".." and must still be the same folder.
class FolderStack {
 public:
  explicit FolderStack(platform::Folder start);
  void push(platform::Folder sub);
  // Drops the top; false when its parent had to be opened again and is gone
  // or another folder now.
  bool pop();
  const platform::Folder& top() const { return levels_.back().folder; }
  std::size_t depth() const { return levels_.size() - 1; }

 private:
  struct Level {
    platform::Folder folder;
    platform::FileIdentity id;
  };
  std::vector<Level> levels_;
};

}  // namespace tavilo::core

#endif
