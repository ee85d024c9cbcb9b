// TStyledButton: the second button look of the message dialog (ButtonTyp btypLMD): a flat
// face shaded from white to light blue under a thin dark-blue line, warm while the pointer
// is over it, shaded the other way while pressed, and drawn with a broader blue line while
// it is the button that Enter presses. Caption in Arial bold, height 11.
#ifndef TAVILO_GUI_WIDGETS_STYLED_BUTTON_H
#define TAVILO_GUI_WIDGETS_STYLED_BUTTON_H

#include "gui/widgets/dialog_button.h"

namespace tavilo::gui {

class TStyledButton : public TDialogButton {
 public:
  TStyledButton(int x, int y, int w, int h, const char* label = nullptr);

  // The face's top and bottom colours at rest.
  TColor FaceStartColor() const { return faceStart_; }
  void FaceStartColor(TColor c);
  TColor FaceEndColor() const { return faceEnd_; }
  void FaceEndColor(TColor c);
  bool Hot() const { return hot_; }

  int handle(int event) override;

 protected:
  void draw() override;

 private:
  TColor faceStart_;
  TColor faceEnd_;
  bool hot_ = false;
};

}  // namespace tavilo::gui

#endif
