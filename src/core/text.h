// Small text helpers. Case changes touch the ASCII letters A to Z only.
#ifndef TAVILO_CORE_TEXT_H
#define TAVILO_CORE_TEXT_H

#include <string>
#include <string_view>
#include <vector>

namespace tavilo::core {

std::string lowerAscii(std::string_view s);
std::string upperAscii(std::string_view s);

// Removes leading and trailing blanks and control characters (bytes <= 32).
std::string trimControls(std::string_view s);

// Splits at line feeds; "a\nb" gives {"a","b"}, "" gives {""}.
std::vector<std::string> splitLines(std::string_view s);

// One line: each line break (CR LF, CR or LF) becomes one blank.
std::string oneLine(std::string_view s);

// The number of characters of a UTF-8 text (continuation bytes not counted).
std::size_t utf8Length(std::string_view s);

// At most maxChars characters of a UTF-8 text, never cutting inside a character.
std::string_view utf8Prefix(std::string_view s, std::size_t maxChars);

}  // namespace tavilo::core

#endif
