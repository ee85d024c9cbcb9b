// GIF 87a/89a: the first frame, placed on the logical screen. Pixels outside the
// frame and pixels of the frame's transparent index are transparent.
#include <array>
#include <cstdint>
#include <vector>

#include "core/picture/picture_internal.h"

namespace tavilo::core {
namespace {

using picture_detail::ByteReader;

constexpr std::string_view kFormat = "GIF";
constexpr unsigned kMaxCodes = 4096;

[[noreturn]] void damaged() { picture_detail::throwDamaged(kFormat); }

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

std::vector<Rgb> readColorTable(ByteReader& r, std::uint8_t flags) {
  const std::size_t count = std::size_t{2} << (flags & 7);
  if (!r.has(count * 3)) damaged();
  std::vector<Rgb> table(count);
  const std::uint8_t* p = r.here();
  for (std::size_t i = 0; i < count; ++i) table[i] = {p[i * 3], p[i * 3 + 1], p[i * 3 + 2]};
  r.skip(count * 3);
  return table;
}

void skipSubBlocks(ByteReader& r) {
  for (;;) {
    std::uint8_t n = 0;
    if (!r.u8(n)) damaged();
    if (n == 0) return;
    if (!r.skip(n)) damaged();
  }
}

// The image data's sub-blocks read as one stream of codes, least significant bit first.
class CodeReader {
 public:
  explicit CodeReader(ByteReader& r) : r_(r) {}

  bool read(int bits, unsigned& code) {
    while (count_ < bits) {
      if (blockLeft_ == 0) {
        std::uint8_t n = 0;
        if (ended_ || !r_.u8(n) || n == 0) return ended_ = true, false;
        blockLeft_ = n;
      }
      std::uint8_t b = 0;
      if (!r_.u8(b)) return ended_ = true, false;
      --blockLeft_;
      bits_ |= static_cast<std::uint32_t>(b) << count_;
      count_ += 8;
    }
    code = bits_ & ((1u << bits) - 1);
    bits_ >>= bits;
    count_ -= bits;
    return true;
  }

 private:
  ByteReader& r_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
  unsigned blockLeft_ = 0;
  bool ended_ = false;
};

// Decodes exactly `total` palette indices; data that ends earlier is damage.
std::vector<std::uint8_t> decodeLzw(ByteReader& r, std::size_t total) {
  std::uint8_t minSize = 0;
  if (!r.u8(minSize) || minSize < 2 || minSize > 8) damaged();
  const unsigned clear = 1u << minSize, end = clear + 1;
  std::array<std::uint16_t, kMaxCodes> prefix{};
  std::array<std::uint8_t, kMaxCodes> suffix{}, first{};
  std::array<std::uint8_t, kMaxCodes + 1> stack{};
  for (unsigned i = 0; i < clear; ++i) suffix[i] = first[i] = static_cast<std::uint8_t>(i);

  std::vector<std::uint8_t> out;
  out.reserve(total);
  CodeReader codes(r);
  int size = minSize + 1;
  unsigned next = clear + 2;
  int prev = -1;
  while (out.size() < total) {
    unsigned code = 0;
    if (!codes.read(size, code) || code == end) damaged();
    if (code == clear) {
      size = minSize + 1;
      next = clear + 2;
      prev = -1;
      continue;
    }
    if (prev < 0) {
      if (code >= clear) damaged();
      out.push_back(static_cast<std::uint8_t>(code));
      prev = static_cast<int>(code);
      continue;
    }
    if (code > next || (code == next && next >= kMaxCodes)) damaged();
    std::size_t sp = 0;
    unsigned c = code;
    if (code == next) {  // the string of prev followed by its own first byte
      stack[sp++] = first[prev];
      c = static_cast<unsigned>(prev);
    }
    while (c >= clear) {
      stack[sp++] = suffix[c];
      c = prefix[c];
    }
    stack[sp++] = static_cast<std::uint8_t>(c);
    while (sp > 0 && out.size() < total) out.push_back(stack[--sp]);
    if (next < kMaxCodes) {
      prefix[next] = static_cast<std::uint16_t>(prev);
      first[next] = first[prev];
      suffix[next] = code == next ? first[prev] : first[code];
      ++next;
      if (next == (1u << size) && size < 12) ++size;
    }
    prev = static_cast<int>(code);
  }
  return out;
}

std::vector<int> rowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = kStart[pass]; y < height; y += kStep[pass]) rows.push_back(y);
  return rows;
}

}  // namespace

