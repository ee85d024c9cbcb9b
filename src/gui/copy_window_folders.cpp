// Moving through folders and the source selection of TfrmKopieren3: with the
// check box set, every source file is shown selected.
#include "core/files/file_utils_paths.h"
#include "gui/copy_window.h"
#include "gui/widgets/check_box.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/file_list_box.h"

namespace tavilo::gui {

void TfrmKopieren3::selectBySourceBox() {
  if (cbRecursiv->Checked())
    FileListBox1->SelectAll();
  else
    FileListBox1->ClearSelection();
}

void TfrmKopieren3::cbRecursivClick() {
  selectBySourceBox();
  applyEnabled();
}

void TfrmKopieren3::lblRecursivClick() {
  if (copying_) return;
  cbRecursiv->Toggle();  // runs cbRecursivClick
}

void TfrmKopieren3::FileListBox1Click() {
  if (cbRecursiv->Checked()) FileListBox1->SelectAll();
}

void TfrmKopieren3::btnAlle1Click() {
  if (!copying_) FileListBox1->SelectAll();
}

void TfrmKopieren3::btnAll2Click() {
  if (!copying_) FileListBox2->SelectAll();
}

void TfrmKopieren3::DirectoryListBox1Click() {
  if (copying_) return;
  const std::string path = DirectoryListBox1->ItemPath(DirectoryListBox1->ItemIndex());
  if (!path.empty() && path != DirectoryListBox1->Directory()) DirectoryListBox1->Directory(path);
  selectBySourceBox();
}

void TfrmKopieren3::DirectoryListBox2Click() {
  if (copying_) return;
  const std::string path = DirectoryListBox2->ItemPath(DirectoryListBox2->ItemIndex());
  if (!path.empty() && path != DirectoryListBox2->Directory()) DirectoryListBox2->Directory(path);
}

void TfrmKopieren3::btnOnDirUp1Click() {
  if (copying_) return;
  const std::string parent = core::GetParentDir(SourceFolder());
  if (!parent.empty()) DirectoryListBox1->Directory(parent);
}

void TfrmKopieren3::btnOneDirUp2Click() {
  if (copying_) return;
  const std::string parent = core::GetParentDir(TargetFolder());
  if (!parent.empty()) DirectoryListBox2->Directory(parent);
}

}  // namespace tavilo::gui
