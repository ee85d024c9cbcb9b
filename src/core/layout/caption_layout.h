// How a caption becomes lines on screen, without knowing the toolkit: what '&' means,
// where lines break, and where each line starts. Captions come from the configuration
// file, so nothing here gives any other character a meaning.
#ifndef TAVILO_CORE_CAPTION_LAYOUT_H
#define TAVILO_CORE_CAPTION_LAYOUT_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo::core {

// A caption ready to be drawn: `text` holds exactly the characters to draw, with '\n'
// as the only line break; `underlined` are byte offsets of accelerator characters in it.
struct PreparedCaption {
  std::string text;
  std::vector<std::size_t> underlined;
};

// With showAccelChar, a single '&' is dropped and marks the character after it as an
// accelerator, and "&&" draws one '&'; a final lone '&' is drawn. Without it every '&' is
// drawn. CR LF, LF and CR each break the line (with singleLine they are drawn as blanks),
// a tab advances to the next multiple of 8 characters, other control characters are dropped.
PreparedCaption prepareCaption(std::string_view caption, bool showAccelChar, bool singleLine = false);

// One line of a laid-out text: bytes [begin, end) of PreparedCaption::text.
struct CaptionLine {
  std::size_t begin = 0, end = 0;
  int width = 0;
};

using TextWidthFn = std::function<int(std::string_view)>;

// Breaks at '\n'. With wordWrap, a line also ends before a word that would make it wider
// than maxWidth; the blanks at such a break are dropped, and a word wider than maxWidth
// stays whole on its own line. An empty text is one empty line.
std::vector<CaptionLine> layoutCaption(std::string_view text, bool wordWrap, int maxWidth,
                                       const TextWidthFn& width);

enum class HAlign { Left, Center, Right };

// Where a line of lineWidth starts inside a box of boxWidth (centring rounds down).
int alignOffset(HAlign align, int boxWidth, int lineWidth);

// The extent of laid-out lines: the widest line and lineHeight per line.
struct CaptionExtent {
  int width = 0, height = 0;
};
CaptionExtent captionExtent(const std::vector<CaptionLine>& lines, int lineHeight);

}  // namespace tavilo::core

#endif
