// TMyStatusBar: one panel of text with a lowered inner bevel. It shows one
// line: line breaks become blanks and a text too long ends in "…".
#ifndef TAVILO_GUI_WIDGETS_STATUS_BAR_H
#define TAVILO_GUI_WIDGETS_STATUS_BAR_H

#include <FL/Fl_Widget.H>

#include <string>

#include "gui/color.h"
#include "gui/fonts.h"

namespace tavilo::gui {

class TMyStatusBar : public Fl_Widget {
 public:
  TMyStatusBar(int x, int y, int w, int h, const char* label = nullptr);

  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  // The caption as it is drawn at the current width and font.
  std::string ShownText() const;
  TColor Color() const { return fromFl(color()); }
  void Color(TColor c);
  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);

 protected:
  void draw() override;

 private:
  std::string caption_;
  FontSpec font_;
};

}  // namespace tavilo::gui

#endif
