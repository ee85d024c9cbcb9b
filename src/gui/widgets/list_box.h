// TListBox: a list of text rows as the configuration gives them: plain text
// (no formatting characters), fixed row height, one selected row. It behaves
// as a desktop list box: a click gives it the keyboard focus, the arrow, Home,
// End and page keys move the chosen row, and it scrolls by whole rows.
#ifndef TAVILO_GUI_WIDGETS_LIST_BOX_H
#define TAVILO_GUI_WIDGETS_LIST_BOX_H

#include <FL/Fl_Hold_Browser.H>

#include <functional>
#include <string>

#include "core/list_input.h"
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

  TColor Color() const { return fromFl(color()); }
  void Color(TColor c);
  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);
  int ItemHeight() const { return itemHeight_; }
  void ItemHeight(int h);
  // Whether Tab and the arrow keys of the window may move the focus here;
  // a click and the program always can.
  bool TabStop() const { return tabStop_; }
  void TabStop(bool on) { tabStop_ = on; }

  // A click on a row (or a change of row by keyboard); a double click. The
  // handler may delete the list.
  void OnClick(Handler h) { onClick_ = std::move(h); }
  void OnDblClick(Handler h) { onDblClick_ = std::move(h); }

  int handle(int event) override;
  void draw() override;

 protected:
  int item_height(void* item) const override;
  int item_width(void* item) const override;
  void item_draw(void* item, int x, int y, int w, int h) const override;

 private:
  core::RowView rowView() const;
  // Chooses `index` and scrolls it into view by whole rows; true when the
  // chosen row changed.
  bool choose(int index);
  int rowAt(int y);
  int handleKey();
  void click();

  FontSpec font_;
  int itemHeight_ = 13;
  bool tabStop_ = true;
  core::DoubleClickCounter clicks_;
  bool pressed_ = false;       // a left press on a row is being held
  bool pressChanged_ = false;  // that press chose another row
  bool pressDouble_ = false;   // that press completed a double click
  Handler onClick_, onDblClick_;
};

}  // namespace tavilo::gui

#endif
