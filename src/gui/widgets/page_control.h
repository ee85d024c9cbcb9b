// TPageControl: pages (TTabSheet) behind a row of tabs drawn as flat buttons; the tab of
// the active page looks pressed. Only the pages whose tab is visible can be chosen with
// the mouse; the program may still make any page active.
#ifndef TAVILO_GUI_WIDGETS_PAGE_CONTROL_H
#define TAVILO_GUI_WIDGETS_PAGE_CONTROL_H

#include <FL/Fl_Group.H>

#include <string>
#include <vector>

#include "core/layout/geometry.h"
#include "gui/fonts.h"
#include "gui/widgets/handler.h"

namespace tavilo::gui {

class TTabSheet;

class TPageControl : public Fl_Group {
 public:
  static constexpr int kTabHeight = 20;
  static constexpr int kPageTop = 25;  // below the row of tabs

  TPageControl(int x, int y, int w, int h, const char* label = nullptr);

  // A new last page filling the page area. FLTK's current group stays as it was, so
  // the caller opens the page with begin() to fill it.
  TTabSheet* AddPage(const std::string& caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

  TTabSheet* ActivePage() const { return active_; }
  void ActivePage(TTabSheet* page);
  // Runs when the user chooses another page by its tab.
  void OnChange(Handler h) { onChange_ = std::move(h); }

  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);

  // Where the tab of `page` is drawn, relative to the control; empty without a tab.
  core::Rect TabRect(const TTabSheet* page) const;

  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

 protected:
  void draw() override;

 private:
  std::vector<TTabSheet*> pages_;
  TTabSheet* active_ = nullptr;
  FontSpec font_;
  Handler onChange_;
};

}  // namespace tavilo::gui

#endif
