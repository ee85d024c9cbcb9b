// TTextLabel: a plain label for text from the configuration file. Its caption is drawn
// character for character: '@' is never a symbol, '&' is an accelerator underline only
// with ShowAccelChar. Transparent by default; disabled text is drawn embossed.
#ifndef TAVILO_GUI_WIDGETS_TEXT_LABEL_H
#define TAVILO_GUI_WIDGETS_TEXT_LABEL_H

#include "gui/color.h"
#include "gui/fonts.h"
#include "gui/widgets/caption_painter.h"
#include "gui/widgets/mouse_events.h"

#include <FL/Fl_Widget.H>

#include <string>

namespace tavilo::gui {

class TTextLabel : public Fl_Widget {
 public:
  TTextLabel(int x, int y, int w, int h, const char* label = nullptr);

  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  TAlignment Alignment() const { return alignment_; }
  void Alignment(TAlignment a);
  bool WordWrap() const { return wordWrap_; }
  void WordWrap(bool on);
  // "&x" underlines x and "&&" draws '&' (true); or every '&' is drawn (false).
  bool ShowAccelChar() const { return showAccelChar_; }
  void ShowAccelChar(bool on);
  // When false, the rectangle is first filled with Color.
  bool Transparent() const { return transparent_; }
  void Transparent(bool on);
  TColor Color() const { return fromFl(color()); }
  void Color(TColor c);
  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);
  // Fits the label to its text when the caption is set, and when font, wrapping or
  // accelerator display change once it has a caption (never at construction): widest line
  // by the lines' height, an empty caption measuring as one blank; with WordWrap only the
  // height follows. A right-aligned label keeps its right edge. Autosize(false), set
  // before the first caption, is the fixed-size mode.
  bool Autosize() const { return autosize_; }
  void Autosize(bool on);

  void OnMouse(MouseHandler h) { mouse_.handler(std::move(h)); }
  Fl_Cursor Cursor() const { return mouse_.cursor(); }
  void Cursor(Fl_Cursor c) { mouse_.cursor(c); }

  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

 protected:
  void draw() override;

  // The text that is measured and drawn (a subclass may shorten the caption).
  virtual std::string drawnCaption() const { return caption_; }
  // Pixels added to the autosized width and height.
  virtual int extraExtent() const { return 0; }
  // Draws the laid-out text with its box's top-left corner at x, y.
  virtual void drawText(const CaptionBlock& block, int x, int y, int boxWidth);

  CaptionFormat format() const;
  void changed();
  void fitToText();
  void refit();  // fitToText once a caption was given

 private:
  std::string caption_;
  TAlignment alignment_ = taLeftJustify;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool transparent_ = true;
  bool autosize_ = true;
  FontSpec font_;
  MouseEvents mouse_;
};

}  // namespace tavilo::gui

#endif
