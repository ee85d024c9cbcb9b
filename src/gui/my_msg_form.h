// TmsgForm: the window of the message dialog (TmyMsgDlg), built afresh for every call: a
// message picture, the display text above the question text, and one of seven button sets
// in one of two button styles, on a vertical gradient.
#ifndef TAVILO_GUI_MY_MSG_FORM_H
#define TAVILO_GUI_MY_MSG_FORM_H

#include <cstdint>
#include <string>

#include "core/layout/message_layout.h"
#include "core/message_kinds.h"
#include "gui/message_window.h"

namespace tavilo::gui {

class TIF_Gradient;
class TBitBtn;
class TStyledButton;

enum bTyp : std::uint8_t { btypNormal, btypLMD };


class TmsgForm : public MessageWindow {
 public:
  static constexpr int kDesignWidth = 213;
  static constexpr int kDesignHeight = 165;
  static constexpr int kDesignLeft = 192;
  static constexpr int kDesignTop = 107;

  TmsgForm();

  // The window title.
  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);

  // Prepares the form for a call: picture and default title for `icon`, the sizes that
  // the texts (already set) give, and the buttons of `buttons` in the style `style`,
  // with German or English words.
  void ArrangeForm(TMsgBtn buttons, TMsgType icon, bool german, bTyp style);
  TMsgBtn ButtonSet() const { return buttonSet_; }
  TMsgType IconType() const { return iconType_; }
  // The measurements of the last ArrangeForm.
  const core::MessageLayout& Layout() const { return layout_; }

  TIF_Gradient* BG;
  Fl_Box* Image;
  TTextLabel* Anzeigetext;
  TTextLabel* Fragetext;
  Fl_Box* iInformation;
  Fl_Box* iError;
  Fl_Box* iWarnung;
  Fl_Box* iConfirmation;
  TTextLabel* lblTest;
  // Made in their tab order.
  TBitBtn* btn1;
  TBitBtn* btn3;
  TBitBtn* btn2;
  TBitBtn* btn11;
  TBitBtn* btn21;
  TStyledButton* btn1LMD;
  TStyledButton* btn3LMD;
  TStyledButton* btn11LMD;
  TStyledButton* btn2LMD;
  TStyledButton* btn21LMD;

 private:
  void arrangePicture(TMsgType icon, bool german);
  void arrangeButtons(bool german, bTyp style);

  std::string caption_;
  TMsgBtn buttonSet_ = mbOK;
  TMsgType iconType_ = mtInformation;
  core::MessageLayout layout_;
};

}  // namespace tavilo::gui

#endif
