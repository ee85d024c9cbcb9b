// The system colours that the widgets name (classic desktop values), as $BBGGRR.
#ifndef TAVILO_GUI_SYSTEM_COLORS_H
#define TAVILO_GUI_SYSTEM_COLORS_H

#include "gui/color.h"

namespace tavilo::gui {

inline constexpr TColor kBtnHighlight = 0xFFFFFF;  // the light edge of an embossed text
inline constexpr TColor kBtnShadow = 0x808080;     // the dark face of an embossed text
inline constexpr TColor kGrayText = 0x808080;      // text of a disabled control
inline constexpr TColor kBtnFace = 0xC0C0C0;
inline constexpr TColor kWindowText = 0x000000;

}  // namespace tavilo::gui

#endif
