#include "platform/win32/wide.h"

#include <windows.h>

#include <vector>

namespace tavilo::platform::win32 {

namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kUncPrefix = L"\\\\?\\UNC\\";
constexpr std::wstring_view kDevicePrefix = L"\\\\.\\";

bool startsWith(std::wstring_view s, std::wstring_view head) { return s.substr(0, head.size()) == head; }

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::wstring widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
  return out;
}

std::string narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring longPath(std::string_view utf8) { return longPath(widen(utf8)); }

std::wstring longPath(std::wstring_view path) {
  if (path.empty()) return {};
  // "//?/" is no prefix: only the exact backslash spelling skips the
  // system's path rules.
  if (startsWith(path, kLongPrefix) || startsWith(path, kDevicePrefix)) return std::wstring(path);
  const std::wstring given(path);
  std::vector<wchar_t> full(given.size() + MAX_PATH + 1);
  for (;;) {
    const DWORD n = ::GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n == 0) return given;  // the call that gets it will say what is wrong
    if (n < full.size()) {
      full.resize(n);
      break;
    }
    full.resize(n + 1);
  }
  const std::wstring_view whole(full.data(), full.size());
  if (startsWith(whole, kDevicePrefix) || startsWith(whole, kLongPrefix)) return std::wstring(whole);
  if (whole.size() >= 2 && isSeparator(whole[0]) && isSeparator(whole[1]))
    return std::wstring(kUncPrefix) + std::wstring(whole.substr(2));
  return std::wstring(kLongPrefix) + std::wstring(whole);
}

std::wstring withoutLongPrefix(std::wstring_view path) {
  if (startsWith(path, kUncPrefix)) return L"\\\\" + std::wstring(path.substr(kUncPrefix.size()));
  if (startsWith(path, kLongPrefix)) return std::wstring(path.substr(kLongPrefix.size()));
  return std::wstring(path);
}

std::wstring joinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring out(folder);
  if (!out.empty() && !isSeparator(out.back())) out += L'\\';
  out += name;
  return out;
}

}  // namespace tavilo::platform::win32
