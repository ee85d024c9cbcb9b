#include "gui/picture_loader.h"

#include <FL/Fl_Image.H>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace tavilo::gui {

namespace {

// Decoded pixels as an image draws them: 3 bytes a pixel, or 4 with alpha.
struct Pixels {
  std::vector<std::uint8_t> bytes;
  int width = 0, height = 0, depth = 3;
  int fullWidth = 0, fullHeight = 0;
};

// An image that draws from decoded pixels it shares with other images of the same file.
class PictureImage : public Fl_RGB_Image {
 public:
  explicit PictureImage(std::shared_ptr<const Pixels> p)
      : Fl_RGB_Image(p->bytes.data(), p->width, p->height, p->depth), pixels_(std::move(p)) {}

  int fullWidth() const { return pixels_->fullWidth; }
  int fullHeight() const { return pixels_->fullHeight; }

 private:
  std::shared_ptr<const Pixels> pixels_;
};

std::shared_ptr<const Pixels> pixelsFrom(core::Picture&& picture) {
  auto p = std::make_shared<Pixels>();
  p->width = picture.width;
  p->height = picture.height;
  p->depth = picture.hasAlpha ? 4 : 3;
  p->fullWidth = picture.fullWidth > 0 ? picture.fullWidth : picture.width;
  p->fullHeight = picture.fullHeight > 0 ? picture.fullHeight : picture.height;
  p->bytes = std::move(picture.rgba);
  if (p->depth == 3) {
    // Each pixel moves to a place at or before its own: in place, front to
    // back, four bytes at a time. The fourth byte written lands where the next
    // pixel goes, at or before any byte still to be read.
    const std::size_t count = static_cast<std::size_t>(p->width) * p->height;
    std::uint8_t* b = p->bytes.data();
    for (std::size_t i = 1; i < count; ++i) {
      std::uint32_t pixel;
      std::memcpy(&pixel, b + i * 4, 4);
      std::memcpy(b + i * 3, &pixel, 4);
    }
    p->bytes.resize(count * 3);  // keeps the buffer
  }
  return p;
}

// Pictures that some image still shows, by file: loading the same unchanged
// file again shares their pixels instead of decoding it anew. The start-up
// and every activation load the entry's picture twice, and the image window
// loads the one the main window shows.
struct Shown {
  std::string path;
  std::optional<core::PictureFormat> format;  // forced; by the extension when empty
  platform::FileStatus status;
  std::weak_ptr<const Pixels> pixels;
};

// Whether pixels decoded from a picture serve where it is shown at `size`
// (see core::ShownSize; no size: its own).
bool largeEnough(const Pixels& p, const core::ShownSize& size) {
  if (p.width == p.fullWidth && p.height == p.fullHeight) return true;
  if (!size) return false;
  const auto [width, height] = size(p.fullWidth, p.fullHeight);
  return p.width >= width && p.height >= height;
}

std::unique_ptr<Fl_RGB_Image> load(const std::string& path, std::optional<core::PictureFormat> format,
                                   const core::ShownSize& size) {
  static std::vector<Shown> shown;
  std::erase_if(shown, [](const Shown& s) { return s.pixels.expired(); });
  const platform::FileStatus status = platform::fileStatus(path, true);
  for (const Shown& s : shown) {
    if (s.path != path || s.format != format || !status.valid || !status.isRegular) continue;
    if (s.status.identity != status.identity || s.status.size != status.size || s.status.modified != status.modified)
      continue;
    if (std::shared_ptr<const Pixels> pixels = s.pixels.lock(); pixels && largeEnough(*pixels, size))
      return std::make_unique<PictureImage>(pixels);
  }
  core::Picture picture = format ? core::decodePictureFile(path, *format, size) : core::decodePictureFile(path, size);
  if (picture.width <= 0 || picture.height <= 0) return nullptr;
  std::shared_ptr<const Pixels> pixels = pixelsFrom(std::move(picture));
  shown.push_back({path, format, status, pixels});
  return std::make_unique<PictureImage>(std::move(pixels));
}

}  // namespace

std::unique_ptr<Fl_RGB_Image> toFlImage(core::Picture&& picture) {
  if (picture.width <= 0 || picture.height <= 0) return nullptr;
  return std::make_unique<PictureImage>(pixelsFrom(std::move(picture)));
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
  for (int y = 0; y < p.height; ++y) core::rgbaRow(v, y, p.rgba.data() + static_cast<std::size_t>(y) * p.width * 4);
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

std::unique_ptr<Fl_RGB_Image> loadPicture(const std::string& path, const core::ShownSize& shown) {
  return load(path, std::nullopt, shown);
}

std::unique_ptr<Fl_RGB_Image> loadGifPicture(const std::string& path) {
  return load(path, core::PictureFormat::Gif, nullptr);
}

}  // namespace tavilo::gui
