// Windows and OS/2 bitmaps: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed,
// RLE4, RLE8 and BITFIELDS, stored bottom-up or top-down.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>

#include "core/picture/picture_internal.h"

namespace tavilo::core {
namespace {

using picture_detail::ByteReader;

constexpr std::string_view kFormat = "BMP";
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;

struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
};

Channel channelOf(std::uint32_t mask) {
  Channel c;
  if (mask == 0) return c;
  c.mask = mask;
  c.shift = std::countr_zero(mask);
  c.bits = std::bit_width(mask >> c.shift);
  return c;
}

std::uint8_t channelValue(const Channel& c, std::uint32_t pixel, std::uint8_t absent) {
  if (c.bits == 0) return absent;
  const std::uint64_t v = (pixel & c.mask) >> c.shift;
  const std::uint64_t max = (std::uint64_t{1} << c.bits) - 1;
  return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
}

struct Header {
  std::int64_t width = 0, height = 0;
  bool topDown = false;
  int bpp = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colorsUsed = 0;
  bool coreHeader = false;  // OS/2 1.x: three-byte palette entries
  Channel red, green, blue, alpha;
  std::size_t paletteStart = 0;
  std::size_t pixelStart = 0;
};

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

Header readHeader(std::string_view bytes) {
  if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
    picture_detail::throwNotFormat(kFormat, bytes);
  ByteReader r(bytes, 10);
  std::uint32_t offBits = 0, headerSize = 0;
  if (!r.u32(offBits) || !r.u32(headerSize)) picture_detail::throwDamaged(kFormat);
  if (headerSize < 12 || !r.has(headerSize - 4)) picture_detail::throwDamaged(kFormat);

  Header h;
  std::uint32_t masks[4] = {0, 0, 0, 0};
  bool headerMasks = false;
  if (headerSize == 12) {
    std::uint16_t w = 0, ht = 0, planes = 0, bpp = 0;
    r.u16(w), r.u16(ht), r.u16(planes), r.u16(bpp);
    h.width = w;
    h.height = ht;
    h.bpp = bpp;
    h.coreHeader = true;
  } else if (headerSize >= 40) {
    std::uint32_t w = 0, ht = 0, sizeImage = 0, ppm = 0, important = 0;
    std::uint16_t planes = 0, bpp = 0;
    r.u32(w), r.u32(ht), r.u16(planes), r.u16(bpp), r.u32(h.compression), r.u32(sizeImage);
    r.u32(ppm), r.u32(ppm), r.u32(h.colorsUsed), r.u32(important);
    h.width = static_cast<std::int32_t>(w);
    const std::int64_t signedHeight = static_cast<std::int32_t>(ht);
    h.topDown = signedHeight < 0;
    h.height = signedHeight < 0 ? -signedHeight : signedHeight;
    h.bpp = bpp;
    if (headerSize == 64 && h.compression >= kBitfields)  // OS/2 2.x: Huffman or RLE24
      picture_detail::throwUnsupported(kFormat, "OS/2-Kompression " + std::to_string(h.compression));
    if (headerSize >= 52 && headerSize != 64) {
      r.u32(masks[0]), r.u32(masks[1]), r.u32(masks[2]);
      if (headerSize >= 56) r.u32(masks[3]);
      headerMasks = true;
    }
  } else {
    picture_detail::throwUnsupported(kFormat, "Kopf mit " + std::to_string(headerSize) + " Bytes");
  }

  std::size_t afterHeader = 14 + std::size_t{headerSize};
  const bool bitfields = h.compression == kBitfields || h.compression == kAlphaBitfields;
  if (bitfields && !headerMasks) {
    ByteReader m(bytes, afterHeader);
    const int count = h.compression == kAlphaBitfields ? 4 : 3;
    for (int i = 0; i < count; ++i)
      if (!m.u32(masks[i])) picture_detail::throwDamaged(kFormat);
    afterHeader = m.pos();
  }

  switch (h.compression) {
    case kRgb:
      if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32)
        picture_detail::throwUnsupported(kFormat, std::to_string(h.bpp) + " Bit je Bildpunkt");
      if (h.bpp == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
      if (h.bpp == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
      masks[3] = 0;  // Windows ignores the fourth byte of an uncompressed bitmap
      break;
    case kRle8:
    case kRle4:
      if (h.bpp != (h.compression == kRle8 ? 8 : 4)) picture_detail::throwDamaged(kFormat);
      break;
    case kBitfields:
    case kAlphaBitfields:
      if (h.bpp != 16 && h.bpp != 32) picture_detail::throwDamaged(kFormat);
      break;
    default:
      picture_detail::throwUnsupported(kFormat, "Kompression " + std::to_string(h.compression));
  }
  h.red = channelOf(masks[0]);
  h.green = channelOf(masks[1]);
  h.blue = channelOf(masks[2]);
  h.alpha = channelOf(masks[3]);

  checkPictureSize(h.width, h.height);
  h.paletteStart = afterHeader;
  if (offBits == 0) {
    const std::size_t entry = h.coreHeader ? 3 : 4;
    const std::size_t count =
        h.bpp <= 8 ? (h.colorsUsed ? std::min<std::size_t>(h.colorsUsed, 256) : (1u << h.bpp)) : 0;
    h.pixelStart = afterHeader + entry * count;
  } else {
    h.pixelStart = offBits;
  }
  if (h.pixelStart < 14 + std::size_t{headerSize} || h.pixelStart >= bytes.size())
    picture_detail::throwDamaged(kFormat);
  return h;
}

std::vector<Rgb> readPalette(std::string_view bytes, const Header& h) {
  std::vector<Rgb> palette;
  if (h.bpp > 8) return palette;
  std::size_t count = h.colorsUsed ? h.colorsUsed : (std::size_t{1} << h.bpp);
  count = std::min<std::size_t>(count, 256);
  const std::size_t entry = h.coreHeader ? 3 : 4;
  // Entries that would overlap the pixels or run past the end are left out.
  const std::size_t end = std::max(h.pixelStart, h.paletteStart);
  const std::size_t room = (std::min(end, bytes.size()) - std::min(h.paletteStart, end)) / entry;
  count = std::min(count, room);
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data()) + h.paletteStart;
  for (std::size_t i = 0; i < count; ++i, p += entry) palette.push_back({p[2], p[1], p[0]});
  return palette;
}

class PixelSink {
 public:
  PixelSink(Picture& p, const Header& h, const std::vector<Rgb>& palette)
      : p_(p), topDown_(h.topDown), palette_(palette) {}

