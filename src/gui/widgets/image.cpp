#include "gui/widgets/image.h"

#include "core/error.h"
#include "gui/picture_loader.h"
#include "gui/widgets/redraw_behind.h"

#include <FL/Fl.H>
#include <FL/Fl_Image.H>
#include <FL/fl_draw.H>

#include <cstring>

namespace tavilo::gui {
namespace {

// The colour of the bottom-left pixel becomes transparent.
void keyBottomLeft(core::PixelView& v) {
  const std::uint8_t* key = v.data + static_cast<std::size_t>(v.height - 1) * v.rowBytes();
  v.keyed = true;
  for (int c = 0; c < 3; ++c) v.key[c] = key[v.depth <= 2 ? 0 : c];
}

void flattenOver(core::Picture& p, Fl_Color background) {
  uchar bg[3];
  Fl::get_color(background, bg[0], bg[1], bg[2]);
  for (std::size_t i = 0; i < p.rgba.size(); i += 4) {
    const unsigned a = p.rgba[i + 3];
    for (int c = 0; c < 3; ++c)
      p.rgba[i + c] = static_cast<std::uint8_t>((p.rgba[i + c] * a + bg[c] * (255 - a) + 127) / 255);
    p.rgba[i + 3] = 255;
  }
  p.hasAlpha = false;
}

bool hasAlphaChannel(const Fl_RGB_Image& image) { return image.d() == 2 || image.d() == 4; }

}  // namespace

TImage::TImage(int x, int y, int w, int h, const char* label) : Fl_Widget(x, y, w, h, label) {
  box(FL_NO_BOX);
  color(FL_BACKGROUND_COLOR);
}

TImage::~TImage() = default;

void TImage::Picture(std::unique_ptr<Fl_RGB_Image> image, bool bitmapKey) {
  // The same file loaded again shares its pixels: what was drawn still holds.
  const bool same = picture_ && image && picture_->data() && image->data() &&
                    picture_->data()[0] == image->data()[0] && picture_->w() == image->w() &&
                    picture_->h() == image->h() && picture_->d() == image->d() && picture_->ld() == image->ld() &&
                    bitmapKey_ == bitmapKey;
  picture_ = std::move(image);
  bitmapKey_ = picture_ && bitmapKey;
  if (!same) changed();
}

void TImage::AssignPicture(const Fl_RGB_Image& image) { Picture(toFlImage(fromFlImage(image))); }

void TImage::LoadFromFile(const std::string& path) {
  const std::string extension = core::pictureExtension(path);
  const bool bitmap = core::pictureFormatForExtension(extension) == core::PictureFormat::Bmp;
  Picture(loadPicture(path), bitmap);
}

int TImage::PictureWidth() const { return picture_ ? fullWidthOf(*picture_) : 0; }
int TImage::PictureHeight() const { return picture_ ? fullHeightOf(*picture_) : 0; }

void TImage::Stretch(bool on) {
  if (stretch_ == on) return;
  stretch_ = on;
  changed();
}

void TImage::Center(bool on) {
  if (center_ == on) return;
  center_ = on;
  changed();
}

void TImage::Transparent(bool on) {
  if (transparent_ == on) return;
  transparent_ = on;
  changed();
}

void TImage::changed() {
  drawn_.image.reset();
  redrawBehind(*this);
}

void TImage::resize(int x, int y, int w, int h) {
  const bool moved = x != this->x() || y != this->y() || w != this->w() || h != this->h();
  if (moved) redrawBehind(*this);  // the old place
  Fl_Widget::resize(x, y, w, h);
  if (moved) redrawBehind(*this);
}

int TImage::handle(int event) {
  const bool clickable = static_cast<bool>(onClick_);
  const bool left = Fl::event_button() == FL_LEFT_MOUSE;
  int taken = mouse_.handle(*this, event);
  if (event == FL_PUSH && left && clickable) taken = 1;
  if (event == FL_RELEASE && left && clickable && Fl::event_inside(this)) {
    fire(onClick_);
    taken = 1;
  }
  return taken;
}

Fl_RGB_Image* TImage::drawable(int width, int height) {
  const bool active = active_r() != 0;
  const bool key = transparent_ && bitmapKey_;
  const bool flatten = !transparent_ && hasAlphaChannel(*picture_);
  if (width == picture_->w() && height == picture_->h() && active && !key && !flatten)
    return picture_.get();
  if (drawn_.image && drawn_.width == width && drawn_.height == height &&
      drawn_.transparent == transparent_ && drawn_.active == active && drawn_.background == color())
    return drawn_.image.get();
  drawn_.image.reset();
  try {
    // Made from the picture's own pixels: the picture is never copied whole.
    core::PixelView pixels = pixelsOf(*picture_);
    if (!pixels.data) return nullptr;
    if (key) keyBottomLeft(pixels);
    core::Picture p = core::resizePicture(pixels, width, height);
    // Flattening after the alpha-weighted scaling gives what flattening before it would.
    if (flatten) flattenOver(p, color());
    drawn_.image = toFlImage(std::move(p));
  } catch (const core::Error&) {  // a size beyond the picture bounds: nothing to draw
    return nullptr;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (!drawn_.image) return nullptr;
  if (!active) drawn_.image->inactive();
  drawn_.width = width;
  drawn_.height = height;
  drawn_.transparent = transparent_;
  drawn_.active = active;
  drawn_.background = color();
  return drawn_.image.get();
}

void TImage::draw() {
  draw_box();
  const int ix = x() + Fl::box_dx(box()), iy = y() + Fl::box_dy(box());
  const int iw = w() - Fl::box_dw(box()), ih = h() - Fl::box_dh(box());
  if (picture_ && iw > 0 && ih > 0) {
    const int width = stretch_ ? iw : picture_->w();
    const int height = stretch_ ? ih : picture_->h();
    int left = ix, top = iy;
    if (!stretch_ && center_) {
      left += (iw - width) / 2;
      top += (ih - height) / 2;
    }
    if (Fl_RGB_Image* image = drawable(width, height)) {
      fl_push_clip(ix, iy, iw, ih);
      image->draw(left, top);
      fl_pop_clip();
    }
  }
  draw_label();
}

}  // namespace tavilo::gui
