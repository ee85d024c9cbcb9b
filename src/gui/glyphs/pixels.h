// The pictures' pixels as the build painted them: straight RGBA bytes, row by
// row, in the order of glyphs::Glyph and then the maker's logo.
#ifndef TAVILO_GUI_GLYPHS_PIXELS_H
#define TAVILO_GUI_GLYPHS_PIXELS_H

namespace tavilo::gui::glyphs {

struct GlyphPixels {
  const char* name;
  int width, height;
  const unsigned char* rgba;
};

extern const GlyphPixels kGlyphPixels[];
extern const int kGlyphPixelsCount;

}  // namespace tavilo::gui::glyphs

#endif
