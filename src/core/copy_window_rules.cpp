#include "core/copy_window_rules.h"

#include <algorithm>

#include "core/files/file_utils_paths.h"

namespace tavilo::core {

std::string copySourceFolder(bool startAtProgramDir, const std::string& entryLocation,
                             const std::string& programDir,
                             const std::function<bool(const std::string&)>& canEnter) {
  if (startAtProgramDir) return programDir;
  // A Location that names a folder means that folder, else the file's folder.
  const std::string asFolder = AddBackslash(entryLocation);
  if (!entryLocation.empty() && canEnter(asFolder)) return asFolder;
  const std::string folder = ExtractFilePathLower(entryLocation);
  return !folder.empty() && canEnter(folder) ? folder : programDir;
}

CopyWindowEnabled copyWindowEnabled(bool copying, bool recursive) {
  if (copying) return {false, false, false, false};
  return {true, true, true, !recursive};
}

CopyFailureMessage copyFailureMessage(const std::vector<CopyFailure>& failures, const std::string& source,
                                      std::size_t listed) {
  if (failures.empty()) return {};
  const std::string below = AddBackslash(source);
  CopyFailureMessage m;
  const std::size_t shown = std::min(listed, failures.size());
  for (std::size_t i = 0; i < shown; ++i) {
    const CopyFailure& f = failures[i];
    const bool inside = !below.empty() && f.path.size() > below.size() && f.path.compare(0, below.size(), below) == 0;
    if (i > 0) m.text += "\n";
    m.text += (inside ? f.path.substr(below.size()) : f.path) + ": " + f.reason;
  }
  if (shown < failures.size()) m.text += "\nund " + std::to_string(failures.size() - shown) + " weitere";
  // The count stands in the question line, so the message has no empty line above its button.
  m.question = failures.size() == 1 ? std::string("1 Datei konnte nicht kopiert werden.")
                                    : std::to_string(failures.size()) + " Dateien konnten nicht kopiert werden.";
  return m;
}

}  // namespace tavilo::core
