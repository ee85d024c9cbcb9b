// Loading a picture into its control, fitted into the panel that holds it.
#ifndef TAVILO_GUI_PICTURE_FIT_H
#define TAVILO_GUI_PICTURE_FIT_H

#include <string>

#include "gui/widgets/image.h"
#include "gui/widgets/panel.h"

namespace tavilo::gui {

// Loads `file` into `image` and fits it into `panel` (margins mx, my). A file
// that cannot be loaded raises core::Error after the control was centred.
void LoadPictureFitted(TImage& image, const std::string& file, Fl_Group& panel, int mx, int my);

}  // namespace tavilo::gui

#endif
