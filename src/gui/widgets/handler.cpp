#include "gui/widgets/handler.h"

#include "gui/application.h"

namespace tavilo::gui {

void fire(const Handler& handler) {
  if (!handler) return;
  const Handler running = handler;  // the control may go while it runs
  Application::instance().guarded(running);
}

}  // namespace tavilo::gui
