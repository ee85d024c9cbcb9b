// The application's error box: the error picture, the message, one OK button.
#ifndef TAVILO_GUI_ERROR_BOX_H
#define TAVILO_GUI_ERROR_BOX_H

#include <FL/Fl_Double_Window.H>

#include <string>

class Fl_Button;

namespace tavilo::gui {

class ErrorBox : public Fl_Double_Window {
 public:
  ErrorBox(const std::string& caption, const std::string& message);
  const std::string& message() const { return message_; }
  Fl_Button* okButton() const { return ok_; }

 private:
  std::string caption_;
  std::string message_;
  Fl_Button* ok_ = nullptr;
};

}  // namespace tavilo::gui

#endif
