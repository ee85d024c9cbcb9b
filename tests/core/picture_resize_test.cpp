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

TEST(ResizePicture, NoSizeGivesAnEmptyPicture) {
  const Picture p = testing::samplePicture(4, 4);
  EXPECT_TRUE(resizePicture(p, 0, 5).rgba.empty());
  EXPECT_TRUE(resizePicture(p, 5, -1).rgba.empty());
  EXPECT_TRUE(resizePicture(Picture{}, 5, 5).rgba.empty());
}

}  // namespace
}  // namespace tavilo::core
