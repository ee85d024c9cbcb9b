#include "core/ini/ini_number.h"

#include <string>

#include "core/error.h"

namespace tavilo::core {

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool startsWithHexPrefix(std::string_view s, std::size_t& prefix) {
  if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) {
    prefix = 1;
    return true;
  }
  if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    prefix = 2;
    return true;
  }
  return false;
}

}  // namespace

std::optional<std::int32_t> parseIniNumber(std::string_view text) {
  std::string_view s = text;
  bool negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  std::size_t prefix = 0;
  if (startsWithHexPrefix(s, prefix)) {
    s.remove_prefix(prefix);
    if (s.empty()) return std::nullopt;
    std::uint64_t v = 0;
    for (const char c : s) {
      const int d = hexDigit(c);
      if (d < 0) return std::nullopt;
      v = v * 16 + static_cast<std::uint64_t>(d);
      if (v > 0xFFFFFFFFull) return std::nullopt;  // leading zeros may make more than 8 digits
    }
    auto pattern = static_cast<std::uint32_t>(v);
    if (negative) pattern = 0u - pattern;
    return static_cast<std::int32_t>(pattern);
  }
  if (s.empty()) return std::nullopt;
  std::int64_t v = 0;
  for (const char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(v);
}

std::optional<std::int32_t> parseIniInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return parseIniNumber("$" + std::string(text.substr(2)));
  return parseIniNumber(text);
}

std::int32_t lenientInteger(std::string_view text) { return parseIniInteger(text).value_or(0); }

std::int32_t strictInteger(std::string_view text) {
  if (const auto v = parseIniNumber(text)) return *v;
  throw Error(formatMessage("'%s' ist kein gültiger Integerwert", std::string(text)));
}

std::int32_t clampCount(std::int32_t n) { return n > kMaxCount ? kMaxCount : n; }

}  // namespace tavilo::core
