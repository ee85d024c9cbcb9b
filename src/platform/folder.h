// Folders opened by handle, for walks that must not be led out of their tree:
// every name is one entry of an open folder, a sub-folder is opened without
// following a link, and no path is resolved again, so depth and path length
// have no limit. Included by platform/platform.h.
#ifndef TAVILO_PLATFORM_FOLDER_H
#define TAVILO_PLATFORM_FOLDER_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/system_error.h"

namespace tavilo::platform {

struct DirEntry;
struct FileIdentity;
struct FileStatus;
class File;
class StagedFile;

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
  // Why the last failed call failed.
  SystemError error() const { return error_; }
  FileIdentity identity() const;

  // Entries without "." and "..", by name ignoring ASCII case; kinds as lstat
  // gives them. Empty when the folder cannot be read (error()).
  std::vector<DirEntry> list() const;
  FileStatus status(const std::string& name, bool followLinks) const;

  // A file for reading (links followed), as File::openRead.
  File openFile(const std::string& name) const;
  // A new file in this folder that takes its name only when complete (see
  // StagedFile), with the access rights of `like`: read-only stays read-only.
  // The folder must outlive it.
  StagedFile stage(const FileStatus& like) const;
  bool removeFile(const std::string& name) const;    // a link goes as a link; folders refused
  bool removeFolder(const std::string& name) const;  // an empty folder only
  bool makeFolder(const std::string& name) const;    // true when it is a folder afterwards
  bool rename(const std::string& from, const std::string& to) const;
  // Owner write and search on this folder itself, so that its entries can go.
  bool addOwnerWrite() const;

 private:
  explicit Folder(int fd) : fd_(fd) {}
  friend class MountGuard;
  friend class StagedFile;
  File createTemporary(int mode) const;
  File createUnnamed(int mode) const;
  bool linkUnnamed(const File& file, std::string& name) const;
  int fd_ = -1;
  mutable SystemError error_;
};

// A file being written in a folder under no name (or, where the file system
// cannot make an unnamed file, a hidden one). commit() gives it its name in
// one step, replacing an existing file (read-only or not) that stays
// untouched until then; dropped uncommitted, it leaves the folder as it was.
class StagedFile {
 public:
  StagedFile() = default;
  ~StagedFile();
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&& other) noexcept;
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  bool isOpen() const;
  File& file() { return *file_; }
  SystemError error() const { return error_; }
  // Names the file `name` and closes it. On failure the folder is as before
  // and closeFailed() tells whether the contents could not be written out.
  bool commit(const std::string& name);
  bool closeFailed() const { return closeFailed_; }

 private:
  friend class Folder;
  void discard();
  const Folder* folder_ = nullptr;
  std::unique_ptr<File> file_;
  std::string tempName_;  // the hidden name, while the file has one
  bool unnamed_ = false;  // made without a name (O_TMPFILE)
  bool keepHidden_ = false;  // Windows: the source is hidden, so the copy stays hidden
  bool closeFailed_ = false;
  SystemError error_;
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

}  // namespace tavilo::platform

#endif
