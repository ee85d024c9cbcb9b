#include "core/ini/file_stamp.h"

#include <algorithm>

#include "platform/platform.h"

namespace tavilo::core {

namespace {

std::int64_t nanoseconds(const platform::FileTime& t) { return t.seconds * 1'000'000'000 + t.nanoseconds; }

}  // namespace

FileStamp fileStamp(const std::string& path) {
  const platform::FileStatus st = platform::fileStatus(path, true);
  if (!st.valid) return {};
  FileStamp s;
  s.valid = true;
  s.regular = st.isRegular;
  s.device = st.identity.device;
  s.inode = st.identity.inode;
  s.size = st.size;
  s.modifiedNs = nanoseconds(st.modified);
  s.changedNs = nanoseconds(st.changed);
  return s;
}

std::int64_t wallClockNs() {
  return nanoseconds(platform::wallClock());
}

bool stampSettled(const FileStamp& stamp, std::int64_t readStartNs) {
  if (!stamp.valid) return false;
  const std::int64_t newest = std::max(stamp.modifiedNs, stamp.changedNs);
  return newest < readStartNs - kStampSettleNs;
}

}  // namespace tavilo::core
