#include "core/layout/caption_layout.h"

#include <algorithm>

namespace tavilo::core {

namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

constexpr std::size_t kTabColumns = 8;

}  // namespace

PreparedCaption prepareCaption(std::string_view caption, bool showAccelChar, bool singleLine) {
  PreparedCaption out;
  out.text.reserve(caption.size());
  std::size_t column = 0;  // characters since the line began, for tab stops
  auto put = [&](char c) {
    out.text.push_back(c);
    if (c == '\n')
      column = 0;
    else if (!isContinuation(c))
      ++column;
  };
  const char lineBreak = singleLine ? ' ' : '\n';
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    const auto u = static_cast<unsigned char>(c);
    if (c == '\r') {
      if (i + 1 < caption.size() && caption[i + 1] == '\n') ++i;
      put(lineBreak);
    } else if (c == '\n') {
      put(lineBreak);
    } else if (c == '\t') {
      do put(' ');
      while (column % kTabColumns != 0);
    } else if (u < 0x20 || u == 0x7F) {
      continue;
    } else if (c == '&' && showAccelChar && i + 1 < caption.size()) {
      const auto next = static_cast<unsigned char>(caption[i + 1]);
      if (next == '&') {
        put('&');
        ++i;
      } else if (next >= 0x20 && next != 0x7F) {
        out.underlined.push_back(out.text.size());  // the loop puts the character itself
      }
    } else {
      put(c);
    }
  }
  return out;
}

std::vector<CaptionLine> layoutCaption(std::string_view text, bool wordWrap, int maxWidth,
                                       const TextWidthFn& width) {
  std::vector<CaptionLine> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t nl = std::min(text.find('\n', start), text.size());
    if (!wordWrap) {
      lines.push_back({start, nl, width(text.substr(start, nl - start))});
    } else {
      // Greedy fill of the hard line [start, nl) word by word.
      std::size_t lineBegin = start;
      while (true) {
        std::size_t lineEnd = lineBegin;  // end of the last accepted word
        std::size_t pos = lineBegin;
        int lineWidth = 0;
        bool any = false;
        while (pos < nl) {
          std::size_t wordBegin = pos;
          while (wordBegin < nl && text[wordBegin] == ' ') ++wordBegin;
          if (wordBegin == nl) break;
          std::size_t wordEnd = wordBegin;
          while (wordEnd < nl && text[wordEnd] != ' ') ++wordEnd;
          const int w = width(text.substr(lineBegin, wordEnd - lineBegin));
          if (any && w > maxWidth) break;
          lineEnd = wordEnd;
          lineWidth = w;
          any = true;
          pos = wordEnd;
        }
        if (!any) {  // the hard line is empty or only blanks
          lines.push_back({lineBegin, nl, width(text.substr(lineBegin, nl - lineBegin))});
          break;
        }
        lines.push_back({lineBegin, lineEnd, lineWidth});
        std::size_t next = lineEnd;
        while (next < nl && text[next] == ' ') ++next;
        if (next >= nl) break;
        lineBegin = next;
      }
    }
    if (nl >= text.size()) break;
    start = nl + 1;
  }
  return lines;
}

int alignOffset(HAlign align, int boxWidth, int lineWidth) {
  switch (align) {
    case HAlign::Left:
      return 0;
    case HAlign::Right:
      return boxWidth - lineWidth;
    case HAlign::Center:
      break;
  }
  const int d = boxWidth - lineWidth;
  return d >= 0 ? d / 2 : -((-d + 1) / 2);
}

CaptionExtent captionExtent(const std::vector<CaptionLine>& lines, int lineHeight) {
  CaptionExtent e;
  for (const auto& l : lines) e.width = std::max(e.width, l.width);
  e.height = static_cast<int>(lines.size()) * lineHeight;
  return e;
}

}  // namespace tavilo::core
