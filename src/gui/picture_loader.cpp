#include "gui/picture_loader.h"

#include <FL/Fl_Image.H>

#include <cstring>
#include <vector>

namespace tavilo::gui {

namespace {

// An image that draws from a decoded picture's own pixel buffer.
class PictureImage : public Fl_RGB_Image {
 public:
  PictureImage(std::vector<std::uint8_t>&& pixels, int width, int height, int depth, int fullWidth, int fullHeight)
      : Fl_RGB_Image(pixels.data(), width, height, depth),
        pixels_(std::move(pixels)),  // a moved vector keeps its buffer
        fullWidth_(fullWidth),
        fullHeight_(fullHeight) {}

  int fullWidth() const { return fullWidth_; }
  int fullHeight() const { return fullHeight_; }

 private:
  std::vector<std::uint8_t> pixels_;
  int fullWidth_, fullHeight_;
};

}  // namespace

std::unique_ptr<Fl_RGB_Image> toFlImage(core::Picture&& picture) {
  if (picture.width <= 0 || picture.height <= 0) return nullptr;
  const int depth = picture.hasAlpha ? 4 : 3;
  const std::size_t count = static_cast<std::size_t>(picture.width) * picture.height;
  std::vector<std::uint8_t> pixels = std::move(picture.rgba);
  if (depth == 3) {
    // Each pixel moves to a place at or before its own: in place, front to back.
    std::uint8_t* p = pixels.data();
    for (std::size_t i = 1; i < count; ++i) std::memmove(p + i * 3, p + i * 4, 3);
    pixels.resize(count * 3);  // keeps the buffer
  }
  const int fullWidth = picture.fullWidth > 0 ? picture.fullWidth : picture.width;
  const int fullHeight = picture.fullHeight > 0 ? picture.fullHeight : picture.height;
  return std::make_unique<PictureImage>(std::move(pixels), picture.width, picture.height, depth, fullWidth,
                                        fullHeight);
}

std::unique_ptr<Fl_RGB_Image> toFlImage(const core::Picture& picture) { return toFlImage(core::Picture(picture)); }

core::PixelView pixelsOf(const Fl_RGB_Image& image) {
  core::PixelView v;
  const int d = image.d();
  if (image.w() <= 0 || image.h() <= 0 || d < 1 || d > 4 || !image.data() || !image.data()[0]) return v;
  v.data = reinterpret_cast<const std::uint8_t*>(image.data()[0]);
  v.width = image.w();
  v.height = image.h();
  v.depth = d;
  v.stride = image.ld() ? static_cast<std::size_t>(image.ld()) : 0;
  return v;
}

core::Picture fromFlImage(const Fl_RGB_Image& image) {
  const core::PixelView v = pixelsOf(image);
  core::Picture p;
  if (!v.data) return p;
  p.width = v.width;
  p.height = v.height;
  p.rgba.resize(static_cast<std::size_t>(p.width) * p.height * 4);
  for (int y = 0; y < p.height; ++y) {
    const std::uint8_t* s = v.data + static_cast<std::size_t>(y) * v.rowBytes();
    std::uint8_t* o = p.rgba.data() + static_cast<std::size_t>(y) * p.width * 4;
    for (int x = 0; x < p.width; ++x, s += v.depth, o += 4) {
      if (v.depth <= 2) {
        o[0] = o[1] = o[2] = s[0];
        o[3] = v.depth == 2 ? s[1] : 255;
      } else {
        o[0] = s[0], o[1] = s[1], o[2] = s[2];
        o[3] = v.depth == 4 ? s[3] : 255;
      }
    }
  }
  p.hasAlpha = core::anyTransparent(p.rgba);
  return p;
}

int fullWidthOf(const Fl_RGB_Image& image) {
  const auto* p = dynamic_cast<const PictureImage*>(&image);
  return p ? p->fullWidth() : image.w();
}

int fullHeightOf(const Fl_RGB_Image& image) {
  const auto* p = dynamic_cast<const PictureImage*>(&image);
  return p ? p->fullHeight() : image.h();
}

std::unique_ptr<Fl_RGB_Image> loadPicture(const std::string& path) {
  return toFlImage(core::decodePictureFile(path));
}

std::unique_ptr<Fl_RGB_Image> loadGifPicture(const std::string& path) {
  return toFlImage(core::decodePictureFile(path, core::PictureFormat::Gif));
}

}  // namespace tavilo::gui
