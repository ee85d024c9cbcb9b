// Drives on Windows: the drive letters that exist, probed with the critical
// error box switched off, so that an empty CD drive answers "not ready"
// instead of asking for a disk.
#include <windows.h>

#include <vector>

#include "platform/ascii.h"
#include "platform/platform.h"
#include "platform/win32/wide.h"

namespace tavilo::platform {

namespace {

// SEM_FAILCRITICALERRORS for this thread while it lives.
class NoDiskBox {
 public:
  NoDiskBox() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
  ~NoDiskBox() { ::SetThreadErrorMode(old_, nullptr); }
  NoDiskBox(const NoDiskBox&) = delete;
  NoDiskBox& operator=(const NoDiskBox&) = delete;

 private:
  DWORD old_ = 0;
};

// For the whole program as well, as Windows advises: a listing of an empty
// CD drive or of a vanished USB stick fails instead of asking for a disk.
[[maybe_unused]] const UINT kProgramErrorMode =
    ::SetErrorMode(::GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

// "c:", "c:\" and "c:/" as "C:\"; anything else as "".
std::string driveRootOf(const std::string& path) {
  if (path.size() < 2 || path.size() > 3 || path[1] != ':') return {};
  const char letter = upperAscii(path[0]);
  if (letter < 'A' || letter > 'Z') return {};
  if (path.size() == 3 && path[2] != '\\' && path[2] != '/') return {};
  return std::string(1, letter) + ":\\";
}

}  // namespace

std::vector<std::string> listDrives() {
  std::vector<std::string> drives;
  std::vector<wchar_t> buffer(128);
  DWORD n = ::GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
  if (n >= buffer.size()) {
    buffer.resize(n + 1);
    n = ::GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  if (n == 0 || n >= buffer.size()) return drives;
  for (const wchar_t* p = buffer.data(); *p; p += wcslen(p) + 1) {
    // A letter without a root folder is a stale mapping, not a drive.
    const UINT type = ::GetDriveTypeW(p);
    if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) continue;
    drives.push_back(win32::narrow(p));
  }
  return drives;
}

bool isDrive(const std::string& path) {
  const std::string root = driveRootOf(path);
  if (root.empty()) return false;
  for (const std::string& d : listDrives())
    if (equalIgnoringAsciiCase(d, root)) return true;
  return false;
}

bool driveReady(const std::string& path) {
  std::string root = driveRootOf(path);
  if (root.empty()) root = path;
  if (!root.empty() && root.back() != '\\') root += '\\';
  const std::wstring wide = win32::widen(root);
  NoDiskBox quiet;
  ULARGE_INTEGER free{};
  return ::GetVolumeInformationW(wide.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0) &&
         ::GetDiskFreeSpaceExW(wide.c_str(), &free, nullptr, nullptr);
}

bool isMountPoint(const std::string& path) {
  if (path.empty()) return false;
  const std::wstring full = win32::withoutLongPrefix(win32::longPath(path));
  std::vector<wchar_t> volume(full.size() + MAX_PATH + 2);
  NoDiskBox quiet;
  if (!::GetVolumePathNameW(full.c_str(), volume.data(), static_cast<DWORD>(volume.size()))) return false;
  std::wstring root = volume.data();
  std::wstring p = full;
  while (!root.empty() && root.back() == L'\\') root.pop_back();
  while (!p.empty() && p.back() == L'\\') p.pop_back();
  return !p.empty() && ::CompareStringOrdinal(p.c_str(), static_cast<int>(p.size()), root.c_str(),
                                              static_cast<int>(root.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace tavilo::platform
