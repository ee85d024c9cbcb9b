// TAgOpenDialog: the open-file dialog with two more properties, ShowPlacesBar and
// DefaultView. Execute shows the system's own open dialog where there is one (Windows),
// which takes both. Elsewhere it runs FLTK's file chooser modally: its favourites list is
// the places bar; the view of the file list has no counterpart there, so DefaultView is
// kept only. The chosen file need not exist, and no overwrite question is asked.
#ifndef TAVILO_GUI_WIDGETS_AG_OPEN_DIALOG_H
#define TAVILO_GUI_WIDGETS_AG_OPEN_DIALOG_H

#include <string>

class Fl_Window;

namespace tavilo::gui {

enum TAgOpenDialogView { ovLargeIcon, ovSmallIcon, ovList, ovReport, ovThumbnails, ovTile };

class TAgOpenDialog {
 public:
  const std::string& Title() const { return title_; }
  void Title(const std::string& s) { title_ = s; }
  // Where the chooser opens when FileName names no folder; empty: the current folder.
  const std::string& InitialDir() const { return initialDir_; }
  void InitialDir(const std::string& s) { initialDir_ = s; }
  // Pairs "description|mask|..." with masks such as "*.jpg;*.jpeg"; the first is shown.
  const std::string& Filter() const { return filter_; }
  void Filter(const std::string& s) { filter_ = s; }
  // The name offered when the chooser opens, and after an Execute that returned true
  // the chosen name as a full path.
  const std::string& FileName() const { return fileName_; }
  void FileName(const std::string& s) { fileName_ = s; }
  bool ShowPlacesBar() const { return showPlacesBar_; }
  void ShowPlacesBar(bool on) { showPlacesBar_ = on; }
  TAgOpenDialogView DefaultView() const { return defaultView_; }
  void DefaultView(TAgOpenDialogView v) { defaultView_ = v; }

  // The window the system's dialog is modal to; none: the dialog has no owner.
  void Owner(const Fl_Window* window) { owner_ = window; }

  // True when the user confirmed a name; false on cancel (FileName then stays).
  bool Execute();
  // True where Execute shows the system's dialog rather than FLTK's chooser.
  static bool IsSystemDialog();

 private:
  std::string title_;
  std::string initialDir_;
  std::string filter_;
  std::string fileName_;
  bool showPlacesBar_ = true;
  TAgOpenDialogView defaultView_ = ovLargeIcon;
  const Fl_Window* owner_ = nullptr;

  bool executeSystemDialog();
};

// A filter text ("Bilder|*.jpg;*.jpeg") in the form FLTK's chooser reads: one
// "description (pattern)" per tab-separated line, the pattern in braces for several masks.
std::string chooserFilter(const std::string& filter);

}  // namespace tavilo::gui

#endif
