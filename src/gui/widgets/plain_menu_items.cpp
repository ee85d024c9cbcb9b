#include "gui/widgets/plain_menu_items.h"

namespace tavilo::gui {

std::string escapeMenuText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '&' || c == '@') out += c;
  }
  return out;
}

void PlainMenuItems::assign(const std::vector<std::string>& texts) {
  labels_.clear();
  for (const std::string& t : texts) labels_.push_back(escapeMenuText(t));
  items_.assign(labels_.size() + 1, Fl_Menu_Item{});
  for (std::size_t i = 0; i < labels_.size(); ++i) items_[i].text = labels_[i].c_str();
}

}  // namespace tavilo::gui
