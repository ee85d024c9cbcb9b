// TPfadWahl: the folder chooser's window (built afresh by every TmyPathDlg::Execute):
// a new-folder edit field with its button, the current folder in a sunken panel with a
// one-folder-up button, the file list with its filter selector, the folder list with
// its drive selector, OK and Abbruch. Enter presses OK, also from the edit field; Esc
// does nothing; the close box answers Abbruch.
#ifndef TAVILO_GUI_MY_PATH_DLG_FORM_H
#define TAVILO_GUI_MY_PATH_DLG_FORM_H

#include <string>

#include "gui/message_window.h"

class Fl_Group;
class Fl_Input;

namespace tavilo::gui {

class TBitBtn;
class TDirLabel;
class TDirectoryListBox;
class TDriveComboBox;
class TFileListBox;
class TFilterComboBox;
class TFlatButton;
class TIF_Gradient;
class TTextLabel;

class TPfadWahl : public MessageWindow {
 public:
  static constexpr int kClientWidth = 416;
  static constexpr int kClientHeight = 266;

  // Centred on the screen; the lists start at the process's current folder.
  TPfadWahl();
  ~TPfadWahl() override;

  // The window title.
  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  // The mount path of the last drive that was ready.
  const std::string& LastDrive() const { return lastDrive_; }
  // Where the focus goes when the window is shown: the edit field, if enabled.
  void show() override;

  void FormActivate();
  void DirectoryListBox1Change();
  void edtPathChange();
  void btnNewFolderClick();
  void btnDirLowerClick();
  void DriveComboBox1Change();

  // Made in their tab order (the labels and speed buttons take no focus).
  TIF_Gradient* BG;
  TTextLabel* Label3;
  TTextLabel* Label1;
  Fl_Input* edtPath;
  TBitBtn* AbbruchButton;
  TBitBtn* okButton;
  TDriveComboBox* DriveComboBox1;
  TFileListBox* FileListBox1;
  TDirectoryListBox* DirectoryListBox1;
  Fl_Group* Panel1;
  TDirLabel* Label2;
  TFilterComboBox* FilterComboBox2;
  TFlatButton* btnNewFolder;
  TFlatButton* btnDirLower;

 private:
  std::string caption_;
  std::string lastDrive_;
};

}  // namespace tavilo::gui

#endif
