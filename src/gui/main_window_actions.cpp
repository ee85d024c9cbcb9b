// TfrmMain's actions: launching entries, dragging, minimising and closing the
// window, opening the link, and showing the copy, info and image windows.
#include <FL/Fl.H>

#include "core/menu/catalogue.h"
#include "gui/main_window.h"
#include "gui/native_window.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace tavilo::gui {

void TfrmMain::LaunchEntry() {
  const core::MenuModel& m = model_;
  if (m.EntryLocation.empty()) return;
  const core::LaunchCommand command =
      core::planLaunch(m.Config.read(), m.ProgramDir, m.EntryLocation, m.EntryParameter, m.EntryExt);
  platform::shellOpen(command.file, command.parameters, core::launchFolder(m.EntryLocation));
}

void TfrmMain::btnStartenClick() { LaunchEntry(); }
void TfrmMain::btnInstallClick() { LaunchEntry(); }

void TfrmMain::lbProgrammDblClick() {
  if (btnStarten->active()) btnStartenClick();
  else if (btnInstall->active()) btnInstallClick();
}

void TfrmMain::IF_Gradient1MouseDown(int x, int y) {
  DragStartX = x;
  DragStartY = y;
}

void TfrmMain::IF_Gradient1MouseMove(int x, int y) {
  if (DragStartX == 0 || DragStartY == 0) return;
  position(this->x() + (x - DragStartX), this->y());
  position(this->x(), this->y() + (y - DragStartY));
}

void TfrmMain::IF_Gradient1MouseUp() {
  DragStartX = 0;
  DragStartY = 0;
}

void TfrmMain::btnMinClick() { platform::minimise(nativeWindow(*this)); }
void TfrmMain::btnX1Click() { hide(); }
void TfrmMain::btnXClick() { hide(); }

void TfrmMain::WebLabel1Click() { platform::shellOpen(model_.LinkAddress, ""); }

void TfrmMain::KopierenClick() {
  if (ShowCopyWindow) ShowCopyWindow(false, true);
}

void TfrmMain::CDdurchsuchen1Click() {
  if (ShowCopyWindow) ShowCopyWindow(true, false);
}

void TfrmMain::LogoClick() {
  if (ShowInfoWindow) ShowInfoWindow();
}

void TfrmMain::imgScreenshotClick() {
  if (platform::fileExists(model_.ShownPicture) && ShowImageWindow) ShowImageWindow();
}

}  // namespace tavilo::gui
