#include "gui/message_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_RGB_Image.H>

#include <string>

#include "gui/application.h"
#include "gui/system_colors.h"
#include "gui/widgets/caption_painter.h"
#include "gui/widgets/dialog_button.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui {

MessageWindow::MessageWindow(int clientWidth, int clientHeight) : Fl_Double_Window(clientWidth, clientHeight) {
  color(toFl(kBtnFace));
  callback(&MessageWindow::closeBox, this);
  // The layout places every control itself; a size change moves none of them.
  resizable(nullptr);
}

void MessageWindow::ClientSize(int width, int height) {
  size(width, height);
  size_range(width, height, width, height);
}

void MessageWindow::connect(TDialogButton* button) { button->callback(&MessageWindow::buttonPressed, this); }

void MessageWindow::buttonPressed(Fl_Widget* w, void* self) {
  auto* window = static_cast<MessageWindow*>(self);
  const int result = static_cast<TDialogButton*>(w)->ModalResult();
  if (result == mrNone) return;
  window->result_ = result;
  window->hide();
}

void MessageWindow::closeBox(Fl_Widget*, void* self) {
  auto* window = static_cast<MessageWindow*>(self);
  // FLTK's last resort for an Esc that nothing took is this callback too.
  const bool escape =
      (Fl::event() == FL_SHORTCUT || Fl::event() == FL_KEYBOARD) && Fl::event_key() == FL_Escape;
  if (escape && window->escapeResult_ == mrNone) return;
  window->result_ = escape ? window->escapeResult_ : mrCancel;
  window->hide();
}

int MessageWindow::ShowModal() {
  result_ = mrNone;
  Application::instance().showModal(*this);
  if (result_ == mrNone) result_ = mrCancel;
  return result_;
}

void MessageWindow::show() {
  Fl_Double_Window::show();
  if (focusButton_ && focusButton_->visible()) focusButton_->take_focus();
}

std::string MessageWindow::Text() const {
  std::string text = label() ? label() : "";
  for (int i = 0; i < children(); ++i) {
    const auto* line = dynamic_cast<const TTextLabel*>(child(i));
    if (line && line->visible() && !line->Caption().empty()) text += "\n" + line->Caption();
  }
  return text;
}

int MessageWindow::handle(int event) {
  // Ctrl+C copies the message, as the system's message boxes do: someone who
  // asks for help can paste it instead of typing it.
  if ((event == FL_KEYBOARD || event == FL_SHORTCUT) && Fl::event_state(FL_CTRL) &&
      (Fl::event_key() == 'c' || Fl::event_key() == FL_Insert)) {
    const std::string text = Text();
    Fl::copy(text.c_str(), static_cast<int>(text.size()), 1);
    return 1;
  }
  const int taken = Fl_Double_Window::handle(event);
  if (taken || event != FL_SHORTCUT || Fl::event_key() != FL_Escape) return taken;
  if (escapeResult_ != mrNone) {
    result_ = escapeResult_;
    hide();
  }
  // Taken here, the Esc never reaches FLTK's closing of the window by its callback.
  return 1;
}

FontSpec messageFont(TColor color) { return {"MS Sans Serif", 11, true, color}; }

TTextLabel* makeMessageLabel(int x, int y, TColor color) {
  auto* label = new TTextLabel(x, y, 1, 1);
  label->ShowAccelChar(false);
  label->Font(messageFont(color));
  return label;
}

core::TextWidthFn widthMeasuredBy(TTextLabel& label) {
  return [&label](std::string_view text) {
    if (text.empty()) return 0;
    label.Caption(std::string(text));
    return label.w();
  };
}

int oneLineHeight(const FontSpec& font) {
  const CaptionBlock block(" ", {font, taLeftJustify, false, false, true}, 0);
  return block.extent().height;
}

Fl_Box* makePicture(int x, int y, int w, int h, Fl_RGB_Image* image) {
  auto* box = new Fl_Box(x, y, w, h);
  box->box(FL_NO_BOX);
  box->image(image);
  return box;
}

}  // namespace tavilo::gui
