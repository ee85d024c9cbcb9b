// File services on Windows: status, times, attributes, creating and removing
// by path, and the file handle that the copy routines write through.
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/native.h"
#include "platform/win32/wide.h"

namespace tavilo::platform {

using win32::lastError;
using win32::longPath;
using win32::toHandle;
using win32::toSlot;

FileStatus fileStatus(const std::string& path, bool followLinks) {
  if (path.empty()) return {};
  return win32::statusAt(longPath(path), followLinks);
}

bool setModificationTime(const std::string& path, const FileTime& time) {
  FILETIME ft;
  if (path.empty() || !win32::toFileTime(time, ft)) return false;
  const HANDLE h = win32::openHandle(longPath(path), FILE_WRITE_ATTRIBUTES, OPEN_EXISTING, 0);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool done = ::SetFileTime(h, nullptr, nullptr, &ft) != 0;
  ::CloseHandle(h);
  return done;
}

bool setPermissions(const std::string& path, int mode) {
  const DWORD attributes = static_cast<DWORD>(mode) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                       FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
  return !path.empty() &&
         ::SetFileAttributesW(longPath(path).c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool addOwnerWrite(const std::string& path) {
  if (path.empty()) return false;
  const std::wstring p = longPath(path);
  const DWORD attr = ::GetFileAttributesW(p.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES) return false;
  if ((attr & FILE_ATTRIBUTE_REPARSE_POINT) || !(attr & FILE_ATTRIBUTE_READONLY)) return true;
  const DWORD rest = attr & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);
  return ::SetFileAttributesW(p.c_str(), rest ? rest : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool createFolders(const std::string& path) {
  if (path.empty()) return false;
  const std::wstring full = longPath(path);
  // Each prefix that ends before a separator, then the whole path; the
  // prefix's own parts ("\\?\c:", "\\?\UNC\server") simply fail.
  for (std::size_t i = 1; i <= full.size(); ++i) {
    if (i < full.size() && full[i] != L'\\') continue;
    if (full[i - 1] == L'\\') continue;
    ::CreateDirectoryW(full.substr(0, i).c_str(), nullptr);
  }
  return isFolder(path);
}

bool removeFile(const std::string& path) {
  SystemError error;
  return !path.empty() && win32::deleteEntry(longPath(path), false, error);
}

bool removeFolder(const std::string& path) {
  SystemError error;
  return !path.empty() && win32::deleteEntry(longPath(path), true, error);
}

std::string linkTarget(const std::string& path) {
  if (path.empty()) return {};
  const std::wstring p = longPath(path);
  const DWORD attr = ::GetFileAttributesW(p.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES || !(attr & FILE_ATTRIBUTE_REPARSE_POINT)) return {};
  // Where the link leads in the end; a link that leads nowhere names nothing.
  const HANDLE h = win32::openHandle(p, FILE_READ_ATTRIBUTES, OPEN_EXISTING, 0);
  if (h == INVALID_HANDLE_VALUE) return {};
  const std::wstring target = win32::pathOf(h);
  ::CloseHandle(h);
  return win32::narrow(win32::withoutLongPrefix(target));
}

bool renamePath(const std::string& from, const std::string& to) {
  return !from.empty() && !to.empty() && win32::moveReplacing(longPath(from), longPath(to));
}

// ---------------------------------------------------------------- File

File::File(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}

File::~File() {
  if (fd_ >= 0) ::CloseHandle(toHandle(fd_));
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      error_(other.error_),
      kernelCopy_(other.kernelCopy_),
      kernelCopied_(other.kernelCopied_),
      name_(std::move(other.name_)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::CloseHandle(toHandle(fd_));
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
    kernelCopy_ = other.kernelCopy_;
    kernelCopied_ = other.kernelCopied_;
    name_ = std::move(other.name_);
  }
  return *this;
}

File File::openRead(const std::string& path) {
  File f(-1, path);
  const HANDLE h = win32::openHandle(longPath(path), GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (h == INVALID_HANDLE_VALUE) f.error_ = lastError();
  f.fd_ = toSlot(h);
  return f;
}

File File::createTemporary(const std::string& folder) {
  std::string base = folder.empty() ? std::string(".") : folder;
  std::wstring name;
  const HANDLE h = win32::createHiddenIn(longPath(base), name);
  File f(toSlot(h), {});
  if (h == INVALID_HANDLE_VALUE) {
    f.error_ = lastError();
    return f;
  }
  if (base.back() != '\\' && base.back() != '/') base += '\\';
  f.name_ = base + win32::narrow(name);
  return f;
}

File File::createNew(const std::string& path) {
  File f(-1, path);
  // CREATE_NEW fails on any entry of that name, a link that leads nowhere too.
  const HANDLE h = win32::openHandle(longPath(path), GENERIC_WRITE, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT);
  if (h == INVALID_HANDLE_VALUE) f.error_ = lastError();
  f.fd_ = toSlot(h);
  return f;
}

FileStatus File::status() {
  if (fd_ < 0) {
    error_ = SystemError::fromNative(ERROR_INVALID_HANDLE);
    return {};
  }
  FileStatus s = win32::statusOf(toHandle(fd_), false);
  if (!s.valid) error_ = lastError();
  return s;
}

std::int64_t File::read(void* buffer, std::size_t size) {
  if (fd_ < 0) {
    error_ = SystemError::fromNative(ERROR_INVALID_HANDLE);
    return -1;
  }
  DWORD n = 0;
  const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  if (::ReadFile(toHandle(fd_), buffer, want, &n, nullptr)) return n;
  const DWORD code = ::GetLastError();
  if (code == ERROR_HANDLE_EOF || code == ERROR_BROKEN_PIPE) return 0;
  error_ = SystemError::fromNative(static_cast<int>(code));
  return -1;
}

bool File::writeAll(const void* buffer, std::size_t size) {
  if (fd_ < 0) {
    error_ = SystemError::fromNative(ERROR_INVALID_HANDLE);
    return false;
  }
  const char* p = static_cast<const char*>(buffer);
  while (size > 0) {
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!::WriteFile(toHandle(fd_), p, want, &n, nullptr)) {
      error_ = lastError();
      return false;
    }
    if (n == 0) {
      error_ = SystemError::fromNative(ERROR_DISK_FULL);
      return false;
    }
    p += n;
    size -= n;
  }
  return true;
}

bool File::setModificationTime(const FileTime& time) {
  FILETIME ft;
  if (fd_ < 0 || !win32::toFileTime(time, ft)) {
    error_ = SystemError::fromNative(fd_ < 0 ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return false;
  }
  if (::SetFileTime(toHandle(fd_), nullptr, nullptr, &ft)) return true;
  error_ = lastError();
  return false;
}

bool File::setPermissions(int mode) {
  // The permissions of a FileStatus on Windows are its attributes.
  if (fd_ >= 0 && win32::setAttributes(toHandle(fd_), static_cast<DWORD>(mode))) return true;
  error_ = fd_ < 0 ? SystemError::fromNative(ERROR_INVALID_HANDLE) : lastError();
  return false;
}

bool File::setReadableByAll() {
  // A new file's rights come from its folder; only a read-only attribute is in the way.
  const FileStatus s = status();
  if (!s.valid) return false;
  if (!s.readOnly) return true;
  return setPermissions(s.permissions & ~kAttrReadOnly);
}

std::int64_t File::copyTo(File& target, std::size_t size) {
  if (fd_ < 0 || target.fd_ < 0) {
    error_ = SystemError::fromNative(ERROR_INVALID_HANDLE);
    return -1;
  }
  // Windows copies between handles only through a buffer.
  kernelCopy_ = false;
  return copyThroughBuffer(target, size);
}

bool File::close() {
  if (fd_ < 0) {
    error_ = SystemError::fromNative(ERROR_INVALID_HANDLE);
    return false;
  }
  if (::CloseHandle(toHandle(std::exchange(fd_, -1)))) return true;
  error_ = lastError();
  return false;
}

// ---------------------------------------------------------------- SavedFolder

SavedFolder::SavedFolder()
    : fd_(toSlot(win32::openHandle(L".", FILE_READ_ATTRIBUTES, OPEN_EXISTING, 0))) {}

SavedFolder::~SavedFolder() {
  if (fd_ >= 0) ::CloseHandle(toHandle(fd_));
}

bool SavedFolder::restore() {
  if (fd_ < 0) return false;
  const std::wstring path = win32::pathOf(toHandle(fd_));
  return !path.empty() && ::SetCurrentDirectoryW(win32::folderPathForCurrent(path).c_str());
}

}  // namespace tavilo::platform
