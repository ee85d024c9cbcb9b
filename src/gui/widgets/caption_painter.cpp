#include "gui/widgets/caption_painter.h"

#include "gui/system_colors.h"

#include <FL/fl_draw.H>

#include <cmath>

namespace tavilo::gui {

namespace {

int textWidth(std::string_view s) {
  if (s.empty()) return 0;
  return static_cast<int>(std::lround(fl_width(s.data(), static_cast<int>(s.size()))));
}

std::size_t utf8CharLength(std::string_view s, std::size_t at) {
  std::size_t n = 1;
  while (at + n < s.size() && (static_cast<unsigned char>(s[at + n]) & 0xC0) == 0x80) ++n;
  return n;
}

}  // namespace

core::HAlign toHAlign(TAlignment a) {
  switch (a) {
    case taRightJustify:
      return core::HAlign::Right;
    case taCenter:
      return core::HAlign::Center;
    case taLeftJustify:
      break;
  }
  return core::HAlign::Left;
}

CaptionBlock::CaptionBlock(std::string_view caption, const CaptionFormat& format, int maxWidth)
    : prepared_(core::prepareCaption(caption, format.showAccelChar, format.singleLine)),
      font_(fontFor(format.font.face, format.font.bold)),
      size_(format.font.size),
      align_(toHAlign(format.alignment)) {
  fl_font(font_, size_);
  lineHeight_ = fl_height();
  ascent_ = fl_height() - fl_descent();
  lines_ = core::layoutCaption(prepared_.text, format.wordWrap && !format.singleLine, maxWidth,
                               textWidth);
  extent_ = core::captionExtent(lines_, lineHeight_);
}

void CaptionBlock::draw(int x, int y, int boxWidth, TColor color) const {
  fl_font(font_, size_);
  fl_color(toFl(color));
  const std::string_view text = prepared_.text;
  int top = y;
  for (const auto& line : lines_) {
    const int left = x + core::alignOffset(align_, boxWidth, line.width);
    const int baseline = top + ascent_;
    // The plain driver call: it draws the bytes as they are, with no '@' or '&' rules.
    if (line.end > line.begin)
      fl_draw(text.data() + line.begin, static_cast<int>(line.end - line.begin), left, baseline);
    for (std::size_t u : prepared_.underlined) {
      if (u < line.begin || u >= line.end) continue;
      const std::size_t len = utf8CharLength(text, u);
      const int from = left + textWidth(text.substr(line.begin, u - line.begin));
      const int to = left + textWidth(text.substr(line.begin, u + len - line.begin));
      if (to > from) fl_xyline(from, baseline + 1, to - 1);
    }
    top += lineHeight_;
  }
}

void drawEmbossed(const CaptionBlock& block, int x, int y, int boxWidth) {
  block.draw(x + 1, y + 1, boxWidth, kBtnHighlight);
  block.draw(x, y, boxWidth, kBtnShadow);
}

}  // namespace tavilo::gui
