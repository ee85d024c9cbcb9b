#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include "core/error.h"
#include "picture_test_support.h"

namespace tavilo::core {
namespace {

using testing::makePicture;
using testing::pixelAt;

double meanDifference(const Picture& a, const Picture& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.rgba.size(); ++i) sum += std::abs(int{a.rgba[i]} - int{b.rgba[i]});
  return sum / static_cast<double>(a.rgba.size());
}

// Four flat quadrants: red, green, blue, grey.
Picture quadrants(int w, int h) {
  return makePicture(w, h, [w, h](int x, int y) -> std::uint32_t {
    if (y < h / 2) return x < w / 2 ? 0xE01010FF : 0x10E010FF;
    return x < w / 2 ? 0x1010E0FF : 0x808080FF;
  });
}

std::string errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(JpegDecoder, DecodesColourGreyCmykAndProgressive) {
  const Picture source = quadrants(48, 32);
  struct Case {
    const char* name;
    demo::JpegOptions options;
  };
  const Case cases[] = {
      {"colour", {.quality = 95}},
      {"progressive", {.quality = 95, .progressive = true}},
      {"Adobe CMYK", {.quality = 95, .cmyk = true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture p = decodeJpeg(demo::encodeJpeg(source, c.options));
    ASSERT_EQ(p.width, 48);
    ASSERT_EQ(p.height, 32);
    EXPECT_FALSE(p.hasAlpha);
    EXPECT_LT(meanDifference(p, source), 4.0);
    // The middle of each quadrant is flat, so it comes back nearly exactly.
    for (const auto& [x, y] : {std::pair{12, 8}, {36, 8}, {12, 24}, {36, 24}}) {
      const std::uint32_t want = pixelAt(source, x, y), got = pixelAt(p, x, y);
      for (int shift = 8; shift < 32; shift += 8)
        EXPECT_NEAR(int((got >> shift) & 0xFF), int((want >> shift) & 0xFF), 6) << x << "," << y;
    }
  }
  const Picture grey = decodeJpeg(demo::encodeJpeg(source, {.quality = 95, .grey = true}));
  for (std::size_t i = 0; i < grey.rgba.size(); i += 4) {
    ASSERT_EQ(grey.rgba[i], grey.rgba[i + 1]);
    ASSERT_EQ(grey.rgba[i], grey.rgba[i + 2]);
  }
  EXPECT_NEAR(int{grey.rgba[(8 * 48 + 12) * 4]}, (0xE0 + 0x10 + 0x10) / 3, 4);
}

TEST(JpegDecoder, RefusesDamagedTruncatedAndHugeFiles) {
  const std::string good = demo::encodeJpeg(testing::samplePicture(40, 40));
  std::string huge = good;
  const std::size_t sof = huge.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  huge[sof + 5] = '\x4E', huge[sof + 6] = '\x20';  // height 20000
  huge[sof + 7] = '\x00', huge[sof + 8] = '\x10';  // width 16
  EXPECT_EQ(errorOf([&] { decodeJpeg(huge); }), "Das Bild ist zu groß (16 x 20000 Bildpunkte).");

  const std::string damaged = "Die JPEG-Daten sind beschädigt oder unvollständig.";
  EXPECT_EQ(errorOf([&] { decodeJpeg(good.substr(0, good.size() / 2)); }), damaged);
  EXPECT_EQ(errorOf([&] { decodeJpeg(good.substr(0, 2)); }), damaged);
  std::string noFrame = good;
  noFrame[sof + 1] = '\xCF';  // an arithmetic lossless frame: a marker libjpeg refuses
  EXPECT_EQ(errorOf([&] { decodeJpeg(noFrame); }), damaged);
  EXPECT_EQ(errorOf([&] { decodeJpeg(""); }), "Die Datei enthält kein JPEG-Bild.");
}

TEST(JpegDecoder, DecodesAPictureTooLargeToHoldSmallerAndKeepsItsOwnSize) {
  struct Case {
    int width, height;
    int decodedWidth, decodedHeight;  // 0: refused
  };
  const Case cases[] = {
      {4096, 4096, 4096, 4096},    // within the bound: whole
      {4097, 4096, 2049, 2048},    // just beyond: a half, rounded up
      {16384, 4096, 8192, 2048},   // a half fills the bound exactly
      {16384, 16384, 0, 0},        // declares more than the decoder takes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    const std::string bytes = testing::flatGreyJpeg(c.width, c.height);
    if (c.decodedWidth == 0) {
      EXPECT_EQ(errorOf([&] { decodeJpeg(bytes); }), "Das Bild ist zu groß (" + std::to_string(c.width) + " x " +
                                                          std::to_string(c.height) + " Bildpunkte).");
      continue;
    }
    const Picture p = decodeJpeg(bytes);
    EXPECT_EQ(p.width, c.decodedWidth);
    EXPECT_EQ(p.height, c.decodedHeight);
    const bool whole = c.decodedWidth == c.width;
    EXPECT_EQ(p.fullWidth, whole ? 0 : c.width);
    EXPECT_EQ(p.fullHeight, whole ? 0 : c.height);
    EXPECT_EQ(pixelAt(p, p.width - 1, p.height - 1), 0x808080FFu);
  }
}

TEST(JpegDecoder, DecodesAPictureShownSmallerNoSmallerThanItIsShown) {
  struct Case {
    int shownWidth, shownHeight;
    int decodedWidth, decodedHeight;
  };
  // 401 x 300: libjpeg's sizes at 1/2, 1/4 and 1/8 round up (201 x 150, 101 x 75, 51 x 38).
  const Case cases[] = {
      {401, 300, 401, 300},  // shown at its size
      {900, 700, 401, 300},  // shown larger
      {202, 150, 401, 300},  // a half would be a pixel short across
      {201, 150, 201, 150},
      {200, 151, 401, 300},  // ... or down
      {140, 105, 201, 150},
      {101, 75, 101, 75},
      {1, 1, 51, 38},        // an eighth is the least
      {0, 0, 51, 38},
  };
  const Picture source = quadrants(401, 300);
  const std::string bytes = demo::encodeJpeg(source, {.quality = 95});
  const Picture whole = decodeJpeg(bytes);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.shownWidth) + " x " + std::to_string(c.shownHeight));
    int askedWidth = 0, askedHeight = 0;
    const Picture p = decodeJpeg(bytes, [&](int width, int height) {
      askedWidth = width, askedHeight = height;
      return std::pair{c.shownWidth, c.shownHeight};
    });
    EXPECT_EQ(askedWidth, 401);
    EXPECT_EQ(askedHeight, 300);
    EXPECT_EQ(p.width, c.decodedWidth);
    EXPECT_EQ(p.height, c.decodedHeight);
    const bool full = c.decodedWidth == 401;
    EXPECT_EQ(p.fullWidth, full ? 0 : 401);
    EXPECT_EQ(p.fullHeight, full ? 0 : 300);
    if (full) {
      EXPECT_EQ(p.rgba, whole.rgba);
    }
    // The quadrants keep their colours, inside each quadrant.
    EXPECT_LT(meanDifference(resizePicture(p, 40, 30), resizePicture(whole, 40, 30)), 3.0);
  }
}

