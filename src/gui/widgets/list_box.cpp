#include "gui/widgets/list_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstring>

#include "gui/native_window.h"
#include "gui/widgets/list_painting.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

// The desktop's double-click time and distance, read once; its defaults
// where it publishes none.
core::DoubleClickRule desktopDoubleClick() {
  static const core::DoubleClickRule rule = [] {
    core::DoubleClickRule r;
    const platform::DoubleClickSettings desktop = platform::desktopDoubleClick(nativeDisplay());
    if (desktop.timeMs && *desktop.timeMs > 0) r.timeMs = *desktop.timeMs;
    if (desktop.distance && *desktop.distance >= 0) r.distance = *desktop.distance;
    return r;
  }();
  return rule;
}

void noCallback(Fl_Widget*, void*) {}

}  // namespace

TListBox::TListBox(int x, int y, int w, int h, const char* label)
    : Fl_Hold_Browser(x, y, w, h, label), clicks_(desktopDoubleClick()) {
  // Rows are drawn by item_draw as plain text; FLTK's own row drawing and
  // its '@' codes are never used.
  box(FL_DOWN_BOX);
  color(toFl(kWhite));
  selection_color(toFl(kListHighlight));
  has_scrollbar(Fl_Browser_::VERTICAL);
  scrollbar.linesize(itemHeight_);
  when(FL_WHEN_NEVER);
  callback(noCallback);
  Font(font_);
}

int TListBox::ItemIndex() const { return value() - 1; }

void TListBox::ItemIndex(int index) {
  if (index < 0 || index >= size()) {
    deselect();
    return;
  }
  choose(index);
}

void TListBox::Add(const std::string& text) { add(text.c_str()); }

void TListBox::Clear() {
  clear();
  clicks_.reset();
  pressed_ = false;
}

std::string TListBox::Item(int index) const {
  const char* t = text(index + 1);
  return t ? t : "";
}

void TListBox::Color(TColor c) {
  color(toFl(c));
  redraw();
}

void TListBox::Font(const FontSpec& f) {
  font_ = f;
  textfont(fontFor(f.face, f.bold));
  textsize(f.size);
  textcolor(toFl(f.color));
  redraw();
}

void TListBox::ItemHeight(int h) {
  itemHeight_ = h;
  scrollbar.linesize(h);
  redraw();
}

int TListBox::item_height(void*) const { return itemHeight_; }

int TListBox::item_width(void* item) const {
  const char* t = item_text(item);
  fl_font(textfont(), textsize());
  return static_cast<int>(fl_width(t, static_cast<int>(std::strlen(t)))) + 6;
}

void TListBox::item_draw(void* item, int x, int y, int w, int h) const {
  const char* t = item_text(item);
  const bool selected = item_selected(item) != 0;
  Fl_Color c = textcolor();
  if (selected) c = fl_contrast(c, selection_color());
  if (!active_r()) c = fl_inactive(c);
  fl_font(textfont(), textsize());
  fl_color(c);
  const int baseline = y + (h - fl_height()) / 2 + fl_height() - fl_descent();
  fl_draw(t, static_cast<int>(std::strlen(t)), x + 3, baseline);
  if (selected && Fl::focus() == this) {
    int bx, by, bw, bh;
    bbox(bx, by, bw, bh);
    drawFocusRect(bx, y, bw, h);
  }
  (void)w;
}

core::RowView TListBox::rowView() const {
  int bx, by, bw, bh;
  bbox(bx, by, bw, bh);
  return {itemHeight_, size(), bh};
}

void TListBox::draw() {
  // Scroll bar drags and the mouse wheel may stop between rows.
  const int snapped = core::snapToRow(vposition(), rowView());
  if (snapped != vposition()) vposition(snapped);
  Fl_Hold_Browser::draw();
}

bool TListBox::choose(int index) {
  if (index < 0 || index >= size()) return false;
  const bool changed = ItemIndex() != index;
  select_only(item_at(index + 1), 0);
  vposition(core::positionShowing(index, vposition(), rowView()));
  return changed;
}

int TListBox::rowAt(int y) {
  void* item = find_item(y);
  return item ? lineno(item) - 1 : -1;
}

void TListBox::click() { fire(onClick_); }

int TListBox::handleKey() {
  const int count = size();
  const int current = ItemIndex();
  const int page = std::max(1, core::wholeRowsShown(rowView()) - 1);
  int next = current;
  switch (Fl::event_key()) {
    case FL_Up: next = current < 0 ? 0 : current - 1; break;
    case FL_Down: next = current + 1; break;
    case FL_Page_Up: next = current - page; break;
    case FL_Page_Down: next = current < 0 ? 0 : current + page; break;
    case FL_Home: next = 0; break;
    case FL_End: next = count - 1; break;
    default: return 0;
  }
  if (count == 0) return 1;
  if (choose(std::clamp(next, 0, count - 1))) click();
  return 1;
}

int TListBox::handle(int event) {
  switch (event) {
    case FL_FOCUS:
      // Tab and the window's arrow-key navigation skip a list that is no tab stop.
      if (!tabStop_ && Fl::event() == FL_KEYBOARD) return 0;
      redraw();
      return 1;
    case FL_UNFOCUS:
      redraw();
      return 1;
    case FL_KEYBOARD:
      if (Fl::focus() != this) break;
      return handleKey();
    case FL_ENTER:
    case FL_MOVE:
      window()->cursor(FL_CURSOR_HAND);
      Fl_Hold_Browser::handle(event);
      return 1;
    case FL_LEAVE:
      window()->cursor(FL_CURSOR_DEFAULT);
      break;
    case FL_PUSH: {
      int bx, by, bw, bh;
      bbox(bx, by, bw, bh);
      if (!Fl::event_inside(bx, by, bw, bh)) break;  // the scroll bar
      if (Fl::focus() != this) {
        Fl::focus(this);
        redraw();
      }
      if (Fl::event_button() != FL_LEFT_MOUSE) return 1;
      // A press below the last row keeps the chosen row, as list boxes do.
      const int row = rowAt(Fl::event_y());
      if (row < 0) return 1;
      pressed_ = true;
      pressDouble_ = clicks_.press(eventTimeMs(), Fl::event_x_root(),
                                   Fl::event_y_root(), row);
      pressChanged_ = choose(row);
      if (pressChanged_) click();
      return 1;
    }
    case FL_DRAG: {
      if (!pressed_) break;
      // Dragging with the button held chooses the row under the mouse.
      int bx, by, bw, bh;
      bbox(bx, by, bw, bh);
      const int row = rowAt(std::clamp(Fl::event_y(), by, by + bh - 1));
      if (row >= 0 && choose(row)) {
        pressChanged_ = true;
        pressDouble_ = false;
        clicks_.reset();
        click();
      }
      return 1;
    }
    case FL_RELEASE:
      if (!pressed_) break;
      pressed_ = false;
      // The press already ran OnClick when it chose another row.
      if (pressDouble_) fire(onDblClick_);
      else if (!pressChanged_) click();
      return 1;
    default:
      break;
  }
  return Fl_Hold_Browser::handle(event);
}

}  // namespace tavilo::gui
