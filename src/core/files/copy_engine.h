// Copying one file fast and safely. The source (links followed) must be a
// regular file and not the target itself. The copy is written to a temporary
// file in the target's folder (unnamed where the file system allows), in the
// kernel where it can be, given the source's modification time and access
// rights (read-only stays read-only), and only then takes the target's name, replacing an old
// target (read-only or not) by a rename. Until then the old target is
// untouched; on failure or a stop the temporary goes and nothing has changed.
#ifndef TAVILO_CORE_COPY_ENGINE_H
#define TAVILO_CORE_COPY_ENGINE_H

#include <cstdint>
#include <functional>
#include <string>

#include "platform/file_system.h"
#include "platform/platform.h"

namespace tavilo::core {

enum class CopyFlow { Go, Stop };
// Called after each piece of a file: at most 16 MiB, and pieces shrink when
// one takes longer than 100 ms. Stop ends the copy at once.
using ByteProgressFn = std::function<CopyFlow(std::uint64_t bytesDone, std::uint64_t bytesTotal)>;

struct CopyResult {
  enum class Status { Done, Stopped, Failed };
  // Where a failure happened.
  enum class Step { None, Source, SameFile, Create, Transfer, Close, Rename };
  Status status = Status::Failed;
  Step step = Step::None;
  platform::SystemError error;  // why it failed; none when it did not
  bool timeNotSet = false;    // the copy is done but kept its own time
  std::string reason() const; // copyErrorText(error), or what was refused
  bool done() const { return status == Status::Done; }
};

// A failure's reason as the user reads it: German for the errors a copy meets,
// the system's text for others.
std::string copyErrorText(const platform::SystemError& error);

// Copies `fromName` of `from` over `toName` of `to`.
CopyResult copyFileBetween(const platform::Folder& from, const std::string& fromName, const platform::Folder& to,
                           const std::string& toName, const ByteProgressFn& progress = {},
                           platform::FileSystem& fileSystem = platform::systemFileSystem());
// The same by paths of any length (relative ones against the current folder).
CopyResult copyFileTo(const std::string& source, const std::string& target, const ByteProgressFn& progress = {},
                      platform::FileSystem& fileSystem = platform::systemFileSystem());

}  // namespace tavilo::core

#endif
