// Folders by handle on Windows. A folder is held open without delete
// sharing, so neither it nor a folder above it can be renamed or removed
// while it is open; its entries are reached through the path the system
// gives for the handle. A sub-folder is opened on its own entry
// (FILE_FLAG_OPEN_REPARSE_POINT) and refused when it is a junction, a
// symbolic link or any other reparse point.
#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/ascii.h"
#include "platform/platform.h"
#include "platform/win32/native.h"
#include "platform/win32/wide.h"

namespace tavilo::platform {

using win32::joinPath;
using win32::lastError;
using win32::toHandle;
using win32::toSlot;

namespace {

constexpr DWORD kFolderAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
constexpr DWORD kFolderShare = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Opens a folder; with `noReparse` the entry itself, refused when it is a
// reparse point. Not a folder: ERROR_DIRECTORY.
HANDLE openFolder(const std::wstring& path, bool noReparse) {
  const HANDLE h = win32::openHandle(path, kFolderAccess, OPEN_EXISTING,
                                     noReparse ? FILE_FLAG_OPEN_REPARSE_POINT : 0, kFolderShare);
  if (h == INVALID_HANDLE_VALUE) return h;
  const DWORD attr = win32::attributesOf(h);
  DWORD error = ERROR_SUCCESS;
  if (attr == INVALID_FILE_ATTRIBUTES) error = ::GetLastError();
  else if (!(attr & FILE_ATTRIBUTE_DIRECTORY) ||
           (noReparse && ((attr & FILE_ATTRIBUTE_REPARSE_POINT) || win32::isReparsePoint(path))))
    error = ERROR_DIRECTORY;
  if (error == ERROR_SUCCESS) return h;
  ::CloseHandle(h);
  ::SetLastError(error);
  return INVALID_HANDLE_VALUE;
}

// The folder above a "\\?\" path; a drive's or share's root is its own parent.
std::wstring parentOf(const std::wstring& path) {
  const std::wstring plain = win32::withoutLongPrefix(path);
  const std::size_t slash = path.find_last_of(L'\\');
  if (slash == std::wstring::npos) return path;
  const bool driveRoot = plain.size() <= 3 && plain.size() >= 2 && plain[1] == L':';
  const bool shareRoot = plain.size() > 2 && plain[0] == L'\\' &&
                         std::count(plain.begin() + 2, plain.end(), L'\\') <= 1;
  if (driveRoot || shareRoot) return path;
  std::wstring up = path.substr(0, slash);
  if (up.size() >= 2 && up.back() == L':') up += L'\\';  // "\\?\c:" is no folder
  return up;
}

}  // namespace

Folder::~Folder() {
  if (fd_ >= 0) ::CloseHandle(toHandle(fd_));
}

Folder::Folder(Folder&& other) noexcept : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}

Folder& Folder::operator=(Folder&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::CloseHandle(toHandle(fd_));
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
  }
  return *this;
}

Folder Folder::open(const std::string& path) {
  Folder f;
  f.fd_ = toSlot(openFolder(win32::longPath(path), false));
  if (f.fd_ < 0) f.error_ = lastError();
  return f;
}

Folder Folder::openSub(const std::string& name) const {
  Folder f;
  const std::wstring here = fd_ >= 0 ? win32::pathOf(toHandle(fd_)) : std::wstring();
  if (here.empty()) {
    f.error_ = SystemError::fromNative(ERROR_INVALID_HANDLE);
    return f;
  }
  f.fd_ = toSlot(openFolder(joinPath(here, win32::widen(name)), true));
  if (f.fd_ < 0) f.error_ = lastError();
  return f;
}

Folder Folder::openParent() const {
  Folder f;
  const std::wstring here = fd_ >= 0 ? win32::pathOf(toHandle(fd_)) : std::wstring();
  if (here.empty()) {
    f.error_ = SystemError::fromNative(ERROR_INVALID_HANDLE);
    return f;
  }
  f.fd_ = toSlot(openFolder(parentOf(here), false));
  if (f.fd_ < 0) f.error_ = lastError();
  return f;
}

FileIdentity Folder::identity() const {
  if (fd_ < 0) return {};
  return win32::statusOf(toHandle(fd_), false).identity;
}

namespace {

// The path of an entry of an open folder; empty (with the error set) when
// the folder has no path any more.
std::wstring entryPath(int fd, const std::string& name, SystemError& error) {
  const std::wstring here = fd >= 0 ? win32::pathOf(toHandle(fd)) : std::wstring();
  if (here.empty()) {
    error = fd >= 0 ? lastError() : SystemError::fromNative(ERROR_INVALID_HANDLE);
    return {};
  }
  return name.empty() ? here : joinPath(here, win32::widen(name));
}

}  // namespace

