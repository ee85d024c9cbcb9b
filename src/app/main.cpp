// The program entry: creates the main window and the message boxes, the other
// windows when they are first shown, owns them, and runs the loop until the
// main window closes.
#include <FL/Fl.H>
#include <FL/Fl_Preferences.H>

#include <optional>

#include "core/files/file_utils_paths.h"
#include "core/menu/catalogue.h"
#include "gui/application.h"
#include "gui/copy_window.h"
#include "gui/glyphs.h"
#include "gui/image_window.h"
#include "gui/info_window.h"
#include "gui/main_window.h"
#include "gui/message_text.h"
#include "gui/native_window.h"
#include "platform/platform.h"

namespace {

// Finished children are reaped from a timer, so no zombies remain; what the
// desktop could not open is noted in the main window's status line.
void reap(void* mainWindow) {
  for (const std::string& target : tavilo::platform::reapChildren())
    static_cast<tavilo::gui::TfrmMain*>(mainWindow)->ShowNote(tavilo::core::notOpenedNote(target));
  Fl::repeat_timeout(1.0, reap, mainWindow);
}

}  // namespace

int main() {
  using namespace tavilo::gui;
  Fl::visual(FL_DOUBLE | FL_RGB);
  // The windows follow the desktop's scale; FLTK's own zoom keys (Ctrl with
  // +, - and 0) stay off, so that keys mean what they always meant.
  Fl::keyboard_screen_scaling(0);
  // A start menu on a medium writes nothing it was not asked to: FLTK's own
  // preferences are neither read (at start) nor written.
  Fl_Preferences::file_access(Fl_Preferences::NONE);
  tavilo::gui::openDisplay();
  Application& app = Application::instance();
  app.Title("Tavilo");
  // Desktops label and group windows by their class and show its icon.
  Fl_Window::default_xclass("Tavilo");
  Fl_Window::default_icon(glyphs::windowIcon());
  TfrmMain frmMain(tavilo::platform::programDir());
  app.MainForm(&frmMain);
  Tmymsg mymsg;
  installMessageBoxes(mymsg);
  // The copy, info and image windows are built when they are first shown, so
  // that the menu's first picture waits for none of their controls, lists and
  // pictures. What their creation does for the whole program happens now: the
  // temporary folder that the copy window's target side starts in.
  tavilo::core::GetTempDir();
  std::optional<TfrmKopieren3> frmKopieren3;
  std::optional<TfrmInfo> frmInfo;
  std::optional<TfrmImage> frmImage;
  frmMain.ShowCopyWindow = [&](bool atProgramDir, bool recursive) {
    if (!frmKopieren3) frmKopieren3.emplace(frmMain.Model(), frmMain);
    frmKopieren3->StartAtProgramDir = atProgramDir;
    frmKopieren3->StartRecursive = recursive;
    app.showModal(*frmKopieren3);
  };
  frmMain.ShowInfoWindow = [&] {
    if (!frmInfo) frmInfo.emplace(frmMain.Model(), frmMain);
    app.showModal(*frmInfo);
  };
  frmMain.ShowImageWindow = [&] {
    if (!frmImage) frmImage.emplace(frmMain.Model());
    app.showModal(*frmImage);
  };
  Fl::add_timeout(1.0, reap, &frmMain);
  app.Run();
  return 0;
}
