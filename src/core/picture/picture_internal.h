// Shared pieces of the picture decoders: a bounds-checked byte reader and the
// decoders' German error texts. Not for use outside src/core/picture.
#ifndef TAVILO_CORE_PICTURE_PICTURE_INTERNAL_H
#define TAVILO_CORE_PICTURE_PICTURE_INTERNAL_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/picture/picture.h"

namespace tavilo::core::picture_detail {

// Reads little-endian values; every read is checked against the end.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes, std::size_t pos = 0) : bytes_(bytes), pos_(pos) {}

  std::size_t pos() const { return pos_; }
  std::size_t size() const { return bytes_.size(); }
  std::size_t left() const { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; }
  bool has(std::size_t n) const { return left() >= n; }
  void seek(std::size_t pos) { pos_ = pos; }
  // Each returns false (and reads nothing) when the bytes run out.
  bool u8(std::uint8_t& v);
  bool u16(std::uint16_t& v);
  bool u32(std::uint32_t& v);
  bool skip(std::size_t n);
  const std::uint8_t* here() const {
    return reinterpret_cast<const std::uint8_t*>(bytes_.data()) + pos_;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_;
};

// The format whose signature `bytes` begins with ("BMP", "GIF", "JPEG", "PNG"), or "".
std::string_view sniffFormat(std::string_view bytes);

// "Die <format>-Daten sind beschädigt oder unvollständig."
[[noreturn]] void throwDamaged(std::string_view format);
// "Die Datei enthält kein <format>-Bild." plus the format it does hold, when known.
[[noreturn]] void throwNotFormat(std::string_view format, std::string_view bytes);
// "Diese <format>-Variante wird nicht unterstützt (<what>)."
[[noreturn]] void throwUnsupported(std::string_view format, const std::string& what);

// "Das Bild ist zu groß (<width> x <height> Bildpunkte)."
[[noreturn]] void throwTooLarge(std::int64_t width, std::int64_t height);

// A transparent black picture of the given size, after checkPictureSize.
Picture blankPicture(std::int64_t width, std::int64_t height);

}  // namespace tavilo::core::picture_detail

#endif
