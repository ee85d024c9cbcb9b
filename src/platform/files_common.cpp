// What files and staged files do alike on every system: copying through a
// buffer, moving a staged file and discarding its temporary. Opening, making
// and committing them is each system's own.
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace tavilo::platform {

std::int64_t File::copyThroughBuffer(File& target, std::size_t size) {
  constexpr std::size_t kBuffer = 1 << 20;
  static thread_local std::vector<char> buffer(kBuffer);
  const std::int64_t n = read(buffer.data(), std::min(size, kBuffer));
  if (n <= 0) return n;
  if (!target.writeAll(buffer.data(), static_cast<std::size_t>(n))) {
    error_ = target.error_;
    return -1;
  }
  return n;
}

StagedFile::~StagedFile() { discard(); }

StagedFile::StagedFile(StagedFile&& other) noexcept
    : folder_(std::exchange(other.folder_, nullptr)),
      file_(std::move(other.file_)),
      tempName_(std::move(other.tempName_)),
      unnamed_(other.unnamed_),
      keepHidden_(other.keepHidden_),
      closeFailed_(other.closeFailed_),
      error_(other.error_) {
  other.tempName_.clear();
}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
  if (this != &other) {
    discard();
    folder_ = std::exchange(other.folder_, nullptr);
    file_ = std::move(other.file_);
    tempName_ = std::move(other.tempName_);
    other.tempName_.clear();
    unnamed_ = other.unnamed_;
    keepHidden_ = other.keepHidden_;
    closeFailed_ = other.closeFailed_;
    error_ = other.error_;
  }
  return *this;
}

bool StagedFile::isOpen() const { return file_ && file_->isOpen(); }

void StagedFile::discard() {
  file_.reset();
  if (folder_ && !tempName_.empty()) folder_->removeFile(tempName_);
  tempName_.clear();
}

}  // namespace tavilo::platform
