// Gradients as the program's controls paint them, one colour strip per
// pixel of the screen: on a screen that shows the program at twice its size,
// twice as many, finer strips.
#ifndef TAVILO_GUI_WIDGETS_GRADIENT_FILL_H
#define TAVILO_GUI_WIDGETS_GRADIENT_FILL_H

#include "gui/color.h"

namespace tavilo::gui {

// Fills the rectangle with strips from `from` towards `to` (see
// core::gradientStrips): columns left to right when `across`, else rows top
// to bottom. Only what lies inside the current clip is drawn.
void fillGradient(int x, int y, int w, int h, TColor from, TColor to, bool across);

}  // namespace tavilo::gui

#endif
