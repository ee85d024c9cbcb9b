// The decisions of the copy window that need no widget: where its source side
// opens, what may be used while a copy runs, and the one message that names
// the files a copy could not copy.
#ifndef TAVILO_CORE_COPY_WINDOW_RULES_H
#define TAVILO_CORE_COPY_WINDOW_RULES_H

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/files/tree_copy.h"

namespace tavilo::core {

// The program folder, or (unless `startAtProgramDir`) the entry's own folder
// when its location names one, else the folder of the entry's file, when
// `canEnter` accepts it.
std::string copySourceFolder(bool startAtProgramDir, const std::string& entryLocation,
                             const std::string& programDir,
                             const std::function<bool(const std::string&)>& canEnter);

// What the copy window lets the user use. Closing is always allowed: while a
// copy runs it is the way to stop it.
struct CopyWindowEnabled {
  bool folders = true;          // both sides: trees, file lists, drives, their buttons and menus
  bool startCopy = true;        // "Start kopieren", button and menu item
  bool recursiveBox = true;     // the check box and its label
  bool sourceFileItems = true;  // btnAlle1 and the source list's "Datei starten/offnen"
};
CopyWindowEnabled copyWindowEnabled(bool copying, bool recursive);

// The message after a copy: as its text the first `listed` files (or folders)
// that could not be copied, each path relative to `source` where it lies below
// it, with its reason; as its question line how many there were. Both empty
// when nothing failed.
struct CopyFailureMessage {
  std::string text, question;
};
CopyFailureMessage copyFailureMessage(const std::vector<CopyFailure>& failures, const std::string& source,
                                      std::size_t listed = 5);

}  // namespace tavilo::core

#endif
