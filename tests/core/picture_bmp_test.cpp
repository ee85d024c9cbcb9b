#include <gtest/gtest.h>

#include <climits>

#include "core/error.h"
#include "picture_test_support.h"

namespace tavilo::core {
namespace {

using testing::hexPixels;
using testing::pixels;

void put16(std::string& s, unsigned v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
  put16(s, v & 0xFFFF);
  put16(s, v >> 16);
}

struct BmpLayout {
  const char* name;
  int bpp;
  std::uint32_t compression;
  std::int32_t width, height;  // negative height: top-down
  std::vector<std::uint32_t> palette;  // 0xRRGGBB
  std::string pixels;                  // as stored
  std::vector<std::uint32_t> masks = {};  // BITFIELDS: after a 40-byte header, else in the header
  std::uint32_t headerSize = 40;
  std::vector<std::uint32_t> expected = {};  // 0xRRGGBBAA, top row first
  bool expectAlpha = false;
};

std::string buildBmp(const BmpLayout& b) {
  std::string info;
  if (b.headerSize == 12) {
    put32(info, 12);
    put16(info, static_cast<unsigned>(b.width));
    put16(info, static_cast<unsigned>(b.height));
    put16(info, 1);
    put16(info, static_cast<unsigned>(b.bpp));
  } else {
    put32(info, b.headerSize);
    put32(info, static_cast<std::uint32_t>(b.width));
    put32(info, static_cast<std::uint32_t>(b.height));
    put16(info, 1);
    put16(info, static_cast<unsigned>(b.bpp));
    put32(info, b.compression);
    put32(info, static_cast<std::uint32_t>(b.pixels.size()));
    put32(info, 0);
    put32(info, 0);
    put32(info, static_cast<std::uint32_t>(b.palette.size()));
    put32(info, 0);
    if (b.headerSize > 40) {
      for (std::size_t i = 0; i < 4; ++i) put32(info, i < b.masks.size() ? b.masks[i] : 0);
      info.resize(b.headerSize, '\0');
    } else {
      for (std::uint32_t m : b.masks) put32(info, m);
    }
  }
  for (std::uint32_t c : b.palette) {
    info += static_cast<char>(c & 0xFF);
    info += static_cast<char>((c >> 8) & 0xFF);
    info += static_cast<char>((c >> 16) & 0xFF);
    if (b.headerSize != 12) info += '\0';
  }
  std::string s = "BM";
  put32(s, static_cast<std::uint32_t>(14 + info.size() + b.pixels.size()));
  put32(s, 0);
  put32(s, static_cast<std::uint32_t>(14 + info.size()));
  return s + info + b.pixels;
}

std::string bytes(std::initializer_list<int> v) {
  std::string s;
  for (int b : v) s += static_cast<char>(b);
  return s;
}

constexpr std::uint32_t R = 0xFF0000FF, G = 0x00FF00FF, B = 0x0000FFFF, W = 0xFFFFFFFF, K = 0x000000FF;
const std::vector<std::uint32_t> kRgbPalette = {0xFF0000, 0x00FF00, 0x0000FF};

TEST(BmpDecoder, DecodesEveryStoredVariant) {
  const BmpLayout cases[] = {
      {"1 bit, bottom-up", 1, 0, 3, 2, {0x000000, 0xFFFFFF}, bytes({0xA0, 0, 0, 0, 0x20, 0, 0, 0}),
       {}, 40, {K, K, W, W, K, W}},
      {"4 bit", 4, 0, 3, 2, kRgbPalette, bytes({0x01, 0x20, 0, 0, 0x22, 0x10, 0, 0}), {}, 40,
       {B, B, G, R, G, B}},
      {"8 bit, top-down", 8, 0, 2, -2, kRgbPalette, bytes({0, 1, 0, 0, 2, 0, 0, 0}), {}, 40,
       {R, G, B, R}},
      {"8 bit, index past the palette is black", 8, 0, 2, 1, kRgbPalette, bytes({1, 200, 0, 0}), {},
       40, {G, K}},
      {"24 bit", 24, 0, 2, 2, {}, bytes({0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}),
       {}, 40, {B, W, R, G}},
      {"24 bit, last row without padding", 24, 0, 1, 2, {}, bytes({0, 0, 255, 0, 255, 0, 0}), {}, 40,
       {B, R}},
      {"32 bit, fourth byte ignored", 32, 0, 2, 1, {}, bytes({255, 0, 0, 0, 0, 255, 0, 7}), {}, 40,
       {B, G}},
      {"16 bit 5-5-5", 16, 0, 4, 1, {}, bytes({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42}), {},
       40, {R, G, B, 0x848484FF}},
      {"16 bit bitfields 5-6-5", 16, 3, 3, 1, {}, bytes({0x00, 0xF8, 0xE0, 0x07, 0x00, 0x04, 0, 0}),
       {0xF800, 0x07E0, 0x001F}, 40, {R, G, 0x008200FF}},
      {"32 bit bitfields with alpha, V4 header", 32, 3, 2, 1, {},
       bytes({0x10, 0x20, 0x30, 0x80, 0, 0, 255, 255}), {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 108,
       {0x30201080, R}, true},
      {"32 bit alpha mask all zero means opaque, V5 header", 32, 3, 2, 1, {},
       bytes({0, 0, 255, 0, 255, 0, 0, 0}), {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 124, {R, B}},
      {"32 bit alpha bitfields after a 40-byte header", 32, 6, 1, 1, {}, bytes({0x11, 0x22, 0x33, 0x44}),
       {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, 40, {0x11223344}, true},
      {"RLE8 runs, end of line, absolute run, end of bitmap", 8, 1, 4, 2, kRgbPalette,
       bytes({3, 1, 0, 0, 0, 3, 2, 0, 1, 0, 0, 1}), {}, 40, {B, R, G, K, G, G, G, K}},
      {"RLE8 delta", 8, 1, 3, 2, kRgbPalette, bytes({1, 0, 0, 2, 1, 1, 1, 2, 0, 1}), {}, 40,
       {K, K, B, R, K, K}},
      {"RLE4 runs and absolute run", 4, 2, 5, 2, kRgbPalette,
       bytes({5, 0x12, 0, 0, 0, 3, 0x21, 0x00, 0, 1}), {}, 40, {B, G, R, K, K, G, B, G, B, G}},
      {"RLE8 ends without end marker once every row is done", 8, 1, 1, 1, kRgbPalette,
       bytes({1, 2, 0, 0}), {}, 40, {B}},
      {"OS/2 core header, 3-byte palette", 8, 0, 2, 1, kRgbPalette, bytes({2, 1, 0, 0}), {}, 12, {B, G}},
  };
  for (const BmpLayout& c : cases) {
    SCOPED_TRACE(c.name);
    Picture p;
    ASSERT_NO_THROW(p = decodeBmp(buildBmp(c)));
    EXPECT_EQ(p.width, c.width);
    EXPECT_EQ(p.height, std::abs(c.height));
    EXPECT_EQ(hexPixels(pixels(p)), hexPixels(c.expected));
    EXPECT_EQ(p.hasAlpha, c.expectAlpha);
  }
}

TEST(BmpDecoder, RefusesDamagedAndUnsupportedFiles) {
  struct Case {
    const char* name;
    BmpLayout layout;
    const char* messagePart;
  };
  const Case cases[] = {
      {"pixel data cut short", {"", 24, 0, 2, 2, {}, bytes({1, 2, 3, 4, 5, 6, 0, 0, 9})}, "beschädigt"},
      {"7 bits per pixel", {"", 7, 0, 1, 1, {}, bytes({0, 0, 0, 0})}, "7 Bit"},
      {"JPEG inside a bitmap", {"", 24, 4, 1, 1, {}, bytes({0, 0, 0, 0})}, "Kompression 4"},
      {"RLE8 data ends early", {"", 8, 1, 2, 2, kRgbPalette, bytes({2, 1, 0, 0, 1})}, "beschädigt"},
      {"RLE8 absolute run past the end", {"", 8, 1, 4, 1, kRgbPalette, bytes({0, 4, 1, 2})}, "beschädigt"},
      {"RLE4 with 8 bits per pixel", {"", 8, 2, 1, 1, kRgbPalette, bytes({0, 1})}, "beschädigt"},
      {"bitfields with 24 bits", {"", 24, 3, 1, 1, {}, bytes({0, 0, 0, 0}), {1, 2, 4}}, "beschädigt"},
      {"width 0", {"", 24, 0, 0, 1, {}, bytes({0, 0, 0, 0})}, "keine Bildpunkte"},
      {"negative width", {"", 24, 0, -5, 1, {}, bytes({0, 0, 0, 0})}, "keine Bildpunkte"},
      {"most negative height", {"", 24, 0, 1, INT_MIN, {}, bytes({0, 0, 0, 0})}, "zu groß"},
      {"header 20000 wide", {"", 24, 0, 20000, 1, {}, bytes({0, 0, 0, 0})}, "zu groß (20000 x 1"},
      {"header 10000 x 10000", {"", 32, 0, 10000, 10000, {}, bytes({0, 0, 0, 0})}, "zu groß"},
      {"header size 20", {"", 24, 0, 1, 1, {}, bytes({0, 0, 0, 0}), {}, 20}, "20 Bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      decodeBmp(buildBmp(c.layout));
      ADD_FAILURE() << "no error";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
    }
  }
}

TEST(BmpDecoder, RefusesBadFileHeaders) {
  std::string good = buildBmp({"", 24, 0, 1, 1, {}, bytes({1, 2, 3, 0})});
  std::string offBitsPastEnd = good;
  offBitsPastEnd[10] = static_cast<char>(200);
  std::string offBitsInHeader = good;
  offBitsInHeader[10] = 20;
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"only the signature", "BM"},
      {"not a bitmap", "GIF89a\x01\x00\x01\x00"},
      {"pixels offset past the end", offBitsPastEnd},
      {"pixels offset inside the header", offBitsInHeader},
      {"header cut", good.substr(0, 30)},
  };
  for (const auto& [name, data] : cases) {
    SCOPED_TRACE(name);
    EXPECT_THROW(decodeBmp(data), Error);
  }
}

TEST(BmpDecoder, ReadsWhatTheDemoWriterWrites) {
  const Picture source = testing::samplePicture(37, 23);
  const Picture p24 = decodeBmp(demo::encodeBmp24(source));
  EXPECT_EQ(testing::maxDifference(p24, source), 0);

  const demo::Indexed indexed = testing::sampleIndexed(29, 13, 200);
  const Picture p8 = decodeBmp(demo::encodeBmp8(indexed));
  EXPECT_EQ(hexPixels(pixels(p8)), hexPixels(pixels(testing::expandIndexed(indexed))));
}

}  // namespace
}  // namespace tavilo::core
