// Drives on POSIX: "/" and the mount points of real file systems.
#include "platform/platform.h"
#include "platform/posix/proc_tables.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <climits>
#include <cstdlib>

#include <algorithm>
#include <array>
#include <string_view>

namespace tavilo::platform {

namespace {

constexpr std::array<std::string_view, 20> kPseudoFileSystems = {
    "proc",     "sysfs",     "devtmpfs", "devpts",  "cgroup",     "cgroup2",     "securityfs",
    "pstore",   "bpf",       "tracefs",  "debugfs", "mqueue",     "hugetlbfs",   "configfs",
    "fusectl",  "autofs",    "binfmt_misc", "overlay", "nsfs",    "squashfs"};

// /proc/self/mounts escapes blanks and a few other bytes as \ooo.
std::string withoutTrailingSlash(std::string p) {
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

}  // namespace

std::vector<std::string> listDrives() {
  std::vector<std::string> drives{"/"};
  for (const std::vector<std::string>& fields : readProcTable("/proc/self/mounts")) {
    if (fields.size() < 3) continue;
    const std::string& type = fields[2];
    if (std::find(kPseudoFileSystems.begin(), kPseudoFileSystems.end(), type) != kPseudoFileSystems.end())
      continue;
    const std::string mountPoint = unescapeMountField(fields[1]);
    if (std::find(drives.begin(), drives.end(), mountPoint) == drives.end()) drives.push_back(mountPoint);
  }
  return drives;
}

bool isDrive(const std::string& path) {
  if (path.empty()) return false;
  const std::string p = withoutTrailingSlash(path);
  // One trailing separator is allowed, not two.
  if (path.size() >= 3 && path.compare(path.size() - 2, 2, "//") == 0) return false;
  for (const std::string& d : listDrives())
    if (d == p) return true;
  return false;
}

bool driveReady(const std::string& path) {
  struct statvfs vfs;
  if (::statvfs(path.c_str(), &vfs) != 0) return false;
  DIR* d = ::opendir(path.c_str());
  if (!d) return false;
  ::closedir(d);
  return true;
}

bool isMountPoint(const std::string& path) {
  struct stat st, up;
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  const std::string parent = path + "/..";
  // The root is its own parent; another device is another file system.
  if (::stat(parent.c_str(), &up) == 0 && (st.st_dev != up.st_dev || st.st_ino == up.st_ino)) return true;
  // A bind mount keeps the device: compare the resolved path with every mount.
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved) return false;
  const std::string real = resolved;
  std::free(resolved);
  for (const std::vector<std::string>& fields : readProcTable("/proc/self/mounts"))
    if (fields.size() >= 2 && unescapeMountField(fields[1]) == real) return true;
  return false;
}

}  // namespace tavilo::platform
