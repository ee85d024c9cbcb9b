// TFileListBox: the files of a folder that match its mask, with small file
// pictures: every kind of file (hidden ones too), never a folder nor a link to
// one. Several lines may be selected: a click selects one, Ctrl+click toggles,
// Shift+click selects the range from the last clicked line. Reading a folder
// makes it the process's current folder.
#ifndef TAVILO_GUI_WIDGETS_FILE_LIST_BOX_H
#define TAVILO_GUI_WIDGETS_FILE_LIST_BOX_H

#include "gui/fonts.h"

#include "gui/widgets/indexed_browser.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavilo::gui {

class TDirectoryListBox;

class TFileListBox : public TIndexedBrowser {
 public:
  static constexpr int kItemHeight = 16;

  // Starts empty, without a folder.
  TFileListBox(int x, int y, int w, int h, const char* label = nullptr);
  ~TFileListBox() override;

  const std::string& Directory() const { return directory_; }
  // Moves the whole side: a bound folder list goes to `path` (and this list
  // follows it); without one the list reads `path` itself. "" changes nothing.
  void Directory(const std::string& path);
  // One mask or several separated by ';' ("*.txt;*.ini"); "", "*" and "*.*"
  // show every file. Setting it re-reads the folder.
  const std::string& Mask() const { return mask_; }
  void Mask(const std::string& mask);
  // Re-reads the folder: nothing selected, no focused line.
  void Update();

  int Count() const override { return static_cast<int>(files_.size()); }
  // The name of line i; "" out of range.
  std::string FileName(int i) const;
  // Directory() + "/" + FileName(i); "" out of range.
  std::string FilePath(int i) const;
  bool Selected(int i) const;
  void Selected(int i, bool on);
  int SelCount() const;
  void SelectAll();
  void ClearSelection();
  // The focused line (the last clicked one), -1 for none.
  int ItemIndex() const { return focused_; }
  void ItemIndex(int i);
  // The line at a point in window coordinates, or -1.
  int ItemAt(int x, int y) const;

  TDirectoryListBox* DirList() const { return dirList_; }

  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);
  Fl_Cursor Cursor() const { return cursor_; }
  void Cursor(Fl_Cursor c) { cursor_ = c; }

  // After a mouse click (press and release) on the list has changed the selection.
  void OnClick(std::function<void()> h) { onClick_ = std::move(h); }
  // A right-button press on the list (for a pop-up menu); the selection stays.
  void OnContextMenu(std::function<void()> h) { onContextMenu_ = std::move(h); }

  int handle(int event) override;

 protected:
  int item_height(void* item) const override;
  int item_width(void* item) const override;
  void item_draw(void* item, int x, int y, int w, int h) const override;
  void item_select(void* item, int val) override;
  int item_selected(void* item) const override;

 private:
  friend class TDirectoryListBox;
  struct Line {
    std::string name;
    bool selected = false;
  };

  // Called by the bound folder list when its folder changes.
  void followFolder(const std::string& folder);
  void clickAt(int index, bool toggle, bool range);
  void selectRange(int from, int to);
  void redrawLine(int i);

  std::string directory_;
  std::string mask_;
  std::vector<std::string> masks_;
  std::vector<Line> files_;
  int focused_ = -1;
  int anchor_ = -1;
  bool tracking_ = false;
  FontSpec font_;
  Fl_Cursor cursor_ = FL_CURSOR_DEFAULT;
  TDirectoryListBox* dirList_ = nullptr;
  std::function<void()> onClick_;
  std::function<void()> onContextMenu_;
};

}  // namespace tavilo::gui

#endif
