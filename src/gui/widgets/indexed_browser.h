// TIndexedBrowser: an FLTK browser whose rows are numbered 0 to Count() - 1;
// FLTK's row pointers are the row number plus one, so no row is nullptr.
// Its rows are all one height, and it scrolls by whole rows.
#ifndef TAVILO_GUI_WIDGETS_INDEXED_BROWSER_H
#define TAVILO_GUI_WIDGETS_INDEXED_BROWSER_H

#include <FL/Fl_Browser_.H>

#include <cstdint>

#include "core/list_input.h"

namespace tavilo::gui {

class TIndexedBrowser : public Fl_Browser_ {
 public:
  TIndexedBrowser(int x, int y, int w, int h, const char* label = nullptr) : Fl_Browser_(x, y, w, h, label) {}

  virtual int Count() const = 0;

 protected:
  static void* pointerOf(int index) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(index) + 1); }
  static int indexOf(void* item) { return static_cast<int>(reinterpret_cast<std::intptr_t>(item)) - 1; }

  void* item_first() const override { return Count() > 0 ? pointerOf(0) : nullptr; }
  void* item_next(void* item) const override {
    const int i = indexOf(item) + 1;
    return i < Count() ? pointerOf(i) : nullptr;
  }
  void* item_prev(void* item) const override {
    const int i = indexOf(item) - 1;
    return i >= 0 ? pointerOf(i) : nullptr;
  }
  void* item_last() const override { return Count() > 0 ? pointerOf(Count() - 1) : nullptr; }
  void* item_at(int index) const override { return index >= 0 && index < Count() ? pointerOf(index) : nullptr; }

  core::RowView rowView() const {
    int bx, by, bw, bh;
    bbox(bx, by, bw, bh);
    return {Count() > 0 ? item_height(pointerOf(0)) : 1, Count(), bh};
  }
  // Scrolls the least whole rows that show row `index` whole.
  void showRow(int index) { vposition(core::positionShowing(index, vposition(), rowView())); }
  void draw() override {
    // Scroll bar drags and the mouse wheel may stop between rows.
    const int snapped = core::snapToRow(vposition(), rowView());
    if (snapped != vposition()) vposition(snapped);
    Fl_Browser_::draw();
  }
};

}  // namespace tavilo::gui

#endif
