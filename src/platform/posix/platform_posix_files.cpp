// File services on POSIX: status, times, permissions, creating and removing,
// and the file handle that the copy routines write through.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace tavilo::platform {

namespace {

FileStatus statusFrom(const struct stat& st) {
  FileStatus s;
  s.valid = true;
  s.isRegular = S_ISREG(st.st_mode);
  s.isFolder = S_ISDIR(st.st_mode);
  s.isLink = S_ISLNK(st.st_mode);
  s.isFifo = S_ISFIFO(st.st_mode);
  s.isDevice = S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode);
  s.isSocket = S_ISSOCK(st.st_mode);
  s.permissions = static_cast<int>(st.st_mode & 07777);
  s.readOnly = (st.st_mode & S_IWUSR) == 0;
  s.size = static_cast<std::int64_t>(st.st_size);
  s.modified = {static_cast<std::int64_t>(st.st_mtim.tv_sec), static_cast<std::int64_t>(st.st_mtim.tv_nsec), true};
  s.identity = {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), true};
  return s;
}

// Sets only the modification time; UTIME_OMIT keeps the access time.
bool timesFor(const FileTime& time, struct timespec (&times)[2]) {
  if (!time.valid || time.nanoseconds < 0 || time.nanoseconds > 999999999) {
    errno = EINVAL;
    return false;
  }
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(time.seconds);
  times[1].tv_nsec = static_cast<long>(time.nanoseconds);
  return true;
}

}  // namespace

FileStatus fileStatus(const std::string& path, bool followLinks) {
  struct stat st;
  if (path.empty()) return {};
  // Longer than one call takes: through the folder that holds it.
  if (path.size() >= PATH_MAX) {
    const PathPlace place = placeOf(path);
    return place.folder.isOpen() ? place.folder.status(place.name, followLinks) : FileStatus{};
  }
  const int rc = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
  if (rc != 0) return {};
  return statusFrom(st);
}

FileStatus Folder::status(const std::string& name, bool followLinks) const {
  struct stat st;
  const int flags = (followLinks ? 0 : AT_SYMLINK_NOFOLLOW) | (name.empty() ? AT_EMPTY_PATH : 0);
  if (fd_ < 0 || ::fstatat(fd_, name.c_str(), &st, flags) != 0) {
    error_ = SystemError::fromNative(fd_ < 0 ? EBADF : errno);
    return {};
  }
  return statusFrom(st);
}

bool setModificationTime(const std::string& path, const FileTime& time) {
  struct timespec times[2];
  if (path.empty() || !timesFor(time, times)) return false;
  if (path.size() >= PATH_MAX) {
    const PathPlace place = placeOf(path);
    if (!place.folder.isOpen()) return false;
    File file = place.folder.openFile(place.name);
    return file.isOpen() && file.setModificationTime(time);
  }
  return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

bool setPermissions(const std::string& path, int mode) {
  return !path.empty() && ::chmod(path.c_str(), static_cast<mode_t>(mode & 07777)) == 0;
}

bool addOwnerWrite(const std::string& path) {
  struct stat st;
  if (path.empty() || ::lstat(path.c_str(), &st) != 0) return false;
  if (S_ISLNK(st.st_mode)) return true;
  mode_t wanted = st.st_mode | S_IWUSR;
  if (S_ISDIR(st.st_mode)) wanted |= S_IXUSR;
  if ((wanted & 07777) == (st.st_mode & 07777)) return true;
  return ::chmod(path.c_str(), wanted & 07777) == 0;
}

bool createFolders(const std::string& path) {
  if (path.empty()) return false;
  // Each prefix that ends before a separator, then the whole path.
  for (std::size_t i = 1; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '/') continue;
    if (path[i - 1] == '/') continue;
    const std::string prefix = path.substr(0, i);
    if (prefix.size() >= PATH_MAX) {
      const PathPlace place = placeOf(prefix);
      if (!place.folder.isOpen() || !place.folder.makeFolder(place.name)) break;
    } else if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) {
      break;
    }
  }
  return isFolder(path);
}

bool removeFile(const std::string& path) {
  struct stat st;
  if (path.empty() || ::lstat(path.c_str(), &st) != 0) return false;
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return false;
  }
  return ::unlink(path.c_str()) == 0;
}

bool removeFolder(const std::string& path) { return !path.empty() && ::rmdir(path.c_str()) == 0; }

std::string linkTarget(const std::string& path) {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(n));
    buffer.resize(buffer.size() * 2);
  }
}

bool renamePath(const std::string& from, const std::string& to) {
  return !from.empty() && !to.empty() && ::rename(from.c_str(), to.c_str()) == 0;
}

// ---------------------------------------------------------------- File

File::File(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}

