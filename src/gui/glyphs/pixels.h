// The pictures' pixels as the build painted them: straight RGBA bytes, row by
// row, packed as runs (pixel_runs.h), in the order of glyphs::Glyph and then
// the maker's logo; each once at its size and once at twice its size, for
// screens scaled up.
#ifndef TAVILO_GUI_GLYPHS_PIXELS_H
#define TAVILO_GUI_GLYPHS_PIXELS_H

namespace tavilo::gui::glyphs {

struct PackedPixels {
  const unsigned char* bytes;
  unsigned size;
};

struct GlyphPixels {
  const char* name;
  int width, height;
  PackedPixels rgba;    // width x height
  PackedPixels rgba2x;  // 2 width x 2 height
};

extern const GlyphPixels kGlyphPixels[];
extern const int kGlyphPixelsCount;

}  // namespace tavilo::gui::glyphs

#endif
