#include "gui/picture_fit.h"

#include <FL/Fl_Image.H>

#include "core/layout/picture_fit.h"
#include "gui/picture_loader.h"

namespace tavilo::gui {

void LoadPictureFitted(TImage& image, const std::string& file, Fl_Group& panel, int mx, int my) {
  image.Transparent(false);
  const core::Rect current = placeOf(image);
  place(image, {(panel.w() - current.width) / 2, (panel.h() - current.height) / 2, current.width, current.height});
  // Decoded no larger than the control shows it, where the format allows.
  const core::Rect centred = placeOf(image);
  image.Picture(loadPicture(file, [&panel, mx, my, centred](int width, int height) {
    const core::Rect shown = core::fitPicture(panel.w(), panel.h(), mx, my, centred, width, height);
    return std::pair{shown.width, shown.height};
  }));
  image.Stretch(true);
  place(image, core::fitPicture(panel.w(), panel.h(), mx, my, placeOf(image), image.PictureWidth(),
                                image.PictureHeight()));
  panel.redraw();
}

}  // namespace tavilo::gui
