// Folders opened by handle, for walks that must not be led out of their tree:
// every name is one entry of an open folder, a sub-folder is opened without
// following a link, and no path is resolved again, so depth and path length
// have no limit. Included by platform/platform.h.
#ifndef TAVILO_PLATFORM_FOLDER_H
#define TAVILO_PLATFORM_FOLDER_H

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavilo::platform {

struct DirEntry;
struct FileIdentity;
struct FileStatus;
class File;

class Folder {
 public:
  Folder() = default;
  ~Folder();
  Folder(Folder&& other) noexcept;
  Folder& operator=(Folder&& other) noexcept;
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  // A folder by path, of any length; links followed (a folder given by the
  // user may be a link). Relative paths start at the current folder.
  static Folder open(const std::string& path);
  // The sub-folder `name`; a link, a file or a vanished entry fails (error()).
  Folder openSub(const std::string& name) const;
  // The parent, through "..", for a walk that closed it to save handles.
  Folder openParent() const;

  bool isOpen() const { return fd_ >= 0; }
  // The errno of the last failed call.
  int error() const { return error_; }
  FileIdentity identity() const;

  // Entries without "." and "..", by name ignoring ASCII case; kinds as lstat
  // gives them. Empty when the folder cannot be read (error()).
  std::vector<DirEntry> list() const;
  FileStatus status(const std::string& name, bool followLinks) const;

  // A file for reading (links followed), as File::openRead.
  File openFile(const std::string& name) const;
  // A new hidden file with a unique name, made with O_EXCL, of `mode` less
  // the process's file creation mask.
  File createTemporary(int mode = 0600) const;
  // A new file without a name in this folder (O_TMPFILE): it vanishes when
  // closed unless linked. Not open where the file system cannot make one.
  File createUnnamed(int mode) const;
  // Gives an unnamed file `name` (EEXIST in error() when the name is taken),
  // or with an empty `name` a new hidden unique one, written into `name`.
  bool linkUnnamed(const File& file, std::string& name) const;
  bool removeFile(const std::string& name) const;    // a link goes as a link; folders refused
  bool removeFolder(const std::string& name) const;  // an empty folder only
  bool makeFolder(const std::string& name) const;    // true when it is a folder afterwards
  bool rename(const std::string& from, const std::string& to) const;
  // Owner write and search on this folder itself, so that its entries can go.
  bool addOwnerWrite() const;

 private:
  explicit Folder(int fd) : fd_(fd) {}
  friend class MountGuard;
  int fd_ = -1;
  mutable int error_ = 0;
};

// The folder that holds `path` and the path's last name, for paths of any
// length. A trailing '/' is ignored; "/" itself has no holder (not open).
struct PathPlace {
  Folder folder;
  std::string name;
};
PathPlace placeOf(const std::string& path);

// Tells whether a sub-folder lies on the mount of the folder a walk started
// on: by the kernel's mount id, or where that is missing, by the device and
// the mount roots of /proc/self/mountinfo (a bind mount keeps the device).
class MountGuard {
 public:
  explicit MountGuard(const Folder& start, bool useMountIds = true);
  bool sameMount(const Folder& sub) const;
  bool usesMountIds() const { return useMountIds_; }

 private:
  bool useMountIds_;
  std::uint64_t mountId_ = 0;
  std::uint64_t device_ = 0;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> mountRoots_;  // device, inode
};

// Test seam: runs after every listing of a Folder, before the walker acts on
// the entries (to change the tree in that moment). Empty: nothing runs.
void setAfterListingHook(std::function<void()> hook);

// The process's file creation mask (umask); -1 when it cannot be read.
int fileCreationMask();

// The system's text for an errno value.
std::string errorText(int error);

}  // namespace tavilo::platform

#endif
