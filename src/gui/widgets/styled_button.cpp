#include "gui/widgets/styled_button.h"

#include "gui/widgets/gradient_fill.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace tavilo::gui {

namespace {

constexpr TColor kFaceStart = 0xFFFFFF;
constexpr TColor kFaceEnd = 0xEAD1B9;   // light blue
constexpr TColor kHotEnd = 0xA8E4FC;    // warm yellow
constexpr TColor kDownStart = 0xDAB99D;
constexpr TColor kLine = 0x825A3C;      // dark blue
constexpr TColor kEmphasis = 0xC8641E;  // blue

void shade(int x, int y, int w, int h, TColor top, TColor bottom) { fillGradient(x, y, w, h, top, bottom, false); }

}  // namespace

TStyledButton::TStyledButton(int x, int y, int w, int h, const char* label)
    : TDialogButton(x, y, w, h, label), faceStart_(kFaceStart), faceEnd_(kFaceEnd) {
  Font({"Arial", 11, true, 0x000000});
}

void TStyledButton::FaceStartColor(TColor c) {
  faceStart_ = c;
  redraw();
}

void TStyledButton::FaceEndColor(TColor c) {
  faceEnd_ = c;
  redraw();
}

int TStyledButton::handle(int event) {
  switch (event) {
    case FL_ENTER:
    case FL_LEAVE:
    case FL_HIDE:
    case FL_DEACTIVATE:
      hot_ = event == FL_ENTER;
      redraw();
      break;
    default:
      break;
  }
  return TDialogButton::handle(event);
}

void TStyledButton::draw() {
  if (w() <= 0 || h() <= 0) return;
  const int x = this->x(), y = this->y(), w = this->w(), h = this->h();
  fl_push_clip(x, y, w, h);
  const bool active = active_r() != 0;
  const bool down = Down() && active;
  if (!active)
    shade(x, y, w, h, 0xF0F0F0, 0xD8D8D8);
  else if (down)
    shade(x, y, w, h, kDownStart, faceStart_);
  else
    shade(x, y, w, h, faceStart_, hot_ ? kHotEnd : faceEnd_);
  const bool emphasised = active && Emphasised();
  fl_color(toFl(emphasised ? kEmphasis : active ? kLine : 0xA0A0A0));
  fl_rect(x, y, w, h);
  if (emphasised) fl_rect(x + 1, y + 1, w - 2, h - 2);
  const int shift = down ? 1 : 0;
  drawContent(x, y, w, h, shift, shift);
  if (Focused() && active) drawFocusRect(x + 3, y + 3, w - 6, h - 6);
  fl_pop_clip();
}

}  // namespace tavilo::gui
