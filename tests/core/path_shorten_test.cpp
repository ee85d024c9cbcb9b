// The bound label's middle ellipsis, measured with one pixel per character.
#include <gtest/gtest.h>

#include "core/path_shorten.h"
#include "core/text.h"

namespace core = tavilo::core;

namespace {

int charWidth(std::string_view s) { return static_cast<int>(core::utf8Length(s)); }

TEST(PathShorten, MiddleFoldersGiveWayFirst) {
  struct Case {
    std::string path;
    int width;
    std::string shown;
  };
  const Case cases[] = {
      {"/home/user/projekte/tavilo/src", 40, "/home/user/projekte/tavilo/src"},
      {"/home/user/projekte/tavilo/src", 30, "/home/user/projekte/tavilo/src"},
      {"/home/user/projekte/tavilo/src", 29, "/home/.../projekte/tavilo/src"},
      {"/home/user/projekte/tavilo/src", 20, "/home/.../tavilo/src"},
      {"/home/user/projekte/tavilo/src", 14, "/home/.../src"},
      {"/home/user/projekte/tavilo/src", 12, "/.../src"},
      {"/home/user/projekte/tavilo/src/", 15, "/home/.../src/"},
      {"/a/einsehrlangername", 12, "/a/e...rname"},
      {"/einsehrlangername", 10, "/ei...name"},
  };
  for (const auto& c : cases) {
    const std::string shown = core::shortenPathMiddle(c.path, c.width, charWidth);
    EXPECT_EQ(shown, c.shown) << c.path << " in " << c.width;
    EXPECT_LE(charWidth(shown), c.width) << c.path << " in " << c.width;
  }
}

TEST(PathShorten, CharacterCutsKeepUtf8SequencesWhole) {
  const std::string path = "/Größenänderung/Übersicht";
  for (int width = 0; width <= 26; ++width) {
    const std::string shown = core::shortenPathMiddle(path, width, charWidth);
    EXPECT_LE(charWidth(shown), std::max(width, 0)) << "width " << width;
    // Every byte sequence stays valid: continuation bytes only after a lead byte.
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const auto c = static_cast<unsigned char>(shown[i]);
      if ((c & 0xC0) == 0x80) {
        ASSERT_GT(i, 0u) << shown;
        EXPECT_TRUE(static_cast<unsigned char>(shown[i - 1]) >= 0x80) << "width " << width << ": " << shown;
      } else if (c >= 0xC0) {
        ASSERT_LT(i + 1, shown.size()) << shown;
        EXPECT_EQ(static_cast<unsigned char>(shown[i + 1]) & 0xC0, 0x80) << "width " << width << ": " << shown;
      }
    }
  }
}

TEST(PathShorten, TooNarrowForTheEllipsisGivesWhatFits) {
  EXPECT_EQ(core::ellipsizeMiddle("abcdef", 2, charWidth), "..");
  EXPECT_EQ(core::ellipsizeMiddle("abcdef", 3, charWidth), "...");
  EXPECT_EQ(core::ellipsizeMiddle("abcdef", 5, charWidth), "a...f");
  EXPECT_EQ(core::ellipsizeMiddle("abcdef", 6, charWidth), "abcdef");
  EXPECT_EQ(core::ellipsizeMiddle("abcdefg", 6, charWidth), "a...fg");
}

TEST(StatusText, OneLineEndingInAnEllipsisWhenTooLong) {
  EXPECT_EQ(core::oneLine("a\r\nb\nc\rd\r\n"), "a b c d ");
  struct Case {
    std::string text;
    int width;
    std::string shown;
  } cases[] = {
      {"Bild kaputt", 11, "Bild kaputt"},
      {"Bild kaputt", 10, "Bild kapu\u2026"},
      {"Größenänderung", 5, "Größ\u2026"},
      {"abc", 1, "\u2026"},
      {"abc", 0, "\u2026"},
      {"", 0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(core::ellipsizeEnd(c.text, c.width, charWidth), c.shown) << c.text << " in " << c.width;
}

}  // namespace
