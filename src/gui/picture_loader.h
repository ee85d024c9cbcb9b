// Pictures from files as FLTK images. The decoders are core's; an image made
// from a decoded picture takes over its pixel memory, and images of one file
// share it, so that a picture is held once.
#ifndef TAVILO_GUI_PICTURE_LOADER_H
#define TAVILO_GUI_PICTURE_LOADER_H

#include <memory>
#include <string>

#include "core/picture/picture.h"

class Fl_RGB_Image;

namespace tavilo::gui {

// Depth 4 when the picture has alpha, else 3; nullptr for an empty picture.
// The picture's pixels become the image's (opaque ones packed to three bytes
// in place); the copying form leaves the picture as it is.
std::unique_ptr<Fl_RGB_Image> toFlImage(core::Picture&& picture);
std::unique_ptr<Fl_RGB_Image> toFlImage(const core::Picture& picture);
// Back to RGBA from an image of any depth (1 grey, 2 grey and alpha, 3, 4) and line length.
core::Picture fromFlImage(const Fl_RGB_Image& image);
// The image's pixels where they lie; data nullptr when it has none.
core::PixelView pixelsOf(const Fl_RGB_Image& image);
// The picture's own size: larger than the image's for a picture that was
// decoded smaller than it is (core::Picture::fullWidth).
int fullWidthOf(const Fl_RGB_Image& image);
int fullHeightOf(const Fl_RGB_Image& image);

// The decoder chosen by the file's extension; throws core::Error (see
// core::decodePictureFile) for an unknown extension or an unreadable file.
// An unchanged file that an image still shows is not decoded again: the new
// image shares that image's pixels.
// With `shown`, the size the picture is shown at (see core::ShownSize): it may
// be decoded smaller than it is, down to that size; an image of the file
// decoded at least that large is shared.
std::unique_ptr<Fl_RGB_Image> loadPicture(const std::string& path, const core::ShownSize& shown = nullptr);
// The same with the GIF decoder, whatever the extension says (LoadGifPicture).
std::unique_ptr<Fl_RGB_Image> loadGifPicture(const std::string& path);

}  // namespace tavilo::gui

#endif
