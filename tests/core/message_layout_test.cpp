#include "core/layout/message_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace tavilo::core {
namespace {

// A fake font: a blank is 3 pixels, 'W' 50, every other character 6.
int fakeWidth(std::string_view s) {
  int w = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if ((c & 0xC0) == 0x80) continue;
    w += c == ' ' ? 3 : c == 'W' ? 50 : 6;
  }
  return w;
}

MessageLayoutInput dialogInput(std::string_view display, std::string_view question, int buttons) {
  MessageLayoutInput in;
  in.displayText = display;
  in.questionText = question;
  in.rowButtons = buttons;
  return in;
}

MessageLayoutInput boxInput(std::string_view display, std::string_view question, int buttons) {
  MessageLayoutInput in = dialogInput(display, question, buttons);
  in.buttonsBelowQuestionLines = true;
  in.questionLinesWiden = true;
  return in;
}

TEST(MessageLayout, WorkedExampleOfTheMessageDialog) {
  // mbOK, three display lines, a one-line question, design fonts.
  const MessageLayout l = layoutMessage(dialogInput("Eins\nZwei\nDrei", "Frage", 1), fakeWidth);
  EXPECT_EQ(l.displayLines, 3);
  EXPECT_EQ(l.questionTop, 60);
  EXPECT_EQ(l.buttonTop, 86);
  EXPECT_EQ(l.clientHeight, 121);
  EXPECT_EQ(l.clientWidth, 225);
  EXPECT_EQ(l.buttonLefts[0], 75) << "the Ok button is centred";
}

TEST(MessageLayout, WorkedExampleOfTheSimpleBox) {
  // Button set 3 (Yes/No), three display lines, question "LÖSCHEN ?".
  const MessageLayout l =
      layoutMessage(boxInput("Ordner \n\n/HOME/X", "LÖSCHEN ?", 2), fakeWidth);
  EXPECT_EQ(l.questionTop, 60);
  EXPECT_EQ(l.buttonTop, 86);
  EXPECT_EQ(l.clientHeight, 121);
  EXPECT_EQ(l.clientWidth, 225);
  EXPECT_EQ(l.buttonLefts[0], 32);
  EXPECT_EQ(l.buttonLefts[1], 117);
}

TEST(MessageLayout, ClientWidthFromTheWidestTextAtLeast225) {
  struct Case { std::string display, question; int buttons; int width; };
  const Case cases[] = {
      {"", "", 1, 225},
      {std::string(21, 'x'), "", 1, 225},            // 64 + 126 + 30 = 220
      {std::string(21, 'x') + "  ", "", 1, 226},     // 132 pixels
      {"WWW x", "", 2, 64 + 159 + 30},
      {"kurz", "WWW x", 1, 64 + 159 + 30},            // the question label widens too
      {"a\nWWW\nb", "", 1, 64 + 150 + 30},            // only the widest line counts
      {"", "", 3, 275},                               // three buttons need 3 x 75 + 50
      {"WWWW x", "", 3, 64 + 209 + 30},               // wider texts win over three buttons
  };
  for (const Case& c : cases) {
    for (const bool box : {false, true}) {
      const auto in = box ? boxInput(c.display, c.question, c.buttons) : dialogInput(c.display, c.question, c.buttons);
      EXPECT_EQ(layoutMessage(in, fakeWidth).clientWidth, c.width)
          << (box ? "box" : "dialog") << " display \"" << c.display << "\" question \"" << c.question << "\"";
    }
  }
}

TEST(MessageLayout, MeasuringLineByLine) {
  struct Case { std::string text; int lines; int widest; };
  const Case cases[] = {
      {"", 1, 3},               // an empty text is one line, as wide as a blank
      {"abc", 1, 18},
      {"abc\n", 2, 18},         // the empty last line measures as a blank
      {"\n", 2, 3},
      {"a\n\nbb", 3, 12},       // two line feeds, three lines
      {"W\nxx\n", 3, 50},
      {"Größe\nä", 2, 30},      // characters, not bytes
  };
  for (const Case& c : cases) {
    const LineMeasure m = measureLines(c.text, fakeWidth);
    EXPECT_EQ(m.lines, c.lines) << '"' << c.text << '"';
    EXPECT_EQ(m.widest, c.widest) << '"' << c.text << '"';
  }
}

TEST(MessageLayout, LabelWidthIsTheWidestLineAndBlankWhenEmpty) {
  struct Case { std::string text; int width; };
  const Case cases[] = {{"", 3}, {"ab", 12}, {"ab\n", 12}, {"\n", 0}, {"a\nWx\nb", 56}};
  for (const Case& c : cases) EXPECT_EQ(labelWidth(c.text, fakeWidth), c.width) << '"' << c.text << '"';
}

