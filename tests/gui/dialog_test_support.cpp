#include "dialog_test_support.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "gui/widgets/dialog_button.h"

namespace tavilo::gui::test {

void sendKey(Fl_Window& window, int key, const std::string& text, int state) {
  static std::string typed;
  typed = text;
  Fl::e_keysym = key;
  Fl::e_text = typed.data();
  Fl::e_length = static_cast<int>(typed.size());
  Fl::e_state = state;
  Fl::handle(FL_KEYBOARD, &window);
  Fl::e_state = 0;
}

void sendEnter(Fl_Window& window) { sendKey(window, FL_Enter, "\r"); }
void sendEscape(Fl_Window& window) { sendKey(window, FL_Escape, "\033"); }

void pressCloseBox(Fl_Window& window) { Fl::handle(FL_CLOSE, &window); }

std::vector<TDialogButton*> shownButtons(Fl_Window& window) {
  std::vector<TDialogButton*> buttons;
  for (int i = 0; i < window.children(); ++i)
    if (auto* b = dynamic_cast<TDialogButton*>(window.child(i)); b && b->visible()) buttons.push_back(b);
  std::sort(buttons.begin(), buttons.end(), [](const TDialogButton* a, const TDialogButton* b) {
    return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
  });
  return buttons;
}

std::string describeButtons(Fl_Window& window) {
  std::string out;
  for (const TDialogButton* b : shownButtons(window)) {
    if (!out.empty()) out += ' ';
    out += b->Caption() + "=" + std::to_string(b->ModalResult());
  }
  return out;
}

}  // namespace tavilo::gui::test