std::vector<DirEntry> Folder::list() const {
  std::vector<DirEntry> out;
  const std::wstring here = entryPath(fd_, {}, error_);
  if (here.empty()) return out;
  WIN32_FIND_DATAW data;
  const HANDLE find = ::FindFirstFileExW(joinPath(here, L"*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    // An empty drive root lists nothing at all, not even "." and "..".
    if (::GetLastError() != ERROR_FILE_NOT_FOUND) error_ = lastError();
    return out;
  }
  do {
    const std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const DWORD attr = data.dwFileAttributes;
    DirEntry entry;
    entry.name = win32::narrow(name);
    entry.isLink = (attr & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entry.isFolder = (attr & FILE_ATTRIBUTE_DIRECTORY) != 0 && !entry.isLink;
    entry.hidden = (attr & FILE_ATTRIBUTE_HIDDEN) != 0;
    entry.system = (attr & FILE_ATTRIBUTE_SYSTEM) != 0;
    out.push_back(std::move(entry));
  } while (::FindNextFileW(find, &data));
  if (::GetLastError() != ERROR_NO_MORE_FILES) error_ = lastError();
  ::FindClose(find);
  std::sort(out.begin(), out.end(),
            [](const DirEntry& a, const DirEntry& b) { return lessIgnoringAsciiCase(a.name, b.name); });
  return out;
}

FileStatus Folder::status(const std::string& name, bool followLinks) const {
  if (name.empty() && fd_ >= 0) return win32::statusOf(toHandle(fd_), false);
  const std::wstring path = entryPath(fd_, name, error_);
  if (path.empty()) return {};
  FileStatus s = win32::statusAt(path, followLinks);
  if (!s.valid) error_ = lastError();
  return s;
}

File Folder::openFile(const std::string& name) const {
  File f(-1, name);
  const std::wstring path = entryPath(fd_, name, error_);
  if (path.empty()) {
    f.error_ = error_;
    return f;
  }
  const HANDLE h = win32::openHandle(path, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  if (h == INVALID_HANDLE_VALUE) f.error_ = error_ = lastError();
  f.fd_ = toSlot(h);
  return f;
}

File Folder::createTemporary(int) const {
  File f(-1, {});
  const std::wstring here = entryPath(fd_, {}, error_);
  if (here.empty()) {
    f.error_ = error_;
    return f;
  }
  std::wstring name;
  const HANDLE h = win32::createHiddenIn(here, name);
  if (h == INVALID_HANDLE_VALUE) {
    f.error_ = error_ = lastError();
    return f;
  }
  f.fd_ = toSlot(h);
  f.name_ = win32::narrow(name);
  return f;
}

// Windows has no file without a name: stage() always takes a hidden one.
File Folder::createUnnamed(int) const {
  File f(-1, {});
  f.error_ = SystemError::fromNative(ERROR_NOT_SUPPORTED);
  return f;
}

bool Folder::linkUnnamed(const File&, std::string&) const {
  error_ = SystemError::fromNative(ERROR_NOT_SUPPORTED);
  return false;
}

bool Folder::removeFile(const std::string& name) const {
  const std::wstring path = entryPath(fd_, name, error_);
  return !path.empty() && win32::deleteEntry(path, false, error_);
}

bool Folder::removeFolder(const std::string& name) const {
  const std::wstring path = entryPath(fd_, name, error_);
  return !path.empty() && win32::deleteEntry(path, true, error_);
}

bool Folder::makeFolder(const std::string& name) const {
  const std::wstring path = entryPath(fd_, name, error_);
  if (path.empty()) return false;
  if (::CreateDirectoryW(path.c_str(), nullptr)) return true;
  error_ = lastError();
  return error_.kind() == ErrorKind::Exists && win32::statusAt(path, false).isFolder;
}

bool Folder::rename(const std::string& from, const std::string& to) const {
  const std::wstring source = entryPath(fd_, from, error_);
  const std::wstring target = source.empty() ? std::wstring() : entryPath(fd_, to, error_);
  if (target.empty()) return false;
  if (win32::moveReplacing(source, target)) return true;
  error_ = lastError();
  return false;
}

bool Folder::addOwnerWrite() const {
  const std::wstring here = entryPath(fd_, {}, error_);
  if (here.empty()) return false;
  const DWORD attr = ::GetFileAttributesW(here.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES) {
    error_ = lastError();
    return false;
  }
  if (!(attr & FILE_ATTRIBUTE_READONLY)) return true;
  const DWORD rest = attr & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);
  if (::SetFileAttributesW(here.c_str(), rest ? rest : FILE_ATTRIBUTE_NORMAL)) return true;
  error_ = lastError();
  return false;
}

PathPlace placeOf(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
  PathPlace place;
  const std::wstring full = win32::longPath(p);
  const std::wstring plain = win32::withoutLongPrefix(full);
  const bool driveRoot = plain.size() <= 3 && plain.size() >= 2 && plain[1] == L':';
  const bool shareRoot = plain.size() > 2 && plain[0] == L'\\' && std::count(plain.begin() + 2, plain.end(), L'\\') <= 1;
  if (p.empty() || driveRoot || shareRoot) return place;
  const std::size_t slash = full.find_last_of(L'\\');
  place.name = win32::narrow(full.substr(slash + 1));
  place.folder = Folder::open(win32::narrow(parentOf(full)));
  return place;
}

}  // namespace tavilo::platform
