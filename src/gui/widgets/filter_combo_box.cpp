#include "gui/widgets/filter_combo_box.h"

#include "gui/color.h"
#include "gui/widgets/file_list_box.h"

namespace tavilo::gui {

TFilterComboBox::TFilterComboBox(int x, int y, int w, int h, const char* label) : Fl_Choice(x, y, w, h, label) {
  color(FL_WHITE);
  down_box(FL_FLAT_BOX);
  callback(&TFilterComboBox::picked, this);
  when(FL_WHEN_CHANGED);
  Font(font_);
  Filter({});
}

void TFilterComboBox::Filter(const std::string& filter) {
  filter_ = filter;
  entries_ = core::parseFilter(filter);
  std::vector<std::string> descriptions;
  for (const core::FilterEntry& e : entries_) descriptions.push_back(e.description);
  items_.assign(descriptions);
  menu(items_.items());
  if (!entries_.empty()) value(0);
  applyMask();
  redraw();
}

std::string TFilterComboBox::Mask() const {
  const int i = ItemIndex();
  return i < 0 ? std::string() : entries_[static_cast<std::size_t>(i)].mask;
}

void TFilterComboBox::ItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  value(index);
  redraw();
  applyMask();
  if (onChange_) {
    auto handler = onChange_;
    handler();
  }
}

void TFilterComboBox::FileList(TFileListBox* list) {
  fileList_ = list;
  applyMask();
}

void TFilterComboBox::applyMask() {
  if (fileList_ && fileList_->Mask() != Mask()) fileList_->Mask(Mask());
}

void TFilterComboBox::Font(const FontSpec& f) {
  font_ = f;
  textfont(fontFor(f.face, f.bold));
  textsize(f.size);
  textcolor(toFl(f.color));
  redraw();
}

void TFilterComboBox::picked(Fl_Widget*, void* self) {
  auto* me = static_cast<TFilterComboBox*>(self);
  me->ItemIndex(me->value());
}

}  // namespace tavilo::gui
