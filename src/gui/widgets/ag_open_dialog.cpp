#include "gui/widgets/ag_open_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Menu_Button.H>

#include "core/file_masks.h"
#include "core/file_utils_paths.h"
#include "core/path.h"
#include "gui/application.h"
#include "platform/platform.h"

namespace tavilo::gui {

namespace {

void hidePlacesBar(Fl_Group& group) {
  for (int i = 0; i < group.children(); ++i) {
    Fl_Widget* w = group.child(i);
    if (dynamic_cast<Fl_Menu_Button*>(w)) w->hide();
    else if (Fl_Group* g = w->as_group()) hidePlacesBar(*g);
  }
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

bool TAgOpenDialog::Execute() {
  std::string offered = fileName_;
  if (core::pathFolder(offered).empty()) {
    const std::string dir = initialDir_.empty() ? platform::currentFolder() : initialDir_;
    offered = core::AddBackslash(dir) + offered;
  }
  const std::string filter = chooserFilter(filter_);
  Fl_File_Chooser chooser(nullptr, filter.empty() ? nullptr : filter.c_str(), Fl_File_Chooser::CREATE,
                          title_.c_str());
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
