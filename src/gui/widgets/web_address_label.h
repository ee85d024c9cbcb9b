// TWEBLabel: a label that opens its own address. A click opens the protocol's prefix
// followed by Address through the desktop (the prefix left out when the address has it).
// While the left button is held on it the text turns red; the colour it had returns on
// release. It shows a hand cursor. Unlike TWebLabel, which only reports its clicks.
#ifndef TAVILO_GUI_WIDGETS_WEB_ADDRESS_LABEL_H
#define TAVILO_GUI_WIDGETS_WEB_ADDRESS_LABEL_H

#include <string>

#include "core/web_address.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui {

class TWEBLabel : public TTextLabel {
 public:
  TWEBLabel(int x, int y, int w, int h, const char* label = nullptr);

  core::WebProtocol Protocol() const { return protocol_; }
  void Protocol(core::WebProtocol p) { protocol_ = p; }
  const std::string& Address() const { return address_; }
  void Address(const std::string& a) { address_ = a; }
  // What a click opens.
  std::string Target() const { return core::webLinkTarget(protocol_, address_); }
  // A line under the text (the font's underline style).
  bool Underline() const { return underline_; }
  void Underline(bool on);
  bool Pressed() const { return pressed_; }

  int handle(int event) override;

 protected:
  void drawText(const CaptionBlock& block, int x, int y, int boxWidth) override;

 private:
  void press(bool on);

  core::WebProtocol protocol_ = core::WebProtocol::Plain;
  std::string address_;
  bool underline_ = false;
  bool pressed_ = false;
  bool clicked_ = false;  // the press was a click, not the second of a double click
  TColor releasedColor_ = 0;
};

}  // namespace tavilo::gui

#endif