TEST(MessageLayout, EmptyTextsCountAsOneLine) {
  const MessageLayout dialog = layoutMessage(dialogInput("", "", 1), fakeWidth);
  EXPECT_EQ(dialog.questionTop, 8 + 13 * 2);
  EXPECT_EQ(dialog.buttonTop, 8 + 13 * 4);
  const MessageLayout box = layoutMessage(boxInput("", "", 1), fakeWidth);
  EXPECT_EQ(box.questionLines, 1);
  EXPECT_EQ(box.questionTop, 34);
  EXPECT_EQ(box.buttonTop, 34 + 2 * 13) << "an empty question: two line heights below its top";
}

TEST(MessageLayout, ButtonRowBelowTheQuestion) {
  struct Case { const char* display; const char* question; int lineHeight; bool box; int questionTop, buttonTop; };
  const Case cases[] = {
      {"a\nb", "q", 13, false, 47, 73},
      {"a\nb", "q", 13, true, 47, 73},
      {"a\nb", "q1\nq2", 13, true, 47, 47 + 13 * 3},  // one unit per question line, plus one
      {"a\nb", "q1\nq2", 26, false, 8 + 26 * 3, 8 + 26 * 3 + 52},  // the dialog's unit is the label's height
      {"a", "q", 16, false, 40, 72},
  };
  for (const Case& c : cases) {
    MessageLayoutInput in = c.box ? boxInput(c.display, c.question, 1) : dialogInput(c.display, c.question, 1);
    in.lineHeight = c.lineHeight;
    const MessageLayout l = layoutMessage(in, fakeWidth);
    EXPECT_EQ(l.questionTop, c.questionTop) << c.display << " / " << c.question << " h " << c.lineHeight;
    EXPECT_EQ(l.buttonTop, c.buttonTop) << c.display << " / " << c.question << " h " << c.lineHeight;
    EXPECT_EQ(l.clientHeight, c.buttonTop + 35);
  }
}

TEST(MessageLayout, OnlyTheSimpleBoxTakesTheWidestQuestionLine) {
  // The question label is as wide as its widest line in both windows, so both grow; only
  // the simple box counts that line as the widest line of its texts.
  const MessageLayout dialog = layoutMessage(dialogInput("ab", "WWW\nc", 1), fakeWidth);
  const MessageLayout box = layoutMessage(boxInput("ab", "WWW\nc", 1), fakeWidth);
  EXPECT_EQ(dialog.widestLine, 12);
  EXPECT_EQ(box.widestLine, 150);
  EXPECT_EQ(dialog.questionWidth, 150);
  EXPECT_EQ(dialog.clientWidth, 244);
  EXPECT_EQ(box.clientWidth, 244);
}

TEST(MessageLayout, RowsCentredOnOuterOrClientWidth) {
  struct Case { int buttons; int frame; const char* display; int lefts[3]; };
  const Case cases[] = {
      {1, 0, "", {75, 0, 0}},
      {1, 0, "WWWx", {87, 0, 0}},       // client 250: (250 - 75) / 2 truncates
      {1, 3, "", {78, 0, 0}},           // outer width 231
      {2, 0, "", {32, 117, 0}},
      {2, 4, "", {36, 121, 0}},
      {3, 0, "", {15, 100, 185}},
      {3, 4, "", {15, 100, 185}},       // three buttons: the client width only
      {3, 0, "WWWW x", {29, 114, 199}}, // client 303
      {0, 0, "", {0, 0, 0}},
  };
  for (const Case& c : cases) {
    MessageLayoutInput in = dialogInput(c.display, "", c.buttons);
    in.frameWidth = c.frame;
    const MessageLayout l = layoutMessage(in, fakeWidth);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(l.buttonLefts[i], c.lefts[i]) << c.buttons << " buttons, frame " << c.frame << ", \"" << c.display
                                              << "\", button " << i << ": " << l;
  }
}

TEST(MessageLayout, SecondRowOfYesNoAll) {
  MessageLayoutInput in = dialogInput("kurz", "", 3);
  in.secondRow = true;
  const MessageLayout l = layoutMessage(in, fakeWidth);
  EXPECT_EQ(l.clientWidth, 275);
  EXPECT_EQ(l.buttonTop, 60);
  EXPECT_EQ(l.secondRowTop, 60 + 25 + 10);
  EXPECT_EQ(l.secondRowLefts[0], l.buttonLefts[0]);
  EXPECT_EQ(l.secondRowLefts[1], l.buttonLefts[1]);
  EXPECT_EQ(l.clientHeight, 60 + 2 * 25 + 20) << "one button height + 10 more than one row";
}

TEST(MessageLayout, OtherButtonSizes) {
  MessageLayoutInput in = dialogInput("", "", 3);
  in.buttonWidths[0] = 100;
  in.buttonWidths[1] = 80;
  in.buttonWidths[2] = 90;
  in.buttonHeight = 30;
  const MessageLayout l = layoutMessage(in, fakeWidth);
  EXPECT_EQ(l.clientWidth, 320);
  EXPECT_EQ(l.buttonLefts[0], 15);
  EXPECT_EQ(l.buttonLefts[1], 125);
  EXPECT_EQ(l.buttonLefts[2], 215);
  EXPECT_EQ(l.clientHeight, l.buttonTop + 40);
}

}  // namespace
}  // namespace tavilo::core
