// Staged files on Windows: a hidden file beside the target, written whole,
// given the source's attributes and moved over the target in one step
// (MoveFileExW). The old file stays untouched until then.
#include <windows.h>

#include <utility>

#include "platform/platform.h"
#include "platform/win32/native.h"

namespace tavilo::platform {

StagedFile Folder::stage(const FileStatus& like) const {
  StagedFile staged;
  staged.folder_ = this;
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
