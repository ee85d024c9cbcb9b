// TfrmKopieren3 (unit Kopieren3): the copy window. Made once at start, shown modally from
// the main window in two modes: "Kopieren" (the entry's folder, the whole tree) and "CD
// durchsuchen" (the program folder, chosen files). The upper half is the source side,
// the lower half the target side, each a drive selector, folder tree and file list.
// A copy runs inside its handler but keeps the window painting and answering: closing
// the window (button, menus, close box, Esc) stops it after the current block.
#ifndef TAVILO_GUI_COPY_WINDOW_H
#define TAVILO_GUI_COPY_WINDOW_H

#include <FL/Fl_Double_Window.H>

#include <chrono>
#include <string>
#include <vector>

#include "core/files/tree_copy.h"
#include "core/menu/menu_model.h"
#include "gui/my_msg_dlg.h"
#include "gui/my_path_dlg.h"
#include "gui/widgets/popup_menu.h"

namespace tavilo::gui {

class TCheckBox;
class TDirLabel;
class TDirectoryListBox;
class TDriveComboBox;
class TFileListBox;
class TFlatButton;
class TGradBtn;
class TIF_Gradient;
class TLabel3D;
class TProgressBar;
class TTextLabel;

class TfrmKopieren3 : public Fl_Double_Window {
 public:
  static constexpr int kClientWidth = 402;
  static constexpr int kClientHeight = 398;

  // `mainWindow` is the window it opens beside (10 pixels right and down).
  TfrmKopieren3(const core::MenuModel& model, const Fl_Window& mainWindow);
  ~TfrmKopieren3() override;

  // ---- the unit's flags, set before each showing
  bool StartAtProgramDir = false;
  bool StartRecursive = true;

  // ---- controls, in design order
  TIF_Gradient* BG1;
  TLabel3D* LabelStart;
  TDirLabel* lblStart;
  TLabel3D* LabelZiel;
  TDirLabel* lblZiel;
  TTextLabel* lblRecursiv;
  TCheckBox* cbRecursiv;
  TFlatButton* btnOnDirUp1;
  TFlatButton* btnAlle1;
  TProgressBar* ProgressBar1;
  TFileListBox* FileListBox1;
  TDirectoryListBox* DirectoryListBox1;
  TDriveComboBox* DriveComboBox1;
  TFlatButton* btnOneDirUp2;
  TFlatButton* btnNewFolder;
  TFlatButton* btnDeleteDir;
  TFlatButton* btnAlle2;
  TFlatButton* btnDelete;
  TDirectoryListBox* DirectoryListBox2;
  TFileListBox* FileListBox2;
  TDriveComboBox* DriveComboBox2;
  TGradBtn* btnStartKopieren;
  TGradBtn* btnSchliessen;
  TmyMsgDlg myMsgDlg1;
  TmyPathDlg myPathDlg1;
  TPopupMenu PopupMenu1;  // the window surface
  TPopupMenu PopupMenu2;  // DirectoryListBox1
  TPopupMenu PopupMenu3;  // DirectoryListBox2
  TPopupMenu PopupMenu4;  // FileListBox2
  TPopupMenu PopupMenu5;  // FileListBox1
  TMenuItem& Startkopieren1() { return PopupMenu1[0]; }
  TMenuItem& Schliessen1() { return PopupMenu1[1]; }
  TMenuItem& AnzahlDateien1() { return PopupMenu2[0]; }
  TMenuItem& AnzahlDateien2() { return PopupMenu3[0]; }
  TMenuItem& StartenOeffnen() { return PopupMenu4[0]; }
  TMenuItem& Schliessen2() { return PopupMenu4[1]; }
  TMenuItem& MenuItem1() { return PopupMenu5[0]; }
  TMenuItem& MenuItem2() { return PopupMenu5[1]; }

  // ---- handlers
  void FormCreate();
  void FormActivate();
  void btnStartKopierenClick();
  void btnSchliessenClick();
  void btnAlle1Click();
  void btnAll2Click();
  void btnOnDirUp1Click();
  void btnOneDirUp2Click();
  void DirectoryListBox1Click();
  void DirectoryListBox2Click();
  void FileListBox1Click();
  void cbRecursivClick();
  void lblRecursivClick();
  void Timer1Timer();
  void btnNewFolderClick();
  void btnDeleteClick();
  void btnDeleteDirClick();
  void AnzahlDateien1Click();
  void AnzahlDateien2Click();
  void MenuItem1Click();
  void StartenOeffnenClick();

  // True while a copy runs (inside btnStartKopierenClick).
  bool Copying() const { return copying_; }
  // The source and target folders (the folder trees' folders).
  std::string SourceFolder() const;
  std::string TargetFolder() const;

  // Placed beside the main window, the target side re-read, shown and activated.
  void show() override;
  int handle(int event) override;

 private:
  static void closeBox(Fl_Widget* w, void* self);
  static void timerTick(void* self);
  void buildSourceSide();
  void buildTargetSide();
  void buildButtons();
  void buildMenus();
  void bindFolderSides();
  // Makes the controls usable or not as a copy and the check box allow.
  void applyEnabled();
  void selectBySourceBox();
  void copyTree();
  void copySelectedFiles();
  // Between blocks of a copy: paints and handles events now and then; Stop
  // once the window is to close.
  core::CopyFlow keepAnswering();
  void reportFailures();
  void countFiles(const std::string& folder);

  const core::MenuModel& model_;
  const Fl_Window& mainWindow_;
  bool copying_ = false;
  bool closeRequested_ = false;
  std::chrono::steady_clock::time_point lastPump_;
  std::vector<core::CopyFailure> failures_;
};

}  // namespace tavilo::gui

#endif
