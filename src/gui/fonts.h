// The program's fonts by face name. Windows name their faces ("Arial", "Times New Roman",
// or whatever the configuration says); fontconfig draws them with the installed face it
// names for them ("Liberation Serif" for "Times New Roman"), and a face for which it has
// only a generic fall-back is drawn as "Arial" (Liberation Sans, with Arial's metrics).
#ifndef TAVILO_GUI_FONTS_H
#define TAVILO_GUI_FONTS_H

#include "gui/color.h"

#include <FL/Enumerations.H>

#include <cstddef>
#include <string>
#include <string_view>

namespace tavilo::gui {

// Face names are cut to this many characters, as the desktop's font records hold them.
inline constexpr std::size_t kMaxFaceNameLength = 31;
inline constexpr const char* kFallbackFace = "Arial";

// The FLTK font for a face and weight. Registered with Fl::set_font on first use, at the
// next free index from FL_FREE_FONT up (this helper owns those indices); the same face and
// weight always give the same index. GUI thread only.
Fl_Font fontFor(std::string_view face, bool bold);

// The face name that fontFor hands to fontconfig: for the face, cut to kMaxFaceNameLength,
// the first installed family among it and the families that fontconfig's configuration
// substitutes for it before its generic ones; kFallbackFace itself, or when none is found.
std::string resolvedFace(std::string_view face);

// A control's font: face, character height in pixels, weight and colour.
struct FontSpec {
  std::string face = "MS Sans Serif";
  int size = 11;
  bool bold = false;
  TColor color = 0x000000;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Makes `f` the current drawing font (fl_font); the colour is left to the caller.
void applyFont(const FontSpec& f);

}  // namespace tavilo::gui

#endif
