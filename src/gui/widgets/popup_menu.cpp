#include "gui/widgets/popup_menu.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Window.H>
#include <FL/Fl_Multi_Label.H>

#include <memory>
#include <string>

#include "gui/glyphs.h"

namespace tavilo::gui {

namespace {

Fl_Event_Dispatch dispatchBelowMenu = nullptr;

// FLTK 1.3.8's menus read outside their state for Up, Down, Tab and
// BackSpace once the mouse, after an item was chosen, has moved off the items
// of every menu (off the menus, or onto a menu's left edge, whose first two
// columns choose no item), until it is on an item again. Such keys are
// dropped in between. "On an item" is taken as well inside a menu window
// (not a hint bubble, which FLTK makes a menu window too but marks as a
// tooltip); at the edge keys may be dropped that FLTK would have managed.
constexpr int kMenuEdge = 4;

struct MenuKeys {
  bool itemChosen = false;  // the menu has a current item
  bool itemsLeft = false;   // it lost it to the mouse: the keys are unsafe
};
MenuKeys menuKeys;

bool pointerOnAMenuItem() {
  const int x = Fl::event_x_root(), y = Fl::event_y_root();
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
    if (w->menu_window() && !w->tooltip_window() && w->shown() && x >= w->x() + kMenuEdge &&
        x < w->x() + w->w() - kMenuEdge && y >= w->y() + kMenuEdge && y < w->y() + w->h() - kMenuEdge)
      return true;
  return false;
}

bool isNavigationKey(int key) { return key == FL_Up || key == FL_Down || key == FL_Tab || key == FL_BackSpace; }

int menuDispatch(int event, Fl_Window* window) {
  switch (event) {
    case FL_MOVE:
    case FL_DRAG:
    case FL_PUSH:
    case FL_ENTER:
      if (pointerOnAMenuItem()) {
        menuKeys = {true, false};
      } else if (menuKeys.itemChosen) {
        menuKeys = {false, true};
      }
      break;
    case FL_KEYBOARD:
    case FL_SHORTCUT:
      if (isNavigationKey(Fl::event_key())) {
        if (menuKeys.itemsLeft) return 1;
        menuKeys.itemChosen = true;
      }
      break;
    default:
      break;
  }
  return dispatchBelowMenu ? dispatchBelowMenu(event, window) : Fl::handle_(event, window);
}

}  // namespace

int TPopupMenu::Popup() {
  // Separators are drawn as a line under the item before them.
  std::vector<Fl_Menu_Item> items;
  std::vector<std::unique_ptr<Fl_Multi_Label>> labels;
  std::vector<int> positions;
  std::vector<std::string> spaced;  // captions a blank away from their picture
  spaced.reserve(items_.size());     // no reallocation: the items point into it
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const TMenuItem& m = items_[i];
    if (m.Caption == "-") {
      if (!items.empty()) items.back().flags |= FL_MENU_DIVIDER;
      continue;
    }
    Fl_Menu_Item item{};
    item.text = m.Caption.c_str();
    item.flags = m.Enabled ? 0 : FL_MENU_INACTIVE;
    item.labelsize_ = 12;
    if (Fl_RGB_Image* image = (images_ ? images_ : glyphs::menuImage)(m.ImageIndex)) {
      // FLTK draws the image part of a label only once an image has been made a menu
      // item's label; until then that label type draws nothing.
      Fl_Menu_Item registersImageLabels{};
      image->label(&registersImageLabels);
      auto label = std::make_unique<Fl_Multi_Label>();
      label->labela = reinterpret_cast<const char*>(image);
      label->typea = _FL_IMAGE_LABEL;
      spaced.push_back(std::string(1, ' ').append(m.Caption));
      label->labelb = spaced.back().c_str();
      label->typeb = FL_NORMAL_LABEL;
      label->label(&item);
      labels.push_back(std::move(label));
    }
    items.push_back(item);
    positions.push_back(static_cast<int>(i));
  }
  items.push_back(Fl_Menu_Item{});
  const Fl_Event_Dispatch previous = Fl::event_dispatch();
  if (previous != menuDispatch) {
    dispatchBelowMenu = previous;
    Fl::event_dispatch(menuDispatch);
  }
  menuKeys = {};
  const Fl_Menu_Item* chosen = items.front().popup(Fl::event_x(), Fl::event_y());
  Fl::event_dispatch(previous);
  if (!chosen) return -1;
  const int position = positions[static_cast<std::size_t>(chosen - items.data())];
  fire(items_[static_cast<std::size_t>(position)].OnClick);
  return position;
}

}  // namespace tavilo::gui
