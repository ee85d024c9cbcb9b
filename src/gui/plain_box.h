// The plain message box: the text, one OK button, captioned with the application's title,
// no picture. Enter, Esc, OK and the close box all end it.
#ifndef TAVILO_GUI_PLAIN_BOX_H
#define TAVILO_GUI_PLAIN_BOX_H

#include <string>

#include "gui/message_window.h"

namespace tavilo::gui {

class TBitBtn;

class PlainBox : public MessageWindow {
 public:
  explicit PlainBox(const std::string& text);
  TTextLabel* Text() const { return text_; }
  TBitBtn* OkButton() const { return ok_; }

 private:
  TTextLabel* text_;
  TBitBtn* ok_;
};

void showPlainBox(const std::string& text);

}  // namespace tavilo::gui

#endif
