#include "gui/form_position.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "gui/application.h"

namespace tavilo::gui {

namespace {

void centreOver(Fl_Window& window, int x, int y, int w, int h) {
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, x + w / 2, y + h / 2);
  int left = x + (w - window.w()) / 2;
  int top = y + (h - window.h()) / 2;
  // Keep the window on the screen, its top-left corner first.
  left = std::max(sx, std::min(left, sx + sw - window.w()));
  top = std::max(sy, std::min(top, sy + sh - window.h()));
  window.position(left, top);
}

void centreOnScreen(Fl_Window& window) {
  int sx, sy, sw, sh;
  Fl::screen_xywh(sx, sy, sw, sh, 0);
  centreOver(window, sx, sy, sw, sh);
}

bool centreOverWindow(Fl_Window& window, Fl_Window* over) {
  if (!over || over == &window || !over->shown()) return false;
  centreOver(window, over->x(), over->y(), over->w(), over->h());
  return true;
}

}  // namespace

void placeForm(Fl_Window& window, TPosition position, Fl_Window* owner, int designLeft, int designTop) {
  switch (position) {
    case poDesigned:
    case poDefaultSizeOnly:
      window.position(designLeft, designTop);
      break;
    case poDefault:
    case poDefaultPosOnly:
      break;
    case poScreenCenter:
    case poDesktopCenter:
      centreOnScreen(window);
      break;
    case poOwnerFormCenter:
      if (centreOverWindow(window, owner)) break;
      [[fallthrough]];
    case poMainFormCenter:
      if (!centreOverWindow(window, Application::instance().MainForm())) centreOnScreen(window);
      break;
  }
}

}  // namespace tavilo::gui
