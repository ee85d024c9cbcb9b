// The application object: title, hints, the error box, the terminate request,
// modal windows and the activation of the window below a closed modal one.
#ifndef TAVILO_GUI_APPLICATION_H
#define TAVILO_GUI_APPLICATION_H

#include <FL/Fl_Window.H>

#include <exception>
#include <functional>
#include <list>
#include <map>
#include <string>
#include <vector>

#include "gui/color.h"

namespace tavilo::gui {

// The deepest visible widget of `group` that contains the window point (x, y).
Fl_Widget* widgetAt(Fl_Group* group, int x, int y);

class Application {
 public:
  static Application& instance();

  void Title(const std::string& title) { title_ = title; }
  const std::string& Title() const { return title_; }

  // The hint of the control under the mouse. `bubble` also shows it as a
  // tooltip; otherwise it reaches only the hint handler (the status line).
  // A hint goes with its widget: it is forgotten when the widget is deleted.
  void setHint(Fl_Widget* widget, const std::string& text, bool bubble);
  std::string hintOf(const Fl_Widget* widget) const;
  void OnHint(std::function<void()> handler) { onHint_ = std::move(handler); }
  const std::string& Hint() const { return hint_; }
  void HintColor(TColor color);
  // Recomputes the hint for the widget under the mouse in `window`.
  void trackHint(Fl_Window* window, int x, int y);

  // The main window: closing it ends the event loop.
  void MainForm(Fl_Window* window) { mainForm_ = window; }
  Fl_Window* MainForm() const { return mainForm_; }

  // The terminate request: the event loop ends at its next turn.
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  // Forgets a terminate request (a new run in the same process, as tests make).
  void ClearTerminate() { terminated_ = false; }

  // Shows the main window and processes events until it closes or
  // termination is requested.
  void Run();

  // The application's error box: caption = Title(), error picture, one OK
  // button; a full stop is appended when the last character comes after '.'.
  void ShowException(const std::string& message);
  static std::string errorBoxText(const std::string& message);

  // Runs `action`; an error it raises is shown in the error box.
  void guarded(const std::function<void()>& action);

  // Shows `window` modally and returns when it is closed; afterwards the
  // window below it (or the main window) is activated again, unless
  // `activateBelow` is false (the error box: a system box, after which the
  // program's windows keep their state).
  void showModal(Fl_Window& window, bool activateBelow = true);
  // The handler run whenever `window` becomes the program's active window.
  void OnActivate(Fl_Window* window, std::function<void()> handler);
  void activate(Fl_Window* window);

  // Hands every event to the hint tracker first.
  static int dispatch(int event, Fl_Window* window);

 private:
  Application();
  ~Application();
  // FLTK clears `widget` when the widget is deleted (Fl::watch_widget_pointer).
  struct HintEntry {
    Fl_Widget* widget = nullptr;
    std::string text;
  };
  void forgetDeletedWidgets();
  void setCurrentHint(const std::string& hint);

  std::string title_;
  std::string hint_;
  std::function<void()> onHint_;
  std::list<HintEntry> hints_;
  std::map<const Fl_Window*, std::function<void()>> onActivate_;
  std::vector<Fl_Window*> modalStack_;
  Fl_Window* mainForm_ = nullptr;
  bool terminated_ = false;
};

}  // namespace tavilo::gui

#endif
