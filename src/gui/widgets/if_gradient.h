// TIF_Gradient: the windowless panel that colours the windows. It fills its rectangle with
// one-pixel strips from StartColor towards EndColor and draws an optional caption.
//
// As a background: make it the first child of a group with Align(alClient); it then keeps
// the group's whole area through every resize, and the group's other children are drawn
// over it. Mouse events that no child above it takes reach it; OnMouse hands them to the
// owner (the main window drags itself this way).
#ifndef TAVILO_GUI_WIDGETS_IF_GRADIENT_H
#define TAVILO_GUI_WIDGETS_IF_GRADIENT_H

#include "gui/color.h"
#include "gui/fonts.h"
#include "gui/widgets/caption_painter.h"
#include "gui/widgets/mouse_events.h"

#include <FL/Fl_Widget.H>

#include <string>

namespace tavilo::gui {

enum TGradDirection { gdUpDown = 0, gdLeftRight = 1 };

// alClient: the widget takes its parent's whole area and follows its resizes.
enum TAlign { alNone, alClient };

class TIF_Gradient : public Fl_Widget {
 public:
  TIF_Gradient(int x, int y, int w, int h, const char* label = nullptr);

  TGradDirection Direction() const { return direction_; }
  void Direction(TGradDirection d);
  TColor StartColor() const { return startColor_; }
  void StartColor(TColor c);
  TColor EndColor() const { return endColor_; }
  void EndColor(TColor c);
  TColor SelectedStartColor() const { return selectedStartColor_; }
  void SelectedStartColor(TColor c);
  TColor SelectedEndColor() const { return selectedEndColor_; }
  void SelectedEndColor(TColor c);
  // The caption's colour while selected.
  TColor SelectedColor() const { return selectedColor_; }
  void SelectedColor(TColor c);
  // False: no fill, only the caption (and the box, FL_NO_BOX by default) are drawn.
  bool Gradient() const { return gradient_; }
  void Gradient(bool on);
  bool Selected() const { return selected_; }
  void Selected(bool on);
  // Selected while the pointer is over the widget, as long as it is enabled.
  bool DoSelection() const { return doSelection_; }
  void DoSelection(bool on);
  TAlignment Alignment() const { return alignment_; }
  void Alignment(TAlignment a);
  bool WordWrap() const { return wordWrap_; }
  void WordWrap(bool on);
  // Fits the widget to its caption when the caption is set, and when font or word wrap
  // change once there is a caption; never while alClient, nor at construction.
  bool Autosize() const { return autosize_; }
  void Autosize(bool on);
  TAlign Align() const { return align_; }
  void Align(TAlign a);
  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  // The caption's font and colour.
  const FontSpec& Font() const { return font_; }
  void Font(const FontSpec& f);

  void OnMouse(MouseHandler h) { mouse_.handler(std::move(h)); }
  Fl_Cursor Cursor() const { return mouse_.cursor(); }
  void Cursor(Fl_Cursor c) { mouse_.cursor(c); }

  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

 protected:
  void draw() override;

 private:
  void changed();  // repaints, opaque or not
  void fitToCaption();
  void drawFill();
  void drawCaption();

  TGradDirection direction_ = gdUpDown;
  TColor startColor_ = kTeal;
  TColor endColor_ = kSilver;
  TColor selectedStartColor_ = kAqua;
  TColor selectedEndColor_ = kNavy;
  TColor selectedColor_ = kGray;
  bool gradient_ = true;
  bool selected_ = false;
  bool doSelection_ = false;
  TAlignment alignment_ = taCenter;
  bool wordWrap_ = false;
  bool autosize_ = true;
  TAlign align_ = alNone;
  std::string caption_;
  FontSpec font_;
  MouseEvents mouse_;
};

}  // namespace tavilo::gui

#endif
