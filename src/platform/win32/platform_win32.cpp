// Program file, configuration paths, time, folder listing and the current
// folder on Windows.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/ascii.h"
#include "platform/platform.h"
#include "platform/win32/native.h"
#include "platform/win32/wide.h"

namespace tavilo::platform {

using win32::longPath;
using win32::narrow;
using win32::widen;

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::string findProgramFile() {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return narrow(win32::withoutLongPrefix(std::wstring_view(buffer.data(), n)));
    buffer.resize(buffer.size() * 2);
  }
}

std::string currentFolderWide() {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD n = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n == 0) return {};
    if (n < buffer.size()) return narrow(win32::withoutLongPrefix(std::wstring_view(buffer.data(), n)));
    buffer.resize(n + 1);
  }
}

// The name of the entry at `path` as its folder spells it; "" when missing.
std::string spellingOnDisk(const std::string& path) {
  WIN32_FIND_DATAW data;
  const HANDLE find =
      ::FindFirstFileExW(longPath(path).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return {};
  ::FindClose(find);
  return narrow(data.cFileName);
}

}  // namespace

std::string programFile() {
  static const std::string file = findProgramFile();
  return file;
}

std::string programDir() {
  const std::string file = programFile();
  const auto slash = file.find_last_of("\\/");
  if (slash == std::string::npos) return ".\\";
  return file.substr(0, slash + 1);
}

std::vector<std::string> programArguments(int, char**) {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!wide) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(narrow(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

void useUtf8Console() { ::SetConsoleOutputCP(CP_UTF8); }

std::string resolveMediumPath(const std::string& dir, const std::string& value) {
  // As on POSIX: '/' between the parts, and each part spelled as on the
  // medium. Windows would find any case itself, but the checker tells the
  // author where only that saves a value, for media copied to other systems.
  std::string rel = value;
  std::replace(rel.begin(), rel.end(), '\\', '/');
  const std::string literal = dir + rel;
  if (rel.empty()) return literal;
  std::string resolved = dir;
  std::size_t pos = 0;
  while (pos <= rel.size()) {
    std::size_t next = rel.find('/', pos);
    if (next == std::string::npos) next = rel.size();
    const std::string part = rel.substr(pos, next - pos);
    if (!part.empty() && part != "." && part != "..") {
      // The system finds the one entry of this name in any case and says
      // how it is spelled; a match by its short 8.3 name or by a case
      // other than ASCII's is no match.
      const std::string spelled = spellingOnDisk(resolved + part);
      if (spelled.empty() || !equalIgnoringAsciiCase(spelled, part)) return literal;
      resolved += spelled;
    } else {
      resolved += part;
    }
    if (next == rel.size()) break;
    resolved += '/';
    pos = next + 1;
  }
  return resolved;
}

std::string localDateTimeText() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02u.%02u.%04u %02u:%02u:%02u", t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute,
                t.wSecond);
  return buf;
}

std::string temporaryFolder() { return "c:\\temp\\"; }

std::vector<DirEntry> listFolder(const std::string& path) {
  std::vector<DirEntry> out;
  if (path.empty()) return out;
  const std::wstring pattern = win32::joinPath(longPath(path), L"*");
  WIN32_FIND_DATAW data;
  const HANDLE find = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return out;
  do {
    const std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const DWORD attr = data.dwFileAttributes;
    DirEntry entry;
    entry.name = narrow(name);
    // A junction, symbolic link or any other reparse point is never a folder.
    entry.isLink = (attr & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entry.isFolder = (attr & FILE_ATTRIBUTE_DIRECTORY) != 0 && !entry.isLink;
    entry.hidden = (attr & FILE_ATTRIBUTE_HIDDEN) != 0;
    entry.system = (attr & FILE_ATTRIBUTE_SYSTEM) != 0;
    out.push_back(std::move(entry));
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
  std::sort(out.begin(), out.end(),
            [](const DirEntry& a, const DirEntry& b) { return lessIgnoringAsciiCase(a.name, b.name); });
  return out;
}

namespace {

// Attributes without following a reparse point; INVALID_FILE_ATTRIBUTES when missing.
DWORD attributesOf(const std::string& path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return ::GetFileAttributesW(longPath(path).c_str());
}

}  // namespace

bool fileExists(const std::string& path) {
  const DWORD attr = attributesOf(path);
  if (attr == INVALID_FILE_ATTRIBUTES) return false;
  if (!(attr & FILE_ATTRIBUTE_REPARSE_POINT)) return !(attr & FILE_ATTRIBUTE_DIRECTORY);
  const FileStatus s = win32::statusAt(longPath(path), true);
  return s.valid && !s.isFolder;
}

bool isFolder(const std::string& path) {
  const DWORD attr = attributesOf(path);
  if (attr == INVALID_FILE_ATTRIBUTES) return false;
  if (!(attr & FILE_ATTRIBUTE_REPARSE_POINT)) return (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return win32::statusAt(longPath(path), true).isFolder;
}

int fileAttributes(const std::string& path) {
  const DWORD attr = attributesOf(path);
  if (attr == INVALID_FILE_ATTRIBUTES) return kAttrInvalid;
  int bits = static_cast<int>(attr & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrFolder | kAttrArchive));
  // As a listing says: a reparse point is never a folder.
  if (attr & FILE_ATTRIBUTE_REPARSE_POINT) bits &= ~kAttrFolder;
  return bits;
}

FileIdentity fileIdentity(const std::string& path) {
  if (path.empty()) return {};
  return win32::statusAt(longPath(path), true).identity;
}

std::string currentFolder() { return currentFolderWide(); }

bool changeFolder(const std::string& path) {
  if (path.empty()) return false;
  if (::SetCurrentDirectoryW(widen(path).c_str())) return true;
  // Past MAX_PATH only the long spelling is taken (where the system allows long paths).
  return ::SetCurrentDirectoryW(longPath(path).c_str()) != 0;
}

std::string absolutePath(const std::string& path) {
  if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) return path;  // a share or "\\?\"
  if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2])) return path;
  std::string cwd = currentFolder();
  if (cwd.empty()) return {};
  // "\x" is on the current drive, "c:x" relative to that drive's own folder.
  if (!path.empty() && isSeparator(path[0])) {
    const std::size_t root = cwd.size() >= 2 && cwd[1] == ':' ? 2 : cwd.find('\\', cwd.find('\\', 2) + 1);
    return cwd.substr(0, root) + path;
  }
  if (path.size() >= 2 && path[1] == ':') return narrow(win32::withoutLongPrefix(longPath(path)));
  if (!isSeparator(cwd.back())) cwd += '\\';
  return cwd + path;
}

}  // namespace tavilo::platform
