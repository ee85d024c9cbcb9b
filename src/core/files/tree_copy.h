// Copying a whole folder tree S into a folder T: every file below S goes to T
// with its path relative to S, the needed folders are made, and T itself is
// left out when it lies inside S. Built on the walker (core/files/tree_walker.h)
// and the copy engine (core/files/copy_engine.h), so it never leaves S, never
// follows a link into a folder, and has no path length limit. First a plan
// counts the files (for a progress bar), then the copy runs; both report
// progress to a function that can stop them.
#ifndef TAVILO_CORE_TREE_COPY_H
#define TAVILO_CORE_TREE_COPY_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/files/copy_engine.h"

namespace tavilo::core {

struct TreeCopyPlan {
  std::string source, target;
  std::size_t files = 0;  // files the copy will meet, as far as the tree stays as it is
  bool sourceFound = false;
  bool stopped = false;
};
// Called once per folder while counting, with the files found so far.
using CountProgressFn = std::function<CopyFlow(std::size_t filesSoFar)>;
TreeCopyPlan planTreeCopy(const std::string& source, const std::string& target,
                          const CountProgressFn& progress = {},
                          platform::FileSystem& fileSystem = platform::systemFileSystem());

struct TreeCopyProgress {
  std::size_t filesDone = 0;   // files finished (copied or failed) before this one
  std::size_t filesTotal = 0;  // the plan's count
  std::string file;            // the source path of the file in progress
  std::uint64_t bytesDone = 0, bytesTotal = 0;
};
// Called before each file (bytesDone 0) and after each piece of it; Stop ends
// the copy there: the file in progress leaves nothing behind, copied files stay.
using TreeProgressFn = std::function<CopyFlow(const TreeCopyProgress&)>;

struct CopyFailure {
  std::string path;    // the source file or folder
  std::string reason;  // the system's error text
  friend bool operator==(const CopyFailure&, const CopyFailure&) = default;
};

struct TreeCopyResult {
  std::size_t copied = 0;
  bool stopped = false;
  // Files and folders that could not be copied or made; the copy went on.
  std::vector<CopyFailure> failures;
};
// Makes the plan's target with its parents, then copies. A source that cannot
// be read, or a target that cannot be made, is the only failure listed.
TreeCopyResult runTreeCopy(const TreeCopyPlan& plan, const TreeProgressFn& progress = {},
                           platform::FileSystem& fileSystem = platform::systemFileSystem());

}  // namespace tavilo::core

#endif
