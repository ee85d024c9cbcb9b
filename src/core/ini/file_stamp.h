// What tells that a file is unchanged since it was read: device, inode, size,
// and the modification and change times to the nanosecond.
// POSIX calls live in file_stamp.cpp until platform.h offers a change time.
#ifndef TAVILO_CORE_INI_FILE_STAMP_H
#define TAVILO_CORE_INI_FILE_STAMP_H

#include <cstdint>
#include <string>

namespace tavilo::core {

struct FileStamp {
  bool valid = false;    // stat succeeded
  bool regular = false;  // a regular file (links followed)
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;  // since the epoch
  std::int64_t changedNs = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp fileStamp(const std::string& path);

// The wall clock in nanoseconds since the epoch, the clock file times come from.
std::int64_t wallClockNs();

// Two writes within one time-stamp tick leave the same stamp behind, so a
// stamp proves nothing until its times are this far behind the clock. The
// margin covers 2-second FAT stamps and the kernel's coarse clock.
inline constexpr std::int64_t kStampSettleNs = 3'000'000'000;

// Whether content read after `readStartNs` may be reused while the file keeps
// `stamp`: both times lie more than kStampSettleNs before it (a time in the
// future is doubt too).
bool stampSettled(const FileStamp& stamp, std::int64_t readStartNs);

}  // namespace tavilo::core

#endif
