#include "gui/widgets/drive_combo_box.h"

#include "core/folder_tree.h"
#include "core/path.h"
#include "gui/color.h"
#include "gui/widgets/directory_list_box.h"
#include "platform/platform.h"

#include <algorithm>

namespace tavilo::gui {

namespace pf = tavilo::platform;

TDriveComboBox::TDriveComboBox(int x, int y, int w, int h, const char* label) : Fl_Choice(x, y, w, h, label) {
  color(FL_WHITE);
  down_box(FL_FLAT_BOX);
  callback(&TDriveComboBox::picked, this);
  when(FL_WHEN_CHANGED);
  Font(font_);
  Update();
}

TDriveComboBox::~TDriveComboBox() {
  if (dirList_) dirList_->driveCombo_ = nullptr;
}

int TDriveComboBox::indexOf(const std::string& drive) const {
  const auto it = std::find(drives_.begin(), drives_.end(), drive);
  return it == drives_.end() ? -1 : static_cast<int>(it - drives_.begin());
}

void TDriveComboBox::Drives(const std::vector<std::string>& drives) {
  // POSIX has one root above every mount point; Windows has only its drives.
  drives_.clear();
  if (pf::kPathStyle == pf::PathStyle::Posix) drives_.emplace_back("/");
  for (const std::string& d : drives) {
    const std::string n = core::normalFolder(d);
    if (!n.empty() && indexOf(n) < 0) drives_.push_back(n);
  }
  if (drives_.empty()) drives_.emplace_back(1, core::separatorOf());
  items_.assign(drives_);
  menu(items_.items());
  const std::string shown = drive_.empty() ? drives_.front() : drive_;
  drive_.clear();
  Drive(shown);
}

void TDriveComboBox::Update() { Drives(pf::listDrives()); }

void TDriveComboBox::Drive(const std::string& path) {
  const std::string drive = core::driveOf(path, drives_);
  const int index = std::max(0, indexOf(drive));
  drive_ = drives_[static_cast<std::size_t>(index)];
  value(index);
  redraw();
}

void TDriveComboBox::DirList(TDirectoryListBox* list) {
  if (dirList_ == list) return;
  if (dirList_) dirList_->driveCombo_ = nullptr;
  if (list && list->driveCombo_) list->driveCombo_->dirList_ = nullptr;
  dirList_ = list;
  if (dirList_) {
    dirList_->driveCombo_ = this;
    Drive(dirList_->Directory());
  }
}

void TDriveComboBox::Font(const FontSpec& f) {
  font_ = f;
  textfont(fontFor(f.face, f.bold));
  textsize(f.size);
  textcolor(toFl(f.color));
  redraw();
}

void TDriveComboBox::picked(Fl_Widget*, void* self) {
  auto* me = static_cast<TDriveComboBox*>(self);
  me->choose(me->value());
}

void TDriveComboBox::choose(int index) {
  if (index < 0 || index >= static_cast<int>(drives_.size())) return;
  const std::string drive = drives_[static_cast<std::size_t>(index)];
  drive_ = drive;
  value(index);
  redraw();
  const bool ready = pf::driveReady(drive);
  if (dirList_ && ready) dirList_->Drive(drive);
  if (onChange_) {
    auto handler = onChange_;
    handler();
  }
  if (!ready && dirList_ && drive_ == drive) Drive(dirList_->Directory());
}

int TDriveComboBox::handle(int event) {
  const int cursor = event == FL_ENTER || event == FL_LEAVE ? mouse_.handle(*this, event) : 0;
  return Fl_Choice::handle(event) | cursor;
}

}  // namespace tavilo::gui
