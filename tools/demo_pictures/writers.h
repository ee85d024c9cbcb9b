// Small picture writers for the demo medium's pictures and for the decoder tests:
// bitmaps (24-bit and 8-bit palette), GIF with its own LZW coder, and JPEG through
// libjpeg's compressor. Header-only, so that tests can include them too.
#ifndef TAVILO_TOOLS_DEMO_PICTURES_WRITERS_H
#define TAVILO_TOOLS_DEMO_PICTURES_WRITERS_H

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "core/picture/picture.h"

namespace tavilo::demo {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A palette picture: one index per pixel, rows top to bottom.
struct Indexed {
  int width = 0, height = 0;
  std::vector<std::uint8_t> indices;
  std::vector<Rgb> palette;
  int transparentIndex = -1;
};

namespace writer_detail {

inline void put16(std::string& s, unsigned v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}

inline void put32(std::string& s, std::uint32_t v) {
  put16(s, v & 0xFFFF);
  put16(s, v >> 16);
}

inline void bmpHeaders(std::string& s, int width, int height, int bpp, std::uint32_t colours,
                       std::uint32_t pixelBytes) {
  const std::uint32_t offBits = 14 + 40 + colours * 4;
  s += "BM";
  put32(s, offBits + pixelBytes);
  put32(s, 0);
  put32(s, offBits);
  put32(s, 40);
  put32(s, static_cast<std::uint32_t>(width));
  put32(s, static_cast<std::uint32_t>(height));  // positive: bottom-up
  put16(s, 1);
  put16(s, static_cast<unsigned>(bpp));
  put32(s, 0);  // BI_RGB
  put32(s, pixelBytes);
  put32(s, 2835);  // 72 dpi
  put32(s, 2835);
  put32(s, colours);
  put32(s, 0);
}

// GIF's variable-length codes, least significant bit first, cut into sub-blocks.
class CodeWriter {
 public:
  void put(unsigned code, int bits) {
    acc_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += bits;
    while (count_ >= 8) {
      bytes_ += static_cast<char>(acc_ & 0xFF);
      acc_ >>= 8;
      count_ -= 8;
    }
  }
  std::string blocks() {
    if (count_ > 0) bytes_ += static_cast<char>(acc_ & 0xFF), acc_ = 0, count_ = 0;
    std::string out;
    for (std::size_t i = 0; i < bytes_.size(); i += 255) {
      const std::size_t n = std::min<std::size_t>(255, bytes_.size() - i);
      out += static_cast<char>(n);
      out.append(bytes_, i, n);
    }
    out += '\0';
    return out;
  }

 private:
  std::string bytes_;
  std::uint32_t acc_ = 0;
  int count_ = 0;
};

}  // namespace writer_detail

// 24-bit uncompressed bitmap, bottom-up; alpha is ignored.
inline std::string encodeBmp24(const core::Picture& p) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(p.width) * 3 + 3) & ~3u;
  std::string s;
  writer_detail::bmpHeaders(s, p.width, p.height, 24, 0, stride * p.height);
  for (int y = p.height - 1; y >= 0; --y) {
    const std::uint8_t* row = p.rgba.data() + static_cast<std::size_t>(y) * p.width * 4;
    for (int x = 0; x < p.width; ++x) {
      s += static_cast<char>(row[x * 4 + 2]);
      s += static_cast<char>(row[x * 4 + 1]);
      s += static_cast<char>(row[x * 4]);
    }
    s.append(stride - p.width * 3u, '\0');
  }
  return s;
}

// 8-bit uncompressed palette bitmap, bottom-up.
inline std::string encodeBmp8(const Indexed& p) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(p.width) + 3) & ~3u;
  std::string s;
  writer_detail::bmpHeaders(s, p.width, p.height, 8, static_cast<std::uint32_t>(p.palette.size()),
                            stride * p.height);
  for (const Rgb& c : p.palette) {
    s += static_cast<char>(c.b);
    s += static_cast<char>(c.g);
    s += static_cast<char>(c.r);
    s += '\0';
  }
  for (int y = p.height - 1; y >= 0; --y) {
    s.append(reinterpret_cast<const char*>(p.indices.data()) + static_cast<std::size_t>(y) * p.width,
             static_cast<std::size_t>(p.width));
    s.append(stride - static_cast<std::uint32_t>(p.width), '\0');
  }
  return s;
}

struct GifOptions {
  bool interlace = false;
  bool localPalette = false;   // the palette with the frame instead of the global table
  bool clearWhenFull = true;   // false: keep the full code table ("deferred clear")
  int screenWidth = 0, screenHeight = 0;  // 0: the frame's size
  int left = 0, top = 0;                  // the frame's place on the screen
};

