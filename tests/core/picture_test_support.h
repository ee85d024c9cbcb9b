// Helpers for the picture tests: pictures made from a function, pixels as
// 0xRRGGBBAA for readable failures, and the demo tool's writers.
#ifndef TAVILO_TESTS_CORE_PICTURE_TEST_SUPPORT_H
#define TAVILO_TESTS_CORE_PICTURE_TEST_SUPPORT_H

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <png.h>

#include "../../tools/demo_pictures/quantize.h"
#include "../../tools/demo_pictures/writers.h"
#include "core/picture/picture.h"

namespace tavilo::testing {

inline core::Picture makePicture(int w, int h, const std::function<std::uint32_t(int, int)>& rgbaAt) {
  core::Picture p;
  p.width = w;
  p.height = h;
  p.rgba.resize(static_cast<std::size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t v = rgbaAt(x, y);
      std::uint8_t* d = p.rgba.data() + (static_cast<std::size_t>(y) * w + x) * 4;
      d[0] = static_cast<std::uint8_t>(v >> 24), d[1] = static_cast<std::uint8_t>(v >> 16);
      d[2] = static_cast<std::uint8_t>(v >> 8), d[3] = static_cast<std::uint8_t>(v);
    }
  p.hasAlpha = core::anyTransparent(p.rgba);
  return p;
}

inline std::uint32_t pixelAt(const core::Picture& p, int x, int y) {
  const std::uint8_t* s = p.rgba.data() + (static_cast<std::size_t>(y) * p.width + x) * 4;
  return (std::uint32_t{s[0]} << 24) | (std::uint32_t{s[1]} << 16) | (std::uint32_t{s[2]} << 8) | s[3];
}

inline std::vector<std::uint32_t> pixels(const core::Picture& p) {
  std::vector<std::uint32_t> v;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) v.push_back(pixelAt(p, x, y));
  return v;
}

inline std::string hexPixels(const std::vector<std::uint32_t>& v) {
  std::string s;
  char b[12];
  for (std::uint32_t px : v) std::snprintf(b, sizeof b, "%08X ", px), s += b;
  return s;
}

// The largest difference of any channel between two pictures of one size.
inline int maxDifference(const core::Picture& a, const core::Picture& b) {
  int d = 0;
  for (std::size_t i = 0; i < a.rgba.size() && i < b.rgba.size(); ++i)
    d = std::max(d, std::abs(int{a.rgba[i]} - int{b.rgba[i]}));
  return d;
}

// A smooth test picture with some detail: gradients and a few hard edges.
inline core::Picture samplePicture(int w, int h) {
  return makePicture(w, h, [w, h](int x, int y) {
    const std::uint32_t r = static_cast<std::uint32_t>(x * 255 / std::max(1, w - 1));
    const std::uint32_t g = static_cast<std::uint32_t>(y * 255 / std::max(1, h - 1));
    const std::uint32_t b = ((x / 8 + y / 8) % 2) ? 200 : 40;
    return (r << 24) | (g << 16) | (b << 8) | 0xFF;
  });
}

// A palette picture with `colours` entries and a pattern that uses all of them.
inline demo::Indexed sampleIndexed(int w, int h, int colours, unsigned seed = 7) {
  demo::Indexed p;
  p.width = w;
  p.height = h;
  for (int i = 0; i < colours; ++i)
    p.palette.push_back({static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(255 - i),
                         static_cast<std::uint8_t>(i * 11)});
  std::uint32_t state = seed;
  for (int i = 0; i < w * h; ++i) {
    state = state * 1103515245u + 12345u;
    // Runs of repeated indices alternate with noise, so LZW strings of many lengths appear.
    const int run = (i / 17) % 3;
    p.indices.push_back(static_cast<std::uint8_t>(run == 0 ? (i / 5) % colours : (state >> 16) % colours));
  }
  return p;
}

inline core::Picture expandIndexed(const demo::Indexed& p) {
  return makePicture(p.width, p.height, [&p](int x, int y) {
    const int i = p.indices[static_cast<std::size_t>(y) * p.width + x];
    if (i == p.transparentIndex) return std::uint32_t{0};
    const demo::Rgb c = p.palette[static_cast<std::size_t>(i)];
    return (std::uint32_t{c.r} << 24) | (std::uint32_t{c.g} << 16) | (std::uint32_t{c.b} << 8) | 0xFF;
  });
}

// An 8-bit RGBA PNG through libpng's simplified writer.
inline std::string encodePngRgba(const core::Picture& p) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(p.width);
  image.height = static_cast<png_uint_32>(p.height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_get_memory_size(image, size, 0, p.rgba.data(), 0, nullptr);
  std::string out(size, '\0');
  png_image_write_to_memory(&image, out.data(), &size, 0, p.rgba.data(), 0, nullptr);
  out.resize(size);
  return out;
}

// A grey baseline JPEG of any size whose blocks are all flat: two bits each,
// so a picture of millions of pixels takes a few hundred kilobytes.
inline std::string flatGreyJpeg(int width, int height) {
  auto segment = [](unsigned char marker, const std::string& payload) {
    const std::size_t n = payload.size() + 2;
    return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)} +
           payload;
  };
  const auto huffman = [&](char tableClass, char symbol) {  // one code, of length 1
    return segment(0xC4, std::string{tableClass, 1} + std::string(15, '\0') + symbol);
  };
  std::string out = "\xFF\xD8";
  out += segment(0xDB, std::string(1, '\0') + std::string(64, '\1'));
  out += segment(0xC0, std::string{8, static_cast<char>(height >> 8), static_cast<char>(height & 0xFF),
                                   static_cast<char>(width >> 8), static_cast<char>(width & 0xFF), 1, 1, 0x11, 0});
  out += huffman(0x00, 0x00) + huffman(0x10, 0x00);  // DC difference 0; end of block
  out += segment(0xDA, std::string{1, 1, 0, 0, 63, 0});
  const std::size_t bits = 2 * static_cast<std::size_t>((width + 7) / 8) * ((height + 7) / 8);
  out += std::string(bits / 8, '\0');
  if (bits % 8) out += static_cast<char>((1 << (8 - bits % 8)) - 1);
  return out + "\xFF\xD9";
}

}  // namespace tavilo::testing

#endif
