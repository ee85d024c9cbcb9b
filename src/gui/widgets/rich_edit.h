// TRichEdit: a read-only text box that shows its lines as plain text,
// wrapped at its width, with scroll bars when the text needs them.
#ifndef TAVILO_GUI_WIDGETS_RICH_EDIT_H
#define TAVILO_GUI_WIDGETS_RICH_EDIT_H

#include <FL/Fl_Text_Display.H>

#include <memory>
#include <string>

#include "gui/color.h"
#include "gui/fonts.h"

class Fl_Text_Buffer;

namespace tavilo::gui {

class TRichEdit : public Fl_Text_Display {
 public:
  TRichEdit(int x, int y, int w, int h, const char* label = nullptr);
  ~TRichEdit() override;

  void Clear();
  void AddLine(const std::string& line);  // Lines.Add: nothing in it is markup
  std::string Text() const;

  TColor Color() const { return fromFl(color()); }
  void Color(TColor c);
  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);

 private:
  std::unique_ptr<Fl_Text_Buffer> buffer_;
  FontSpec font_;
};

}  // namespace tavilo::gui

#endif
