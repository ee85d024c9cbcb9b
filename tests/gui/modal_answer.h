// Answers modal windows from a timer, so that the real dialog code runs in
// tests: the answer runs once the next modal window is shown.
#ifndef TAVILO_TESTS_GUI_MODAL_ANSWER_H
#define TAVILO_TESTS_GUI_MODAL_ANSWER_H

#include <functional>
#include <string>
#include <vector>

class Fl_Window;
class Fl_Widget;

namespace tavilo::gui::test {

// Calls `answer` with the next modal window that is shown (checked every
// 10 ms); the answer presses a button or hides the window. When an ASSERT
// fails inside the answer, the window is closed for it.
void answerNextModal(std::function<void(Fl_Window&)> answer);
// Answers every modal window from now on, until stopAnswering().
void answerAllModals(std::function<void(Fl_Window&)> answer);
void stopAnswering();

// What the modal windows answered so far looked like: their titles.
std::vector<std::string>& seenModalTitles();

// A visible button of `window` whose label is `label` (nullptr when none).
Fl_Widget* findButton(Fl_Window& window, const std::string& label);
// Texts drawn by the window's widgets, joined by line feeds (labels and the
// captions of the project's text widgets).
std::string textsOf(Fl_Window& window);

// Runs the event loop for `seconds`.
void pump(double seconds);

}  // namespace tavilo::gui::test

#endif
