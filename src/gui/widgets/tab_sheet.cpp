#include "gui/widgets/tab_sheet.h"

namespace tavilo::gui {

TTabSheet::TTabSheet(int x, int y, int w, int h, const char* label) : Fl_Group(x, y, w, h) {
  box(FL_FLAT_BOX);
  if (label) caption_ = label;
  end();
}

void TTabSheet::tabsChanged() {
  if (parent()) parent()->redraw();
}

void TTabSheet::Caption(const std::string& text) {
  caption_ = text;
  tabsChanged();
}

void TTabSheet::TabVisible(bool on) {
  tabVisible_ = on;
  tabsChanged();
}

}  // namespace tavilo::gui
