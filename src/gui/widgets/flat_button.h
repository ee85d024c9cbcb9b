// TFlatButton: the flat buttons of the main window. While the pointer is not over it (and
// it lacks the keyboard focus) it draws nothing behind itself, so the gradient behind shows;
// it fills with FocusedColor while the pointer is over it or it has the focus, and with
// DownColor while pressed. Solid mode fills with Color in every state (the small red
// title-bar buttons). A click fires OnClick; "&x" in the caption makes Alt+x a
// shortcut. Like a speed button it takes no keyboard focus unless visible_focus(1) is set.
#ifndef TAVILO_GUI_WIDGETS_FLAT_BUTTON_H
#define TAVILO_GUI_WIDGETS_FLAT_BUTTON_H

#include "gui/color.h"
#include "gui/fonts.h"
#include "gui/widgets/handler.h"

#include <FL/Fl_Button.H>

#include <memory>
#include <string>

class Fl_Image;

namespace tavilo::gui {

class TFlatButton : public Fl_Button {
 public:
  TFlatButton(int x, int y, int w, int h, const char* label = nullptr);
  ~TFlatButton() override;

  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);
  TColor FocusedColor() const { return focusedColor_; }
  void FocusedColor(TColor c);
  TColor DownColor() const { return downColor_; }
  void DownColor(TColor c);
  // A one-pixel line around the button, drawn in every state.
  bool Border() const { return border_; }
  void Border(bool on);
  TColor BorderColor() const { return borderColor_; }
  void BorderColor(TColor c);
  // Fill every state with Color instead of being transparent.
  bool Solid() const { return solid_; }
  void Solid(bool on);
  TColor Color() const { return fromFl(color()); }
  void Color(TColor c);
  // A picture left of the caption (centred alone without one); not owned.
  Fl_Image* Glyph() const { return glyph_; }
  void Glyph(Fl_Image* image);
  // The picture while disabled; none: the glyph greyed out. Not owned.
  Fl_Image* DisabledGlyph() const { return disabledGlyph_; }
  void DisabledGlyph(Fl_Image* image);
  bool ShowAccelChar() const { return showAccelChar_; }
  void ShowAccelChar(bool on);
  Fl_Cursor Cursor() const { return cursor_; }
  void Cursor(Fl_Cursor c) { cursor_ = c; }
  void OnClick(Handler h) { onClick_ = std::move(h); }

  // The look the button has now.
  enum class Look { Normal, Focused, Down };
  Look CurrentLook() const;

  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

 protected:
  void draw() override;

 private:
  bool opaque(Look look) const { return solid_ || look != Look::Normal; }
  void changed();
  void drawContent(int dx, int dy);

  std::string caption_;
  FontSpec font_;
  TColor focusedColor_ = 0xFFC1C1;
  TColor downColor_ = 0xFFD9D9;
  bool border_ = false;
  TColor borderColor_ = 0x000000;
  bool solid_ = false;
  Fl_Image* glyph_ = nullptr;
  Fl_Image* disabledGlyph_ = nullptr;
  std::unique_ptr<Fl_Image> inactiveGlyph_;
  bool showAccelChar_ = true;
  Fl_Cursor cursor_ = FL_CURSOR_HAND;
  bool hover_ = false;
  Handler onClick_;
};

}  // namespace tavilo::gui

#endif
