// The demo medium's pictures as committed: each one decodes, at its size and in the
// variant that it is there to show.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "picture_test_support.h"

namespace tavilo::core {
namespace {

const std::string kMedium = std::string(TAVILO_SOURCE_DIR) + "/examples/demo-medium/";

std::string readBytes(const std::string& path) {
  // The UTF-8 path as such: a narrow one means the ANSI code page on Windows.
  std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(DemoPictures, DecodeAtTheirSizesAndVariants) {
  struct Case {
    const char* file;
    int w, h;
    bool alpha;
  };
  const Case cases[] = {
      {"bilder/logo.gif", 120, 80, true},         {"bilder/rechner.jpg", 400, 300, false},
      {"bilder/notizen.gif", 300, 220, false},    {"bilder/installer.bmp", 360, 270, false},
      {"bilder/standby.jpg", 230, 150, false},    {"fotos/strand.jpg", 640, 400, false},
      {"fotos/berge.bmp", 200, 120, false},       {"beispiele/bilder/muster.gif", 64, 64, false},
  };
  std::size_t total = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Picture p;
    ASSERT_NO_THROW(p = decodePictureFile(kMedium + c.file));
    EXPECT_EQ(p.width, c.w);
    EXPECT_EQ(p.height, c.h);
    EXPECT_EQ(p.hasAlpha, c.alpha);
    total += readBytes(kMedium + c.file).size();
  }
  // Bit depths (BMP header byte 28) and the sample GIF's interlace flag.
  EXPECT_EQ(readBytes(kMedium + "bilder/installer.bmp")[28], 24);
  EXPECT_EQ(readBytes(kMedium + "fotos/berge.bmp")[28], 8);
  const std::string muster = readBytes(kMedium + "beispiele/bilder/muster.gif");
  const std::size_t table = std::size_t{3} << ((muster[10] & 7) + 1);
  EXPECT_TRUE(muster[13 + table + 9] & 0x40);
  // The logo's background is transparent, its disc is not.
  const Picture logo = decodePictureFile(kMedium + "bilder/logo.gif");
  EXPECT_EQ(testing::pixelAt(logo, 0, 0) & 0xFF, 0u);
  EXPECT_EQ(testing::pixelAt(logo, 20, 40) & 0xFF, 0xFFu);
  // The 24-bit installer alone takes 292 KB; everything stays below 400 KB.
  EXPECT_LT(total, 400u * 1024);
}

}  // namespace
}  // namespace tavilo::core
