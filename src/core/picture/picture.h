// Decoded pictures and their decoders. Every decoder accepts any bytes: damaged,
// truncated or hostile input ends in a core::Error with a German message, never in
// a crash or an allocation sized by an unchecked header.
#ifndef TAVILO_CORE_PICTURE_PICTURE_H
#define TAVILO_CORE_PICTURE_PICTURE_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavilo::core {

// Four bytes per pixel (red, green, blue, alpha; alpha 255 is opaque), rows top
// to bottom without padding. `hasAlpha` is true when some pixel is not opaque.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;
  bool hasAlpha = false;
  // The size the file gives when the decoder made the pixels smaller (a JPEG
  // too large to hold whole); 0 when width x height is the picture's own size.
  int fullWidth = 0, fullHeight = 0;
};

// What one picture may cost: pixels beyond these bounds are refused before any
// pixel memory is taken (a larger JPEG is decoded at a half, a quarter or an
// eighth of its size instead). The bound holds for every copy: decoded
// pixels, the canvas a GIF declares, a copy fitted to a control.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::uint64_t kMaxPictureBytes = 64ull << 20;  // of RGBA pixels

// Pixels as they lie in memory: `depth` bytes each (1 grey, 2 grey and alpha,
// 3 RGB, 4 RGBA), rows `stride` bytes apart (0: no padding). With `keyed`,
// pixels of colour `key` count as transparent.
struct PixelView {
  const std::uint8_t* data = nullptr;
  int width = 0, height = 0, depth = 4;
  std::size_t stride = 0;
  bool keyed = false;
  std::uint8_t key[3] = {0, 0, 0};
  std::size_t rowBytes() const { return stride ? stride : static_cast<std::size_t>(width) * depth; }
};
PixelView viewOf(const Picture& picture);
// Row y of the view as RGBA bytes into `out` (width * 4 of them), the key
// colour made transparent.
void rgbaRow(const PixelView& v, int y, std::uint8_t* out);

// Throws Error ("Das Bild ist zu groß ...") unless 1 <= width, height and the
// picture stays within the bounds above.
void checkPictureSize(std::int64_t width, std::int64_t height);

Picture decodeBmp(std::string_view bytes);
Picture decodeGif(std::string_view bytes);   // the first frame on its logical screen
// The size a picture is shown at, given its own size. A decoder that can make
// a picture smaller while decoding it (JPEG, at 1/2, 1/4 or 1/8) makes it no
// smaller than this, so that less is decoded and fitted; others ignore it.
// It must not throw.
using ShownSize = std::function<std::pair<int, int>(int width, int height)>;

Picture decodeJpeg(std::string_view bytes, const ShownSize& shown = nullptr);
Picture decodePng(std::string_view bytes);

enum class PictureFormat { Bmp, Gif, Jpeg, Png };

Picture decodePicture(std::string_view bytes, PictureFormat format, const ShownSize& shown = nullptr);

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
Picture decodePictureFile(const std::string& path, const ShownSize& shown = nullptr);
// The same with the decoder given, whatever the extension says.
Picture decodePictureFile(const std::string& path, PictureFormat format, const ShownSize& shown = nullptr);

// The picture scaled to width x height (area averaging when shrinking, linear
// interpolation when enlarging, alpha weighted). A size of 0 gives an empty
// picture; a size beyond the bounds above throws Error like checkPictureSize.
Picture resizePicture(const Picture& source, int width, int height);
// The same from pixels in any layout, always a new picture (RGBA).
Picture resizePicture(const PixelView& source, int width, int height);

// Whether any pixel of `rgba` has an alpha below 255.
bool anyTransparent(const std::vector<std::uint8_t>& rgba);

}  // namespace tavilo::core

#endif
