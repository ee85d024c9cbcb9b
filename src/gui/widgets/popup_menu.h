// TPopupMenu: a window's pop-up menu, items with a caption, a hint, a picture
// from the program's picture list and a handler; a caption "-" makes an item
// a separator. Popup() shows it at the mouse.
#ifndef TAVILO_GUI_WIDGETS_POPUP_MENU_H
#define TAVILO_GUI_WIDGETS_POPUP_MENU_H

#include <cstddef>
#include <string>
#include <vector>

#include "gui/widgets/handler.h"

class Fl_RGB_Image;

namespace tavilo::gui {

struct TMenuItem {
  std::string Caption;
  std::string Hint;
  int ImageIndex = -1;  // -1: no picture
  bool Enabled = true;
  Handler OnClick;
};

class TPopupMenu {
 public:
  TPopupMenu() = default;
  explicit TPopupMenu(std::vector<TMenuItem> items) : items_(std::move(items)) {}

  TMenuItem& operator[](std::size_t i) { return items_.at(i); }
  const TMenuItem& operator[](std::size_t i) const { return items_.at(i); }
  std::size_t size() const { return items_.size(); }

  // The pictures by ImageIndex (nullptr: none); the main window's list by default.
  using TImageList = Fl_RGB_Image* (*)(int index);
  TImageList Images() const { return images_; }
  void Images(TImageList list) { images_ = list; }

  // Shows the menu at the mouse and waits for a choice; the chosen item's
  // handler runs. Returns the item's position, or -1 when nothing was chosen.
  int Popup();

 private:
  std::vector<TMenuItem> items_;
  TImageList images_ = nullptr;
};

}  // namespace tavilo::gui

#endif
