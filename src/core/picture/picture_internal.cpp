#include "core/picture/picture_internal.h"

#include <algorithm>

#include "core/error.h"

namespace tavilo::core {

void checkPictureSize(std::int64_t width, std::int64_t height) {
  if (width < 1 || height < 1) throw Error("Das Bild hat keine Bildpunkte.");
  if (width > kMaxPictureSide || height > kMaxPictureSide ||
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4 > kMaxPictureBytes)
    picture_detail::throwTooLarge(width, height);
}

bool anyTransparent(const std::vector<std::uint8_t>& rgba) {
  for (std::size_t i = 3; i < rgba.size(); i += 4)
    if (rgba[i] != 255) return true;
  return false;
}

namespace picture_detail {

bool ByteReader::u8(std::uint8_t& v) {
  if (!has(1)) return false;
  v = here()[0];
  pos_ += 1;
  return true;
}

bool ByteReader::u16(std::uint16_t& v) {
  if (!has(2)) return false;
  const auto* p = here();
  v = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
  pos_ += 2;
  return true;
}

bool ByteReader::u32(std::uint32_t& v) {
  if (!has(4)) return false;
  const auto* p = here();
  v = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
      (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  pos_ += 4;
  return true;
}

bool ByteReader::skip(std::size_t n) {
  if (!has(n)) return false;
  pos_ += n;
  return true;
}

std::string_view sniffFormat(std::string_view bytes) {
  if (bytes.starts_with("\x89PNG\r\n\x1a\n")) return "PNG";
  if (bytes.starts_with("GIF8")) return "GIF";
  if (bytes.starts_with("\xFF\xD8\xFF")) return "JPEG";
  if (bytes.starts_with("BM") && bytes.size() >= 18) return "BMP";
  return {};
}

void throwTooLarge(std::int64_t width, std::int64_t height) {
  throw Error("Das Bild ist zu groß (" + std::to_string(width) + " x " + std::to_string(height) + " Bildpunkte).");
}

void throwDamaged(std::string_view format) {
  throw Error("Die " + std::string(format) + "-Daten sind beschädigt oder unvollständig.");
}

void throwNotFormat(std::string_view format, std::string_view bytes) {
  std::string message = "Die Datei enthält kein " + std::string(format) + "-Bild.";
  const std::string_view actual = sniffFormat(bytes);
  if (!actual.empty() && actual != format)
    message += " Sie enthält ein " + std::string(actual) + "-Bild.";
  throw Error(message);
}

void throwUnsupported(std::string_view format, const std::string& what) {
  throw Error("Diese " + std::string(format) + "-Variante wird nicht unterstützt (" + what + ").");
}

Picture blankPicture(std::int64_t width, std::int64_t height) {
  checkPictureSize(width, height);
  Picture p;
  p.width = static_cast<int>(width);
  p.height = static_cast<int>(height);
  p.rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
  return p;
}

}  // namespace picture_detail
}  // namespace tavilo::core
