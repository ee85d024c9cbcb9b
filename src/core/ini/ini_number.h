// The number syntax of configuration values, and the limit on counts.
#ifndef TAVILO_CORE_INI_INI_NUMBER_H
#define TAVILO_CORE_INI_INI_NUMBER_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavilo::core {

// An optional sign, then decimal digits, or hexadecimal digits after "$",
// "0x" or "x" (either case). Decimal must fit in 32 bits; hexadecimal is a
// 32-bit pattern ("$FFFFFFFF" is -1). No blanks, nothing after the digits.
std::optional<std::int32_t> parseIniNumber(std::string_view text);

// ReadIniInteger's conversion ("0x" taken as "$" only before more text);
// std::nullopt when the text does not convert.
std::optional<std::int32_t> parseIniInteger(std::string_view text);
// The same with 0 for a text that does not convert.
std::int32_t lenientInteger(std::string_view text);

// The strict conversion of colours and of the association count; throws
// core::Error "'<text>' ist kein gültiger Integerwert".
std::int32_t strictInteger(std::string_view text);

// A count ("Anzahl") larger than this is taken as this, so that a typing
// error in the file cannot make the menu loop over billions of entries.
inline constexpr std::int32_t kMaxCount = 10000;
std::int32_t clampCount(std::int32_t n);

}  // namespace tavilo::core

#endif
