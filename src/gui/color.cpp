#include "gui/color.h"

#include <FL/Fl.H>

namespace tavilo::gui {

Fl_Color toFl(TColor c) {
  return fl_rgb_color(static_cast<uchar>(redOf(c)), static_cast<uchar>(greenOf(c)),
                      static_cast<uchar>(blueOf(c)));
}

TColor fromFl(Fl_Color c) {
  uchar r, g, b;
  Fl::get_color(c, r, g, b);
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

}  // namespace tavilo::gui
