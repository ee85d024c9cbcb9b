// How windows bind their handlers: a control keeps the window's function for
// each of its events (OnClick, OnChange, ...) and runs it with fire(). FLTK's
// own callback is used only inside the control classes, with `this` as data.
#ifndef TAVILO_GUI_WIDGETS_HANDLER_H
#define TAVILO_GUI_WIDGETS_HANDLER_H

#include <functional>

namespace tavilo::gui {

using Handler = std::function<void()>;

// Runs `handler` when one is set. An error it raises is shown in the
// application's error box and the program goes on. The handler may replace
// itself or delete the control that fired it.
void fire(const Handler& handler);

}  // namespace tavilo::gui

#endif
