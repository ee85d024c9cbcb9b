// Every picture the program carries with how it is painted, in the order of
// glyphs::Glyph and then the maker's logo. The build paints them once
// (tools/generators/make_glyph_pixels) and compiles the pixels into the
// program, so that no start of the program spends time painting.
#ifndef TAVILO_GUI_GLYPHS_CATALOGUE_H
#define TAVILO_GUI_GLYPHS_CATALOGUE_H

#include <span>

#include "gui/glyphs/raster.h"

namespace tavilo::gui::glyphs {

struct GlyphArt {
  const char* name;
  int width, height;
  void (*paint)(Canvas&);
};

std::span<const GlyphArt> glyphArt();

}  // namespace tavilo::gui::glyphs

#endif
