// The program entry: creates the windows in their order and runs the loop.
#include <FL/Fl.H>
#include <FL/x.H>

#include "gui/application.h"
#include "gui/main_window.h"
#include "gui/message_text.h"
#include "platform/platform.h"

namespace {

// Finished children are reaped from a timer, so no zombies remain.
void reap(void*) {
  tavilo::platform::reapChildren();
  Fl::repeat_timeout(1.0, reap);
}

}  // namespace

int main() {
  using namespace tavilo::gui;
  Fl::visual(FL_DOUBLE | FL_RGB);
  fl_open_display();
  Application& app = Application::instance();
  app.Title("Tavilo");
  installMessageBoxes();
  auto* main = new TfrmMain(tavilo::platform::programDir());
  app.MainForm(main);
  createMymsg();
  Fl::add_timeout(1.0, reap);
  app.Run();
  return 0;
}
