// Where the info window opens: centred over the main window, and pulled back
// inside the screen's right edge when it is activated.
#ifndef TAVILO_CORE_WINDOW_PLACEMENT_H
#define TAVILO_CORE_WINDOW_PLACEMENT_H

#include "core/layout/geometry.h"

namespace tavilo::core {

// The left and top of a window of width x height centred over `owner`; a
// place left of or above the screen's origin (screenLeft, screenTop) moves to
// it. The right and bottom edges are not corrected here.
Rect centredOver(const Rect& owner, int width, int height, int screenLeft, int screenTop);

// The left of a window whose right edge (left + width) lies beyond
// `screenRight`: moved so that its right edge lies 5 pixels inside; any
// other left stays.
int pulledBackLeft(int left, int width, int screenRight);

}  // namespace tavilo::core

#endif
