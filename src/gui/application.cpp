#include "gui/application.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Tooltip.H>

#include <algorithm>

#include "core/error.h"
#include "gui/error_box.h"
#include "gui/native_window.h"
#include "platform/window.h"

namespace tavilo::gui {

Fl_Widget* widgetAt(Fl_Group* group, int x, int y) {
  for (int i = group->children() - 1; i >= 0; --i) {
    Fl_Widget* child = group->child(i);
    if (!child->visible()) continue;
    if (x < child->x() || y < child->y() || x >= child->x() + child->w() || y >= child->y() + child->h()) continue;
    if (Fl_Group* g = child->as_group(); g && !child->as_window()) return widgetAt(g, x, y);
    return child;
  }
  return group;
}

namespace {

// Every window's title, whenever FLTK writes it (at show() and at each change of
// a shown window's label), reaches the window manager's legacy properties in
// their own encoding.
int repairTitles(void* event, void*) {
  platform::repairLegacyTitleOnEvent(nativeDisplay(), event);
  return 0;  // FLTK handles the event as ever
}

}  // namespace

Application& Application::instance() {
  static Application app;
  return app;
}

Application::Application() { Fl::add_system_handler(repairTitles, nullptr); }

Application::~Application() {
  Fl::remove_system_handler(repairTitles);
  for (HintEntry& e : hints_) Fl::release_widget_pointer(e.widget);
}

void Application::forgetDeletedWidgets() {
  hints_.remove_if([](HintEntry& e) {
    if (e.widget) return false;
    Fl::release_widget_pointer(e.widget);
    return true;
  });
}

void Application::setHint(Fl_Widget* widget, const std::string& text, bool bubble) {
  forgetDeletedWidgets();
  auto it = std::find_if(hints_.begin(), hints_.end(), [widget](const HintEntry& e) { return e.widget == widget; });
  if (it == hints_.end()) {
    hints_.push_back({widget, text});
    Fl::watch_widget_pointer(hints_.back().widget);
  } else {
    it->text = text;
  }
  // FLTK reads an '@' in a tooltip as the start of a symbol and "@@" as one
  // '@': doubled, an address such as mailto:info@example.de shows as written.
  std::string tip;
  for (char c : text) {
    if (c == '@') tip += '@';
    tip += c;
  }
  widget->copy_tooltip(bubble && !text.empty() ? tip.c_str() : nullptr);
}

std::string Application::hintOf(const Fl_Widget* widget) const {
  if (!widget) return {};
  for (const HintEntry& e : hints_)
    if (e.widget == widget) return e.text;
  return {};
}

void Application::HintColor(TColor color) { Fl_Tooltip::color(toFl(color)); }

void Application::trackHint(Fl_Window* window, int x, int y) {
  // As the desktop does: the hint of the control under the mouse, else the
  // nearest parent's hint.
  std::string hint;
  for (Fl_Widget* w = widgetAt(window, x, y); w; w = w->parent()) {
    hint = hintOf(w);
    if (!hint.empty() || w == window) break;
  }
  setCurrentHint(hint);
}

void Application::setCurrentHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (onHint_) onHint_();
}

int Application::dispatch(int event, Fl_Window* window) {
  if (window && (event == FL_MOVE || event == FL_ENTER || event == FL_DRAG))
    instance().trackHint(window, Fl::event_x(), Fl::event_y());
  else if (window && event == FL_LEAVE)
    instance().setCurrentHint(std::string());
  return Fl::handle_(event, window);
}

void Application::Run() {
  Fl::event_dispatch(&Application::dispatch);
  if (terminated_) return;
  if (mainForm_) {
    mainForm_->show();
    activate(mainForm_);
  }
  while (!terminated_ && mainForm_ && mainForm_->shown()) Fl::wait(0.5);
}

std::string Application::errorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void Application::ShowException(const std::string& message) {
  ErrorBox box(title_, errorBoxText(message));
  showModal(box, false);
}

void Application::guarded(const std::function<void()>& action) {
  try {
    action();
  } catch (const core::Error& e) {
    ShowException(e.what());
  } catch (const std::exception& e) {
    ShowException(e.what());
  }
}

void Application::showModal(Fl_Window& window, bool activateBelow) {
  modalStack_.push_back(&window);
  // The control that opened the window (and its parents) is no longer below
  // the mouse: a hover highlight goes, and comes back only with the mouse.
  Fl::belowmouse(nullptr);
  window.set_modal();
  window.show();
  while (window.shown() && !terminated_) Fl::wait(0.5);
  window.hide();
  modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &window), modalStack_.end());
  if (activateBelow) activate(modalStack_.empty() ? mainForm_ : modalStack_.back());
}

void Application::OnActivate(Fl_Window* window, std::function<void()> handler) {
  onActivate_[window] = std::move(handler);
}

void Application::activate(Fl_Window* window) {
  // Only a shown window becomes active: a dialog closed while the main window
  // is still being created activates nothing.
  if (!window || !window->shown()) return;
  const auto it = onActivate_.find(window);
  if (it != onActivate_.end() && it->second) {
    auto handler = it->second;  // the handler may register handlers itself
    guarded(handler);
  }
}

}  // namespace tavilo::gui
