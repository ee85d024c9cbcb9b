#include "gui/widgets/list_painting.h"

#include <FL/Fl_Image.H>
#include <FL/fl_draw.H>

#include <map>
#include <memory>

#include "gui/glyphs.h"

namespace tavilo::gui {

Fl_Image* glyphFor(Fl_Image* glyph, bool active) {
  if (active || !glyph) return glyph;
  static std::map<Fl_Image*, std::unique_ptr<Fl_Image>> greyed;
  auto& copy = greyed[glyph];
  if (!copy) copy.reset(glyphs::greyedCopy(glyph));
  return copy.get();
}

void drawFocusRect(int x, int y, int w, int h) {
  if (w < 2 || h < 2) return;
  fl_color(FL_BLACK);
  fl_line_style(FL_DOT);
  fl_rect(x, y, w, h);
  fl_line_style(0);
}

}  // namespace tavilo::gui
