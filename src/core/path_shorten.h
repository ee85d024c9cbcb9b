// Shortening a folder path for a label of limited width, with "..." in the
// middle, given a text-width function (so that it is testable without fonts).
#ifndef TAVILO_CORE_PATH_SHORTEN_H
#define TAVILO_CORE_PATH_SHORTEN_H

#include <functional>
#include <string>
#include <string_view>

namespace tavilo::core {

using TextWidth = std::function<int(std::string_view)>;

// The path itself when it fits `maxWidth`. Otherwise whole middle folders give
// way to "...", keeping the first folder and as many trailing ones as fit
// ("/home/.../src/gui"), then "/.../" with the last one; when even that is too
// wide, characters from the middle of the text (never inside a UTF-8 sequence).
// A trailing '/' is kept.
std::string shortenPathMiddle(const std::string& path, int maxWidth, const TextWidth& width);

// Characters from the middle of `text` replaced by "...", keeping as much of
// both ends as fits (the end gets the odd character). "..." alone, or less,
// when nothing more fits.
std::string ellipsizeMiddle(const std::string& text, int maxWidth, const TextWidth& width);

// The longest start of `text` that fits `maxWidth` together with a following
// "…" (never cut inside a UTF-8 sequence); the text itself when it fits.
std::string ellipsizeEnd(const std::string& text, int maxWidth, const TextWidth& width);

}  // namespace tavilo::core

#endif
