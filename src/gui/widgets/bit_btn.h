// TBitBtn: the classic bitmap button of the dialogs: a raised grey face with a glyph and a
// caption, sunken while pressed, with a dark frame while it is the button that Enter
// presses and a dotted line around its content while it has the focus.
#ifndef TAVILO_GUI_WIDGETS_BIT_BTN_H
#define TAVILO_GUI_WIDGETS_BIT_BTN_H

#include "gui/widgets/dialog_button.h"

namespace tavilo::gui {

class TBitBtn : public TDialogButton {
 public:
  TBitBtn(int x, int y, int w, int h, const char* label = nullptr);

  // The face colour.
  TColor Color() const { return fromFl(color()); }
  void Color(TColor c);

 protected:
  void draw() override;

 private:
};

}  // namespace tavilo::gui

#endif
