// Folders by handle on POSIX: openat with O_NOFOLLOW | O_DIRECTORY, listings
// through the handle, and the *at calls for everything below a folder.
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <cstring>
#include <random>
#include <utility>

#include "platform/platform.h"

#include "platform/ascii.h"

namespace tavilo::platform {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

int openAt(int dir, const char* name, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::openat(dir, name, flags, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Opens a folder by a path of any length: a path the kernel takes whole is
// opened at once; a longer one piece by piece, each piece short enough.
int openLongPath(const std::string& path, int flags) {
  if (path.size() < PATH_MAX) return openAt(AT_FDCWD, path.c_str(), flags);
  int dir = path[0] == '/' ? openAt(AT_FDCWD, "/", kFolderFlags) : openAt(AT_FDCWD, ".", kFolderFlags);
  std::size_t pos = path[0] == '/' ? 1 : 0;
  while (dir >= 0) {
    std::size_t end = path.size();
    if (end - pos >= PATH_MAX) {
      end = path.rfind('/', pos + PATH_MAX - 2);
      if (end == std::string::npos || end <= pos) {
        ::close(dir);
        errno = ENAMETOOLONG;
        return -1;
      }
    }
    const std::string piece = path.substr(pos, end - pos);
    const bool last = end == path.size();
    const int next = piece.empty() ? ::dup(dir) : openAt(dir, piece.c_str(), last ? flags : kFolderFlags);
    const int saved = errno;
    ::close(dir);
    errno = saved;
    if (last) return next;
    dir = next;
    pos = end + 1;
  }
  return -1;
}

// Seeded from getrandom(2) rather than std::random_device, whose library
// code would ask for glibc 2.36 and keep the portable binary off older desktops.
// O_EXCL settles any clash, so the time and process will do where it fails.
std::uint64_t randomSeed() {
  std::uint64_t seed = 0;
  if (::getrandom(&seed, sizeof seed, GRND_NONBLOCK) == sizeof seed) return seed;
  return static_cast<std::uint64_t>(::time(nullptr)) * 1000003u ^ static_cast<std::uint64_t>(::getpid());
}

// A hidden name for a file on its way to its real name.
std::string uniqueName() {
  static std::mt19937_64 random{randomSeed()};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string name = ".tavilo-";
  for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
  return name;
}

}  // namespace

Folder::~Folder() {
  if (fd_ >= 0) ::close(fd_);
}

Folder::Folder(Folder&& other) noexcept : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}

Folder& Folder::operator=(Folder&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
  }
  return *this;
}

Folder Folder::open(const std::string& path) {
  Folder f;
  if (path.empty()) {
    f.error_ = SystemError::fromNative(ENOENT);
    return f;
  }
  f.fd_ = openLongPath(path, kFolderFlags);
  if (f.fd_ < 0) f.error_ = SystemError::fromNative(errno);
  return f;
}

Folder Folder::openSub(const std::string& name) const {
  Folder f;
  f.fd_ = openAt(fd_, name.c_str(), kFolderFlags | O_NOFOLLOW);
  if (f.fd_ < 0) f.error_ = SystemError::fromNative(errno == ELOOP ? ENOTDIR : errno);
  return f;
}

Folder Folder::openParent() const { return openSub(".."); }

FileIdentity Folder::identity() const {
  struct stat st;
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return {};
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), true};
}

std::vector<DirEntry> Folder::list() const {
  std::vector<DirEntry> out;
  // The listing gets its own descriptor: closedir closes it, and its position
  // must not be shared with later listings through this handle.
  const int fd = openAt(fd_, ".", kFolderFlags);
  DIR* d = fd >= 0 ? ::fdopendir(fd) : nullptr;
  if (!d) {
    error_ = SystemError::fromNative(errno);
    if (fd >= 0) ::close(fd);
    return out;
  }
  while (dirent* e = ::readdir(d)) {
    const char* n = e->d_name;
    if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
    DirEntry entry;
    entry.name = n;
    entry.hidden = n[0] == '.';
    unsigned char type = e->d_type;
    if (type == DT_UNKNOWN) {
      struct stat st;
      if (::fstatat(fd_, n, &st, AT_SYMLINK_NOFOLLOW) == 0)
        type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
    }
    entry.isFolder = type == DT_DIR;
    entry.isLink = type == DT_LNK;
    out.push_back(std::move(entry));
  }
  ::closedir(d);
  std::sort(out.begin(), out.end(),
            [](const DirEntry& a, const DirEntry& b) { return lessIgnoringAsciiCase(a.name, b.name); });
  return out;
}

