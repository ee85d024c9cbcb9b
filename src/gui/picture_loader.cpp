#include "gui/picture_loader.h"

#include <FL/Fl_Image.H>

#include <cstring>

namespace tavilo::gui {

std::unique_ptr<Fl_RGB_Image> toFlImage(const core::Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0) return nullptr;
  const int depth = picture.hasAlpha ? 4 : 3;
  const std::size_t count = static_cast<std::size_t>(picture.width) * picture.height;
  auto* bits = new uchar[count * depth];
  if (depth == 4) {
    std::memcpy(bits, picture.rgba.data(), count * 4);
  } else {
    for (std::size_t i = 0; i < count; ++i) std::memcpy(bits + i * 3, picture.rgba.data() + i * 4, 3);
  }
  auto image = std::make_unique<Fl_RGB_Image>(bits, picture.width, picture.height, depth);
  image->alloc_array = 1;  // the image frees `bits`
  return image;
}

core::Picture fromFlImage(const Fl_RGB_Image& image) {
  core::Picture p;
  const int d = image.d();
  if (image.w() <= 0 || image.h() <= 0 || d < 1 || d > 4 || !image.data() || !image.data()[0]) return p;
  p.width = image.w();
  p.height = image.h();
  p.rgba.resize(static_cast<std::size_t>(p.width) * p.height * 4);
  const auto* base = reinterpret_cast<const uchar*>(image.data()[0]);
  const int line = image.ld() ? image.ld() : p.width * d;
  for (int y = 0; y < p.height; ++y) {
    const uchar* s = base + static_cast<std::ptrdiff_t>(y) * line;
    std::uint8_t* o = p.rgba.data() + static_cast<std::size_t>(y) * p.width * 4;
    for (int x = 0; x < p.width; ++x, s += d, o += 4) {
      if (d <= 2) {
        o[0] = o[1] = o[2] = s[0];
        o[3] = d == 2 ? s[1] : 255;
      } else {
        o[0] = s[0], o[1] = s[1], o[2] = s[2];
        o[3] = d == 4 ? s[3] : 255;
      }
    }
  }
  p.hasAlpha = core::anyTransparent(p.rgba);
  return p;
}

std::unique_ptr<Fl_RGB_Image> loadPicture(const std::string& path) {
  return toFlImage(core::decodePictureFile(path));
}

std::unique_ptr<Fl_RGB_Image> loadGifPicture(const std::string& path) {
  return toFlImage(core::decodePictureFile(path, core::PictureFormat::Gif));
}

}  // namespace tavilo::gui
