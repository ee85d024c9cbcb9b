// TWebLabel: a clickable caption. While the pointer is over it the text is
// drawn in HoverColor on HoverBackground. A double click is one click.
#ifndef TAVILO_GUI_WIDGETS_WEB_LABEL_H
#define TAVILO_GUI_WIDGETS_WEB_LABEL_H

#include <functional>

#include "gui/widgets/handler.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui {

class TWebLabel : public TTextLabel {
 public:
  TWebLabel(int x, int y, int w, int h, const char* label = nullptr);

  TColor HoverColor() const { return hoverColor_; }
  void HoverColor(TColor c) { hoverColor_ = c; }
  TColor HoverBackground() const { return hoverBackground_; }
  void HoverBackground(TColor c) { hoverBackground_ = c; }
  bool Hovered() const { return hovered_; }

  void OnClick(std::function<void()> h) { onClick_ = std::move(h); }

  int handle(int event) override;

 private:
  void hover(bool on);

  TColor hoverColor_ = 0xFF0000;
  TColor hoverBackground_ = 0xC0C0C0;
  TColor normalColor_ = 0;
  bool hovered_ = false;
  bool clicked_ = false;
  std::function<void()> onClick_;
};

}  // namespace tavilo::gui

#endif
