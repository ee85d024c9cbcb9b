#include "core/copy_engine.h"

#include <cerrno>
#include <chrono>

#include "core/file_utils_copy.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

// The first piece is the classic block, so that a small file costs one call;
// pieces then grow while they are quick.
constexpr std::size_t kFirstPiece = CopyBufferSize;
constexpr std::size_t kLargestPiece = std::size_t{16} << 20;
constexpr auto kQuickPiece = std::chrono::milliseconds(25);
constexpr auto kSlowPiece = std::chrono::milliseconds(100);

CopyResult failure(CopyResult::Step step, int error) {
  CopyResult r;
  r.step = step;
  r.error = error;
  return r;
}

}  // namespace

std::string copyErrorText(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return "Zugriff verweigert";
    case ENOENT: return "nicht gefunden";
    case ENOSPC: return "kein Platz mehr auf dem Datenträger";
    case EDQUOT: return "Speicherkontingent erschöpft";
    case EROFS: return "Datenträger ist schreibgeschützt";
    case EIO: return "Ein-/Ausgabefehler des Datenträgers";
    case EISDIR: return "ist ein Ordner";
    case ENOTDIR: return "kein Ordner";
    case EEXIST: return "ein gleichnamiger Eintrag ist im Weg";
    case ENAMETOOLONG: return "Name zu lang";
    case EFBIG: return "zu groß für den Datenträger";
    case ELOOP: return "zu viele Verweise";
    case EMFILE:
    case ENFILE: return "zu viele offene Dateien";
    case ENOMEM: return "zu wenig Speicher";
    case ENXIO:  // what opening a socket, or a device without its driver, says
    case ENODEV: return "keine gewöhnliche Datei";
    case EBUSY:
    case ETXTBSY: return "wird gerade benutzt";
    default: return pf::errorText(error);
  }
}

std::string CopyResult::reason() const {
  if (status == Status::Done) return {};
  if (status == Status::Stopped) return "abgebrochen";
  if (step == Step::SameFile) return "Quelle und Ziel sind dieselbe Datei";
  if (step == Step::Source && error == EINVAL) return "keine gewöhnliche Datei";
  return copyErrorText(error);
}

CopyResult copyFileBetween(const pf::Folder& from, const std::string& fromName, const pf::Folder& to,
                           const std::string& toName, const ByteProgressFn& progress) {
  using Step = CopyResult::Step;
  pf::File source = from.openFile(fromName);
  if (!source.isOpen()) return failure(Step::Source, source.error());
  const pf::FileStatus status = source.status();
  if (!status.valid) return failure(Step::Source, source.error());
  if (!status.isRegular) return failure(Step::Source, status.isFolder ? EISDIR : EINVAL);
  // Another spelling, a link or a hard link of the source: replacing the
  // target would destroy the source.
  const pf::FileStatus existing = to.status(toName, true);
  if (existing.valid && existing.identity == status.identity) return failure(Step::SameFile, 0);

  // Made with the source's permission bits where the creation mask keeps
  // them, which saves a change of the new file's mode.
  const int permissions = status.permissions & 0777;
  const int mask = pf::fileCreationMask();
  const bool modeExact = mask >= 0 && (permissions & mask) == 0;
  const int mode = modeExact ? permissions : 0600;
  // Unnamed until complete, so that nothing half-written ever has a name;
  // a hidden named file where the file system cannot.
  pf::File temp = to.createUnnamed(mode);
  const bool unnamed = temp.isOpen();
  if (!unnamed) temp = to.createTemporary(mode);
  if (!temp.isOpen()) return failure(Step::Create, temp.error());
  std::string tempName = temp.name();
  auto fail = [&](CopyResult result) {
    temp = pf::File();
    if (!tempName.empty()) to.removeFile(tempName);
    return result;
  };

  const auto total = static_cast<std::uint64_t>(status.size);
  std::uint64_t done = 0;
  std::size_t piece = kFirstPiece;
  for (;;) {
    const auto start = std::chrono::steady_clock::now();
    const std::int64_t n = source.copyTo(temp, piece);
    if (n < 0) return fail(failure(Step::Transfer, source.error()));
    if (n == 0) break;  // the end as it is now, whatever the size was at the start
    done += static_cast<std::uint64_t>(n);
    const auto took = std::chrono::steady_clock::now() - start;
    if (took < kQuickPiece && piece < kLargestPiece) piece *= 2;
    else if (took > kSlowPiece && piece > kFirstPiece) piece /= 2;
    if (progress && progress(done, total) == CopyFlow::Stop) {
      CopyResult stopped;
      stopped.status = CopyResult::Status::Stopped;
      return fail(stopped);
    }
  }
  CopyResult result;
  result.timeNotSet = !temp.setModificationTime(status.modified);
  if (!modeExact) temp.setPermissions(permissions);
  if (unnamed) {
    // A free name takes the complete file at once; a taken one is replaced
    // by a rename from a hidden name, so the old file stays until then.
    std::string name = toName;
    if (to.linkUnnamed(temp, name)) {
      tempName = toName;  // it was free: removing it on failure restores the folder
      if (!temp.close()) return fail(failure(Step::Close, temp.error()));
      result.status = CopyResult::Status::Done;
      return result;
    }
    if (to.error() != EEXIST) return fail(failure(Step::Rename, to.error()));
    name.clear();
    if (!to.linkUnnamed(temp, name)) return fail(failure(Step::Rename, to.error()));
    tempName = name;
  }
  if (!temp.close()) return fail(failure(Step::Close, temp.error()));
  if (!to.rename(tempName, toName)) return fail(failure(Step::Rename, to.error()));
  result.status = CopyResult::Status::Done;
  return result;
}

CopyResult copyFileTo(const std::string& source, const std::string& target, const ByteProgressFn& progress) {
  const pf::PathPlace from = pf::placeOf(source);
  if (!from.folder.isOpen()) return failure(CopyResult::Step::Source, from.name.empty() ? EISDIR : from.folder.error());
  const pf::PathPlace to = pf::placeOf(target);
  if (!to.folder.isOpen()) return failure(CopyResult::Step::Create, to.name.empty() ? EISDIR : to.folder.error());
  return copyFileBetween(from.folder, from.name, to.folder, to.name, progress);
}

}  // namespace tavilo::core
