// The measurements of the two message windows (the message dialog TmsgForm and the simple
// box Tmymsg): where the question label and the button rows go and how large the client
// area becomes. The windows differ only in the parameters of MessageLayoutInput.
#ifndef TAVILO_CORE_MESSAGE_LAYOUT_H
#define TAVILO_CORE_MESSAGE_LAYOUT_H

#include <ostream>
#include <string_view>

#include "core/layout/caption_layout.h"

namespace tavilo::core {

// A text measured line by line at its line feeds, the way the measuring label lblTest
// does it: each line's width by the text-width function, and a final empty line (an
// empty text, or one ending in a line feed) as wide as one blank.
struct LineMeasure {
  int lines = 1;
  int widest = 0;
};
LineMeasure measureLines(std::string_view text, const TextWidthFn& width);

// The width of a label that sizes itself to `text`: its widest line, an empty text
// measuring as one blank.
int labelWidth(std::string_view text, const TextWidthFn& width);

struct MessageLayoutInput {
  std::string_view displayText;
  std::string_view questionText;
  // The vertical unit. The message dialog gives the question label's height, the simple
  // box the height of one line of the labels' font.
  int lineHeight = 13;
  // How far below the question's top the button row starts: false, two units (message
  // dialog); true, one unit per question line plus one (simple box).
  bool buttonsBelowQuestionLines = false;
  // Whether the question's lines compete with the display text's for the widest line
  // (simple box). The question label's own width always widens the window.
  bool questionLinesWiden = false;
  int rowButtons = 1;      // buttons in the first row, 0 to 3
  bool secondRow = false;  // the second row of two buttons (mbJaNeinAlle)
  int buttonWidths[3] = {75, 75, 75};
  int buttonHeight = 25;
  // One- and two-button rows are centred on the outer width, which is the client width
  // plus twice this; on X11 the window manager's frame lies outside the window, so 0.
  int frameWidth = 0;
  int textLeft = 64;    // left of both labels
  int displayTop = 8;   // top of the display text
  int minClientWidth = 225;
};

struct MessageLayout {
  int displayLines = 1;
  int questionLines = 1;
  int widestLine = 0;     // as measured for the window width
  int questionWidth = 0;  // the question label's width
  int questionTop = 0;
  int buttonTop = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  int buttonLefts[3] = {};  // of the first row's buttons, left to right
  int secondRowTop = 0;     // set only with secondRow
  int secondRowLefts[2] = {};
};

std::ostream& operator<<(std::ostream& os, const MessageLayout& l);

MessageLayout layoutMessage(const MessageLayoutInput& in, const TextWidthFn& width);

}  // namespace tavilo::core

#endif
