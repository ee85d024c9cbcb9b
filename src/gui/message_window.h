// What the two message windows (TmsgForm and Tmymsg) share: a fixed-size modal window whose
// dialog buttons answer their ModalResult, whose close box answers 2 and on which Esc does
// nothing (no button answers to it); and the pieces they build their contents from.
#ifndef TAVILO_GUI_MESSAGE_WINDOW_H
#define TAVILO_GUI_MESSAGE_WINDOW_H

#include <FL/Fl_Double_Window.H>

#include <string>

#include "core/layout/caption_layout.h"
#include "core/message_kinds.h"
#include "gui/color.h"
#include "gui/fonts.h"

class Fl_Box;
class Fl_RGB_Image;

namespace tavilo::gui {

class TDialogButton;
class TTextLabel;

// The shared vocabulary of messages and modal results, as the windows name it.
using core::TMsgType;
using core::TMsgBtn;
using core::TModalResult;
using enum core::TMsgType;
using enum core::TMsgBtn;
using enum core::TModalResult;

class MessageWindow : public Fl_Double_Window {
 public:
  MessageWindow(int clientWidth, int clientHeight);

  int ModalResult() const { return result_; }
  void ModalResult(int result) { result_ = result; }
  // Shows the window modally through the application and returns its modal result (2
  // when it closed without one, as when the program is ended meanwhile).
  int ShowModal();
  // The button that has the focus when the window is shown.
  TDialogButton* FocusButton() const { return focusButton_; }
  void FocusButton(TDialogButton* button) { focusButton_ = button; }
  // The answer of the Esc key; mrNone (the default): Esc does nothing.
  int EscapeResult() const { return escapeResult_; }
  void EscapeResult(int result) { escapeResult_ = result; }
  // Sets the client area and keeps the window at that size.
  void ClientSize(int width, int height);

  // The title and the window's texts, one to a line, as Ctrl+C copies them.
  std::string Text() const;

  void show() override;
  int handle(int event) override;

 protected:
  // A press on `button` answers its ModalResult and closes the window.
  void connect(TDialogButton* button);

 private:
  static void buttonPressed(Fl_Widget* w, void* self);
  static void closeBox(Fl_Widget* w, void* self);

  int result_ = mrNone;
  int escapeResult_ = mrNone;
  TDialogButton* focusButton_ = nullptr;
};

// The font of both message texts: MS Sans Serif bold, height 11.
FontSpec messageFont(TColor color);
// A transparent label that sizes itself to its text and draws every '&' (the texts carry
// file paths, which must not lose characters to accelerators).
TTextLabel* makeMessageLabel(int x, int y, TColor color);
// The width of `label` when it shows a text, measured with the label itself (an empty
// text is 0 wide here; the layout knows how a label measures one).
core::TextWidthFn widthMeasuredBy(TTextLabel& label);
// The height of one line of text in `font`.
int oneLineHeight(const FontSpec& font);
// A picture control showing `image` centred and transparent.
Fl_Box* makePicture(int x, int y, int w, int h, Fl_RGB_Image* image);

}  // namespace tavilo::gui

#endif
