#include "gui/widgets/ag_open_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/fl_ask.H>

#include "core/files/file_masks.h"
#include "core/files/file_utils_paths.h"
#include "core/path.h"
#include "gui/application.h"
#include "gui/native_window.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace tavilo::gui {

namespace {

void hidePlacesBar(Fl_Group& group) {
  for (int i = 0; i < group.children(); ++i) {
    Fl_Widget* w = group.child(i);
    if (dynamic_cast<Fl_Menu_Button*>(w)) w->hide();
    else if (Fl_Group* g = w->as_group()) hidePlacesBar(*g);
  }
}

// FLTK's chooser takes its texts from static members when it is built; its
// buttons take fl_ok and fl_cancel, which are set back once it is built.
// (The desktop's own dialog, which FLTK reaches through GTK, zenity or
// kdialog, is not used: it may be missing, runs outside the program and could
// not be shown without a desktop session.)
void speakGerman() {
  Fl_File_Chooser::add_favorites_label = "Zu den Favoriten";
  Fl_File_Chooser::all_files_label = "Alle Dateien (*)";
  Fl_File_Chooser::custom_filter_label = "Eigener Filter";
  Fl_File_Chooser::existing_file_label = "Bitte eine vorhandene Datei wählen!";
  Fl_File_Chooser::favorites_label = "Favoriten";
  Fl_File_Chooser::filename_label = "Dateiname:";
  Fl_File_Chooser::filesystems_label = "Dateisysteme";
  Fl_File_Chooser::manage_favorites_label = "Favoriten verwalten";
  Fl_File_Chooser::new_directory_label = "Neuer Ordner?";
  Fl_File_Chooser::new_directory_tooltip = "Neuen Ordner anlegen";
  Fl_File_Chooser::preview_label = "Vorschau";
  Fl_File_Chooser::save_label = "Speichern";
  Fl_File_Chooser::show_label = "Zeigen:";
  Fl_File_Chooser::hidden_label = "Versteckte Dateien zeigen";
}

}  // namespace

std::string chooserFilter(const std::string& filter) {
  std::string out;
  for (const core::FilterEntry& entry : core::parseFilter(filter)) {
    const std::vector<std::string> masks = core::splitMasks(entry.mask);
    // The chooser takes the pattern from the description's last parentheses.
    std::string shown(1, '(');
    if (masks.size() > 1) shown += '{';
    for (std::size_t i = 0; i < masks.size(); ++i) {
      if (i) shown += ',';
      shown += masks[i];
    }
    if (masks.empty()) shown += '*';
    if (masks.size() > 1) shown += '}';
    shown += ')';
    if (!out.empty()) out += '\t';
    out += entry.description;
    const bool hasPattern = entry.description.size() >= shown.size() &&
                            entry.description.compare(entry.description.size() - shown.size(), shown.size(), shown) == 0;
    if (!hasPattern) {
      out += ' ';
      out += shown;
    }
  }
  return out;
}

bool TAgOpenDialog::IsSystemDialog() { return platform::systemOpenFileOffered(); }

bool TAgOpenDialog::executeSystemDialog() {
  platform::OpenFileRequest request;
  if (owner_) request.owner = nativeWindow(*owner_);  // no handle before it is shown
  request.title = title_;
  request.initialFolder = initialDir_;
  request.filter = filter_;
  request.fileName = fileName_;
  request.placesBar = showPlacesBar_;
  // The two lists of views name the same views in the same order.
  request.view = static_cast<platform::FileListView>(defaultView_);
  const std::optional<std::string> chosen = platform::systemOpenFile(request);
  if (!chosen) return false;
  fileName_ = *chosen;
  return true;
}

bool TAgOpenDialog::Execute() {
  if (IsSystemDialog()) return executeSystemDialog();
  std::string offered = fileName_;
  if (core::pathFolder(offered).empty()) {
    const std::string dir = initialDir_.empty() ? platform::currentFolder() : initialDir_;
    offered = core::AddBackslash(dir) + offered;
  }
  const std::string filter = chooserFilter(filter_);
  speakGerman();
  const char* const ok = fl_ok;
  const char* const cancel = fl_cancel;
  fl_ok = "OK";
  fl_cancel = "Abbrechen";
  Fl_File_Chooser chooser(nullptr, filter.empty() ? nullptr : filter.c_str(), Fl_File_Chooser::CREATE,
                          title_.c_str());
  fl_ok = ok;
  fl_cancel = cancel;
  chooser.value(offered.c_str());
  // value() takes a file directly below "/" for one on the list of file systems.
  chooser.directory(std::string(core::pathFolder(offered)).c_str());
  if (!showPlacesBar_) hidePlacesBar(*chooser.newButton->window());
  chooser.show();
  while (chooser.shown() && !Application::instance().Terminated()) Fl::wait(0.5);
  chooser.hide();
  const char* chosen = chooser.value();
  if (!chosen || !*chosen) return false;
  std::string name = chosen;
  if (!core::isAbsolutePath(name)) name = core::joinPath(chooser.directory() ? chooser.directory() : "", name);
  fileName_ = name;
  return true;
}

}  // namespace tavilo::gui
