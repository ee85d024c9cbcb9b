// Opens the folder chooser the way the copy window does, so that it can be looked at and
// tried by hand:  show_path_dlg [folder] [--english] [--plain] [--no-new]
// --plain shows the window face instead of the gradient. Prints the chosen folder on OK.
#include <FL/Fl.H>

#include <cstdio>
#include <string>

#include "gui/application.h"
#include "gui/my_path_dlg.h"

int main(int argc, char** argv) {
  tavilo::gui::TmyPathDlg dlg;
  dlg.Background(true);
  dlg.Title("Neuen Ordner auswählen oder erstellen");
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--english") {
      dlg.Sprache_D(false);
      dlg.Title("");
    } else if (arg == "--plain") {
      dlg.Background(false);
    } else if (arg == "--no-new") {
      dlg.NeuerOrdner(false);
    } else {
      dlg.InitialDir(arg);
    }
  }
  Fl::visual(FL_RGB);
  tavilo::gui::Application::instance().Title("Tavilo");
  if (!dlg.Execute()) return 1;
  std::printf("%s\n", dlg.Pfadname().c_str());
  return 0;
}
