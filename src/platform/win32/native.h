// What the Win32 files of the platform share: handles kept in the int slots
// of the platform's classes, the last error, and file status from a handle.
#ifndef TAVILO_PLATFORM_WIN32_NATIVE_H
#define TAVILO_PLATFORM_WIN32_NATIVE_H

#include <windows.h>

#include <string>

#include "platform/platform.h"

namespace tavilo::platform::win32 {

// Kernel handles carry only 32 significant bits (the system promises it for
// 32-bit and 64-bit programs sharing handles), so they fit the int that
// holds a descriptor on POSIX; -1 is INVALID_HANDLE_VALUE either way.
inline HANDLE toHandle(int slot) { return slot < 0 ? INVALID_HANDLE_VALUE : LongToHandle(slot); }
inline int toSlot(HANDLE handle) { return handle == INVALID_HANDLE_VALUE || !handle ? -1 : HandleToLong(handle); }

// Whether the last failed system call met a file whose deletion is pending
// (its NT status); Windows reports that as access denied.
bool lastFailureWasDeletePending();

// GetLastError as a SystemError; a file on its way out counts as gone.
inline SystemError lastError() {
  const DWORD code = ::GetLastError();
  if (code == ERROR_ACCESS_DENIED && lastFailureWasDeletePending())
    return SystemError::fromNative(ERROR_DELETE_PENDING);
  return SystemError::fromNative(static_cast<int>(code));
}

// CreateFileW with every sharing mode and FILE_FLAG_BACKUP_SEMANTICS, so that
// folders open too; `flags` adds FILE_FLAG_OPEN_REPARSE_POINT and the like.
HANDLE openHandle(const std::wstring& path, DWORD access, DWORD disposition, DWORD flags,
                  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);

// Whether the entry at `path` itself is a reparse point. The handle opened
// on a reparse point says so on Windows; Wine follows a symbolic link even
// then, and only the path's attributes tell.
bool isReparsePoint(const std::wstring& path);

// The attributes of an open file or folder, INVALID_FILE_ATTRIBUTES on
// failure. Cheaper than a status: no volume is asked for its serial number.
DWORD attributesOf(HANDLE handle);

// Status of an open file or folder. `reparseIsLink` says whether the handle
// was opened on the reparse point itself.
FileStatus statusOf(HANDLE handle, bool reparseIsLink);
// Status by path; links (reparse points) followed or not.
FileStatus statusAt(const std::wstring& path, bool followLinks);

FileTime fromFileTime(const FILETIME& time);
bool toFileTime(const FileTime& time, FILETIME& out);

// Where an open file or folder is now, as a "\\?\" path; empty on failure.
std::wstring pathOf(HANDLE handle);

// Sets the attributes through a handle (none left means FILE_ATTRIBUTE_NORMAL).
bool setAttributes(HANDLE handle, DWORD attributes);

// Deletes the entry at `path` itself, never what a reparse point leads to: a
// file or reparse point (`folder` false; a real folder is refused), or an
// empty real folder (`folder` true). A read-only attribute is cleared first,
// as POSIX lets the owner of the folder delete a read-only file.
bool deleteEntry(const std::wstring& path, bool folder, SystemError& error);

// A new hidden file of a unique name (".tavilo-" and six letters) in
// `folder`, open for reading and writing, made only where no entry has that
// name; `name` gets its name. Nobody else may delete or rename it while it is
// open (no FILE_SHARE_DELETE).
HANDLE createHiddenIn(const std::wstring& folder, std::wstring& name);

// MoveFileExW replacing `to`, read-only or not (Windows refuses a read-only
// target, so its attribute goes first and comes back when the move fails).
bool moveReplacing(const std::wstring& from, const std::wstring& to);

// A path of an open folder for SetCurrentDirectoryW: without the long
// prefix where the plain spelling is short enough.
std::wstring folderPathForCurrent(const std::wstring& longForm);

}  // namespace tavilo::platform::win32

#endif
