// TListBox: a list of text rows as the configuration gives them: no
// formatting characters, fixed row height, one selected row.
#ifndef TAVILO_GUI_WIDGETS_LIST_BOX_H
#define TAVILO_GUI_WIDGETS_LIST_BOX_H

#include <FL/Fl_Hold_Browser.H>

#include <functional>
#include <string>

#include "gui/color.h"
#include "gui/fonts.h"
#include "gui/widgets/handler.h"

namespace tavilo::gui {

class TListBox : public Fl_Hold_Browser {
 public:
  TListBox(int x, int y, int w, int h, const char* label = nullptr);

  int ItemIndex() const;        // -1 when no row is selected
  void ItemIndex(int index);    // selects without running OnClick; -1 clears
  int Count() const { return size(); }
  void Add(const std::string& text);
  void Clear();
  std::string Item(int index) const;

  TColor Color() const { return color_; }
  void Color(TColor c);
  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);
  int ItemHeight() const { return itemHeight_; }
  void ItemHeight(int h);

  // A click on a row (or a change of row by keyboard); a double click.
  void OnClick(std::function<void()> h) { onClick_ = std::move(h); }
  void OnDblClick(std::function<void()> h) { onDblClick_ = std::move(h); }

  int handle(int event) override;

 protected:
  int item_height(void* item) const override;
  // An empty row is measured and drawn here: without a format character FLTK's
  // parsing reads past the end of an empty text.
  int item_width(void* item) const override;
  void item_draw(void* item, int x, int y, int w, int h) const override;

 private:
  static void changed(Fl_Widget* w, void* self);

  TColor color_ = 0xFFFFFF;
  FontSpec font_;
  int itemHeight_ = 13;
  std::function<void()> onClick_, onDblClick_;
};

}  // namespace tavilo::gui

#endif