File::~File() {
  if (fd_ >= 0) ::close(fd_);
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      error_(other.error_),
      kernelCopy_(other.kernelCopy_),
      kernelCopied_(other.kernelCopied_),
      name_(std::move(other.name_)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
    kernelCopy_ = other.kernelCopy_;
    kernelCopied_ = other.kernelCopied_;
    name_ = std::move(other.name_);
  }
  return *this;
}

File File::openRead(const std::string& path) {
  File f(-1, path);
  if (path.empty()) {
    f.error_ = SystemError::fromNative(ENOENT);
    return f;
  }
  // O_NONBLOCK so that a FIFO does not wait for a writer; a regular file
  // ignores it, and it is cleared again below.
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    f.error_ = SystemError::fromNative(errno);
    return f;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  f.fd_ = fd;
  return f;
}

File File::createTemporary(const std::string& folder) {
  std::string pattern = folder.empty() ? std::string("./") : folder;
  if (pattern.back() != '/') pattern += '/';
  pattern += ".tavilo-XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  File f(-1, {});
  const int fd = ::mkostemp(buf.data(), O_CLOEXEC);
  if (fd < 0) {
    f.error_ = SystemError::fromNative(errno);
    return f;
  }
  f.fd_ = fd;
  f.name_ = buf.data();
  return f;
}

File File::createNew(const std::string& path) {
  File f(-1, path);
  if (path.empty()) {
    f.error_ = SystemError::fromNative(ENOENT);
    return f;
  }
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    f.error_ = SystemError::fromNative(errno);
    return f;
  }
  f.fd_ = fd;
  return f;
}

FileStatus File::status() {
  struct stat st;
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) {
    error_ = SystemError::fromNative(fd_ < 0 ? EBADF : errno);
    return {};
  }
  return statusFrom(st);
}

std::int64_t File::read(void* buffer, std::size_t size) {
  if (fd_ < 0) {
    error_ = SystemError::fromNative(EBADF);
    return -1;
  }
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) return n;
    if (errno != EINTR) {
      error_ = SystemError::fromNative(errno);
      return -1;
    }
  }
}

bool File::writeAll(const void* buffer, std::size_t size) {
  if (fd_ < 0) {
    error_ = SystemError::fromNative(EBADF);
    return false;
  }
  const char* p = static_cast<const char*>(buffer);
  while (size > 0) {
    const ssize_t n = ::write(fd_, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error_ = SystemError::fromNative(n < 0 ? errno : ENOSPC);
      return false;
    }
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool File::setModificationTime(const FileTime& time) {
  struct timespec times[2];
  if (fd_ < 0 || !timesFor(time, times) || ::futimens(fd_, times) != 0) {
    error_ = SystemError::fromNative(fd_ < 0 ? EBADF : errno);
    return false;
  }
  return true;
}

bool File::setPermissions(int mode) {
  if (fd_ < 0 || ::fchmod(fd_, static_cast<mode_t>(mode & 07777)) != 0) {
    error_ = SystemError::fromNative(fd_ < 0 ? EBADF : errno);
    return false;
  }
  return true;
}

bool File::setReadableByAll() { return setPermissions(0644); }

std::int64_t File::copyTo(File& target, std::size_t size) {
  if (fd_ < 0 || target.fd_ < 0) {
    error_ = SystemError::fromNative(EBADF);
    return -1;
  }
  while (kernelCopy_) {
    const ssize_t n = ::copy_file_range(fd_, nullptr, target.fd_, nullptr, size, 0);
    if (n > 0) {
      kernelCopied_ = true;
      return n;
    }
    if (n == 0) {
      // Files of pseudo file systems report size 0 to the kernel's copy;
      // a read tells whether the end is real.
      if (kernelCopied_) return 0;
      kernelCopy_ = false;
      break;
    }
    if (errno == EINTR) continue;
    // File systems or kernels that cannot copy these two files in the kernel.
    if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EBADF ||
        errno == ETXTBSY || errno == EPERM) {
      kernelCopy_ = false;
      break;
    }
    error_ = SystemError::fromNative(errno);
    return -1;
  }
  return copyThroughBuffer(target, size);
}

bool File::close() {
  if (fd_ < 0) {
    error_ = SystemError::fromNative(EBADF);
    return false;
  }
  // On Linux the descriptor is gone even when close fails, so never retry.
  const int rc = ::close(std::exchange(fd_, -1));
  if (rc != 0) {
    error_ = SystemError::fromNative(errno);
    return false;
  }
  return true;
}

// ---------------------------------------------------------------- SavedFolder

SavedFolder::SavedFolder() : fd_(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)) {}

SavedFolder::~SavedFolder() {
  if (fd_ >= 0) ::close(fd_);
}

bool SavedFolder::restore() { return fd_ >= 0 && ::fchdir(fd_) == 0; }

}  // namespace tavilo::platform
