// The folder actions of TfrmKopieren3: a new target folder through the folder
// chooser, deleting target files and the target folder (only on "Ja"),
// counting files, and opening a file with the desktop's opener.
#include <string>

#include "core/files/file_utils_delete.h"
#include "core/files/file_utils_paths.h"
#include "core/files/file_utils_search.h"
#include "gui/copy_window.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/file_list_box.h"
#include "platform/platform.h"

namespace tavilo::gui {

void TfrmKopieren3::btnNewFolderClick() {
  if (copying_) return;
  myPathDlg1.Title("Neuen Ordner auswählen oder erstellen");
  myPathDlg1.InitialDir(TargetFolder());
  if (myPathDlg1.Execute()) DirectoryListBox2->Directory(core::AddBackslash(myPathDlg1.Pfadname()));
}

void TfrmKopieren3::btnDeleteClick() {
  if (copying_) return;
  // Only Yes deletes: the close box of the question is a No.
  if (myMsgDlg1.Execute(mtConfirmation, "", "Alle gewählten Dateien", "LÖSCHEN ?", mbJaNein) != mrYes) return;
  const std::string folder = core::AddBackslash(TargetFolder());
  for (int i = 0; i < FileListBox2->Count(); ++i) {
    if (!FileListBox2->Selected(i)) continue;
    const std::string path = folder + FileListBox2->FileName(i);
    platform::addOwnerWrite(path);
    platform::removeFile(path);
  }
  FileListBox2->Update();
}

void TfrmKopieren3::btnDeleteDirClick() {
  if (copying_) return;
  const std::string folder = TargetFolder();
  btnOneDirUp2Click();
  core::DeleteFolder(folder, true);
  DirectoryListBox2->Update();
}

void TfrmKopieren3::countFiles(const std::string& folder) {
  if (copying_) return;
  const std::size_t n = core::CountFiles(folder, true);
  myMsgDlg1.Execute(mtInformation, "", "Anzahl Dateien im Ordner:\n\n" + folder, std::to_string(n) + "total", mbOK);
}

void TfrmKopieren3::AnzahlDateien1Click() { countFiles(SourceFolder()); }
void TfrmKopieren3::AnzahlDateien2Click() { countFiles(TargetFolder()); }

void TfrmKopieren3::MenuItem1Click() {
  const int i = FileListBox1->ItemIndex();
  if (i >= 0 && !copying_) platform::shellOpen(core::AddBackslash(SourceFolder()) + FileListBox1->FileName(i), "");
}

void TfrmKopieren3::StartenOeffnenClick() {
  const int i = FileListBox2->ItemIndex();
  if (i >= 0 && !copying_) platform::shellOpen(core::AddBackslash(TargetFolder()) + FileListBox2->FileName(i), "");
}

}  // namespace tavilo::gui
