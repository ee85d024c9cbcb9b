#include "gui/widgets/rich_edit.h"

#include <FL/Fl_Text_Buffer.H>

namespace tavilo::gui {

TRichEdit::TRichEdit(int x, int y, int w, int h, const char* label)
    : Fl_Text_Display(x, y, w, h, label), buffer_(std::make_unique<Fl_Text_Buffer>()) {
  buffer(buffer_.get());
  box(FL_FLAT_BOX);
  wrap_mode(WRAP_AT_BOUNDS, 0);
  scrollbar_width(16);
  color(toFl(kSilver));
  Font(font_);
}

TRichEdit::~TRichEdit() { buffer(nullptr); }

void TRichEdit::Clear() { buffer_->text(""); }

void TRichEdit::AddLine(const std::string& line) {
  if (buffer_->length() > 0) buffer_->append("\n");
  buffer_->append(line.c_str());
}

std::string TRichEdit::Text() const {
  char* t = buffer_->text();
  std::string s = t ? t : "";
  free(t);
  return s;
}

void TRichEdit::Color(TColor c) {
  color(toFl(c));
  redraw();
}

void TRichEdit::Font(const FontSpec& f) {
  font_ = f;
  textfont(fontFor(f.face, f.bold));
  textsize(f.size);
  textcolor(toFl(f.color));
  redraw();
}

}  // namespace tavilo::gui
