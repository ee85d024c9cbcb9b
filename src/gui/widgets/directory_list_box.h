// TDirectoryListBox: the classic folder list. It shows the root, every ancestor
// of its folder and the folder itself (open folders), then the folder's
// visible sub-folders (closed folders), indented by level. Hidden folders are
// left out and a symbolic link is never a folder; an unreadable folder shows no
// sub-folders. A click on a line goes to that folder, then OnClick runs.
//
// Bound widgets follow its folder: the label shows it, the file list reads it
// and the drive selector shows the drive that holds it.
#ifndef TAVILO_GUI_WIDGETS_DIRECTORY_LIST_BOX_H
#define TAVILO_GUI_WIDGETS_DIRECTORY_LIST_BOX_H

#include "core/folder_tree.h"
#include "gui/fonts.h"

#include "gui/widgets/indexed_browser.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavilo::gui {

class TDirLabel;
class TDriveComboBox;
class TFileListBox;

class TDirectoryListBox : public TIndexedBrowser {
 public:
  static constexpr int kItemHeight = 16;
  static constexpr int kIndent = 10;  // pixels per level

  // Starts at the process's current folder ("/" when it has none).
  TDirectoryListBox(int x, int y, int w, int h, const char* label = nullptr);
  ~TDirectoryListBox() override;

  // Absolute, physical, without a trailing '/' except "/".
  const std::string& Directory() const { return directory_; }
  // Makes `path` (relative: to the process's current folder) the process's
  // current folder and the list's folder, re-reads the list, updates the bound
  // widgets and runs OnChange, also when the folder stays the same. A path that
  // cannot be entered changes nothing and gives false.
  bool Directory(const std::string& path);
  // The drive that holds the folder, and going to a drive's root.
  std::string Drive() const;
  bool Drive(const std::string& drive);
  // Re-reads the lines from the disk; the bound widgets are left alone.
  void Update();

  int Count() const override { return static_cast<int>(items_.size()); }
  // The folder a line stands for; "" for an index out of range.
  std::string ItemPath(int index) const;
  const std::vector<core::FolderItem>& Items() const { return items_; }
  // The highlighted line: the current folder's. After a click it is the
  // clicked line, so ItemPath(ItemIndex()) is the folder gone to.
  int ItemIndex() const { return current_; }
  // The line at a point in window coordinates, or -1.
  int ItemAt(int x, int y) const;

  TDirLabel* DirLabel() const { return label_; }
  void DirLabel(TDirLabel* label);
  TFileListBox* FileList() const { return fileList_; }
  void FileList(TFileListBox* list);
  TDriveComboBox* DriveCombo() const { return driveCombo_; }

  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);
  Fl_Cursor Cursor() const { return cursor_; }
  void Cursor(Fl_Cursor c) { cursor_ = c; }

  void OnChange(std::function<void()> h) { onChange_ = std::move(h); }
  void OnClick(std::function<void()> h) { onClick_ = std::move(h); }
  // A right-button press on the list (for a pop-up menu).
  void OnContextMenu(std::function<void()> h) { onContextMenu_ = std::move(h); }

  int handle(int event) override;

 protected:
  int item_height(void* item) const override;
  int item_width(void* item) const override;
  void item_draw(void* item, int x, int y, int w, int h) const override;

 private:
  friend class TDriveComboBox;
  friend class TDirLabel;
  friend class TFileListBox;

  void rebuild();
  void showCurrent();
  void notifyBound();

  std::string directory_;
  std::vector<core::FolderItem> items_;
  int current_ = 0;
  int pressed_ = -1;
  bool tracking_ = false;
  FontSpec font_;
  Fl_Cursor cursor_ = FL_CURSOR_DEFAULT;
  TDirLabel* label_ = nullptr;
  TFileListBox* fileList_ = nullptr;
  TDriveComboBox* driveCombo_ = nullptr;
  std::function<void()> onChange_;
  std::function<void()> onClick_;
  std::function<void()> onContextMenu_;
};

}  // namespace tavilo::gui

#endif