Picture decodeGif(std::string_view bytes) {
  if (!bytes.starts_with("GIF87a") && !bytes.starts_with("GIF89a"))
    picture_detail::throwNotFormat(kFormat, bytes);
  ByteReader r(bytes, 6);
  std::uint16_t screenW = 0, screenH = 0;
  std::uint8_t flags = 0, background = 0, aspect = 0;
  if (!r.u16(screenW) || !r.u16(screenH) || !r.u8(flags) || !r.u8(background) || !r.u8(aspect))
    damaged();
  std::vector<Rgb> global;
  if (flags & 0x80) global = readColorTable(r, flags);

  int transparent = -1;
  for (;;) {
    std::uint8_t intro = 0;
    if (!r.u8(intro)) damaged();
    if (intro == 0) continue;  // stray padding some writers leave between blocks
    if (intro == 0x3B) damaged();  // trailer before any frame
    if (intro == 0x21) {
      std::uint8_t label = 0, n = 0;
      if (!r.u8(label)) damaged();
      if (label == 0xF9) {
        if (!r.u8(n)) damaged();
        if (n >= 4 && r.has(n)) {
          const std::uint8_t* p = r.here();
          transparent = (p[0] & 1) ? p[3] : -1;
        }
        if (!r.skip(n)) damaged();
        if (n == 0) continue;
      }
      skipSubBlocks(r);
      continue;
    }
    if (intro != 0x2C) damaged();
    break;
  }

  std::uint16_t left = 0, top = 0, frameW = 0, frameH = 0;
  std::uint8_t frameFlags = 0;
  if (!r.u16(left) || !r.u16(top) || !r.u16(frameW) || !r.u16(frameH) || !r.u8(frameFlags)) damaged();
  if (frameW == 0 || frameH == 0) damaged();
  std::vector<Rgb> local;
  if (frameFlags & 0x80) local = readColorTable(r, frameFlags);
  const std::vector<Rgb>& palette = (frameFlags & 0x80) ? local : global;
  if (palette.empty()) damaged();

  // A frame reaching past a (possibly zero) logical screen widens the picture.
  const std::int64_t width = std::max<std::int64_t>(screenW, std::int64_t{left} + frameW);
  const std::int64_t height = std::max<std::int64_t>(screenH, std::int64_t{top} + frameH);
  Picture p = picture_detail::blankPicture(width, height);
  const std::vector<std::uint8_t> indices =
      decodeLzw(r, static_cast<std::size_t>(frameW) * frameH);
  const std::vector<int> rows = rowOrder(frameH, (frameFlags & 0x40) != 0);
  for (int i = 0; i < frameH; ++i) {
    const std::uint8_t* s = indices.data() + static_cast<std::size_t>(i) * frameW;
    std::uint8_t* d = p.rgba.data() + ((static_cast<std::size_t>(top) + rows[i]) * p.width + left) * 4;
    for (int x = 0; x < frameW; ++x, d += 4) {
      if (s[x] == transparent) continue;
      const Rgb c = s[x] < palette.size() ? palette[s[x]] : Rgb{};
      d[0] = c.r, d[1] = c.g, d[2] = c.b, d[3] = 255;
    }
  }
  p.hasAlpha = anyTransparent(p.rgba);
  return p;
}

}  // namespace tavilo::core
