#include "gui/widgets/list_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include "gui/widgets/list_painting.h"

namespace tavilo::gui {

TListBox::TListBox(int x, int y, int w, int h, const char* label) : Fl_Hold_Browser(x, y, w, h, label) {
  // Rows are configuration text: '@' and tabs are characters, not commands.
  format_char(0);
  column_char(0);
  box(FL_DOWN_BOX);
  color(toFl(color_));
  selection_color(toFl(kListHighlight));
  has_scrollbar(Fl_Browser_::VERTICAL);
  when(FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED);
  callback(&TListBox::changed, this);
  Font(font_);
}

int TListBox::ItemIndex() const { return value() - 1; }

void TListBox::ItemIndex(int index) {
  if (index < 0 || index >= size()) {
    deselect();
    value(0);
  } else {
    value(index + 1);
  }
}

void TListBox::Add(const std::string& text) { add(text.c_str()); }

void TListBox::Clear() { clear(); }

std::string TListBox::Item(int index) const {
  const char* t = text(index + 1);
  return t ? t : "";
}

void TListBox::Color(TColor c) {
  color_ = c;
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
  redraw();
}

int TListBox::item_height(void*) const { return itemHeight_; }

int TListBox::item_width(void* item) const {
  const char* text = item_text(item);
  return text && *text ? Fl_Hold_Browser::item_width(item) : 0;
}

void TListBox::item_draw(void* item, int x, int y, int w, int h) const {
  const char* text = item_text(item);
  if (text && *text) Fl_Hold_Browser::item_draw(item, x, y, w, h);
}

int TListBox::handle(int event) {
  // A click below the last row keeps the chosen row, as list boxes do.
  if (event == FL_PUSH && Fl::event_button() == FL_LEFT_MOUSE && Fl::event_inside(this) &&
      Fl::event_x() < x() + w() - scrollbar_width() && !find_item(Fl::event_y()))
    return 1;
  if (event == FL_ENTER || event == FL_MOVE) window()->cursor(FL_CURSOR_HAND);
  if (event == FL_LEAVE) window()->cursor(FL_CURSOR_DEFAULT);
  const int r = Fl_Hold_Browser::handle(event);
  return (event == FL_ENTER || event == FL_MOVE) ? 1 : r;
}

void TListBox::changed(Fl_Widget*, void* self) {
  auto* list = static_cast<TListBox*>(self);
  const bool release = Fl::event() == FL_RELEASE || Fl::event() == FL_PUSH;
  if (release && Fl::event_clicks() > 0) {
    fire(list->onDblClick_);
  } else {
    fire(list->onClick_);
  }
}

}  // namespace tavilo::gui