  // Row `fileRow` counts in storage order.
  std::uint8_t* at(std::int64_t x, std::int64_t fileRow) {
    const std::int64_t y = topDown_ ? fileRow : p_.height - 1 - fileRow;
    return p_.rgba.data() + (static_cast<std::size_t>(y) * p_.width + x) * 4;
  }
  void index(std::int64_t x, std::int64_t fileRow, unsigned i) {
    if (x >= p_.width || fileRow >= p_.height) return;
    const Rgb c = i < palette_.size() ? palette_[i] : Rgb{};
    std::uint8_t* d = at(x, fileRow);
    d[0] = c.r, d[1] = c.g, d[2] = c.b, d[3] = 255;
  }

 private:
  Picture& p_;
  bool topDown_;
  const std::vector<Rgb>& palette_;
};

void decodeUncompressed(std::string_view bytes, const Header& h, PixelSink& sink) {
  const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * h.bpp + 31) / 32 * 4;
  const std::uint64_t lastRow = (static_cast<std::uint64_t>(h.width) * h.bpp + 7) / 8;
  // The last row's padding may be missing; anything shorter is a damaged file.
  if (stride * (h.height - 1) + lastRow > bytes.size() - h.pixelStart)
    picture_detail::throwDamaged(kFormat);
  const auto* base = reinterpret_cast<const std::uint8_t*>(bytes.data()) + h.pixelStart;
  for (std::int64_t row = 0; row < h.height; ++row) {
    const std::uint8_t* s = base + row * stride;
    if (h.bpp <= 8) {
      const int perByte = 8 / h.bpp;
      const unsigned mask = (1u << h.bpp) - 1;
      for (std::int64_t x = 0; x < h.width; ++x) {
        const int shift = 8 - h.bpp * (1 + static_cast<int>(x % perByte));
        sink.index(x, row, (s[x / perByte] >> shift) & mask);
      }
      continue;
    }
    for (std::int64_t x = 0; x < h.width; ++x) {
      std::uint8_t* d = sink.at(x, row);
      if (h.bpp == 24) {
        const std::uint8_t* q = s + x * 3;
        d[0] = q[2], d[1] = q[1], d[2] = q[0], d[3] = 255;
        continue;
      }
      std::uint32_t px = 0;
      if (h.bpp == 16) {
        px = s[x * 2] | (s[x * 2 + 1] << 8);
      } else {
        const std::uint8_t* q = s + x * 4;
        px = q[0] | (q[1] << 8) | (q[2] << 16) | (static_cast<std::uint32_t>(q[3]) << 24);
      }
      d[0] = channelValue(h.red, px, 0);
      d[1] = channelValue(h.green, px, 0);
      d[2] = channelValue(h.blue, px, 0);
      d[3] = channelValue(h.alpha, px, 255);
    }
  }
}

