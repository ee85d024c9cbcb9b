// TFilterComboBox: the file-type selector. Its filter text holds pairs of
// description and mask, "Texte (*.txt)|*.txt|Alle Dateien (*.*)|*.*"; it shows
// the descriptions, and the chosen entry's mask goes to the bound file list.
#ifndef TAVILO_GUI_WIDGETS_FILTER_COMBO_BOX_H
#define TAVILO_GUI_WIDGETS_FILTER_COMBO_BOX_H

#include "core/files/file_masks.h"
#include "gui/fonts.h"
#include "gui/widgets/plain_menu_items.h"

#include <FL/Fl_Choice.H>

#include <functional>
#include <string>
#include <vector>

namespace tavilo::gui {

class TFileListBox;

class TFilterComboBox : public Fl_Choice {
 public:
  TFilterComboBox(int x, int y, int w, int h, const char* label = nullptr);

  // Setting it chooses the first entry.
  const std::string& Filter() const { return filter_; }
  void Filter(const std::string& filter);
  const std::vector<core::FilterEntry>& Entries() const { return entries_; }
  // The chosen entry's mask ("" without entries: every file).
  std::string Mask() const;
  int ItemIndex() const { return entries_.empty() ? -1 : value(); }
  // Chooses an entry as the user does: its mask goes to the file list, OnChange runs.
  void ItemIndex(int index);

  TFileListBox* FileList() const { return fileList_; }
  void FileList(TFileListBox* list);

  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);

  void OnChange(std::function<void()> h) { onChange_ = std::move(h); }

 private:
  static void picked(Fl_Widget* w, void* self);
  void applyMask();

  std::string filter_;
  std::vector<core::FilterEntry> entries_;
  PlainMenuItems items_;
  FontSpec font_;
  TFileListBox* fileList_ = nullptr;
  std::function<void()> onChange_;
};

}  // namespace tavilo::gui

#endif
