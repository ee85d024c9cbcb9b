// Copying one file and its time stamp, on the copy engine (core/files/copy_engine.h):
// the existing target is replaced only by a complete copy, which has the
// source's modification time and permission bits. Paths may have any length.
#ifndef TAVILO_CORE_FILE_UTILS_COPY_H
#define TAVILO_CORE_FILE_UTILS_COPY_H

#include <cstddef>
#include <string>

#include "platform/file_system.h"
#include "platform/platform.h"

namespace tavilo::core {

// The first piece that a copy moves; later pieces grow (core/files/copy_engine.h).
inline constexpr std::size_t CopyBufferSize = 16384;

// Copies a regular file (links followed) to `target`, made absolute against
// the current folder. When `target` is a folder (a link to one included) or
// does not exist, the copy goes to target + "/" + the source's name. False
// when the copy is not complete: the source cannot be opened or is not a
// regular file, source and target are one file, or a read, write, close or
// the rename fails. A source that changes size is copied to its end. A
// relative target when the current folder cannot be read is a failure.
// Reads, writes and the final naming go through `fileSystem`.
bool CopyFileBuffered(const std::string& source, const std::string& target,
                      platform::FileSystem& fileSystem = platform::systemFileSystem());

// Copies `source` to the file `target`, creating the target's folder with its
// parents when missing. False when the source cannot be opened (or is not a
// regular file, or is the target itself); throws core::Error when the target
// cannot be created or written, or the source cannot be read.
bool CopyFileStreamed(const std::string& source, const std::string& target,
                      platform::FileSystem& fileSystem = platform::systemFileSystem());

// The modification time (links followed); invalid when stat fails.
platform::FileTime GetFileDate(const std::string& path);
// Sets the modification time; shows the plain box "Fehler" when that fails.
void SetFileDate(const std::string& path, const platform::FileTime& stamp);

}  // namespace tavilo::core

#endif
