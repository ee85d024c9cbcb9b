#include "core/gradient.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tavilo::core {
namespace {

std::uint32_t grey(unsigned v) { return v | (v << 8) | (v << 16); }

TEST(GradientStrips, HundredStripsBlackToWhiteStopShortOfWhite) {
  const auto strips = gradientStrips(0x000000, 0xFFFFFF, 100);
  ASSERT_EQ(strips.size(), 100u);
  const unsigned leading[] = {0, 3, 5, 8, 10, 13, 15, 18, 20, 23};
  for (unsigned i = 0; i < std::size(leading); ++i)
    EXPECT_EQ(strips[i], grey(leading[i])) << "column " << i;
  EXPECT_EQ(strips[99], grey(250));
  for (std::size_t i = 1; i < strips.size(); ++i) {
    EXPECT_GE(strips[i] & 0xFF, strips[i - 1] & 0xFF) << "column " << i;
    EXPECT_EQ(strips[i], grey(strips[i] & 0xFF)) << "column " << i << " is not grey";
  }
}

struct StripCase {
  const char* name;
  std::uint32_t start, end;
  int n;
  std::vector<std::uint32_t> expected;
};

TEST(GradientStrips, Table) {
  const StripCase cases[] = {
      {"no strips", 0x000000, 0xFFFFFF, 0, {}},
      {"negative count", 0x000000, 0xFFFFFF, -5, {}},
      {"one strip is the start", 0x123456, 0xFFFFFF, 1, {0x123456}},
      {"equal colours", 0x4080FF, 0x4080FF, 4, {0x4080FF, 0x4080FF, 0x4080FF, 0x4080FF}},
      // step 0.5: 0, 0.5, 1, 1.5, 2 -> halves go to the even neighbour
      {"halves to even", 0x000000, 0x000003, 5, {0, 0, 1, 2, 2}},
      {"descending", 0x0000FF, 0x000000, 3, {0xFF, 0xBF, 0x80}},
      {"channels apart", 0x0000FF, 0xFF0000, 2, {0x0000FF, 0x5500AA}},
      {"high byte ignored", 0xFF000000, 0x7F0000FF, 2, {0x000000, 0x000055}},
  };
  for (const auto& c : cases) {
    std::vector<std::uint32_t> got = gradientStrips(c.start, c.end, c.n);
    EXPECT_EQ(got, c.expected) << c.name;
  }
}

TEST(GradientStrips, OnlyTheBeginningOfAHugeGradientIsMade) {
  // A panel 2^31 - 1 pixels wide shows its first strips, made without the rest.
  const auto strips = gradientStrips(0x000000, 0xFFFFFF, 2147483647, 3);
  EXPECT_EQ(strips, (std::vector<std::uint32_t>{0, 0, 0}));
  EXPECT_EQ(gradientStrips(0x000000, 0x000003, 5, 9), gradientStrips(0x000000, 0x000003, 5));
}

TEST(GradientStrips, LongGradientsStayInRange) {
  // Up to 254 strips the last one stays visibly short of the end; very long ones round
  // onto it (255 * 3999 / 4001 is 254.87), never past it.
  for (int n : {1, 2, 254, 1000, 4000}) {
    const auto strips = gradientStrips(0x00FF00, 0xFF00FF, n);
    ASSERT_EQ(strips.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(strips.front(), 0x00FF00u) << n;
    if (n <= 254) {
      EXPECT_NE(strips.back(), 0xFF00FFu) << n;
    }
    for (std::size_t i = 1; i < strips.size(); ++i) {
      EXPECT_GE(strips[i] & 0xFF, strips[i - 1] & 0xFF) << n << " strip " << i;
      EXPECT_LE((strips[i] >> 8) & 0xFF, (strips[i - 1] >> 8) & 0xFF) << n << " strip " << i;
    }
    EXPECT_EQ(strips.back() & 0xFF000000u, 0u) << n;
  }
}

}  // namespace
}  // namespace tavilo::core