File Folder::openFile(const std::string& name) const {
  File f(-1, name);
  // O_NONBLOCK so that a FIFO does not wait for a writer; regular files,
  // the only ones copied, ignore it.
  const int fd = openAt(fd_, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    f.error_ = error_ = SystemError::fromNative(errno);
    return f;
  }
  f.fd_ = fd;
  return f;
}

File Folder::createTemporary(int mode) const {
  File f(-1, {});
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = uniqueName();
    const int fd = openAt(fd_, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                          static_cast<mode_t>(mode & 0777));
    if (fd >= 0) {
      f.fd_ = fd;
      f.name_ = std::move(name);
      return f;
    }
    if (errno != EEXIST) break;
  }
  f.error_ = error_ = SystemError::fromNative(errno);
  return f;
}

File Folder::createUnnamed(int mode) const {
  File f(-1, {});
  const int fd = openAt(fd_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, static_cast<mode_t>(mode & 0777));
  if (fd < 0) {
    f.error_ = error_ = SystemError::fromNative(errno);
    return f;
  }
  f.fd_ = fd;
  return f;
}

namespace {

// Linking a file by its descriptor (AT_EMPTY_PATH) is the quick way; kernels
// before 6.10 allow it only to a privileged caller and answer ENOENT, and then
// the link goes through /proc, for the rest of the run.
bool linkByDescriptor(int fd, int folder, const char* name) {
  static std::atomic<bool> emptyPathWorks{true};
  if (emptyPathWorks.load(std::memory_order_relaxed)) {
    if (::linkat(fd, "", folder, name, AT_EMPTY_PATH) == 0) return true;
    if (errno != ENOENT && errno != EPERM) return false;
    emptyPathWorks.store(false, std::memory_order_relaxed);
  }
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return ::linkat(AT_FDCWD, self.c_str(), folder, name, AT_SYMLINK_FOLLOW) == 0;
}

}  // namespace

bool Folder::linkUnnamed(const File& file, std::string& name) const {
  const bool unique = name.empty();
  for (int attempt = 0; attempt < (unique ? 100 : 1); ++attempt) {
    if (unique) name = uniqueName();
    if (linkByDescriptor(file.fd_, fd_, name.c_str())) return true;
    error_ = SystemError::fromNative(errno);
    if (error_.code() != EEXIST) break;
  }
  if (unique) name.clear();
  return false;
}

bool Folder::removeFile(const std::string& name) const {
  if (::unlinkat(fd_, name.c_str(), 0) == 0) return true;
  error_ = SystemError::fromNative(errno);
  return false;
}

bool Folder::removeFolder(const std::string& name) const {
  if (::unlinkat(fd_, name.c_str(), AT_REMOVEDIR) == 0) return true;
  error_ = SystemError::fromNative(errno);
  return false;
}

bool Folder::makeFolder(const std::string& name) const {
  if (::mkdirat(fd_, name.c_str(), 0777) == 0) return true;
  error_ = SystemError::fromNative(errno);
  struct stat st;
  return error_.code() == EEXIST && ::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

bool Folder::rename(const std::string& from, const std::string& to) const {
  if (::renameat(fd_, from.c_str(), fd_, to.c_str()) == 0) return true;
  error_ = SystemError::fromNative(errno);
  return false;
}

bool Folder::addOwnerWrite() const {
  struct stat st;
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return false;
  const mode_t wanted = st.st_mode | S_IWUSR | S_IXUSR;
  if ((wanted & 07777) == (st.st_mode & 07777)) return true;
  if (::fchmod(fd_, wanted & 07777) == 0) return true;
  error_ = SystemError::fromNative(errno);
  return false;
}

bool changeFolder(const std::string& path) {
  if (path.empty()) return false;
  if (path.size() < PATH_MAX) return ::chdir(path.c_str()) == 0;
  const int fd = openLongPath(path, kFolderFlags);
  if (fd < 0) return false;
  const bool done = ::fchdir(fd) == 0;
  ::close(fd);
  return done;
}

PathPlace placeOf(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  PathPlace place;
  if (p.empty() || p == "/") return place;
  const auto slash = p.rfind('/');
  place.name = slash == std::string::npos ? p : p.substr(slash + 1);
  const std::string holder = slash == std::string::npos ? "." : slash == 0 ? "/" : p.substr(0, slash);
  place.folder = Folder::open(holder);
  return place;
}

}  // namespace tavilo::platform
