// keinBildBack: the built-in picture that the main window shows, stretched to its
// picture panel, when an entry has no picture. Drawn with FLTK (so a display must be
// open) at first use; the image lives as long as the process. GUI thread only, and
// first called outside draw(): making it switches the drawing surface for a moment.
#ifndef TAVILO_GUI_NO_PICTURE_H
#define TAVILO_GUI_NO_PICTURE_H

class Fl_RGB_Image;

namespace tavilo::gui {

inline constexpr int kNoPictureWidth = 230;
inline constexpr int kNoPictureHeight = 150;
inline constexpr const char* kNoPictureCaption = "Kein Bild vorhanden";

// 230 x 150, depth 3: a calm blue-grey background, a faint picture frame and the caption.
Fl_RGB_Image* keinBildBack();

}  // namespace tavilo::gui

#endif
