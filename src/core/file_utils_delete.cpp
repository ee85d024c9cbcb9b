#include "core/file_utils_delete.h"

#include "core/file_utils_paths.h"
#include "core/file_utils_search.h"
#include "core/text.h"
#include "core/user_messages.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

std::string withoutTrailingSeparators(std::string p) {
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

void folderNotRemoved(const std::string& shown) {
  MyMessageBox(kIconError, "", "Kann Ordner \n\n" + shown, "nicht löschen.", kButtonsOk);
}

}  // namespace

bool DeleteFolder(const std::string& path, bool confirm) {
  // An empty path would mean the current folder.
  if (path.empty()) return false;
  const std::string shown = upperAscii(path);
  // Absolute before the current folder moves out of the folder.
  const std::string root = withoutTrailingSeparators(pf::absolutePath(path));
  pf::changeFolder(GetParentDir(root));

  if (IsDrivePath(root) || pf::isMountPoint(root)) {
    MyMessageBox(kIconInformation, "",
                 "Ordner \n\n" + shown + "\n" + " ist Laufwerk" + "\n\n" + "Laufwerk kann nicht gelöscht werden.", "",
                 kButtonsOk);
    return false;
  }
  if (confirm && MyMessageBox(kIconConfirmation, "", "Ordner \n\n" + shown + "\n\n" + "mit allen Dateien und Ordnern",
                              "LÖSCHEN ?", kButtonsYesNo) == kResultNo)
    return false;

  // A link named as the folder goes as a link; what it points to stays.
  if (pf::fileStatus(root, false).isLink) {
    if (pf::removeFile(root)) return true;
    folderNotRemoved(shown);
    return false;
  }

  ScanOptions options;
  options.sameFileSystem = true;
  // Removing an entry needs write permission on its folder, not on the entry.
  options.makeFoldersWritable = true;
  const TreeScan scan = scanTree(root, "*.*", options);

  for (const std::string& file : scan.files) {
    if (file.empty()) continue;
    if (!pf::removeFile(file))
      MyMessageBox(kIconError, "", "Kann Datei nicht löschen.\n\n" + upperAscii(file), "", kButtonsOk);
  }
  // Backwards through the pre-order list: every folder after its sub-folders.
  for (auto it = scan.folders.rbegin(); it != scan.folders.rend(); ++it) {
    if (!pf::removeFolder(RemoveBackslash(*it))) {
      folderNotRemoved(shown);
      return false;
    }
  }
  if (!pf::removeFolder(root)) {
    folderNotRemoved(shown);
    return false;
  }
  return true;
}

}  // namespace tavilo::core
