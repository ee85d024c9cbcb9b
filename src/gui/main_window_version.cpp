// TfrmMain's refusal of a configuration file written for an older program, or
// of one that cannot be read at all.
#include "gui/application.h"
#include "gui/main_window.h"

namespace tavilo::gui {

void TfrmMain::checkVersion(const std::optional<std::string>& refusal) {
  if (!refusal) return;
  myMsgDlg1.Execute(mtInformation, "Tavilo", *refusal, "Das Programm wird beendet.", mbOK);
  Application::instance().Terminate();
}

}  // namespace tavilo::gui
