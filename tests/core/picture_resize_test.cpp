#include <gtest/gtest.h>

#include "picture_test_support.h"

namespace tavilo::core {
namespace {

using testing::hexPixels;
using testing::makePicture;
using testing::pixels;

Picture row(std::vector<std::uint32_t> v) {
  return makePicture(static_cast<int>(v.size()), 1, [v](int x, int) { return v[static_cast<std::size_t>(x)]; });
}

TEST(ResizePicture, WeighsSourcePixelsByCoverage) {
  struct Case {
    const char* name;
    Picture source;
    int w, h;
    std::vector<std::uint32_t> expected;
  };
  const Picture blocks = makePicture(4, 2, [](int x, int y) -> std::uint32_t {
    const std::uint32_t v[] = {0x000000FF, 0x646464FF, 0xC8C8C8FF, 0xFFFFFFFF};
    return v[(x % 2) + (y % 2) * 2] & (x < 2 ? 0xFFFFFFFF : 0xFF0000FF);
  });
  const Case cases[] = {
      {"2 x 2 blocks average", blocks, 2, 1, {0x8B8B8BFF, 0x8B0000FF}},
      {"shrink 3 to 2: one and a half pixels each", row({0x000000FF, 0x969696FF, 0xFFFFFFFF}), 2, 1,
       {0x323232FF, 0xDCDCDCFF}},
      {"enlarge 2 to 4: linear between centres", row({0x000000FF, 0xC8C8C8FF}), 4, 1,
       {0x000000FF, 0x323232FF, 0x969696FF, 0xC8C8C8FF}},
      {"transparent pixels do not darken", row({0xFF0000FF, 0x00000000}), 1, 1, {0xFF000080}},
      {"fully transparent stays transparent", row({0x12345600, 0x65432100}), 1, 1, {0x00000000}},
      {"same size is a copy", row({0x01020304, 0x05060708}), 2, 1, {0x01020304, 0x05060708}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture p = resizePicture(c.source, c.w, c.h);
    ASSERT_EQ(p.width, c.w);
    ASSERT_EQ(p.height, c.h);
    EXPECT_EQ(hexPixels(pixels(p)), hexPixels(c.expected));
  }
}

TEST(ResizePicture, FlatPicturesStayFlatAtAnySize) {
  const Picture flat = makePicture(37, 23, [](int, int) { return 0x4080C0FFu; });
  for (const auto& [w, h] : {std::pair{1, 1}, {10, 7}, {36, 22}, {38, 24}, {200, 3}, {3, 200}}) {
    SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
    const Picture p = resizePicture(flat, w, h);
    for (std::uint32_t px : pixels(p)) ASSERT_EQ(px, 0x4080C0FFu);
    EXPECT_FALSE(p.hasAlpha);
  }
}

// The scaled pixels of noisy pictures in every layout (grey, grey and alpha, RGB
// with and without key, RGBA) are fixed to the bit: the sums are made in one
// order, so that a faster way to them cannot change a pixel anyone sees.
TEST(ResizePicture, KeepsEveryBitOfItsResult) {
  struct Case {
    int w, h, depth;
    bool keyed;
    int tw, th;
    std::uint64_t fnv;
  };
  const Case cases[] = {
      {400, 300, 3, false, 221, 166, 0x51f7347d3e22d0dbull}, {120, 80, 4, false, 60, 40, 0xd200528dadaf2684ull},
      {37, 23, 4, false, 100, 61, 0x7156adad434339ddull},    {90, 70, 2, false, 31, 130, 0x06582db8d2874adaull},
      {50, 40, 1, true, 77, 29, 0xe22eab085938bc1cull},      {64, 48, 3, true, 64, 48, 0xb3c66a5d1b21b315ull},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h) + " depth " + std::to_string(c.depth));
    std::vector<std::uint8_t> data(static_cast<std::size_t>(c.w) * c.h * c.depth);
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < data.size(); ++i) {
      seed = seed * 1103515245u + 12345u;
      std::uint8_t b = static_cast<std::uint8_t>(seed >> 16);
      if (c.depth % 2 == 0 && i % c.depth == static_cast<std::size_t>(c.depth - 1))
        b = b % 3 == 0 ? 255 : (b % 3 == 1 ? 0 : b);  // opaque, clear and partial alphas
      data[i] = b;
    }
    if (c.keyed)  // every seventh pixel black, the key
      for (std::size_t i = 0; i < data.size(); i += static_cast<std::size_t>(c.depth) * 7)
        for (int k = 0; k < c.depth && k < 3; ++k) data[i + k] = 0;
    PixelView v;
    v.data = data.data(), v.width = c.w, v.height = c.h, v.depth = c.depth, v.keyed = c.keyed;
    const Picture p = resizePicture(v, c.tw, c.th);
    std::uint64_t fnv = 14695981039346656037ull;
    for (std::uint8_t b : p.rgba) fnv = (fnv ^ b) * 1099511628211ull;
    EXPECT_EQ(fnv, c.fnv);
  }
}

TEST(ResizePicture, NoSizeGivesAnEmptyPicture) {
  const Picture p = testing::samplePicture(4, 4);
  EXPECT_TRUE(resizePicture(p, 0, 5).rgba.empty());
  EXPECT_TRUE(resizePicture(p, 5, -1).rgba.empty());
  EXPECT_TRUE(resizePicture(Picture{}, 5, 5).rgba.empty());
}

}  // namespace
}  // namespace tavilo::core
