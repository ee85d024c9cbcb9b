#include "platform/file_system.h"

namespace tavilo::platform {

std::vector<DirEntry> FileSystem::list(const Folder& folder) { return folder.list(); }

Folder FileSystem::openSub(const Folder& in, const std::string& name) { return in.openSub(name); }

bool FileSystem::removeFile(const Folder& in, const std::string& name, SystemError& error) {
  if (in.removeFile(name)) return true;
  error = in.error();
  return false;
}

bool FileSystem::removeFolder(const Folder& in, const std::string& name, SystemError& error) {
  if (in.removeFolder(name)) return true;
  error = in.error();
  return false;
}

std::int64_t FileSystem::transfer(File& from, File& to, std::size_t most, SystemError& error) {
  const std::int64_t n = from.copyTo(to, most);
  if (n < 0) error = from.error();
  return n;
}

bool FileSystem::commit(StagedFile& staged, const std::string& name, SystemError& error, bool& closeFailed) {
  if (staged.commit(name)) return true;
  error = staged.error();
  closeFailed = staged.closeFailed();
  return false;
}

FileSystem& systemFileSystem() {
  static FileSystem system;
  return system;
}

}  // namespace tavilo::platform
