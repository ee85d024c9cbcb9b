#include "platform/win32/native.h"

#include <random>
#include <vector>

#include "platform/win32/wide.h"

namespace tavilo::platform::win32 {

namespace {

// 100-nanosecond steps between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kEpochTicks = 116444736000000000LL;

}  // namespace

bool lastFailureWasDeletePending() {
  using LastStatus = LONG(WINAPI*)();
  static const auto lastStatus = reinterpret_cast<LastStatus>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetLastNtStatus")));
  constexpr LONG kStatusDeletePending = static_cast<LONG>(0xC0000056);
  return lastStatus && lastStatus() == kStatusDeletePending;
}

HANDLE createHiddenIn(const std::wstring& folder, std::wstring& name) {
  static std::mt19937_64 random{[] {
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    return static_cast<std::uint64_t>(counter.QuadPart) ^ (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 32);
  }()};
  static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = L".tavilo-";
    for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters / sizeof kLetters[0] - 1)];
    // Without delete sharing: a later run's sweep cannot take it while it is open.
    const HANDLE h = openHandle(joinPath(folder, name), GENERIC_READ | GENERIC_WRITE | DELETE, CREATE_NEW,
                                FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT,
                                FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (h != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return h;
  }
  name.clear();
  return INVALID_HANDLE_VALUE;
}

HANDLE openHandle(const std::wstring& path, DWORD access, DWORD disposition, DWORD flags, DWORD share) {
  if (path.empty()) {
    ::SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  return ::CreateFileW(path.c_str(), access, share, nullptr, disposition, flags | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

FileTime fromFileTime(const FILETIME& time) {
  const std::int64_t ticks =
      static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  if (ticks == 0) return {};
  const std::int64_t since = ticks - kEpochTicks;
  std::int64_t seconds = since / 10000000;
  std::int64_t rest = since % 10000000;
  if (rest < 0) {
    rest += 10000000;
    --seconds;
  }
  return {seconds, rest * 100, true};
}

bool toFileTime(const FileTime& time, FILETIME& out) {
  if (!time.valid || time.nanoseconds < 0 || time.nanoseconds > 999999999) return false;
  const std::int64_t ticks = time.seconds * 10000000 + time.nanoseconds / 100 + kEpochTicks;
  if (ticks <= 0) return false;
  out.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) & 0xffffffffu);
  out.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32);
  return true;
}

DWORD attributesOf(HANDLE handle) {
  FILE_BASIC_INFO basic{};
  if (!::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) return INVALID_FILE_ATTRIBUTES;
  return basic.FileAttributes;
}

FileStatus statusOf(HANDLE handle, bool reparseIsLink) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!::GetFileInformationByHandle(handle, &info)) return {};
  FileStatus s;
  s.valid = true;
  const DWORD attr = info.dwFileAttributes;
  const bool reparse = (attr & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  s.isLink = reparse && reparseIsLink;
  s.isFolder = (attr & FILE_ATTRIBUTE_DIRECTORY) != 0 && !s.isLink;
  if (!s.isFolder && !s.isLink) {
    switch (::GetFileType(handle)) {
      case FILE_TYPE_DISK: s.isRegular = true; break;
      case FILE_TYPE_CHAR: s.isDevice = true; break;
      case FILE_TYPE_PIPE: s.isFifo = true; break;
      default: break;
    }
  }
  s.permissions = static_cast<int>(attr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                           FILE_ATTRIBUTE_ARCHIVE));
  s.readOnly = (attr & FILE_ATTRIBUTE_READONLY) != 0;
  s.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
  s.modified = fromFileTime(info.ftLastWriteTime);
  s.identity = {info.dwVolumeSerialNumber,
                (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow, true};
  return s;
}

bool isReparsePoint(const std::wstring& path) {
  const DWORD attr = ::GetFileAttributesW(path.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_REPARSE_POINT);
}

