// The file operations that walks, copies and deletions go through, as one
// object that can be replaced: the system's by default, and in tests a
// FileSystemWrapper that passes everything on except the calls it is made to
// fail or to change the tree in. Only these calls are seen; everything else
// goes to Folder and File directly.
#ifndef TAVILO_PLATFORM_FILE_SYSTEM_H
#define TAVILO_PLATFORM_FILE_SYSTEM_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tavilo::platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Folder::list.
  virtual std::vector<DirEntry> list(const Folder& folder);
  // Folder::openSub; a failure is a folder that is not open.
  virtual Folder openSub(const Folder& in, const std::string& name);
  // Folder::removeFile and removeFolder; `error` says why one failed.
  virtual bool removeFile(const Folder& in, const std::string& name, SystemError& error);
  virtual bool removeFolder(const Folder& in, const std::string& name, SystemError& error);
  // File::copyTo: at most `most` bytes; 0 at the source's end, -1 on failure.
  virtual std::int64_t transfer(File& from, File& to, std::size_t most, SystemError& error);
  // StagedFile::commit; `closeFailed` tells whether the contents were lost.
  virtual bool commit(StagedFile& staged, const std::string& name, SystemError& error, bool& closeFailed);
};

// The system's own file operations.
FileSystem& systemFileSystem();

// Passes every call on to `target`; a test overrides the calls it wants.
class FileSystemWrapper : public FileSystem {
 public:
  explicit FileSystemWrapper(FileSystem& target = systemFileSystem()) : target_(target) {}
  std::vector<DirEntry> list(const Folder& folder) override { return target_.list(folder); }
  Folder openSub(const Folder& in, const std::string& name) override { return target_.openSub(in, name); }
  bool removeFile(const Folder& in, const std::string& name, SystemError& error) override {
    return target_.removeFile(in, name, error);
  }
  bool removeFolder(const Folder& in, const std::string& name, SystemError& error) override {
    return target_.removeFolder(in, name, error);
  }
  std::int64_t transfer(File& from, File& to, std::size_t most, SystemError& error) override {
    return target_.transfer(from, to, most, error);
  }
  bool commit(StagedFile& staged, const std::string& name, SystemError& error, bool& closeFailed) override {
    return target_.commit(staged, name, error, closeFailed);
  }

 private:
  FileSystem& target_;
};

}  // namespace tavilo::platform

#endif
