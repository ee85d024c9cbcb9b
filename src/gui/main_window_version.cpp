// TfrmMain's refusal of a configuration file written for an older program.
#include "gui/application.h"
#include "gui/main_window.h"

namespace tavilo::gui {

void TfrmMain::checkVersion(bool accepted) {
  if (accepted) return;
  myMsgDlg1.Execute(mtInformation, "Tavilo",
                    "Die Tavilo.INI \nist nicht in der passenden Version.\nSie muß für Version > 2 sein.",
                    "Das Programm wird beendet.", mbOK);
  Application::instance().Terminate();
}

}  // namespace tavilo::gui
