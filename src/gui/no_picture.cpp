#include "gui/no_picture.h"

#include <FL/Fl.H>
#include <FL/Fl_Device.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Image_Surface.H>
#include <FL/fl_draw.H>

#include <memory>

#include "gui/native_window.h"

namespace tavilo::gui {
namespace {

constexpr int kW = kNoPictureWidth, kH = kNoPictureHeight;

void drawBackground() {
  for (int y = 0; y < kH; ++y) {
    const int t = y * 255 / (kH - 1);
    fl_color(static_cast<uchar>(236 - t * 26 / 255), static_cast<uchar>(241 - t * 22 / 255),
             static_cast<uchar>(247 - t * 17 / 255));
    fl_xyline(0, y, kW - 1);
  }
  fl_color(fl_rgb_color(150, 164, 184));
  fl_rect(0, 0, kW, kH);
}

// A picture frame with hills and a sun, in muted strokes.
void drawSymbol() {
  const int x = (kW - 64) / 2, y = 30, w = 64, h = 44;
  fl_color(fl_rgb_color(248, 250, 252));
  fl_rectf(x, y, w, h);
  fl_color(fl_rgb_color(196, 206, 220));
  fl_polygon(x + 2, y + h - 2, x + 22, y + 16, x + 42, y + h - 2);
  fl_polygon(x + 26, y + h - 2, x + 44, y + 24, x + w - 2, y + h - 2);
  fl_color(fl_rgb_color(214, 200, 170));
  fl_pie(x + 44, y + 7, 11, 11, 0, 360);
  fl_color(fl_rgb_color(140, 154, 176));
  fl_line_style(FL_SOLID, 2);
  fl_rect(x, y, w, h);
  fl_line_style(0);
}

void drawCaption() {
  fl_font(FL_HELVETICA_BOLD, 15);
  fl_color(fl_rgb_color(74, 90, 112));
  fl_draw(kNoPictureCaption, 0, 88, kW, 30, FL_ALIGN_CENTER);
}

std::unique_ptr<Fl_RGB_Image> makeNoPicture() {
  openDisplay();
  Fl_Image_Surface surface(kW, kH);
  surface.set_current();
  drawBackground();
  drawSymbol();
  drawCaption();
  std::unique_ptr<Fl_RGB_Image> image(surface.image());
  Fl_Display_Device::display_device()->set_current();
  return image;
}

}  // namespace

Fl_RGB_Image* keinBildBack() {
  // Never freed: its X resources must not be released after the display has gone.
  static Fl_RGB_Image* const image = makeNoPicture().release();
  return image;
}

}  // namespace tavilo::gui
