#include "core/layout/message_layout.h"

#include <algorithm>

namespace tavilo::core {

namespace {

constexpr int kTextMargin = 30;       // right of the widest text
constexpr int kThreeButtonMargin = 50;
constexpr int kButtonGap = 10;
constexpr int kBottomMargin = 10;

}  // namespace

LineMeasure measureLines(std::string_view text, const TextWidthFn& width) {
  LineMeasure m;
  std::size_t begin = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', begin)) {
    m.widest = std::max(m.widest, width(text.substr(begin, lf - begin)));
    ++m.lines;
    begin = lf + 1;
  }
  // What is left in the measuring label after the last line feed: a label measures an
  // empty text as one blank.
  m.widest = std::max(m.widest, labelWidth(text.substr(begin), width));
  return m;
}

int labelWidth(std::string_view text, const TextWidthFn& width) {
  if (text.empty()) return width(" ");
  int widest = 0;
  std::size_t begin = 0;
  while (true) {
    const std::size_t lf = text.find('\n', begin);
    widest = std::max(widest, width(text.substr(begin, lf == std::string_view::npos ? lf : lf - begin)));
    if (lf == std::string_view::npos) return widest;
    begin = lf + 1;
  }
}

MessageLayout layoutMessage(const MessageLayoutInput& in, const TextWidthFn& width) {
  MessageLayout l;
  const LineMeasure display = measureLines(in.displayText, width);
  const LineMeasure question = measureLines(in.questionText, width);
  l.displayLines = display.lines;
  l.questionLines = question.lines;
  l.widestLine = in.questionLinesWiden ? std::max(display.widest, question.widest) : display.widest;
  l.questionWidth = labelWidth(in.questionText, width);

  const int h = in.lineHeight;
  l.questionTop = in.displayTop + h * (display.lines + 1);
  l.buttonTop = in.buttonsBelowQuestionLines ? in.displayTop + h * (display.lines + 1 + question.lines + 1)
                                             : l.questionTop + 2 * h;

  const int rowButtons = std::clamp(in.rowButtons, 0, 3);
  const int* bw = in.buttonWidths;
  l.clientWidth = std::max(in.textLeft + l.widestLine + kTextMargin, in.textLeft + l.questionWidth + kTextMargin);
  if (rowButtons == 3) l.clientWidth = std::max(l.clientWidth, bw[0] + bw[1] + bw[2] + kThreeButtonMargin);
  l.clientWidth = std::max(l.clientWidth, in.minClientWidth);
  l.clientHeight = l.buttonTop + in.buttonHeight + kBottomMargin;

  const int outerWidth = l.clientWidth + 2 * in.frameWidth;
  switch (rowButtons) {
    case 1:
      l.buttonLefts[0] = (outerWidth - bw[0]) / 2;
      break;
    case 2:
      l.buttonLefts[0] = (outerWidth - (bw[0] + bw[1] + kButtonGap)) / 2;
      l.buttonLefts[1] = l.buttonLefts[0] + bw[0] + kButtonGap;
      break;
    case 3:
      l.buttonLefts[0] = (l.clientWidth - (bw[0] + bw[1] + bw[2] + 2 * kButtonGap)) / 2;
      l.buttonLefts[1] = l.buttonLefts[0] + bw[0] + kButtonGap;
      l.buttonLefts[2] = l.buttonLefts[1] + bw[1] + kButtonGap;
      break;
    default:
      break;
  }

  if (in.secondRow) {
    l.secondRowTop = l.buttonTop + in.buttonHeight + kButtonGap;
    l.secondRowLefts[0] = l.buttonLefts[0];
    l.secondRowLefts[1] = l.buttonLefts[1];
    l.clientHeight = l.buttonTop + 2 * in.buttonHeight + 2 * kBottomMargin;
  }
  return l;
}

std::ostream& operator<<(std::ostream& os, const MessageLayout& l) {
  return os << "{lines " << l.displayLines << "+" << l.questionLines << ", widest " << l.widestLine
            << ", question top " << l.questionTop << ", buttons " << l.buttonTop << " at " << l.buttonLefts[0]
            << "/" << l.buttonLefts[1] << "/" << l.buttonLefts[2] << ", row 2 " << l.secondRowTop << " at "
            << l.secondRowLefts[0] << "/" << l.secondRowLefts[1] << ", client " << l.clientWidth << " x "
            << l.clientHeight << "}";
}

}  // namespace tavilo::core
