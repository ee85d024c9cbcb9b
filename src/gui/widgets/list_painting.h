// Pieces that the folder and file lists draw with.
#ifndef TAVILO_GUI_WIDGETS_LIST_PAINTING_H
#define TAVILO_GUI_WIDGETS_LIST_PAINTING_H

#include "gui/color.h"

class Fl_Image;

namespace tavilo::gui {

// The rows of the program's lists: a glyph, a gap, the text.
inline constexpr int kListLeftMargin = 2;
inline constexpr int kListGlyphSize = 16;
inline constexpr int kListTextGap = 4;
inline constexpr TColor kListHighlight = 0x800000;  // navy, the classic selection colour

// `glyph` itself while active, else a greyed copy that lives as long as the
// process (the glyphs do too).
Fl_Image* glyphFor(Fl_Image* glyph, bool active);

// The dotted rectangle around the focused line.
void drawFocusRect(int x, int y, int w, int h);

}  // namespace tavilo::gui

#endif
