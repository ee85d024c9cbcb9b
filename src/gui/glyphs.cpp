#include "gui/glyphs.h"

#include <FL/Fl_Image.H>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "core/file_name.h"
#include "core/text.h"
#include "gui/glyphs/painters.h"

namespace tavilo::gui::glyphs {

namespace {

struct Entry {
  const char* name;
  int size;
  void (*paint)(Canvas&);
};

constexpr std::array<Entry, kGlyphCount> kEntries{{
    {"information", 32, paintInformation},
    {"error", 32, paintError},
    {"warning", 32, paintWarning},
    {"confirmation", 32, paintConfirmation},
    {"tick", 16, paintTick},
    {"prohibition", 16, paintProhibition},
    {"abort", 16, paintAbort},
    {"cross", 16, paintCross},
    {"ok", 16, paintOk},
    {"title_close", 18, paintTitleClose},
    {"title_minimise", 18, paintTitleMinimise},
    {"folder_closed", 16, paintFolderClosed},
    {"folder_open", 16, paintFolderOpen},
    {"folder_up", 16, paintFolderUp},
    {"folder_up_disabled", 16, paintFolderUpDisabled},
    {"new_folder", 16, paintNewFolder},
    {"delete", 16, paintDelete},
    {"file_document", 16, paintFileDocument},
    {"file_program", 16, paintFileProgram},
    {"file_picture", 16, paintFilePicture},
    {"file_text", 16, paintFileText},
    {"menu_copy", 16, paintMenuCopy},
    {"menu_door", 16, paintMenuDoor},
    {"menu_browse_cd", 16, paintMenuBrowseCd},
    {"menu_start", 16, paintMenuStart},
    {"menu_install", 16, paintMenuInstall},
    {"menu_copy_to", 20, paintMenuCopyTo},
    {"window_icon", 32, paintWindowIcon},
}};

const Entry* entryOf(Glyph glyph) {
  const int i = static_cast<int>(glyph);
  return i >= 0 && i < kGlyphCount ? &kEntries[static_cast<std::size_t>(i)] : nullptr;
}

Fl_RGB_Image* make(int width, int height, void (*paint)(Canvas&)) {
  Canvas canvas(width, height);
  paint(canvas);
  const std::vector<std::uint8_t> bytes = canvas.rgba();
  auto* pixels = new uchar[bytes.size()];
  std::memcpy(pixels, bytes.data(), bytes.size());
  auto* img = new Fl_RGB_Image(pixels, width, height, 4);
  img->alloc_array = 1;
  return img;
}

bool hasExtension(std::string_view ext, std::initializer_list<std::string_view> list) {
  return std::find(list.begin(), list.end(), ext) != list.end();
}

}  // namespace

Fl_RGB_Image* image(Glyph glyph) {
  static std::array<Fl_RGB_Image*, kGlyphCount> made{};
  const Entry* e = entryOf(glyph);
  if (!e) return nullptr;
  Fl_RGB_Image*& slot = made[static_cast<std::size_t>(glyph)];
  if (!slot) slot = make(e->size, e->size, e->paint);
  return slot;
}

Fl_RGB_Image* makerLogo() {
  static Fl_RGB_Image* logo = make(58, 33, paintMakerLogo);
  return logo;
}

int sizeOf(Glyph glyph) {
  const Entry* e = entryOf(glyph);
  return e ? e->size : 0;
}

const char* nameOf(Glyph glyph) {
  const Entry* e = entryOf(glyph);
  return e ? e->name : "";
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
