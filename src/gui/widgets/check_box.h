// TCheckBox: a square check box without a caption of its own (a label beside it
// names it). A click or Space toggles it; OnClick runs after every change of
// Checked, also when code sets it, as the classic check box's click event does.
#ifndef TAVILO_GUI_WIDGETS_CHECK_BOX_H
#define TAVILO_GUI_WIDGETS_CHECK_BOX_H

#include <FL/Fl_Widget.H>

#include "gui/widgets/handler.h"

namespace tavilo::gui {

class TCheckBox : public Fl_Widget {
 public:
  static constexpr int kBoxSize = 13;

  TCheckBox(int x, int y, int w, int h, const char* label = nullptr);

  bool Checked() const { return checked_; }
  // Runs OnClick when the state changes.
  void Checked(bool on);
  void Toggle() { Checked(!checked_); }

  Fl_Cursor Cursor() const { return cursor_; }
  void Cursor(Fl_Cursor c) { cursor_ = c; }

  void OnClick(Handler h) { onClick_ = std::move(h); }

  int handle(int event) override;

 protected:
  void draw() override;

 private:
  bool checked_ = false;
  bool pressed_ = false;
  Fl_Cursor cursor_ = FL_CURSOR_DEFAULT;
  Handler onClick_;
};

}  // namespace tavilo::gui

#endif
