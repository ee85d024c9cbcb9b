#include "core/layout/caption_layout.h"
#include "core/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavilo::core {
namespace {

struct PrepareCase {
  const char* input;
  bool accel, singleLine;
  std::string text;
  std::vector<std::size_t> underlined;
};

TEST(PrepareCaption, Table) {
  const PrepareCase cases[] = {
      {"A&B", true, false, "AB", {1}},
      {"A&B", false, false, "A&B", {}},
      {"A&&B", true, false, "A&B", {}},
      {"&&&x", true, false, "&x", {1}},
      {"&a&b", true, false, "ab", {0, 1}},
      {"end&", true, false, "end&", {}},
      {"@<- @@ @+", true, false, "@<- @@ @+", {}},
      {"&\xC3\xA4x", true, false, "\xC3\xA4x", {0}},
      {"a\r\nb", false, false, "a\nb", {}},
      {"a\rb", false, false, "a\nb", {}},
      {"a\n\nb", false, false, "a\n\nb", {}},
      {"a\r\nb\nc", false, true, "a b c", {}},
      {"a\tb", false, false, "a       b", {}},
      {"\t", false, false, "        ", {}},
      {"abcdefgh\tx", false, false, "abcdefgh        x", {}},
      {"\xC3\xA4\tb", false, false, "\xC3\xA4       b", {}},
      {"x\ny\tz", false, false, "x\ny       z", {}},
      {"a\x01\x1b\x7f" "b", false, false, "ab", {}},
      {"&\x01x", true, false, "x", {}},
      {"", true, false, "", {}},
  };
  for (const auto& c : cases) {
    const auto got = prepareCaption(c.input, c.accel, c.singleLine);
    EXPECT_EQ(got.text, c.text) << "input \"" << c.input << "\" accel " << c.accel;
    EXPECT_EQ(got.underlined, c.underlined) << "input \"" << c.input << "\"";
  }
}

// Every byte is 10 pixels wide.
int tenPerByte(std::string_view s) { return static_cast<int>(s.size()) * 10; }

struct LayoutCase {
  const char* text;
  bool wrap;
  int maxWidth;
  std::vector<std::string> lines;
};

TEST(LayoutCaption, Table) {
  const LayoutCase cases[] = {
      {"", false, 0, {""}},
      {"", true, 50, {""}},
      {"ab\ncd", false, 0, {"ab", "cd"}},
      {"a\n\nb", false, 0, {"a", "", "b"}},
      {"aa bb cc", false, 10, {"aa bb cc"}},
      {"aa bb cc", true, 50, {"aa bb", "cc"}},
      {"aa bb cc", true, 49, {"aa", "bb", "cc"}},
      {"aa   bb", true, 30, {"aa", "bb"}},
      {"verylongword x", true, 30, {"verylongword", "x"}},
      {"x verylongword", true, 30, {"x", "verylongword"}},
      {"  lead", true, 100, {"  lead"}},
      {"a   ", true, 100, {"a"}},
      {"   ", true, 100, {"   "}},
      {"ab cd\nef gh", true, 20, {"ab", "cd", "ef", "gh"}},
  };
  for (const auto& c : cases) {
    const std::string_view text = c.text;
    const auto got = layoutCaption(text, c.wrap, c.maxWidth, tenPerByte);
    std::vector<std::string> lines;
    for (const auto& l : got) {
      lines.emplace_back(text.substr(l.begin, l.end - l.begin));
      EXPECT_EQ(l.width, tenPerByte(lines.back())) << "\"" << c.text << "\" line " << lines.back();
    }
    EXPECT_EQ(lines, c.lines) << "\"" << c.text << "\" wrap " << c.wrap << " width " << c.maxWidth;
  }
}

TEST(CaptionExtent, WidestLineAndLineHeights) {
  const auto lines = layoutCaption("a\nabc\nab", false, 0, tenPerByte);
  const auto e = captionExtent(lines, 13);
  EXPECT_EQ(e.width, 30);
  EXPECT_EQ(e.height, 39);
}

TEST(AlignOffset, Table) {
  struct Case {
    HAlign align;
    int box, line, expected;
  } cases[] = {
      {HAlign::Left, 100, 30, 0},    {HAlign::Right, 100, 30, 70},
      {HAlign::Center, 100, 30, 35}, {HAlign::Center, 100, 31, 34},
      {HAlign::Center, 100, 120, -10}, {HAlign::Center, 100, 121, -11},
      {HAlign::Right, 100, 120, -20},
  };
  for (const auto& c : cases)
    EXPECT_EQ(alignOffset(c.align, c.box, c.line), c.expected)
        << static_cast<int>(c.align) << " box " << c.box << " line " << c.line;
}

TEST(Utf8Prefix, NeverCutsACharacter) {
  struct Case {
    const char* s;
    std::size_t n;
    const char* expected;
  } cases[] = {
      {"abc", 2, "ab"},
      {"abc", 5, "abc"},
      {"abc", 0, ""},
      {"\xC3\xA4\xC3\xB6\xC3\xBC", 2, "\xC3\xA4\xC3\xB6"},
      {"a\xE2\x82\xAC" "b", 2, "a\xE2\x82\xAC"},
  };
  for (const auto& c : cases) EXPECT_EQ(utf8Prefix(c.s, c.n), c.expected) << c.s << " " << c.n;
}

}  // namespace
}  // namespace tavilo::core