// The file with its last scan (from the last SOS marker to EOI) standing
// `times` times: libjpeg takes every copy as one more pass over the picture.
std::string repeatLastScan(const std::string& jpeg, int times) {
  const std::size_t sos = jpeg.rfind("\xFF\xDA"), eoi = jpeg.rfind("\xFF\xD9");
  std::string out = jpeg.substr(0, sos);
  for (int i = 0; i < times; ++i) out += jpeg.substr(sos, eoi - sos);
  return out + jpeg.substr(eoi);
}

TEST(JpegDecoder, RefusesAPictureOfMoreScansThanItsSizeAllows) {
  const Picture source = quadrants(512, 256);
  const std::string progressive = demo::encodeJpeg(source, {.quality = 90, .progressive = true});
  // An ordinary progressive file, and one with a few scans more, decode.
  EXPECT_EQ(decodeJpeg(repeatLastScan(progressive, 20)).width, 512);
  // 2^28 pixel passes at 512 x 256 pixels allow 256 scans at most.
  EXPECT_EQ(errorOf([&] { decodeJpeg(repeatLastScan(progressive, 300)); }),
            "Das JPEG-Bild hat zu viele Durchläufe: mehr als 256 bei 512 x 256 Bildpunkten.");
  // A larger picture may have fewer.
  const std::string large = demo::encodeJpeg(quadrants(4096, 2048), {.quality = 50, .progressive = true});
  EXPECT_EQ(errorOf([&] { decodeJpeg(repeatLastScan(large, 100)); }),
            "Das JPEG-Bild hat zu viele Durchläufe: mehr als 31 bei 4096 x 2048 Bildpunkten.");
  // A progressive picture keeps all its coefficients while it is read: beyond
  // the decoder's memory it is refused, however few its scans.
  std::string huge = large;
  const std::size_t sof = huge.find("\xFF\xC2");
  ASSERT_NE(sof, std::string::npos);
  huge[sof + 7] = '\x40', huge[sof + 8] = '\x00';  // width 16384
  EXPECT_EQ(errorOf([&] { decodeJpeg(huge); }),
            "Das schrittweise aufgebaute JPEG-Bild ist zu groß (16384 x 2048 Bildpunkte).");
}

