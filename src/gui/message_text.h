// MessageText: the simple message box. One Tmymsg window lives for the whole run (the
// program entry owns it); every MyMessageBox call fills, sizes and shows it again (German
// words only, fixed colours and fonts). installMessageBoxes plugs it and the plain box
// into the core routines.
#ifndef TAVILO_GUI_MESSAGE_TEXT_H
#define TAVILO_GUI_MESSAGE_TEXT_H

#include <string>

#include "core/layout/message_layout.h"
#include "gui/message_window.h"

namespace tavilo::gui {

class TIF_Gradient;
class TBitBtn;

class Tmymsg : public MessageWindow {
 public:
  static constexpr int kDesignWidth = 224;
  static constexpr int kDesignHeight = 141;

  Tmymsg();

  // Steps one to fourteen of a call: picture, title, texts, sizes and buttons; the window
  // is then ready to be shown. The arguments are those of MyMessageBox.
  void Fill(TMsgType icon, const std::string& caption, const std::string& text, const std::string& question,
            TMsgBtn buttons);
  // Icon type 0 warning, 1 error, 2 information, 3 confirmation (any other keeps the
  // last picture and gives no default title); an empty caption takes the icon type's
  // title. Button set 0 Yes, 1 No, 2 OK, 3 Yes/No, 4 Yes/No/Cancel, any other none.
  // Returns the modal result: 1 OK, 2 Cancel or the close box, 6 Yes, 7 No.
  int MyMessageBox(TMsgType icon, const std::string& caption, const std::string& text,
                   const std::string& question, TMsgBtn buttons);
  // The measurements of the last Fill.
  const core::MessageLayout& Layout() const { return layout_; }

  TIF_Gradient* IF_Gradient1;
  Fl_Box* Image;
  TTextLabel* Anzeigetext;
  TTextLabel* fragetext;
  Fl_Box* iInformation;
  Fl_Box* iError;
  Fl_Box* iWarnung;
  Fl_Box* iConfirmation;
  TTextLabel* lblTest;
  // Made in their tab order.
  TBitBtn* btn1;
  TBitBtn* btn3;
  TBitBtn* btn2;

 private:
  core::MessageLayout layout_;
};

// Plugs `box` (for MyMessageBox) and the plain box (the text, one OK button, captioned
// with the application's title, no picture) into core's message functions. The box must
// outlive every call.
void installMessageBoxes(Tmymsg& box);

}  // namespace tavilo::gui

#endif
