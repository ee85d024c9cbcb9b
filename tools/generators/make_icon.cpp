// Writes the program's icon as a Windows .ico file from its compiled-in
// picture (the window icon's painter): 16 to 64 pixels as bitmaps, 256 as PNG.
// Run by the Windows build. Usage: make_icon OUTPUT.ico
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gui/glyphs/catalogue.h"

namespace {

using namespace tavilo::gui::glyphs;
using Bytes = std::vector<std::uint8_t>;

struct Picture {
  int size = 0;
  Bytes rgba;  // straight alpha, rows top to bottom
};

Picture paint(const GlyphArt& art, int scale) {
  Canvas canvas(art.width, art.height, scale);
  art.paint(canvas);
  return {canvas.pixelWidth(), canvas.rgba()};
}

// Halves a picture `times` times, averaging with premultiplied alpha.
Picture halve(Picture p, int times) {
  for (; times > 0; --times) {
    Picture half{p.size / 2, Bytes(static_cast<std::size_t>(p.size / 2) * (p.size / 2) * 4)};
    for (int y = 0; y < half.size; ++y)
      for (int x = 0; x < half.size; ++x) {
        double sum[4] = {0, 0, 0, 0};
        for (int d = 0; d < 4; ++d) {
          const std::uint8_t* s = &p.rgba[((2 * y + d / 2) * p.size + 2 * x + d % 2) * 4];
          for (int c = 0; c < 3; ++c) sum[c] += s[c] * s[3] / 255.0;
          sum[3] += s[3];
        }
        std::uint8_t* out = &half.rgba[(y * half.size + x) * 4];
        out[3] = static_cast<std::uint8_t>(sum[3] / 4 + 0.5);
        for (int c = 0; c < 3; ++c)
          out[c] = sum[3] > 0 ? static_cast<std::uint8_t>(sum[c] * 255.0 / sum[3] + 0.5) : 0;
      }
    p = std::move(half);
  }
  return p;
}

void put16(Bytes& b, unsigned v) { b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); }
void put32(Bytes& b, std::uint32_t v) { put16(b, v & 0xFFFF), put16(b, v >> 16); }
void put32be(Bytes& b, std::uint32_t v) {
  b.insert(b.end(), {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)});
}

// A 32-bit bitmap as an icon entry holds it: header, BGRA rows bottom-up, an
// empty AND mask (the alpha channel decides).
Bytes bitmapEntry(const Picture& p) {
  Bytes b;
  put32(b, 40), put32(b, p.size), put32(b, 2 * p.size), put16(b, 1), put16(b, 32);
  for (int i = 0; i < 6; ++i) put32(b, 0);
  for (int y = p.size - 1; y >= 0; --y)
    for (int x = 0; x < p.size; ++x) {
      const std::uint8_t* s = &p.rgba[(y * p.size + x) * 4];
      b.insert(b.end(), {s[2], s[1], s[0], s[3]});
    }
  const std::size_t maskRow = ((p.size + 31) / 32) * 4;
  b.insert(b.end(), maskRow * p.size, 0);
  return b;
}

void pngChunk(Bytes& png, const char* type, const Bytes& data) {
  put32be(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  put32be(png, static_cast<std::uint32_t>(crc32(0, &png[start], static_cast<uInt>(png.size() - start))));
}

Bytes pngEntry(const Picture& p) {
  Bytes rows;
  for (int y = 0; y < p.size; ++y) {
    rows.push_back(0);  // no filter
    rows.insert(rows.end(), &p.rgba[y * p.size * 4], &p.rgba[(y + 1) * p.size * 4]);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  Bytes packed(packedSize);
  compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), Z_BEST_COMPRESSION);
  packed.resize(packedSize);
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  put32be(header, p.size), put32be(header, p.size);
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA
  pngChunk(png, "IHDR", header);
  pngChunk(png, "IDAT", packed);
  pngChunk(png, "IEND", {});
  return png;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
    return 2;
  }
  const GlyphArt* icon = nullptr;
  for (const GlyphArt& art : glyphArt())
    if (std::strcmp(art.name, "window_icon") == 0) icon = &art;
  if (!icon || icon->width != 32 || icon->height != 32) {
    std::fprintf(stderr, "make_icon: no 32 x 32 window icon among the pictures\n");
    return 1;
  }
  const Picture x1 = paint(*icon, 1), x3 = paint(*icon, 3);
  const std::vector<Bytes> entries = {bitmapEntry(halve(x1, 1)), bitmapEntry(halve(x3, 2)), bitmapEntry(x1),
                                      bitmapEntry(halve(x3, 1)), bitmapEntry(paint(*icon, 2)),
                                      pngEntry(paint(*icon, 8))};
  const int sizes[] = {16, 24, 32, 48, 64, 256};
  Bytes ico;
  put16(ico, 0), put16(ico, 1), put16(ico, static_cast<unsigned>(entries.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ico.push_back(static_cast<std::uint8_t>(sizes[i] & 0xFF)), ico.push_back(static_cast<std::uint8_t>(sizes[i] & 0xFF));
    ico.push_back(0), ico.push_back(0);  // no palette
    put16(ico, 1), put16(ico, 32);
    put32(ico, static_cast<std::uint32_t>(entries[i].size())), put32(ico, offset);
    offset += static_cast<std::uint32_t>(entries[i].size());
  }
  for (const Bytes& e : entries) ico.insert(ico.end(), e.begin(), e.end());
  const std::string temporary = std::string(argv[1]) + ".tmp";
  std::FILE* out = std::fopen(temporary.c_str(), "wb");
  if (!out || std::fwrite(ico.data(), 1, ico.size(), out) != ico.size() || std::fclose(out) != 0 ||
      std::rename(temporary.c_str(), argv[1]) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
