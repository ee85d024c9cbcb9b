// TDialogButton: what the push buttons of the dialogs share, whatever they look like: a
// caption whose "&x" makes x (alone or with Alt) press the button, a glyph left of it, the
// modal result it stands for, and the keyboard: Enter or Space press the focused button,
// Enter presses the Default button while no dialog button has the focus. The two looks
// are TBitBtn and TStyledButton.
#ifndef TAVILO_GUI_WIDGETS_DIALOG_BUTTON_H
#define TAVILO_GUI_WIDGETS_DIALOG_BUTTON_H

#include "gui/color.h"
#include "gui/fonts.h"

#include <FL/Fl_Button.H>

#include <memory>
#include <string>

class Fl_Image;

namespace tavilo::gui {

class TDialogButton : public Fl_Button {
 public:
  TDialogButton(int x, int y, int w, int h, const char* label = nullptr);
  ~TDialogButton() override;

  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);
  // A picture left of the caption, the two centred together; not owned.
  Fl_Image* Glyph() const { return glyph_; }
  void Glyph(Fl_Image* image);
  // The window's answer when this button is pressed (0: none).
  int ModalResult() const { return modalResult_; }
  void ModalResult(int result) { modalResult_ = result; }
  bool Default() const { return default_; }
  void Default(bool on);

  // Drawn as pressed (mouse held on it, or a key press shown briefly).
  bool Down() const { return value() != 0; }
  bool Focused() const;
  // Focused, or the Default button while no dialog button of its window has the focus:
  // the button that Enter presses.
  bool Emphasised() const;

  int handle(int event) override;

 protected:
  // The glyph and caption centred in the rectangle, moved by (dx, dy).
  void drawContent(int x, int y, int w, int h, int dx, int dy);
  // The dotted line around the content of the focused button.
  void drawFocusRect(int x, int y, int w, int h);

 private:
  void press();

  std::string caption_;
  FontSpec font_;
  Fl_Image* glyph_ = nullptr;
  std::unique_ptr<Fl_Image> inactiveGlyph_;
  int modalResult_ = 0;
  bool default_ = false;
};

}  // namespace tavilo::gui

#endif
