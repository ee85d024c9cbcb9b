// Decoded pictures and their decoders. Every decoder accepts any bytes: damaged,
// truncated or hostile input ends in a core::Error with a German message, never in
// a crash or an allocation sized by an unchecked header.
#ifndef TAVILO_CORE_PICTURE_PICTURE_H
#define TAVILO_CORE_PICTURE_PICTURE_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo::core {

// Four bytes per pixel (red, green, blue, alpha; alpha 255 is opaque), rows top
// to bottom without padding. `hasAlpha` is true when some pixel is not opaque.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;
  bool hasAlpha = false;
};

// Pictures beyond these bounds are refused before any pixel memory is taken.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::uint64_t kMaxPictureBytes = 256ull << 20;  // of RGBA pixels

// Throws Error ("Das Bild ist zu groß ...") unless 1 <= width, height and the
// picture stays within the bounds above.
void checkPictureSize(std::int64_t width, std::int64_t height);

Picture decodeBmp(std::string_view bytes);
Picture decodeGif(std::string_view bytes);   // the first frame on its logical screen
Picture decodeJpeg(std::string_view bytes);
Picture decodePng(std::string_view bytes);

enum class PictureFormat { Bmp, Gif, Jpeg, Png };

Picture decodePicture(std::string_view bytes, PictureFormat format);

// The extension of a path's file name as written, without its dot: "x/a.B.Jpg"
// gives "Jpg", a name without a dot gives "".
std::string pictureExtension(std::string_view path);
// The format for an extension (without dot, ASCII case ignored): bmp, jpg, jpeg,
// gif, png.
std::optional<PictureFormat> pictureFormatForExtension(std::string_view extension);

// The format whose signature the bytes begin with; std::nullopt for none.
std::optional<PictureFormat> sniffPictureFormat(std::string_view bytes);

// Reads and decodes a file, the decoder chosen by the file's extension. Throws
// Error "Unbekannte Bilddateierweiterung (.%s)" for another extension (before the
// file is touched), and an Error naming the file when it cannot be read or decoded.
Picture decodePictureFile(const std::string& path);
// The same with the decoder given, whatever the extension says.
Picture decodePictureFile(const std::string& path, PictureFormat format);

// The picture scaled to width x height (area averaging when shrinking, linear
// interpolation when enlarging, alpha weighted). A size of 0 gives an empty picture.
Picture resizePicture(const Picture& source, int width, int height);

// Whether any pixel of `rgba` has an alpha below 255.
bool anyTransparent(const std::vector<std::uint8_t>& rgba);

}  // namespace tavilo::core

#endif
