// TTabSheet: one page of a TPageControl, a group that holds the page's controls. Made by
// TPageControl::AddPage at the page control's page area.
#ifndef TAVILO_GUI_WIDGETS_TAB_SHEET_H
#define TAVILO_GUI_WIDGETS_TAB_SHEET_H

#include <FL/Fl_Group.H>

#include <string>

namespace tavilo::gui {

class TTabSheet : public Fl_Group {
 public:
  TTabSheet(int x, int y, int w, int h, const char* label = nullptr);

  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  // False: the page has no tab, so the user cannot reach it.
  bool TabVisible() const { return tabVisible_; }
  void TabVisible(bool on);

 private:
  void tabsChanged();

  std::string caption_;
  bool tabVisible_ = true;
};

}  // namespace tavilo::gui

#endif
