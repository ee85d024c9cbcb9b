// TfrmInfo (unit Info): the about box. Made once at start, shown modally from the main
// window's logo. It shows the program's icon, name, version and date, the makers' notice,
// e-mail address and homepage on a gradient in the title bar's colours, which it reads
// from the model at every activation.
#ifndef TAVILO_GUI_INFO_WINDOW_H
#define TAVILO_GUI_INFO_WINDOW_H

#include "core/menu/menu_model.h"
#include "gui/message_window.h"

class Fl_Box;
class Fl_Group;

namespace tavilo::gui {

class TGradBtn;
class TIF_Gradient;
class TImage;
class TPageControl;
class TRichEdit;
class TTabSheet;
class TTextLabel;
class TWEBLabel;

// A fixed-size dialog window: its close box and "Schliessen" close it, Esc does nothing.
class TfrmInfo : public MessageWindow {
 public:
  static constexpr int kClientWidth = 316;
  static constexpr int kClientHeight = 249;
  static constexpr int kBorderWidth = 3;  // the window's face colour around the controls

  // `mainWindow` is the window it opens centred over.
  TfrmInfo(const core::MenuModel& model, const Fl_Window& mainWindow);
  ~TfrmInfo() override;

  // Centred over the main window, then shown and activated.
  void show() override;

  void FormCreate();
  void FormActivate();
  void btnCloseClick();

  // ---- controls, from the outside in
  Fl_Group* MyStatusBar1;
  TGradBtn* btnClose;
  Fl_Group* Panel2;
  TPageControl* PageControl1;
  TTabSheet* TabSheet1;
  Fl_Group* Panel1;
  TIF_Gradient* BG2;
  TImage* ProgramIcon;
  TTextLabel* ProductName;
  TTextLabel* VersionT;
  TTextLabel* eVersion;
  TTextLabel* lblDatum;
  TTextLabel* eDatum;
  TImage* Image1;
  Fl_Box* Bevel1;
  TTextLabel* Copyright;
  TTextLabel* Comments1;
  Fl_Box* Bevel2;
  TTextLabel* Label3;
  TTextLabel* Label2;
  TWEBLabel* eMail1;
  TWEBLabel* eHome;
  TTabSheet* TabSheet3;
  TRichEdit* FlatMemo1;
  TTabSheet* TabSheet2;
  TRichEdit* FlatMemo2;

 private:
  void buildInfoPage();
  void buildHiddenPages();

  const core::MenuModel& model_;
  const Fl_Window& mainWindow_;
};

}  // namespace tavilo::gui

#endif
