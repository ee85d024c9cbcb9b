#include "gui/widgets/popup_menu.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Multi_Label.H>

#include <memory>
#include <string>

#include "gui/glyphs.h"

namespace tavilo::gui {

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
  const Fl_Menu_Item* chosen = items.front().popup(Fl::event_x(), Fl::event_y());
  if (!chosen) return -1;
  const int position = positions[static_cast<std::size_t>(chosen - items.data())];
  fire(items_[static_cast<std::size_t>(position)].OnClick);
  return position;
}

}  // namespace tavilo::gui
