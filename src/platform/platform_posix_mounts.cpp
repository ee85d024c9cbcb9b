// Mount identity of walked folders: statx's mount id, or the device number
// together with the mount roots that /proc/self/mountinfo lists.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/platform.h"

namespace tavilo::platform {

namespace {

// The mount id of an open folder; false where the kernel does not give one.
bool mountIdOf(int fd, std::uint64_t& id) {
  struct statx sx {};
  if (::statx(fd, "", AT_EMPTY_PATH, STATX_MNT_ID, &sx) != 0 || !(sx.stx_mask & STATX_MNT_ID)) return false;
  id = sx.stx_mnt_id;
  return true;
}

// mountinfo escapes blanks and a few other bytes as \ooo.
std::string unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '3') {
      out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
      i += 3;
    } else {
      out += s[i];
    }
  }
  return out;
}

}  // namespace

MountGuard::MountGuard(const Folder& start, bool useMountIds) : useMountIds_(useMountIds) {
  if (useMountIds_) useMountIds_ = mountIdOf(start.fd_, mountId_);
  device_ = start.identity().device;
  if (useMountIds_) return;
  // Every mount of the start's device, bind mounts included, by the identity
  // of its root. A folder that is mounted elsewhere too counts as a mount
  // root here as well: the walk then leaves it out, which is the safe side.
  std::ifstream in("/proc/self/mountinfo");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string mountIdText, parentText, deviceText, root, mountPoint;
    if (!(fields >> mountIdText >> parentText >> deviceText >> root >> mountPoint)) continue;
    unsigned major = 0, minor = 0;
    if (std::sscanf(deviceText.c_str(), "%u:%u", &major, &minor) != 2) continue;
    if (makedev(major, minor) != device_) continue;
    struct stat st;
    if (::stat(unescape(mountPoint).c_str(), &st) == 0 && st.st_dev == device_)
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
