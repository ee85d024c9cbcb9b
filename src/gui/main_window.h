// TfrmMain: the main window. It holds its controls under their established
// names and the handlers that bind them, and owns the menu's shared values
// (the model), which the program's other windows read.
#ifndef TAVILO_GUI_MAIN_WINDOW_H
#define TAVILO_GUI_MAIN_WINDOW_H

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ini/ini_document.h"
#include "core/layout/main_layout.h"
#include "core/menu/menu_model.h"
#include "core/menu/start_settings.h"
#include "gui/color.h"
#include "gui/my_msg_dlg.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/if_gradient.h"
#include "gui/widgets/image.h"
#include "gui/widgets/label3d.h"
#include "gui/widgets/list_box.h"
#include "gui/widgets/panel.h"
#include "gui/widgets/popup_menu.h"
#include "gui/widgets/rich_edit.h"
#include "gui/widgets/status_bar.h"
#include "gui/widgets/text_label.h"
#include "gui/widgets/web_label.h"

class Fl_Bitmap;

namespace tavilo::gui {

class TfrmMain : public Fl_Double_Window {
 public:
  // Builds the window from its design and runs FormCreate. `programDir` is
  // the folder whose Tavilo.ini is read (the running program's own folder).
  explicit TfrmMain(std::string programDir);
  ~TfrmMain() override;

  // ---- controls, as the design names them
  TPanel* Panel1;
  TIF_Gradient* IF_Gradient1;
  TImage* Logo;
  TLabel3D* cd_titel;
  TImage* keinBildBack;
  TFlatButton* btnX1;
  TFlatButton* btnMin;
  TPanel* pnLinks;
  TIF_Gradient* IF_Gradient3;
  TTextLabel* Gruppen_Ueberschrift;
  TTextLabel* Gruppen_Ueberschrift_2;
  TListBox* lbGruppe;
  TPanel* pnImage;
  TImage* imgScreenshot;
  TPanel* pnRechts;
  TIF_Gradient* IF_Gradient4;
  TTextLabel* Programm_Ueberschrift;
  TTextLabel* Programm_Ueberschrift_2;
  TListBox* lbProgramm;
  TPanel* pnBemerkung;
  TWebLabel* WebLabel1;
  Fl_Box* Bevel1;
  TRichEdit* Bemerkung;
  TPanel* Panel4;
  TIF_Gradient* IF_Gradient2;
  TFlatButton* btnInstall;
  TFlatButton* btnStarten;
  TFlatButton* btnKopieren;
  TFlatButton* btnCDdurchsuchen;
  TMyStatusBar* MyStatusBar1;
  TPopupMenu PopupMenu1;
  TMenuItem& Startenoeffnen1() { return PopupMenu1[0]; }
  TMenuItem& Installieren1() { return PopupMenu1[1]; }
  TMenuItem& Kopieren1() { return PopupMenu1[3]; }
  TMenuItem& CDdurchsuchen1() { return PopupMenu1[5]; }
  TMenuItem& Taviloschliessen2() { return PopupMenu1[7]; }
  TmyMsgDlg myMsgDlg1;

  // ---- the main unit's shared values
  core::MenuModel& Model() { return model_; }
  const core::MenuModel& Model() const { return model_; }
  int DragStartX = 0, DragStartY = 0;

  // ---- the windows the program entry makes after this one; each call shows
  // its window modally and returns when it closes. Unset: nothing happens.
  std::function<void(bool startAtProgramDir, bool startRecursive)> ShowCopyWindow;
  std::function<void()> ShowInfoWindow;
  std::function<void()> ShowImageWindow;

  // ---- handlers
  void FormCreate();
  // Each handler reads Tavilo.ini once; the overloads taking a document are
  // the same steps inside an action that has read it already.
  void FormResize();
  void FormResize(const core::IniDocument& ini);
  void FormActivate();
  void lbGruppeClick();
  void lbGruppeClick(const core::IniDocument& ini);
  void lbProgrammClick();
  void lbProgrammClick(const core::IniDocument& ini);
  void lbProgrammDblClick();
  void btnStartenClick();
  void btnInstallClick();
  void btnXClick();
  void btnX1Click();
  void btnMinClick();
  void IF_Gradient1MouseDown(int x, int y);
  void IF_Gradient1MouseMove(int x, int y);
  void IF_Gradient1MouseUp();
  void IF_Gradient2MouseDown(int x, int y) { IF_Gradient1MouseDown(x, y); }
  void IF_Gradient2MouseMove(int x, int y) { IF_Gradient1MouseMove(x, y); }
  void IF_Gradient2MouseUp() { IF_Gradient1MouseUp(); }
  void WebLabel1Click();
  void KopierenClick();
  void CDdurchsuchen1Click();
  void LogoClick();
  void imgScreenshotClick();
  // The screenshot reacts to nothing but the click (and the pop-up menu).
  void imgScreenshot1MouseDown() {}
  void imgScreenshot1MouseMove() {}
  void imgScreenshot1MouseUp() {}

  // ---- operations
  void SetCaptions();
  void AppHint();
  // A one-line note in the status line (it stays until the next hint).
  void ShowNote(const std::string& text);
  void LoadGifPicture(const std::string& path, TImage& picture);
  void LaunchEntry();
  // Refuses an outdated configuration file and requests the program's end.
  void checkVersion(const std::optional<std::string>& refusal);

  int BorderWidth() const { return borderWidth_; }
  bool Frameless() const { return frameless_; }
  // Shows the window as the desktop should: frameless and rounded on request.
  void show() override;
  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

 private:
  void buildTitleBar();
  void buildLeftPanel();
  void buildRightPanel();
  void buildBottomBar();
  void buildPopupMenu();
  void formCreateSteps();
  void applyColors(const core::StartColors& colors);
  void alignBars();
  void alignRemarkPanel();
  void applyLayout(const core::MainLayout& layout);
  void showEntryPicture(const std::string& path);
  void showPlaceholder();
  void setActionButtons(bool start, bool install, bool copy);
  void placeUsedButtons();
  void applyShape();
  bool opensPopup(const Fl_Widget* w) const;
  MouseHandler dragHandler(Fl_Widget* control);

  core::MenuModel model_;
  int borderWidth_ = 8;
  bool frameless_ = false;
  int shapeRight_ = 0, shapeBottom_ = 0;
  // The rounded outline as a bitmap at the window's size in screen pixels;
  // FLTK keeps a pointer to it and scales it when the window's scale changes.
  std::vector<std::uint8_t> shapeBits_;
  std::unique_ptr<Fl_Bitmap> shapeMask_;
  bool created_ = false;
  std::optional<core::IniDocument> startIni_;  // what the start read, until the first activation
  bool panelsAligned_ = false;
  std::string logoErrorShown_;
  std::string pictureNote_;  // the status line's note on the entry picture that failed, if shown
};

}  // namespace tavilo::gui

#endif
