// Shows every built-in picture on one window, at its own size and enlarged three times,
// on the face colour it is meant for, so that the drawings can be checked by eye.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>

#include <memory>
#include <vector>

#include "gui/glyphs.h"

namespace {

namespace glyphs = tavilo::gui::glyphs;

constexpr int kColumns = 6;
constexpr int kCellW = 150;
constexpr int kCellH = 140;
constexpr int kScale = 3;

Fl_Color faceFor(glyphs::Glyph g) {
  switch (g) {
    case glyphs::Glyph::TitleClose:
    case glyphs::Glyph::TitleMinimise:
      return fl_rgb_color(220, 0, 0);
    case glyphs::Glyph::Information:
    case glyphs::Glyph::Error:
    case glyphs::Glyph::Warning:
    case glyphs::Glyph::Confirmation:
      return fl_rgb_color(255, 176, 138);
    default:
      return FL_BACKGROUND_COLOR;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rows = (glyphs::kGlyphCount + kColumns - 1) / kColumns;
  Fl_Double_Window win(kColumns * kCellW, rows * kCellH, "Tavilo glyphs");
  std::vector<std::unique_ptr<Fl_Image>> enlarged;
  for (int i = 0; i < glyphs::kGlyphCount; ++i) {
    const auto g = static_cast<glyphs::Glyph>(i);
    Fl_RGB_Image* img = glyphs::image(g);
    const int x = (i % kColumns) * kCellW, y = (i / kColumns) * kCellH;
    const int s = glyphs::sizeOf(g);
    auto* cell = new Fl_Box(FL_FLAT_BOX, x + 2, y + 2, kCellW - 4, kCellH - 4, nullptr);
    cell->color(faceFor(g));
    auto* small = new Fl_Box(FL_NO_BOX, x + 6, y + 6, s, s, nullptr);
    small->image(img);
    enlarged.emplace_back(img->copy(s * kScale, s * kScale));
    auto* big = new Fl_Box(FL_NO_BOX, x + 44, y + 6, s * kScale, s * kScale, nullptr);
    big->image(enlarged.back().get());
    auto* name = new Fl_Box(FL_NO_BOX, x + 4, y + kCellH - 24, kCellW - 8, 18, glyphs::nameOf(g));
    name->labelsize(11);
  }
  win.end();
  win.icon(glyphs::windowIcon());
  win.show(argc, argv);
  return Fl::run();
}
