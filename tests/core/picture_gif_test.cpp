#include <gtest/gtest.h>

#include "core/error.h"
#include "picture_test_support.h"

namespace tavilo::core {
namespace {

using testing::expandIndexed;
using testing::hexPixels;
using testing::pixels;
using testing::sampleIndexed;

TEST(GifDecoder, DecodesAHandWrittenFile) {
  // 2 x 2 with a four-colour table, codes worked out by hand: clear, 0, 1, 2 at
  // three bits; the third table entry (code 8) widens 3 and end to four bits.
  const std::string gif(
      "GIF87a\x02\x00\x02\x00\x81\x00\x00"
      "\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\xFF\xFF\xFF"
      "\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00"
      "\x02\x03\x44\x34\x05\x00\x3B",
      42);
  const Picture p = decodeGif(gif);
  EXPECT_EQ(hexPixels(pixels(p)), "FF0000FF 00FF00FF 0000FFFF FFFFFFFF ");
  EXPECT_FALSE(p.hasAlpha);
}

TEST(GifDecoder, ReadsBackWhatTheWriterWrites) {
  struct Case {
    const char* name;
    int w, h, colours;
    demo::GifOptions options;
  };
  const Case cases[] = {
      {"two colours", 9, 5, 2, {}},
      {"four colours", 16, 16, 4, {}},
      {"sixteen colours, odd size", 33, 7, 16, {}},
      {"full palette, code table overflows and is cleared", 160, 120, 256, {}},
      {"full palette, full code table kept", 160, 120, 256, {.clearWhenFull = false}},
      {"few colours, full code table kept", 300, 200, 3, {.clearWhenFull = false}},
      {"interlaced", 21, 19, 8, {.interlace = true}},
      {"interlaced, fewer rows than passes", 5, 3, 8, {.interlace = true}},
      {"local palette only", 10, 10, 32, {.localPalette = true}},
      {"one pixel", 1, 1, 2, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const demo::Indexed source = sampleIndexed(c.w, c.h, c.colours);
    Picture p;
    ASSERT_NO_THROW(p = decodeGif(demo::encodeGif(source, c.options)));
    ASSERT_EQ(p.width, c.w);
    ASSERT_EQ(p.height, c.h);
    EXPECT_EQ(hexPixels(pixels(p)), hexPixels(pixels(expandIndexed(source))));
  }
}

TEST(GifDecoder, TransparentIndexBecomesTransparent) {
  demo::Indexed source = sampleIndexed(12, 9, 4);
  source.transparentIndex = 2;
  const Picture p = decodeGif(demo::encodeGif(source));
  EXPECT_TRUE(p.hasAlpha);
  EXPECT_EQ(hexPixels(pixels(p)), hexPixels(pixels(expandIndexed(source))));
}

TEST(GifDecoder, FramePlacedOnItsLogicalScreen) {
  const demo::Indexed source = sampleIndexed(3, 2, 4);
  const Picture p =
      decodeGif(demo::encodeGif(source, {.screenWidth = 6, .screenHeight = 5, .left = 2, .top = 1}));
  ASSERT_EQ(p.width, 6);
  ASSERT_EQ(p.height, 5);
  EXPECT_TRUE(p.hasAlpha);
  const Picture frame = expandIndexed(source);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) {
      const bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
      EXPECT_EQ(testing::pixelAt(p, x, y), inside ? testing::pixelAt(frame, x - 2, y - 1) : 0u)
          << "at " << x << "," << y;
    }
}

TEST(GifDecoder, AFrameLargerThanItsScreenWidensThePicture) {
  const demo::Indexed source = sampleIndexed(4, 4, 4);
  const Picture p = decodeGif(demo::encodeGif(source, {.screenWidth = 2, .screenHeight = 2, .left = 1}));
  EXPECT_EQ(p.width, 5);
  EXPECT_EQ(p.height, 4);
}

TEST(GifDecoder, OnlyTheFirstFrameCounts) {
  const demo::Indexed first = sampleIndexed(6, 6, 4, 1), second = sampleIndexed(6, 6, 4, 99);
  std::string gif = demo::encodeGif(first);
  gif.pop_back();  // the trailer
  // The second file's frame starts after its header (13 bytes) and its global table.
  const std::string other = demo::encodeGif(second);
  gif += other.substr(13 + 4 * 3);
  const Picture p = decodeGif(gif);
  EXPECT_EQ(hexPixels(pixels(p)), hexPixels(pixels(expandIndexed(first))));
}

TEST(GifDecoder, SkipsExtensionsBeforeTheFrame) {
  const demo::Indexed source = sampleIndexed(4, 3, 4);
  std::string gif = demo::encodeGif(source);
  const std::string comment = std::string("\x21\xFE\x05Hallo\x00", 9);
  const std::string application = std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
  gif.insert(13 + 12, comment + application);
  EXPECT_EQ(hexPixels(pixels(decodeGif(gif))), hexPixels(pixels(expandIndexed(source))));
}

TEST(GifDecoder, RefusesDamagedFiles) {
  const std::string good = demo::encodeGif(sampleIndexed(8, 8, 4));
  const std::size_t descriptor = 13 + 12;  // header and the four-colour table
  auto with = [&](std::size_t at, char v) {
    std::string s = good;
    s[at] = v;
    return s;
  };
  std::string noTable = good;
  noTable[10] = 0;  // no global table: the table bytes now read as a block introducer
  const std::pair<const char*, std::string> cases[] = {
      {"not a GIF", "\x89PNG\r\n\x1a\n"},
      {"screen descriptor cut", good.substr(0, 9)},
      {"trailer before any frame", good.substr(0, descriptor) + ";"},
      {"unknown block", good.substr(0, descriptor) + "!"},
      {"frame width 0", with(descriptor + 5, 0)},
      {"LZW code size 0", with(descriptor + 10, 0)},
      {"LZW code size 12", with(descriptor + 10, 12)},
      {"pixel data cut", good.substr(0, good.size() - 6)},
      {"no colour table", noTable},
  };
  for (const auto& [name, data] : cases) {
    SCOPED_TRACE(name);
    EXPECT_THROW(decodeGif(data), Error);
  }
}

TEST(GifDecoder, RefusesHugeScreens) {
  std::string gif = demo::encodeGif(sampleIndexed(2, 2, 2));
  gif[6] = gif[7] = gif[8] = gif[9] = '\xFF';  // 65535 x 65535
  try {
    decodeGif(gif);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Das Bild ist zu groß (65535 x 65535 Bildpunkte).");
  }
}

}  // namespace
}  // namespace tavilo::core
