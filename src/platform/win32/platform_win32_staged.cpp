// Staged files on Windows: a hidden file beside the target, written whole,
// given the source's attributes and moved over the target in one step
// (MoveFileExW). The old file stays untouched until then.
//
// A temporary is held open without delete sharing for as long as its copy
// runs. One that a killed copy left is deleted by the first staging in its
// folder by a later run (a folder is looked at once a run): deleting a live
// one fails with a sharing violation, and it stays.
#include <windows.h>

#include <algorithm>
#include <mutex>
#include <set>
#include <string_view>
#include <utility>

#include "platform/platform.h"
#include "platform/win32/native.h"

namespace tavilo::platform {

namespace {

// The name of a hidden temporary as createHiddenIn makes it: ".tavilo-" and
// six letters or digits.
bool temporaryName(const std::string& name) {
  static constexpr std::string_view kPrefix = ".tavilo-";
  if (name.size() != kPrefix.size() + 6 || name.compare(0, kPrefix.size(), kPrefix) != 0) return false;
  return std::all_of(name.begin() + kPrefix.size(), name.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  });
}

// Whether this run looks at the folder of identity `id` for the first time.
bool firstLook(const FileIdentity& id) {
  if (!id.valid) return false;
  static std::mutex mutex;
  static std::set<std::pair<std::uint64_t, std::uint64_t>> seen;
  const std::lock_guard<std::mutex> lock(mutex);
  return seen.emplace(id.device, id.inode).second;
}

}  // namespace

StagedFile Folder::stage(const FileStatus& like) const {
  StagedFile staged;
  staged.folder_ = this;
  if (firstLook(identity())) {
    const SystemError kept = error_;
    for (const DirEntry& e : list())
      if (!e.isFolder && !e.isLink && temporaryName(e.name)) removeFile(e.name);
    error_ = kept;
  }
  File file = createTemporary(0);
  if (!file.isOpen()) {
    staged.error_ = error_;
    return staged;
  }
  staged.tempName_ = file.name();
  // Windows has no unnamed files; the hidden attribute of a hidden source's
  // copy is its own and stays at commit.
  staged.keepHidden_ = (like.permissions & kAttrHidden) != 0;
  // The handle keeps its write access after the read-only attribute is set.
  file.setPermissions((like.permissions & (kAttrReadOnly | kAttrSystem | kAttrArchive)) | kAttrHidden);
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
  if (!isOpen()) return fail(SystemError::fromNative(ERROR_INVALID_HANDLE), false);
  // The attributes the copy keeps: the staged ones without the hidden bit,
  // unless the source had it too.
  const DWORD now = win32::attributesOf(win32::toHandle(file_->fd_));
  if (now == INVALID_FILE_ATTRIBUTES) return fail(win32::lastError(), false);
  if (!keepHidden_ && (now & FILE_ATTRIBUTE_HIDDEN) &&
      !file_->setPermissions(static_cast<int>(now & ~FILE_ATTRIBUTE_HIDDEN)))
    return fail(file_->error(), false);
  if (!file_->close()) return fail(file_->error(), true);
  if (!folder_->rename(tempName_, name)) return fail(folder_->error(), false);
  tempName_.clear();
  file_.reset();
  return true;
}

}  // namespace tavilo::platform
