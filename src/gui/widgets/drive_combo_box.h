// TDriveComboBox: the drive selector. It lists "/" first, then the mount points
// of real file systems (platform::listDrives); the item text is the mount path.
//
// When the user picks a drive, a bound folder list goes to the drive's root if
// the drive is ready (it stays where it is otherwise), and then OnChange runs:
// the handler finds the picked drive in Drive() and, for a drive that is not
// ready, the folder list still on its former, readable drive. When the handler
// leaves the selector on a drive that is not ready, the selector shows the
// folder list's drive again.
#ifndef TAVILO_GUI_WIDGETS_DRIVE_COMBO_BOX_H
#define TAVILO_GUI_WIDGETS_DRIVE_COMBO_BOX_H

#include "gui/fonts.h"
#include "gui/widgets/mouse_events.h"
#include "gui/widgets/plain_menu_items.h"

#include <FL/Fl_Choice.H>

#include <functional>
#include <string>
#include <vector>

namespace tavilo::gui {

class TDirectoryListBox;

class TDriveComboBox : public Fl_Choice {
 public:
  TDriveComboBox(int x, int y, int w, int h, const char* label = nullptr);
  ~TDriveComboBox() override;

  // The mount path of the shown drive.
  const std::string& Drive() const { return drive_; }
  // Shows the listed drive that holds `path` (a drive itself, or any folder).
  // Only the display changes: nothing moves and OnChange does not run.
  void Drive(const std::string& path);

  const std::vector<std::string>& Drives() const { return drives_; }
  // Lists "/" and then these drives instead of the platform's (the shown
  // drive is kept when it is among them).
  void Drives(const std::vector<std::string>& drives);
  // Reads the platform's drives again.
  void Update();

  TDirectoryListBox* DirList() const { return dirList_; }
  // Binds the folder list, which from then on also shows its drive here.
  void DirList(TDirectoryListBox* list);

  // Picks drive `index` as the user does (the bound list moves, OnChange runs).
  void choose(int index);

  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);

  void OnChange(std::function<void()> h) { onChange_ = std::move(h); }

  // The mouse cursor while the pointer is over the selector.
  Fl_Cursor Cursor() const { return mouse_.cursor(); }
  void Cursor(Fl_Cursor c) { mouse_.cursor(c); }

  int handle(int event) override;

 private:
  friend class TDirectoryListBox;
  static void picked(Fl_Widget* w, void* self);
  int indexOf(const std::string& drive) const;

  std::vector<std::string> drives_;
  std::string drive_;
  PlainMenuItems items_;
  FontSpec font_;
  TDirectoryListBox* dirList_ = nullptr;
  std::function<void()> onChange_;
  MouseEvents mouse_;
};

}  // namespace tavilo::gui

#endif
