#include "core/files/file_utils_delete.h"


#include "core/files/file_utils_paths.h"
#include "core/files/tree_walker.h"
#include "core/path.h"
#include "core/text.h"
#include "core/user_messages.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

void folderNotRemoved(const std::string& shown) {
  MyMessageBox(mtError, "", "Kann Ordner \n\n" + shown, "nicht löschen.", mbOK);
}

// Deletes every file below the start; one message for each that stays.
class FileRemover : public WalkVisitor {
 public:
  explicit FileRemover(pf::FileSystem& fs) : fs_(fs) {}
  WalkStep file(const WalkFolder& in, const pf::DirEntry& entry) override {
    pf::SystemError error;
    if (!fs_.removeFile(in.folder, entry.name, error) && error.kind() != pf::ErrorKind::NotFound)
      MyMessageBox(mtError, "", "Kann Datei nicht löschen.\n\n" + upperAscii(AddBackslash(in.path) + entry.name),
                   "", mbOK);
    return WalkStep::Go;
  }

 private:
  pf::FileSystem& fs_;
};

// Removes the sub-folders, each after its own; stops at the first that stays.
class FolderRemover : public WalkVisitor {
 public:
  explicit FolderRemover(pf::FileSystem& fs) : fs_(fs) {}
  WalkStep leave(const WalkFolder& in, const std::string& name) override {
    pf::SystemError error;
    if (fs_.removeFolder(in.folder, name, error) || error.kind() == pf::ErrorKind::NotFound) return WalkStep::Go;
    failed = true;
    return WalkStep::Stop;
  }
  bool failed = false;

 private:
  pf::FileSystem& fs_;
};

}  // namespace

bool DeleteFolder(const std::string& path, bool confirm, pf::FileSystem& fileSystem) {
  // An empty path would mean the current folder.
  if (path.empty()) return false;
  const std::string shown = upperAscii(path);
  // Absolute before the current folder moves out of the folder.
  const std::string absolute = pf::absolutePath(path);
  if (absolute.empty()) {  // relative, and the current folder cannot be read
    folderNotRemoved(shown);
    return false;
  }
  const std::string root = withoutTrailingSeparators(absolute);
  pf::changeFolder(GetParentDir(root));

  // Everything from here on goes through these two handles, never the path.
  const pf::PathPlace place = pf::placeOf(root);
  pf::Folder start = place.folder.isOpen() ? place.folder.openSub(place.name) : pf::Folder();
  const bool mountRoot = start.isOpen() && !pf::MountGuard(place.folder).sameMount(start);
  if (IsDrivePath(root) || mountRoot || pf::isMountPoint(root)) {
    MyMessageBox(mtInformation, "",
                 "Ordner \n\n" + shown + "\n" + " ist Laufwerk" + "\n\n" + "Laufwerk kann nicht gelöscht werden.", "",
                 mbOK);
    return false;
  }
  // Only Yes deletes: the close box must not cost the tree.
  if (confirm && MyMessageBox(mtConfirmation, "", "Ordner \n\n" + shown + "\n\n" + "mit allen Dateien und Ordnern",
                              "LÖSCHEN ?", mbJaNein) != mrYes)
    return false;

  // A link named as the folder goes as a link; what it points to stays.
  if (place.folder.isOpen() && place.folder.status(place.name, false).isLink) {
    if (place.folder.removeFile(place.name)) return true;
    folderNotRemoved(shown);
    return false;
  }
  if (!start.isOpen()) {
    folderNotRemoved(shown);
    return false;
  }
  const pf::FileIdentity id = start.identity();

  // All files first, then the folders from the last to the first, so that
  // one file that stays does not keep the other branches.
  WalkOptions files;
  files.makeWritable = true;
  files.fileSystem = &fileSystem;
  FileRemover fileRemover(fileSystem);
  if (walkTree(std::move(start), root, fileRemover, files) != WalkEnd::Done) {
    folderNotRemoved(shown);
    return false;
  }
  pf::Folder again = place.folder.openSub(place.name);
  if (!again.isOpen() || again.identity() != id) {
    folderNotRemoved(shown);
    return false;
  }
  WalkOptions folders;
  folders.subFoldersLastFirst = true;
  folders.fileSystem = &fileSystem;
  FolderRemover folderRemover(fileSystem);
  if (walkTree(std::move(again), root, folderRemover, folders) != WalkEnd::Done || folderRemover.failed ||
      (!place.folder.removeFolder(place.name) && place.folder.error().kind() != pf::ErrorKind::NotFound)) {
    folderNotRemoved(shown);
    return false;
  }
  return true;
}

}  // namespace tavilo::core
