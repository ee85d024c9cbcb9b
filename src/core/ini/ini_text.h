// The characters of the configuration file: media are authored on Windows in
// the ANSI set (Windows-1252) or, by newer editors, in UTF-8.
#ifndef TAVILO_CORE_INI_INI_TEXT_H
#define TAVILO_CORE_INI_INI_TEXT_H

#include <optional>
#include <string>
#include <string_view>

namespace tavilo::core {

// The file's bytes as UTF-8. UTF-16 with its byte-order mark is converted; a
// leading UTF-8 byte-order mark is dropped; the rest is taken as it is when it
// is valid UTF-8, else read as Windows-1252.
// The result is always valid UTF-8; NUL bytes stay NUL.
std::string decodeIniBytes(std::string_view bytes);

// Text that begins with a UTF-16 byte-order mark (FF FE little-endian, FE FF
// big-endian), as Windows Notepad saves "Unicode", in UTF-8 without the mark;
// std::nullopt for other bytes. A lone surrogate becomes U+FFFD, an odd last
// byte is dropped.
std::optional<std::string> fromUtf16(std::string_view bytes);

// Each byte as the Windows-1252 character it stands for, in UTF-8.
std::string fromWindows1252(std::string_view bytes);

// Whether `bytes` is valid UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool isValidUtf8(std::string_view bytes);

}  // namespace tavilo::core

#endif
