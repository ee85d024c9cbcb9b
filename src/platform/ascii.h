// Letter case as the program's names, paths and schemes know it: the ASCII
// letters A to Z only; other characters (umlauts) stay as they are.
#ifndef TAVILO_PLATFORM_ASCII_H
#define TAVILO_PLATFORM_ASCII_H

#include <algorithm>
#include <string_view>

namespace tavilo::platform {

constexpr char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
constexpr char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

constexpr bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

// The order of a folder listing: by name ignoring case, then by bytes, so
// that two names never tie.
constexpr bool lessIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char ca = lowerAscii(a[i]);
    const char cb = lowerAscii(b[i]);
    if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb);
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace tavilo::platform

#endif
