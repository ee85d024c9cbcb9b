#include "core/file_utils_copy.h"

#include <memory>

#include "core/error.h"
#include "core/file_utils_paths.h"
#include "core/user_messages.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

enum class CopyStep { Done, TargetCreate, Read, Write, Close, Rename };

std::string namePart(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The source, opened, when it is a regular file that is not `target` itself.
struct OpenSource {
  pf::File file;
  pf::FileStatus status;
  bool ok = false;
};

OpenSource openSource(const std::string& source, const std::string& target) {
  OpenSource s;
  s.file = pf::File::openRead(source);
  if (!s.file.isOpen()) return s;
  s.status = s.file.status();
  if (!s.status.valid || !s.status.isRegular) return s;
  // Another spelling, a link or a hard link of the source: replacing the
  // target would destroy the source.
  const pf::FileStatus existing = pf::fileStatus(target, true);
  if (existing.valid && existing.identity == s.status.identity) return s;
  s.ok = true;
  return s;
}

// Writes the source into a temporary file beside `target` and renames it over
// the target once it is complete; on failure only the temporary goes.
CopyStep copyIntoPlace(OpenSource& source, const std::string& target) {
  const std::string folder = ExtractFilePathLower(target);
  pf::File temp = pf::File::createTemporary(folder.empty() ? "." : folder);
  if (!temp.isOpen()) return CopyStep::TargetCreate;
  const std::string tempName = temp.name();

  auto fail = [&](CopyStep step) {
    temp = pf::File();
    pf::removeFile(tempName);
    return step;
  };

  const std::unique_ptr<char[]> buffer(new char[CopyBufferSize]);
  for (;;) {
    const std::int64_t n = source.file.read(buffer.get(), CopyBufferSize);
    if (n < 0) return fail(CopyStep::Read);
    if (n == 0) break;  // the end as it is now, whatever the size was at the start
    if (!temp.writeAll(buffer.get(), static_cast<std::size_t>(n))) return fail(CopyStep::Write);
  }
  if (!temp.setModificationTime(source.status.modified)) plainMessageBox("Fehler");
  temp.setPermissions(source.status.permissions & 0777);
  if (!temp.close()) return fail(CopyStep::Close);
  if (!pf::renamePath(tempName, target)) return fail(CopyStep::Rename);
  return CopyStep::Done;
}

}  // namespace

bool CopyFileBuffered(const std::string& source, const std::string& target) {
  std::string t = pf::absolutePath(target);
  if (pf::isFolder(t) || !pf::fileStatus(t, false).valid) t = AddBackslash(t) + namePart(source);
  t = CollapseDoubled(t, '/');
  OpenSource src = openSource(source, t);
  if (!src.ok) return false;
  return copyIntoPlace(src, t) == CopyStep::Done;
}

bool CopyFileStreamed(const std::string& source, const std::string& target) {
  const std::string t = pf::absolutePath(target);
  const std::string folder = ExtractFilePathLower(t);
  if (!FolderExists(folder)) pf::createFolders(folder);
  OpenSource src = openSource(source, t);
  if (!src.ok) return false;
  switch (copyIntoPlace(src, t)) {
    case CopyStep::Done: return true;
    case CopyStep::Read: throw Error(formatMessage("Fehler beim Lesen der Datei %s", source));
    case CopyStep::Write:
    case CopyStep::Close: throw Error(formatMessage("Fehler beim Schreiben der Datei %s", target));
    case CopyStep::TargetCreate:
    case CopyStep::Rename: break;
  }
  throw Error(formatMessage("Die Datei %s kann nicht erstellt werden", target));
}

pf::FileTime GetFileDate(const std::string& path) { return pf::fileStatus(path, true).modified; }

void SetFileDate(const std::string& path, const pf::FileTime& stamp) {
  if (!pf::setModificationTime(path, stamp)) plainMessageBox("Fehler");
}

}  // namespace tavilo::core
