// TmyMsgDlg (unit myMsgDlg): the message dialog component. A window holds one, sets its
// properties, and calls Execute, which shows a fresh TmsgForm modally and returns the
// modal result of the button pressed (2 for the close box).
#ifndef TAVILO_GUI_MY_MSG_DLG_H
#define TAVILO_GUI_MY_MSG_DLG_H

#include <string>

#include "gui/color.h"
#include "gui/form_position.h"
#include "gui/my_msg_form.h"

class Fl_Window;

namespace tavilo::gui {

class TmyMsgDlg {
 public:
  // `owner`: the window the component belongs to (poOwnerFormCenter centres over it).
  explicit TmyMsgDlg(Fl_Window* owner = nullptr) : owner_(owner) {}

  // Setters only store; nothing is checked or shown before Execute.
  bTyp ButtonTyp() const { return buttonTyp_; }
  void ButtonTyp(bTyp t) { buttonTyp_ = t; }
  TColor TextColor() const { return textColor_; }
  void TextColor(TColor c) { textColor_ = c; }
  TColor StartColor() const { return startColor_; }
  void StartColor(TColor c) { startColor_ = c; }
  TColor EndColor() const { return endColor_; }
  void EndColor(TColor c) { endColor_ = c; }
  // False: the window's plain face colour instead of the gradient.
  bool Background() const { return background_; }
  void Background(bool on) { background_ = on; }
  const std::string& CaptionText() const { return captionText_; }
  void CaptionText(const std::string& s) { captionText_ = s; }
  const std::string& AnzeigeText() const { return anzeigeText_; }
  void AnzeigeText(const std::string& s) { anzeigeText_ = s; }
  const std::string& FrageText() const { return frageText_; }
  void FrageText(const std::string& s) { frageText_ = s; }
  TPosition Position() const { return position_; }
  void Position(TPosition p) { position_ = p; }
  TMsgBtn Buttons() const { return buttons_; }
  void Buttons(TMsgBtn b) { buttons_ = b; }
  TMsgType IconTyp() const { return iconTyp_; }
  void IconTyp(TMsgType t) { iconTyp_ = t; }
  // True: German words; false: English.
  bool Sprache_D() const { return spracheD_; }
  void Sprache_D(bool on) { spracheD_ = on; }
  Fl_Window* Owner() const { return owner_; }
  // The form of the Execute that is running (the innermost one), else nullptr.
  TmsgForm* Form() const { return form_; }

  // An empty text, mtLeer or mbLeer takes the property of that name; an empty caption with
  // an empty CaptionText gives the icon type's default title. The properties stay as they
  // are. An error while the window is prepared or shown passes on after it is freed.
  int Execute(TMsgType icon, const std::string& caption, const std::string& text, const std::string& question,
              TMsgBtn buttons);

 private:
  Fl_Window* owner_;
  bTyp buttonTyp_ = btypNormal;
  TColor textColor_ = 0x000000;
  TColor startColor_ = 0x8AB0FF;
  TColor endColor_ = kSilver;
  bool background_ = true;
  std::string captionText_;
  std::string anzeigeText_;
  std::string frageText_;
  TPosition position_ = poMainFormCenter;
  TMsgBtn buttons_ = mbOK;
  TMsgType iconTyp_ = mtInformation;
  bool spracheD_ = true;
  TmsgForm* form_ = nullptr;
};

}  // namespace tavilo::gui

#endif
