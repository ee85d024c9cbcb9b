// Staged files on POSIX: an O_TMPFILE file linked under its name when
// complete, or where the file system cannot make one, a hidden file renamed
// over the target. A name that is taken is replaced by a rename, never by an
// unlink first, so the old file stays whole until the new one is.
//
// Every staged file holds an flock for as long as it is open. A copy that was
// killed leaves its hidden ".tavilo-xxxxxx" unlocked, and the first staging in
// that folder by a later run removes it (a folder is looked at once a run;
// a temporary written to within the last two seconds stays).
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <set>
#include <tuple>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace tavilo::platform {

namespace {

// The process's file creation mask; -1 when it cannot be read. Read once: the
// program never changes it, and umask(2) cannot read it without setting it.
int fileCreationMask() {
  static const int mask = [] {
    FILE* f = std::fopen("/proc/self/status", "re");
    if (!f) return -1;
    char line[256];
    int value = -1;
    while (std::fgets(line, sizeof line, f))
      if (std::sscanf(line, "Umask: %o", &value) == 1) break;
    std::fclose(f);
    return value;
  }();
  return mask;
}

// The name of a hidden temporary as Folder and File make them: ".tavilo-"
// and six letters or digits.
bool temporaryName(const std::string& name) {
  static constexpr std::string_view kPrefix = ".tavilo-";
  if (name.size() != kPrefix.size() + 6 || name.compare(0, kPrefix.size(), kPrefix) != 0) return false;
  return std::all_of(name.begin() + kPrefix.size(), name.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  });
}

// Whether this run looks at the folder `fd` for the first time. A folder is
// known by its device, inode and, where the file system keeps one, its birth
// time: a folder made in place of a deleted one may get the same inode.
bool firstLook(int fd) {
  using Key = std::tuple<std::uint64_t, std::uint64_t, std::int64_t, std::uint32_t>;
  Key key;
  struct statx stx {};
  if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_INO | STATX_BTIME, &stx) == 0) {
    const bool born = (stx.stx_mask & STATX_BTIME) != 0;
    key = {makedev(stx.stx_dev_major, stx.stx_dev_minor), stx.stx_ino, born ? stx.stx_btime.tv_sec : 0,
           born ? stx.stx_btime.tv_nsec : 0};
  } else {
    struct stat st;  // a kernel without statx
    if (::fstat(fd, &st) != 0) return false;
    key = {st.st_dev, st.st_ino, 0, 0};
  }
  static std::mutex mutex;
  static std::set<Key> seen;
  const std::lock_guard<std::mutex> lock(mutex);
  return seen.insert(key).second;
}

// Removes the temporaries in folder `fd` that nobody holds: a live one is
// locked by its writer. One written to within the last seconds stays, since
// a writer takes its lock only just after making the file.
void removeLeftovers(int fd, const std::vector<DirEntry>& entries) {
  const std::time_t now = std::time(nullptr);
  for (const DirEntry& e : entries) {
    if (e.isFolder || e.isLink || !temporaryName(e.name)) continue;
    const int file = ::openat(fd, e.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0) continue;
    struct stat st;
    if (::fstat(file, &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime < now - 2 &&
        ::flock(file, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(fd, e.name.c_str(), 0);
    ::close(file);
  }
}

}  // namespace

StagedFile Folder::stage(const FileStatus& like) const {
  // Made with the source's permission bits where the creation mask keeps
  // them, which saves a change of the new file's mode.
  const int permissions = like.permissions & 0777;
  const int mask = fileCreationMask();
  const bool modeExact = mask >= 0 && (permissions & mask) == 0;
  const int mode = modeExact ? permissions : 0600;
  StagedFile staged;
  staged.folder_ = this;
  if (firstLook(fd_)) removeLeftovers(fd_, list());
  File file = createUnnamed(mode);
  staged.unnamed_ = file.isOpen();
  if (!staged.unnamed_) file = createTemporary(mode);
  if (!file.isOpen()) {
    staged.error_ = error_;
    return staged;
  }
  // Held until the file is closed; a hidden name linked to it is held too.
  ::flock(file.fd_, LOCK_EX | LOCK_NB);
  staged.tempName_ = file.name();
  // The descriptor keeps its write access whatever the mode says.
  if (!modeExact) file.setPermissions(permissions);
  staged.file_ = std::make_unique<File>(std::move(file));
  return staged;
}

bool StagedFile::commit(const std::string& name) {
  auto fail = [&](SystemError error, bool atClose) {
    error_ = error;
    closeFailed_ = atClose;
    discard();
    return false;
  };
  if (!isOpen()) return fail(SystemError::fromNative(EBADF), false);
  if (unnamed_) {
    // A free name takes the complete file at once; a taken one is replaced
    // by a rename from a hidden name, so the old file stays until then.
    std::string taken = name;
    if (folder_->linkUnnamed(*file_, taken)) {
      tempName_ = name;  // it was free: removing it on failure restores the folder
      if (!file_->close()) return fail(file_->error(), true);
      tempName_.clear();
      file_.reset();
      return true;
    }
    if (folder_->error().kind() != ErrorKind::Exists) return fail(folder_->error(), false);
    std::string hidden;
    if (!folder_->linkUnnamed(*file_, hidden)) return fail(folder_->error(), false);
    tempName_ = hidden;
  }
  if (!file_->close()) return fail(file_->error(), true);
  if (!folder_->rename(tempName_, name)) return fail(folder_->error(), false);
  tempName_.clear();
  file_.reset();
  return true;
}

}  // namespace tavilo::platform
