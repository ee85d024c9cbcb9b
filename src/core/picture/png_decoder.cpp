// PNG through libpng's simplified reader, which converts every colour type and
// depth (palette, grey, tRNS, 16 bit) to 8-bit RGBA and reports errors through its
// own setjmp; warnings stay inside the png_image.
#include <png.h>

#include "core/picture/picture_internal.h"

namespace tavilo::core {
namespace {

constexpr std::string_view kFormat = "PNG";

class ImageGuard {
 public:
  explicit ImageGuard(png_image& image) : image_(image) {}
  ~ImageGuard() { png_image_free(&image_); }
  ImageGuard(const ImageGuard&) = delete;
  ImageGuard& operator=(const ImageGuard&) = delete;

 private:
  png_image& image_;
};

}  // namespace

Picture decodePng(std::string_view bytes) {
  if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
    picture_detail::throwNotFormat(kFormat, bytes);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ImageGuard guard(image);
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
    picture_detail::throwDamaged(kFormat);
  checkPictureSize(image.width, image.height);
  image.format = PNG_FORMAT_RGBA;
  Picture p = picture_detail::blankPicture(image.width, image.height);
  if (!png_image_finish_read(&image, nullptr, p.rgba.data(), 0, nullptr))
    picture_detail::throwDamaged(kFormat);
  p.hasAlpha = anyTransparent(p.rgba);
  return p;
}

}  // namespace tavilo::core
