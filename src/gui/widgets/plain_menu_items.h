// The items of a drop-down list built from texts that are shown as they are:
// FLTK would read '&' as a shortcut mark and '@' as a symbol, and add() would
// split a text at '/' into sub-menus.
#ifndef TAVILO_GUI_WIDGETS_PLAIN_MENU_ITEMS_H
#define TAVILO_GUI_WIDGETS_PLAIN_MENU_ITEMS_H

#include <FL/Fl_Menu_Item.H>

#include <string>
#include <string_view>
#include <vector>

namespace tavilo::gui {

// '&' and '@' doubled, so that FLTK draws them as the characters.
std::string escapeMenuText(std::string_view text);

class PlainMenuItems {
 public:
  PlainMenuItems() = default;
  PlainMenuItems(const PlainMenuItems&) = delete;
  PlainMenuItems& operator=(const PlainMenuItems&) = delete;

  // Replaces the items; pointers from an earlier items() become invalid.
  void assign(const std::vector<std::string>& texts);
  // The terminated array for Fl_Menu_::menu(); lives until the next assign.
  const Fl_Menu_Item* items() const { return items_.data(); }
  int size() const { return static_cast<int>(labels_.size()); }

 private:
  std::vector<std::string> labels_;
  std::vector<Fl_Menu_Item> items_;
};

}  // namespace tavilo::gui

#endif
