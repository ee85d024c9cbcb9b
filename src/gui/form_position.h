// Where a window opens: the placements of a form's Position property.
#ifndef TAVILO_GUI_FORM_POSITION_H
#define TAVILO_GUI_FORM_POSITION_H

class Fl_Window;

namespace tavilo::gui {

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter,
};

// Places the not yet shown `window` of its present size. poDesigned and poDefaultSizeOnly
// put it at (designLeft, designTop); poDefault and poDefaultPosOnly leave the place to the
// window manager; the centre placements centre it on the screen, over the application's
// main window, or over `owner` (each falling back to the next when not shown), kept on
// the screen.
void placeForm(Fl_Window& window, TPosition position, Fl_Window* owner, int designLeft, int designTop);

}  // namespace tavilo::gui

#endif