// GIF89a with one frame; a transparent index writes a graphic control extension.
inline std::string encodeGif(const Indexed& p, const GifOptions& o = {}) {
  using writer_detail::put16;
  int bits = 1;
  while ((1u << bits) < p.palette.size() && bits < 8) ++bits;
  const int minCode = std::max(2, bits);
  std::vector<Rgb> table = p.palette;
  table.resize(std::size_t{1} << bits);
  const unsigned tableFlags = static_cast<unsigned>(bits - 1);

  std::string s = "GIF89a";
  put16(s, static_cast<unsigned>(o.screenWidth ? o.screenWidth : p.width));
  put16(s, static_cast<unsigned>(o.screenHeight ? o.screenHeight : p.height));
  s += static_cast<char>(o.localPalette ? 0x70 : (0xF0 | tableFlags));
  s += '\0';
  s += '\0';
  auto putTable = [&] {
    for (const Rgb& c : table) s += static_cast<char>(c.r), s += static_cast<char>(c.g), s += static_cast<char>(c.b);
  };
  if (!o.localPalette) putTable();
  if (p.transparentIndex >= 0) {
    s += "\x21\xF9\x04\x01";
    put16(s, 0);
    s += static_cast<char>(p.transparentIndex);
    s += '\0';
  }
  s += '\x2C';
  put16(s, static_cast<unsigned>(o.left));
  put16(s, static_cast<unsigned>(o.top));
  put16(s, static_cast<unsigned>(p.width));
  put16(s, static_cast<unsigned>(p.height));
  s += static_cast<char>((o.interlace ? 0x40 : 0) | (o.localPalette ? (0x80 | tableFlags) : 0));
  if (o.localPalette) putTable();
  s += static_cast<char>(minCode);

  std::vector<int> rows;
  if (o.interlace) {
    constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int y = kStart[pass]; y < p.height; y += kStep[pass]) rows.push_back(y);
  } else {
    for (int y = 0; y < p.height; ++y) rows.push_back(y);
  }

  const unsigned clear = 1u << minCode, end = clear + 1;
  std::vector<std::uint16_t> codes(4096 * 256, 0);  // (prefix code, byte) -> code, 0 = none
  writer_detail::CodeWriter out;
  int size = minCode + 1;
  unsigned next = clear + 2;
  out.put(clear, size);
  int prefix = -1;
  for (int y : rows) {
    const std::uint8_t* row = p.indices.data() + static_cast<std::size_t>(y) * p.width;
    for (int x = 0; x < p.width; ++x) {
      const unsigned c = row[x];
      if (prefix < 0) {
        prefix = static_cast<int>(c);
        continue;
      }
      const std::uint16_t known = codes[static_cast<std::size_t>(prefix) * 256 + c];
      if (known) {
        prefix = known;
        continue;
      }
      out.put(static_cast<unsigned>(prefix), size);
      // The decoder learns each code one step later, so the width grows when the
      // next free code (before this step's entry) reaches the current limit.
      if (next == (1u << size) && size < 12) ++size;
      if (next < 4096) {
        codes[static_cast<std::size_t>(prefix) * 256 + c] = static_cast<std::uint16_t>(next++);
      } else if (o.clearWhenFull) {
        out.put(clear, size);
        std::fill(codes.begin(), codes.end(), 0);
        size = minCode + 1;
        next = clear + 2;
      }
      prefix = static_cast<int>(c);
    }
  }
  out.put(static_cast<unsigned>(prefix), size);
  if (next == (1u << size) && size < 12) ++size;
  out.put(end, size);
  s += out.blocks();
  s += '\x3B';
  return s;
}

struct JpegOptions {
  int quality = 85;
  bool progressive = false;
  bool grey = false;  // write one grey channel (the mean of red, green and blue)
  bool cmyk = false;  // write Adobe (inverted) CMYK
};

inline std::string encodeJpeg(const core::Picture& p, const JpegOptions& o = {}) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);  // the writer's input is ours; libjpeg's exit on error is fine
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  // unsigned long in libjpeg-turbo, size_t in libjpeg 9: the same type on
  // Linux, and the type libjpeg 9 asks for on Windows.
  std::size_t size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(p.width);
  cinfo.image_height = static_cast<JDIMENSION>(p.height);
  cinfo.input_components = o.grey ? 1 : o.cmyk ? 4 : 3;
  cinfo.in_color_space = o.grey ? JCS_GRAYSCALE : o.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, o.quality, TRUE);
  if (o.progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(p.width) * cinfo.input_components);
  while (cinfo.next_scanline < cinfo.image_height) {
    const std::uint8_t* s = p.rgba.data() + static_cast<std::size_t>(cinfo.next_scanline) * p.width * 4;
    for (int x = 0; x < p.width; ++x, s += 4) {
      if (o.grey) {
        row[x] = static_cast<JSAMPLE>((s[0] + s[1] + s[2]) / 3);
      } else if (o.cmyk) {
        const int k = std::max({s[0], s[1], s[2]});  // inverted K = 255 - black
        auto inv = [k](int v) { return static_cast<JSAMPLE>(k ? v * 255 / k : 0); };
        row[x * 4] = inv(s[0]), row[x * 4 + 1] = inv(s[1]), row[x * 4 + 2] = inv(s[2]);
        row[x * 4 + 3] = static_cast<JSAMPLE>(k);
      } else {
        row[x * 3] = s[0], row[x * 3 + 1] = s[1], row[x * 3 + 2] = s[2];
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return out;
}

}  // namespace tavilo::demo

#endif
