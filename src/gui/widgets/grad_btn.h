// TGradBtn: a push button whose face is a vertical gradient from StartColor at the top to
// EndColor at the bottom, shaded the other way while pressed, and filled with
// DisabledColor while disabled. It draws no focus rectangle; Enter and Space press it
// while it has the focus, as they press every dialog button. A press fires OnClick.
#ifndef TAVILO_GUI_WIDGETS_GRAD_BTN_H
#define TAVILO_GUI_WIDGETS_GRAD_BTN_H

#include "gui/widgets/dialog_button.h"
#include "gui/widgets/handler.h"

namespace tavilo::gui {

class TGradBtn : public TDialogButton {
 public:
  TGradBtn(int x, int y, int w, int h, const char* label = nullptr);

  TColor StartColor() const { return startColor_; }
  void StartColor(TColor c);
  TColor EndColor() const { return endColor_; }
  void EndColor(TColor c);
  TColor DisabledColor() const { return disabledColor_; }
  void DisabledColor(TColor c);

  Fl_Cursor Cursor() const { return cursor_; }
  void Cursor(Fl_Cursor c) { cursor_ = c; }

  void OnClick(Handler h) { onClick_ = std::move(h); }

  int handle(int event) override;

 protected:
  void draw() override;

 private:
  static void pressed(Fl_Widget* w, void* self);

  TColor startColor_ = 0x0000FF;
  TColor endColor_ = 0x400040;
  TColor disabledColor_ = 0x808080;
  Fl_Cursor cursor_ = FL_CURSOR_DEFAULT;
  Handler onClick_;
};

}  // namespace tavilo::gui

#endif