// Pixels that the run-length data skips (delta, early end of line) stay opaque black.
void decodeRle(std::string_view bytes, const Header& h, PixelSink& sink) {
  ByteReader r(bytes, h.pixelStart);
  const bool four = h.compression == kRle4;
  std::int64_t x = 0, row = 0;
  while (row < h.height) {
    std::uint8_t count = 0, value = 0;
    if (!r.u8(count) || !r.u8(value)) picture_detail::throwDamaged(kFormat);
    if (count > 0) {
      for (int i = 0; i < count; ++i, ++x)
        sink.index(x, row, four ? ((i & 1) ? value & 15 : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of bitmap
      return;
    } else if (value == 2) {  // delta
      std::uint8_t dx = 0, dy = 0;
      if (!r.u8(dx) || !r.u8(dy)) picture_detail::throwDamaged(kFormat);
      x += dx;
      row += dy;
    } else {  // absolute run of `value` pixels, padded to a whole word
      const std::size_t size = four ? (value + 1u) / 2 : value;
      if (!r.has(size)) picture_detail::throwDamaged(kFormat);
      const std::uint8_t* s = r.here();
      for (int i = 0; i < value; ++i, ++x)
        sink.index(x, row, four ? ((i & 1) ? s[i / 2] & 15 : s[i / 2] >> 4) : s[i]);
      r.skip(size + (size & 1));
    }
  }
}

}  // namespace

Picture decodeBmp(std::string_view bytes) {
  const Header h = readHeader(bytes);
  const std::vector<Rgb> palette = readPalette(bytes, h);
  Picture p = picture_detail::blankPicture(h.width, h.height);
  PixelSink sink(p, h, palette);
  if (h.compression == kRle8 || h.compression == kRle4) {
    for (std::size_t i = 3; i < p.rgba.size(); i += 4) p.rgba[i] = 255;
    decodeRle(bytes, h, sink);
  } else {
    decodeUncompressed(bytes, h, sink);
  }
  if (h.alpha.bits > 0) {
    // Writers that declare an alpha mask but leave it zero mean an opaque picture.
    bool allZero = true;
    for (std::size_t i = 3; i < p.rgba.size() && allZero; i += 4) allZero = p.rgba[i] == 0;
    if (allZero)
      for (std::size_t i = 3; i < p.rgba.size(); i += 4) p.rgba[i] = 255;
  }
  p.hasAlpha = anyTransparent(p.rgba);
  return p;
}

}  // namespace tavilo::core
