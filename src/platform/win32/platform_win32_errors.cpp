// The Win32 side of SystemError: GetLastError codes sorted into the kinds
// callers test, and the system's own text (FormatMessageW) in UTF-8.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/wide.h"

namespace tavilo::platform {

namespace {

// winerror.h of mingw-w64 lacks it.
constexpr int kDiskQuotaExceeded = 1295;

ErrorKind kindOf(int code) {
  switch (code) {
    case ERROR_SUCCESS: return ErrorKind::NoError;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DELETE_PENDING: return ErrorKind::NotFound;  // a file on its way out is gone already
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
    case ERROR_CANNOT_MAKE: return ErrorKind::AccessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ErrorKind::NoSpace;
    case kDiskQuotaExceeded: return ErrorKind::QuotaExceeded;
    case ERROR_WRITE_PROTECT: return ErrorKind::ReadOnlyMedium;
    case ERROR_NOT_READY:  // a drive without its disk
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_SEEK:
    case ERROR_IO_DEVICE:
    case ERROR_GEN_FAILURE:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_NETNAME_DELETED: return ErrorKind::IoFailure;
    case ERROR_DIRECTORY: return ErrorKind::NotFolder;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return ErrorKind::Exists;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW: return ErrorKind::NameTooLong;
    case ERROR_FILE_TOO_LARGE: return ErrorKind::TooLarge;
    case ERROR_CANT_RESOLVE_FILENAME: return ErrorKind::TooManyLinks;
    case ERROR_TOO_MANY_OPEN_FILES: return ErrorKind::TooManyOpenFiles;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ErrorKind::OutOfMemory;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_BUSY:
    case ERROR_USER_MAPPED_FILE: return ErrorKind::Busy;
    default: return ErrorKind::Other;
  }
}

}  // namespace

SystemError SystemError::fromNative(int code) {
  SystemError e(kindOf(code));
  e.code_ = code;
  return e;
}

std::string SystemError::text() const {
  if (code_ == 0) return {};
  wchar_t* buffer = nullptr;
  const DWORD n = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(code_), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = n && buffer ? std::wstring(buffer, n) : std::wstring();
  if (buffer) ::LocalFree(buffer);
  // The system's texts end in a line break, which a message would show.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
  if (text.empty()) return "Fehler " + std::to_string(code_);
  return win32::narrow(text);
}

}  // namespace tavilo::platform
