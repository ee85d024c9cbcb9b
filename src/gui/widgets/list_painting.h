// Pieces that the folder and file lists draw with.
#ifndef TAVILO_GUI_WIDGETS_LIST_PAINTING_H
#define TAVILO_GUI_WIDGETS_LIST_PAINTING_H

class Fl_Image;

namespace tavilo::gui {

// `glyph` itself while active, else a greyed copy that lives as long as the
// process (the glyphs do too).
Fl_Image* glyphFor(Fl_Image* glyph, bool active);

// The dotted rectangle around the focused line.
void drawFocusRect(int x, int y, int w, int h);

}  // namespace tavilo::gui

#endif
