#include "gui/widgets/page_control.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "gui/widgets/tab_sheet.h"

namespace tavilo::gui {

namespace {
constexpr int kTabPadding = 8;  // on each side of the caption
constexpr int kTabGap = 3;
}  // namespace

TPageControl::TPageControl(int x, int y, int w, int h, const char* label) : Fl_Group(x, y, w, h) {
  box(FL_NO_BOX);
  font_.bold = true;
  copy_label(label);
  labeltype(FL_NO_LABEL);
  end();
}

TTabSheet* TPageControl::AddPage(const std::string& caption) {
  Fl_Group* current = Fl_Group::current();
  begin();
  auto* page = new TTabSheet(x(), y() + kPageTop, w(), h() - kPageTop);
  end();
  Fl_Group::current(current);
  page->Caption(caption);
  page->color(color());
  pages_.push_back(page);
  if (active_) page->hide();
  else active_ = page;
  return page;
}

void TPageControl::ActivePage(TTabSheet* page) {
  if (page == active_) return;
  for (TTabSheet* p : pages_) {
    if (p == page) p->show();
    else p->hide();
  }
  active_ = page;
  redraw();
}

void TPageControl::Font(const FontSpec& f) {
  font_ = f;
  redraw();
}

core::Rect TPageControl::TabRect(const TTabSheet* page) const {
  applyFont(font_);
  int left = 2;
  for (const TTabSheet* p : pages_) {
    if (!p->TabVisible()) continue;
    const int width = static_cast<int>(fl_width(p->Caption().c_str())) + 2 * kTabPadding;
    if (p == page) return {left, 2, width, kTabHeight};
    left += width + kTabGap;
  }
  return {};
}

int TPageControl::handle(int event) {
  if (event == FL_PUSH && Fl::event_button() == FL_LEFT_MOUSE && Fl::event_y() < y() + kPageTop) {
    for (TTabSheet* p : pages_) {
      const core::Rect r = TabRect(p);
      const int ex = Fl::event_x() - x(), ey = Fl::event_y() - y();
      if (r.width > 0 && ex >= r.left && ex < r.left + r.width && ey >= r.top && ey < r.top + r.height) {
        if (p != active_) {
          ActivePage(p);
          fire(onChange_);
        }
        return 1;
      }
    }
  }
  return Fl_Group::handle(event);
}

void TPageControl::resize(int x, int y, int w, int h) {
  Fl_Widget::resize(x, y, w, h);
  for (TTabSheet* p : pages_) p->resize(x, y + kPageTop, w, h - kPageTop);
}

void TPageControl::draw() {
  if (damage() & ~FL_DAMAGE_CHILD) {
    fl_rectf(x(), y(), w(), kPageTop, color());
    for (const TTabSheet* p : pages_) {
      const core::Rect r = TabRect(p);
      if (r.width <= 0) continue;
      const int tx = x() + r.left, ty = y() + r.top;
      if (p == active_) fl_draw_box(FL_THIN_DOWN_BOX, tx, ty, r.width, r.height, fl_lighter(color()));
      applyFont(font_);
      fl_color(toFl(font_.color));
      const int shift = p == active_ ? 1 : 0;
      fl_draw(p->Caption().c_str(), tx + shift, ty + shift, r.width, r.height, FL_ALIGN_CENTER, nullptr, 0);
    }
  }
  draw_children();
}

}  // namespace tavilo::gui
