#include "gui/glyphs.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/files/file_name.h"
#include "core/text.h"
#include "gui/glyphs/pixel_runs.h"
#include "gui/glyphs/pixels.h"
#include "gui/native_window.h"

namespace tavilo::gui::glyphs {

namespace {

// The pictures in the order of Glyph, then the maker's logo.
const GlyphPixels* pixelsOf(int i) { return i >= 0 && i < kGlyphPixelsCount ? &kGlyphPixels[i] : nullptr; }
constexpr int kMakerLogo = kGlyphCount;

// Whether a screen shows the program scaled up (a HiDPI screen, or a scale
// the person set): then the pictures are taken at twice their size, drawn
// in their own size in the program's units.
// Pictures made before the display is open (by tools and tests) stay at
// their size: asking the scale would open it.
bool scaledUp() {
  if (!nativeDisplay()) return false;
  for (int s = 0; s < Fl::screen_count(); ++s)
    if (Fl::screen_scale(s) > 1.0f) return true;
  return false;
}

Fl_RGB_Image* make(const GlyphPixels& p) {
  static const bool fine = scaledUp();
  const int factor = fine ? 2 : 1;
  const int w = factor * p.width, h = factor * p.height;
  const PackedPixels& packed = fine ? p.rgba2x : p.rgba;
  const std::size_t size = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4;
  auto* pixels = new std::uint8_t[size]();
  // The build packed them; a mismatch would leave the picture transparent.
  unpackPixels(packed.bytes, packed.size, pixels, size);
  auto* image = new Fl_RGB_Image(pixels, w, h, 4);
  image->alloc_array = 1;  // FLTK frees the pixels with the image
  if (fine) image->scale(p.width, p.height, 0, 1);
  return image;
}

bool hasExtension(std::string_view ext, std::initializer_list<std::string_view> list) {
  return std::find(list.begin(), list.end(), ext) != list.end();
}

}  // namespace

Fl_RGB_Image* image(Glyph glyph) {
  static std::array<Fl_RGB_Image*, kGlyphCount> made{};
  const int i = static_cast<int>(glyph);
  if (i < 0 || i >= kGlyphCount) return nullptr;
  Fl_RGB_Image*& slot = made[static_cast<std::size_t>(i)];
  if (!slot) slot = make(*pixelsOf(i));
  return slot;
}

Fl_Image* greyedCopy(const Fl_Image* picture) {
  Fl_Image* copy = picture->copy(picture->data_w(), picture->data_h());
  copy->scale(picture->w(), picture->h(), 0, 1);
  copy->inactive();
  return copy;
}

Fl_RGB_Image* makerLogo() {
  static Fl_RGB_Image* logo = make(*pixelsOf(kMakerLogo));
  return logo;
}

int sizeOf(Glyph glyph) {
  const GlyphPixels* p = pixelsOf(static_cast<int>(glyph));
  return p && static_cast<int>(glyph) < kGlyphCount ? p->width : 0;
}

const char* nameOf(Glyph glyph) {
  const GlyphPixels* p = pixelsOf(static_cast<int>(glyph));
  return p && static_cast<int>(glyph) < kGlyphCount ? p->name : "";
}

Fl_RGB_Image* menuImage(int index) {
  switch (index) {
    case 4:
      return image(Glyph::MenuCopy);
    case 6:
      return image(Glyph::MenuDoor);
    case 37:
      return image(Glyph::MenuBrowseCd);
    case 39:
      return image(Glyph::MenuStart);
    case 40:
      return image(Glyph::MenuInstall);
    default:
      return nullptr;
  }
}

FileKind fileKindOf(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of("/\\");
  const std::string_view base =
      slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const std::string_view dotted = core::fileExtension(base);
  if (dotted.size() < 2 || dotted.size() == base.size()) return FileKind::Document;
  const std::string ext = core::lowerAscii(dotted.substr(1));
  if (hasExtension(ext, {"exe", "com", "bat", "cmd", "msi", "sh", "run", "bin", "appimage", "py",
                         "pl", "desktop"})) {
    return FileKind::Program;
  }
  if (hasExtension(ext, {"jpg", "jpeg", "jpe", "bmp", "gif", "png", "ico", "tif", "tiff", "pcx",
                         "xpm", "svg", "webp"})) {
    return FileKind::Picture;
  }
  if (hasExtension(ext, {"txt", "ini", "inf", "log", "nfo", "diz", "md", "csv", "me", "1st"})) {
    return FileKind::Text;
  }
  return FileKind::Document;
}

Fl_RGB_Image* fileImage(FileKind kind) {
  switch (kind) {
    case FileKind::Program:
      return image(Glyph::FileProgram);
    case FileKind::Picture:
      return image(Glyph::FilePicture);
    case FileKind::Text:
      return image(Glyph::FileText);
    case FileKind::Document:
      break;
  }
  return image(Glyph::FileDocument);
}

}  // namespace tavilo::gui::glyphs