std::string writePng(const Picture& p, png_uint_32 format, const std::vector<std::uint8_t>& buffer,
                     const std::vector<std::uint8_t>& colormap = {}, int colours = 0) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(p.width);
  image.height = static_cast<png_uint_32>(p.height);
  image.format = format;
  image.colormap_entries = static_cast<png_uint_32>(colours);
  png_alloc_size_t size = 0;
  const void* map = colormap.empty() ? nullptr : colormap.data();
  EXPECT_TRUE(png_image_write_get_memory_size(image, size, 0, buffer.data(), 0, map));
  std::string out(size, '\0');
  EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, buffer.data(), 0, map));
  out.resize(size);
  return out;
}

TEST(PngDecoder, DecodesEveryColourType) {
  const Picture rgba = makePicture(5, 4, [](int x, int y) {
    return static_cast<std::uint32_t>((x * 50) << 24 | (y * 60) << 16 | 0x7700 | (x == 2 ? 0x40 : 0xFF));
  });
  const Picture p = decodePng(writePng(rgba, PNG_FORMAT_RGBA, rgba.rgba));
  EXPECT_EQ(testing::hexPixels(testing::pixels(p)), testing::hexPixels(testing::pixels(rgba)));
  EXPECT_TRUE(p.hasAlpha);

  std::vector<std::uint8_t> grey;
  for (int i = 0; i < 20; ++i) grey.push_back(static_cast<std::uint8_t>(i * 12));
  const Picture g = decodePng(writePng(rgba, PNG_FORMAT_GRAY, grey));
  EXPECT_EQ(pixelAt(g, 3, 2), 0x9C9C9CFFu);  // 13 * 12 = 156
  EXPECT_FALSE(g.hasAlpha);

  // A palette file with a transparent entry (written as PLTE and tRNS).
  const std::vector<std::uint8_t> colormap = {255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 0, 0};
  std::vector<std::uint8_t> indices(20, 0);
  indices[1] = 1, indices[7] = 2;
  const Picture m = decodePng(writePng(rgba, PNG_FORMAT_RGBA_COLORMAP, indices, colormap, 3));
  EXPECT_EQ(pixelAt(m, 0, 0), 0xFF0000FFu);
  EXPECT_EQ(pixelAt(m, 1, 0), 0x0000FFFFu);
  EXPECT_EQ(pixelAt(m, 2, 1) & 0xFF, 0u);
  EXPECT_TRUE(m.hasAlpha);

  // 16 bits per channel, linear light.
  std::vector<std::uint8_t> wide(5 * 4 * 3 * 2, 0xFF);
  const Picture w = decodePng(writePng(rgba, PNG_FORMAT_LINEAR_RGB, wide));
  EXPECT_EQ(pixelAt(w, 4, 3), 0xFFFFFFFFu);
}

std::uint32_t be32(const std::string& s, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at]) << 24 |
                                    static_cast<unsigned char>(s[at + 1]) << 16 |
                                    static_cast<unsigned char>(s[at + 2]) << 8 |
                                    static_cast<unsigned char>(s[at + 3]));
}

void setBe32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(v >> (24 - 8 * i));
}

TEST(PngDecoder, RefusesDamagedTruncatedAndHugeFiles) {
  const Picture source = testing::samplePicture(20, 10);
  const std::string good = writePng(source, PNG_FORMAT_RGBA, source.rgba);
  ASSERT_EQ(be32(good, 16), 20u);

  // IHDR data starts at 16; its CRC covers type and data (12..29) and sits at 29.
  std::string huge = good;
  setBe32(huge, 16, 20000);
  setBe32(huge, 20, 20000);
  setBe32(huge, 29, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(huge.data() + 12), 17)));
  EXPECT_EQ(errorOf([&] { decodePng(huge); }), "Das Bild ist zu groß (20000 x 20000 Bildpunkte).");

  const std::string damaged = "Die PNG-Daten sind beschädigt oder unvollständig.";
  std::string badCrc = good;
  badCrc[29] = static_cast<char>(badCrc[29] ^ 1);
  EXPECT_EQ(errorOf([&] { decodePng(badCrc); }), damaged);
  EXPECT_EQ(errorOf([&] { decodePng(good.substr(0, good.size() - 20)); }), damaged);
  EXPECT_EQ(errorOf([&] { decodePng(good.substr(0, 8)); }), damaged);
  EXPECT_EQ(errorOf([&] { decodePng(demo::encodeJpeg(source)); }),
            "Die Datei enthält kein PNG-Bild. Sie enthält ein JPEG-Bild.");
}

}  // namespace
}  // namespace tavilo::core
