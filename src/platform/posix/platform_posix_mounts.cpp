// Mount identity of walked folders: statx's mount id, or the device number
// together with the mount roots that /proc/self/mountinfo lists.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cstdio>

#include "platform/platform.h"
#include "platform/posix/proc_tables.h"

namespace tavilo::platform {

namespace {

// The mount id of an open folder; false where the kernel does not give one.
bool mountIdOf(int fd, std::uint64_t& id) {
  struct statx sx {};
  if (::statx(fd, "", AT_EMPTY_PATH, STATX_MNT_ID, &sx) != 0 || !(sx.stx_mask & STATX_MNT_ID)) return false;
  id = sx.stx_mnt_id;
  return true;
}

}  // namespace

MountGuard::MountGuard(const Folder& start, bool useMountIds) : useMountIds_(useMountIds) {
  if (useMountIds_) useMountIds_ = mountIdOf(start.fd_, mountId_);
  device_ = start.identity().device;
  if (useMountIds_) return;
  // Every mount of the start's device, bind mounts included, by the identity
  // of its root. A folder that is mounted elsewhere too counts as a mount
  // root here as well: the walk then leaves it out, which is the safe side.
  for (const std::vector<std::string>& fields : readProcTable("/proc/self/mountinfo")) {
    if (fields.size() < 5) continue;
    unsigned major = 0, minor = 0;
    if (std::sscanf(fields[2].c_str(), "%u:%u", &major, &minor) != 2) continue;
    if (makedev(major, minor) != device_) continue;
    struct stat st;
    if (::stat(unescapeMountField(fields[4]).c_str(), &st) == 0 && st.st_dev == device_)
      mountRoots_.emplace_back(st.st_dev, st.st_ino);
  }
}

bool MountGuard::sameMount(const Folder& sub) const {
  if (useMountIds_) {
    std::uint64_t id = 0;
    return mountIdOf(sub.fd_, id) && id == mountId_;
  }
  const FileIdentity id = sub.identity();
  if (!id.valid || id.device != device_) return false;
  const auto root = std::make_pair(id.device, id.inode);
  return std::find(mountRoots_.begin(), mountRoots_.end(), root) == mountRoots_.end();
}

}  // namespace tavilo::platform
