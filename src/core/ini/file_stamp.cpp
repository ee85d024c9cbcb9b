#include "core/ini/file_stamp.h"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>

namespace tavilo::core {

namespace {

std::int64_t nanoseconds(const timespec& t) {
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

}  // namespace

FileStamp fileStamp(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return {};
  FileStamp s;
  s.valid = true;
  s.regular = S_ISREG(st.st_mode);
  s.device = static_cast<std::uint64_t>(st.st_dev);
  s.inode = static_cast<std::uint64_t>(st.st_ino);
  s.size = static_cast<std::int64_t>(st.st_size);
  s.modifiedNs = nanoseconds(st.st_mtim);
  s.changedNs = nanoseconds(st.st_ctim);
  return s;
}

std::int64_t wallClockNs() {
  timespec now;
  ::clock_gettime(CLOCK_REALTIME, &now);
  return nanoseconds(now);
}

bool stampSettled(const FileStamp& stamp, std::int64_t readStartNs) {
  if (!stamp.valid) return false;
  const std::int64_t newest = std::max(stamp.modifiedNs, stamp.changedNs);
  return newest < readStartNs - kStampSettleNs;
}

}  // namespace tavilo::core
