// Keys, the close box and the shown buttons of the message windows, for the dialog tests.
#ifndef TAVILO_TESTS_GUI_DIALOG_TEST_SUPPORT_H
#define TAVILO_TESTS_GUI_DIALOG_TEST_SUPPORT_H

#include <string>
#include <vector>

class Fl_Window;

namespace tavilo::gui {
class TDialogButton;
}

namespace tavilo::gui::test {

// Dispatches a key press to `window` as FLTK dispatches a real one: `key` is the key
// symbol, `text` what it types, `state` the modifier bits (FL_ALT, ...).
void sendKey(Fl_Window& window, int key, const std::string& text, int state = 0);
void sendEnter(Fl_Window& window);
void sendEscape(Fl_Window& window);
// What the window manager's close box does.
void pressCloseBox(Fl_Window& window);

// The visible dialog buttons of `window`, left to right and then top to bottom.
std::vector<TDialogButton*> shownButtons(Fl_Window& window);
// "caption=result" of each, joined by blanks: "&Ja=6 &Nein=7".
std::string describeButtons(Fl_Window& window);

}  // namespace tavilo::gui::test

#endif
