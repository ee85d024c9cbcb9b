#include "modal_answer.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Window.H>

#include <gtest/gtest.h>

#include <chrono>

#include "gui/widgets/flat_button.h"
#include "gui/widgets/text_label.h"

namespace tavilo::gui::test {

namespace {

struct Answerer {
  std::function<void(Fl_Window&)> answer;
  bool repeat = false;
  Fl_Window* last = nullptr;
};
Answerer current;

void poll(void*) {
  Fl_Window* modal = Fl::modal();
  if (modal && modal->shown() && modal != current.last && current.answer) {
    current.last = modal;
    seenModalTitles().push_back(modal->label() ? modal->label() : "");
    auto answer = current.answer;
    if (!current.repeat) current.answer = nullptr;
    Fl_Widget_Tracker alive(modal);
    answer(*modal);
    // An ASSERT that failed inside the answer left the window open: close it,
    // so that the test fails now instead of at ctest's timeout.
    if (::testing::Test::HasFatalFailure() && !alive.deleted() && modal->shown()) modal->hide();
  }
  if (!modal) current.last = nullptr;
  if (current.answer) Fl::repeat_timeout(0.01, poll);
}

void start(std::function<void(Fl_Window&)> answer, bool repeat) {
  Fl::remove_timeout(poll);
  current = {std::move(answer), repeat, nullptr};
  Fl::add_timeout(0.01, poll);
}

void collect(Fl_Widget* w, std::string& out) {
  if (auto* t = dynamic_cast<TTextLabel*>(w)) out += t->Caption() + "\n";
  else if (auto* b = dynamic_cast<TFlatButton*>(w)) out += b->Caption() + "\n";
  else if (w->label() && !w->as_window()) out += std::string(w->label()) + "\n";
  if (Fl_Group* g = w->as_group())
    for (int i = 0; i < g->children(); ++i) collect(g->child(i), out);
}

Fl_Widget* find(Fl_Group* g, const std::string& label) {
  for (int i = 0; i < g->children(); ++i) {
    Fl_Widget* w = g->child(i);
    if (!w->visible()) continue;
    if (auto* b = dynamic_cast<TFlatButton*>(w); b && b->Caption() == label) return w;
    if (dynamic_cast<Fl_Button*>(w) && w->label() && label == w->label()) return w;
    if (Fl_Group* child = w->as_group())
      if (Fl_Widget* found = find(child, label)) return found;
  }
  return nullptr;
}

}  // namespace

void answerNextModal(std::function<void(Fl_Window&)> answer) { start(std::move(answer), false); }
void answerAllModals(std::function<void(Fl_Window&)> answer) { start(std::move(answer), true); }
void stopAnswering() {
  Fl::remove_timeout(poll);
  current = {};
}

std::vector<std::string>& seenModalTitles() {
  static std::vector<std::string> titles;
  return titles;
}

Fl_Widget* findButton(Fl_Window& window, const std::string& label) { return find(&window, label); }

std::string textsOf(Fl_Window& window) {
  std::string out;
  collect(&window, out);
  return out;
}

void pump(double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) Fl::wait(0.01);
}

}  // namespace tavilo::gui::test
