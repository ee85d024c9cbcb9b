// Fitting a picture into the panel that holds its control: the largest size
// with the picture's proportions that fits, centred across the free
// direction; a picture that fits gets its own size, centred, so that it is
// never scaled up or out of proportion (the control's previous size plays no
// part, except without a picture, where the control is only centred).
#ifndef TAVILO_CORE_PICTURE_FIT_H
#define TAVILO_CORE_PICTURE_FIT_H

#include "core/layout/geometry.h"

namespace tavilo::core {

// `control` is the control's current place within the panel; pw, ph the
// picture's own size; mx, my the margins.
Rect fitPicture(int panelWidth, int panelHeight, int mx, int my, const Rect& control, int pw, int ph);

}  // namespace tavilo::core

#endif