FileStatus statusAt(const std::wstring& path, bool followLinks) {
  const HANDLE h =
      openHandle(path, FILE_READ_ATTRIBUTES, OPEN_EXISTING, followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
  if (h == INVALID_HANDLE_VALUE) return {};
  FileStatus s = statusOf(h, !followLinks);
  const DWORD error = ::GetLastError();
  if (s.valid && !followLinks && !s.isLink && isReparsePoint(path)) {
    s.isLink = true;
    s.isFolder = s.isRegular = false;
  }
  ::CloseHandle(h);
  ::SetLastError(error);
  return s;
}

namespace {

// The object's name as the kernel keeps it ("\??\C:\..."), in the "\\?\"
// spelling. Wine's GetFinalPathNameByHandleW stops at MAX_PATH; this does not.
std::wstring kernelPathOf(HANDLE handle) {
  using QueryObject = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  static const auto query = reinterpret_cast<QueryObject>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
  if (!query) return {};
  struct Name {
    USHORT length;
    USHORT maximum;
    wchar_t* buffer;
  };
  std::vector<Name> space(70000 / sizeof(Name));
  ULONG got = 0;
  constexpr int kObjectNameInformation = 1;
  if (query(handle, kObjectNameInformation, space.data(), static_cast<ULONG>(space.size() * sizeof(Name)), &got) != 0)
    return {};
  const std::wstring name(space[0].buffer, space[0].length / sizeof(wchar_t));
  if (name.rfind(L"\\??\\", 0) != 0) return {};
  return L"\\\\?\\" + name.substr(4);
}

}  // namespace

std::wstring pathOf(HANDLE handle) {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD n = ::GetFinalPathNameByHandleW(handle, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (n > 0 && n < buffer.size()) return std::wstring(buffer.data(), n);
    if (n == 0) return ::GetLastError() == ERROR_MORE_DATA ? kernelPathOf(handle) : std::wstring();
    buffer.resize(n + 1);
  }
}

bool setAttributes(HANDLE handle, DWORD attributes) {
  constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                              FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                              FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  FILE_BASIC_INFO basic{};  // zero times and zero attributes: left as they are
  attributes &= kSettable;
  basic.FileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
  return ::SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic) != 0;
}

bool deleteEntry(const std::wstring& path, bool folder, SystemError& error) {
  const HANDLE h = openHandle(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT);
  if (h == INVALID_HANDLE_VALUE) {
    error = lastError();
    return false;
  }
  const DWORD attr = attributesOf(h);
  if (attr == INVALID_FILE_ATTRIBUTES) {
    error = lastError();
    ::CloseHandle(h);
    return false;
  }
  const bool handleOnLink = (attr & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  const bool link = handleOnLink || isReparsePoint(path);
  const bool realFolder = (attr & FILE_ATTRIBUTE_DIRECTORY) && !link;
  if (realFolder != folder) {
    ::CloseHandle(h);
    error = folder ? ErrorKind::NotFolder : ErrorKind::IsFolder;
    return false;
  }
  if (link && !handleOnLink) {
    // Wine opened what the link leads to: the link goes by its path, as a
    // file. Wine removes no link to a folder this way, which is the safe side.
    ::CloseHandle(h);
    const bool done = ::DeleteFileW(path.c_str());
    if (!done) error = lastError();
    return done;
  }
  const bool cleared = (attr & FILE_ATTRIBUTE_READONLY) && setAttributes(h, attr & ~FILE_ATTRIBUTE_READONLY);
  FILE_DISPOSITION_INFO disposition{TRUE};
  const bool done = ::SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition) != 0;
  if (!done) {
    error = lastError();
    if (cleared) setAttributes(h, attr);
  }
  ::CloseHandle(h);
  return done;
}

bool moveReplacing(const std::wstring& from, const std::wstring& to) {
  const DWORD attr = ::GetFileAttributesW(to.c_str());
  const bool cleared = attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_READONLY) &&
                       !(attr & FILE_ATTRIBUTE_DIRECTORY) &&
                       ::SetFileAttributesW(to.c_str(), attr & ~FILE_ATTRIBUTE_READONLY);
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  const DWORD error = ::GetLastError();
  if (cleared) ::SetFileAttributesW(to.c_str(), attr);
  ::SetLastError(error);
  return false;
}

std::wstring folderPathForCurrent(const std::wstring& longForm) {
  std::wstring plain = withoutLongPrefix(longForm);
  return plain.size() < MAX_PATH - 2 ? plain : longForm;
}

}  // namespace tavilo::platform::win32
