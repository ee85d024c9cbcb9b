// Text and paths at the Win32 seam: everything inside the program is UTF-8,
// every Win32 call takes UTF-16. Paths handed to the system get the "\\?\"
// prefix ("\\?\UNC\" for a share), so no call is limited to MAX_PATH.
#ifndef TAVILO_PLATFORM_WIN32_WIDE_H
#define TAVILO_PLATFORM_WIN32_WIDE_H

#include <string>
#include <string_view>

namespace tavilo::platform::win32 {

// UTF-8 to UTF-16; a byte that is no UTF-8 becomes U+FFFD.
std::wstring widen(std::string_view utf8);
// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string narrow(std::wstring_view wide);

// A path for a Win32 call: '/' read as '\', made absolute against the
// current folder, "." and ".." resolved, and prefixed with "\\?\" (a share
// "\\server\share" with "\\?\UNC\"). A path that has a prefix already, or a
// device path ("\\.\"), stays as it is. Empty for an empty path.
std::wstring longPath(std::string_view utf8);
std::wstring longPath(std::wstring_view path);

// The path as people write it: "\\?\C:\x" is "C:\x", "\\?\UNC\s\x" is "\\s\x".
std::wstring withoutLongPrefix(std::wstring_view path);

// `folder` and `name` joined by one backslash.
std::wstring joinPath(std::wstring_view folder, std::wstring_view name);

}  // namespace tavilo::platform::win32

#endif
