// Draws captions that come from the configuration file. Only the characters of the text
// are drawn: '@' never selects a symbol, and '&' means an accelerator only when asked.
// Every widget that shows configured text draws it through here.
#ifndef TAVILO_GUI_WIDGETS_CAPTION_PAINTER_H
#define TAVILO_GUI_WIDGETS_CAPTION_PAINTER_H

#include "core/layout/caption_layout.h"
#include "gui/color.h"
#include "gui/fonts.h"

#include <FL/Enumerations.H>

#include <string_view>
#include <vector>

namespace tavilo::gui {

// Horizontal alignment of a caption, by its established names.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

core::HAlign toHAlign(TAlignment a);

struct CaptionFormat {
  FontSpec font;
  TAlignment alignment = taLeftJustify;
  bool wordWrap = false;
  bool showAccelChar = false;  // '&' marks an underlined accelerator
  bool singleLine = false;     // line breaks drawn as blanks
};

// A caption laid out for a box of a given width in its format's font.
class CaptionBlock {
 public:
  // maxWidth bounds the lines only when the format wraps words.
  CaptionBlock(std::string_view caption, const CaptionFormat& format, int maxWidth);

  // The widest line and the height of all lines (the font's height each).
  core::CaptionExtent extent() const { return extent_; }

  // Draws the lines aligned inside the box [x, x + boxWidth) from top y down, in `color`.
  void draw(int x, int y, int boxWidth, TColor color) const;

 private:
  core::PreparedCaption prepared_;
  std::vector<core::CaptionLine> lines_;
  core::CaptionExtent extent_;
  Fl_Font font_;
  int size_;
  int lineHeight_;
  int ascent_;
  core::HAlign align_;
};

// Draws `block` embossed, as disabled text looks: a highlight copy one pixel right and
// down, then the text itself in the shadow colour.
void drawEmbossed(const CaptionBlock& block, int x, int y, int boxWidth);

}  // namespace tavilo::gui

#endif
