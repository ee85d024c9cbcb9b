// TImage: the picture control (the main window's screenshot and logo, the image window's
// picture). It owns its picture and draws nothing behind it: without a picture (or where
// the picture does not reach, or is transparent) what lies below shows.
//
// Stretch: the picture is drawn scaled to the control's size (the scaled copy is kept
// until the size or a setting changes); otherwise at its own size, at the top-left corner
// or, with Center, centred (a larger picture shows its middle), clipped to the control;
// a picture decoded smaller than it is then shows at its decoded size. The
// scaled copy is refused beyond core::kMaxPictureBytes: nothing is drawn then.
// Transparent on: a picture with alpha is blended over what lies below; a Windows bitmap
// (LoadFromFile of a .bmp, or Picture(..., true)) takes the colour of its bottom-left
// pixel as transparent, as Delphi's bitmaps do. Transparent off: the picture is opaque,
// its alpha flattened over the control's color(). A click with the left button fires
// OnClick, once one is set.
#ifndef TAVILO_GUI_WIDGETS_IMAGE_H
#define TAVILO_GUI_WIDGETS_IMAGE_H

#include "gui/widgets/handler.h"
#include "gui/widgets/mouse_events.h"

#include <FL/Fl_Widget.H>

#include <memory>
#include <string>

class Fl_RGB_Image;

namespace tavilo::gui {

class TImage : public Fl_Widget {
 public:
  TImage(int x, int y, int w, int h, const char* label = nullptr);
  ~TImage() override;

  // The picture as given, or nullptr.
  Fl_RGB_Image* Picture() const { return picture_.get(); }
  // Takes the picture; nullptr empties the control. `bitmapKey`: see Transparent.
  void Picture(std::unique_ptr<Fl_RGB_Image> image, bool bitmapKey = false);
  // Takes a copy of a picture that stays the caller's (such as keinBildBack()).
  void AssignPicture(const Fl_RGB_Image& image);
  // Loads a picture file, the decoder chosen by its extension. On failure throws
  // core::Error and keeps the picture it had.
  void LoadFromFile(const std::string& path);
  bool Empty() const { return !picture_; }
  // The picture's own size (also of a picture decoded smaller, see
  // core::Picture::fullWidth); 0 without a picture.
  int PictureWidth() const;
  int PictureHeight() const;

  bool Stretch() const { return stretch_; }
  void Stretch(bool on);
  bool Center() const { return center_; }
  void Center(bool on);
  bool Transparent() const { return transparent_; }
  void Transparent(bool on);

  void OnMouse(MouseHandler h) { mouse_.handler(std::move(h)); }
  void OnClick(Handler h) { onClick_ = std::move(h); }
  Fl_Cursor Cursor() const { return mouse_.cursor(); }
  void Cursor(Fl_Cursor c) { mouse_.cursor(c); }

  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

 protected:
  void draw() override;

 private:
  // The picture ready to draw at width x height with the current settings; nullptr
  // when it cannot be made.
  Fl_RGB_Image* drawable(int width, int height);
  void changed();

  std::unique_ptr<Fl_RGB_Image> picture_;
  bool bitmapKey_ = false;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
  MouseEvents mouse_;
  Handler onClick_;
  struct Drawn {
    int width = 0, height = 0;
    bool transparent = false, active = true;
    Fl_Color background = 0;
    std::unique_ptr<Fl_RGB_Image> image;
  } drawn_;
};

}  // namespace tavilo::gui

#endif
