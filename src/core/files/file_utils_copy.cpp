#include "core/files/file_utils_copy.h"

#include "core/error.h"
#include "core/files/copy_engine.h"
#include "core/files/file_utils_paths.h"
#include "core/path.h"
#include "core/user_messages.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

// What stat (links followed) says about a path of any length.
pf::FileStatus statusOf(const std::string& path) {
  const pf::PathPlace place = pf::placeOf(path);
  if (place.name.empty()) return pf::fileStatus(path.empty() ? "/" : std::string(pathRoot(path)), true);
  return place.folder.isOpen() ? place.folder.status(place.name, true) : pf::FileStatus{};
}

// A transfer that failed on the target's side: it is full, or the file is
// too large for it.
bool writeFailure(pf::ErrorKind kind) {
  return kind == pf::ErrorKind::NoSpace || kind == pf::ErrorKind::QuotaExceeded || kind == pf::ErrorKind::TooLarge;
}

// The copy routines' common end: "Fehler" when the time could not be set.
CopyResult copied(const std::string& source, const std::string& target, pf::FileSystem& fileSystem) {
  const CopyResult result = copyFileTo(source, target, {}, fileSystem);
  if (result.timeNotSet) plainMessageBox("Fehler");
  return result;
}

}  // namespace

bool CopyFileBuffered(const std::string& source, const std::string& target, pf::FileSystem& fileSystem) {
  std::string t = pf::absolutePath(target);
  if (t.empty()) return false;  // relative, and the current folder cannot be read
  const pf::FileStatus existing = statusOf(t);
  if (existing.isFolder || !existing.valid) t = joinPath(t, pathName(source));
  return copied(source, collapseSeparators(t), fileSystem).done();
}

bool CopyFileStreamed(const std::string& source, const std::string& target, pf::FileSystem& fileSystem) {
  using Step = CopyResult::Step;
  const std::string t = pf::absolutePath(target);
  if (t.empty()) throw Error(formatMessage("Die Datei %s kann nicht erstellt werden", target));
  const std::string folder = ExtractFilePathLower(t);
  if (!FolderExists(folder)) pf::createFolders(folder);
  const CopyResult result = copied(source, t, fileSystem);
  switch (result.step) {
    case Step::None: return true;
    case Step::Source:
    case Step::SameFile: return false;
    case Step::Transfer:
      if (writeFailure(result.error.kind()))
        throw Error(formatMessage("Fehler beim Schreiben der Datei %s", target));
      throw Error(formatMessage("Fehler beim Lesen der Datei %s", source));
    case Step::Close: throw Error(formatMessage("Fehler beim Schreiben der Datei %s", target));
    case Step::Create:
    case Step::Rename: break;
  }
  throw Error(formatMessage("Die Datei %s kann nicht erstellt werden", target));
}

pf::FileTime GetFileDate(const std::string& path) { return statusOf(path).modified; }

void SetFileDate(const std::string& path, const pf::FileTime& stamp) {
  if (!pf::setModificationTime(path, stamp)) plainMessageBox("Fehler");
}

}  // namespace tavilo::core
