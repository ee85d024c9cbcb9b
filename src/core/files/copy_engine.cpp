#include "core/files/copy_engine.h"

#include <chrono>

#include "core/files/file_utils_copy.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

// The first piece is the classic block, so that a small file costs one call;
// pieces then grow while they are quick.
constexpr std::size_t kFirstPiece = CopyBufferSize;
constexpr std::size_t kLargestPiece = std::size_t{16} << 20;
constexpr auto kQuickPiece = std::chrono::milliseconds(25);
constexpr auto kSlowPiece = std::chrono::milliseconds(100);

CopyResult failure(CopyResult::Step step, pf::SystemError error) {
  CopyResult r;
  r.step = step;
  r.error = error;
  return r;
}

}  // namespace

std::string copyErrorText(const pf::SystemError& error) {
  using Kind = pf::ErrorKind;
  switch (error.kind()) {
    case Kind::AccessDenied: return "Zugriff verweigert";
    case Kind::NotFound: return "nicht gefunden";
    case Kind::NoSpace: return "kein Platz mehr auf dem Datenträger";
    case Kind::QuotaExceeded: return "Speicherkontingent erschöpft";
    case Kind::ReadOnlyMedium: return "Datenträger ist schreibgeschützt";
    case Kind::IoFailure: return "Ein-/Ausgabefehler des Datenträgers";
    case Kind::IsFolder: return "ist ein Ordner";
    case Kind::NotFolder: return "kein Ordner";
    case Kind::Exists: return "ein gleichnamiger Eintrag ist im Weg";
    case Kind::NameTooLong: return "Name zu lang";
    case Kind::TooLarge: return "zu groß für den Datenträger";
    case Kind::TooManyLinks: return "zu viele Verweise";
    case Kind::TooManyOpenFiles: return "zu viele offene Dateien";
    case Kind::OutOfMemory: return "zu wenig Speicher";
    case Kind::NotRegularFile: return "keine gewöhnliche Datei";
    case Kind::Busy: return "wird gerade benutzt";
    case Kind::NoError:
    case Kind::Other: break;
  }
  return error.text();
}

std::string CopyResult::reason() const {
  if (status == Status::Done) return {};
  if (status == Status::Stopped) return "abgebrochen";
  if (step == Step::SameFile) return "Quelle und Ziel sind dieselbe Datei";
  return copyErrorText(error);
}

CopyResult copyFileBetween(const pf::Folder& from, const std::string& fromName, const pf::Folder& to,
                           const std::string& toName, const ByteProgressFn& progress, pf::FileSystem& fileSystem) {
  using Step = CopyResult::Step;
  pf::File source = from.openFile(fromName);
  if (!source.isOpen()) return failure(Step::Source, source.error());
  const pf::FileStatus status = source.status();
  if (!status.valid) return failure(Step::Source, source.error());
  if (!status.isRegular)
    return failure(Step::Source, status.isFolder ? pf::ErrorKind::IsFolder : pf::ErrorKind::NotRegularFile);
  // Another spelling, a link or a hard link of the source: replacing the
  // target would destroy the source.
  const pf::FileStatus existing = to.status(toName, true);
  if (existing.valid && existing.identity == status.identity) return failure(Step::SameFile, {});

  // Unnamed until complete, so that nothing half-written ever has a name.
  pf::StagedFile staged = to.stage(status);
  if (!staged.isOpen()) return failure(Step::Create, staged.error());
  pf::File& temp = staged.file();

  const auto total = static_cast<std::uint64_t>(status.size);
  std::uint64_t done = 0;
  std::size_t piece = kFirstPiece;
  for (;;) {
    const auto start = std::chrono::steady_clock::now();
    pf::SystemError error;
    const std::int64_t n = fileSystem.transfer(source, temp, piece, error);
    if (n < 0) return failure(Step::Transfer, error);
    if (n == 0) break;  // the end as it is now, whatever the size was at the start
    done += static_cast<std::uint64_t>(n);
    const auto took = std::chrono::steady_clock::now() - start;
    if (took < kQuickPiece && piece < kLargestPiece) piece *= 2;
    else if (took > kSlowPiece && piece > kFirstPiece) piece /= 2;
    if (progress && progress(done, total) == CopyFlow::Stop) {
      CopyResult stopped;
      stopped.status = CopyResult::Status::Stopped;
      return stopped;
    }
  }
  CopyResult result;
  result.timeNotSet = !temp.setModificationTime(status.modified);
  pf::SystemError error;
  bool closeFailed = false;
  if (!fileSystem.commit(staged, toName, error, closeFailed))
    return failure(closeFailed ? Step::Close : Step::Rename, error);
  result.status = CopyResult::Status::Done;
  return result;
}

CopyResult copyFileTo(const std::string& source, const std::string& target, const ByteProgressFn& progress,
                      pf::FileSystem& fileSystem) {
  using Step = CopyResult::Step;
  const pf::PathPlace from = pf::placeOf(source);
  if (!from.folder.isOpen())
    return failure(Step::Source, from.name.empty() ? pf::ErrorKind::IsFolder : from.folder.error());
  const pf::PathPlace to = pf::placeOf(target);
  if (!to.folder.isOpen()) return failure(Step::Create, to.name.empty() ? pf::ErrorKind::IsFolder : to.folder.error());
  return copyFileBetween(from.folder, from.name, to.folder, to.name, progress, fileSystem);
}

}  // namespace tavilo::core
