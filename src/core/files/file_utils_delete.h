// Deleting a folder tree, with the program's own messages through MyMessageBox.
#ifndef TAVILO_CORE_FILE_UTILS_DELETE_H
#define TAVILO_CORE_FILE_UTILS_DELETE_H

#include <string>

#include "platform/file_system.h"

namespace tavilo::core {

// Deletes `path` with every file and sub-folder below it; with `confirm` only
// when "LÖSCHEN ?" is answered Yes. Refuses (with the drive message) "/" and
// every mount point, refuses an empty path silently, and never leaves the
// folder (core/files/tree_walker.h); a link given as `path` is removed as a link.
// An entry that vanishes counts as deleted. A file that cannot be deleted is
// reported and passed over; the first folder that cannot be removed is
// reported and ends the deletion. The current folder moves to the folder's
// parent. Returns whether the folder is gone.
// Every listing and removal below the folder goes through `fileSystem`.
bool DeleteFolder(const std::string& path, bool confirm,
                  platform::FileSystem& fileSystem = platform::systemFileSystem());

}  // namespace tavilo::core

#endif
