// The walker against find and rm in one run, the contenders alternating round
// by round, on a tree of 100,000 empty files in 100 folders: a search that
// lists every file (FindAllFiles) against `find DIR | wc -l`, and DeleteFolder
// against `rm -rf`. Every deletion gets a fresh tree, made and synced untimed.
// Usage: bench_walk [rounds, default 7]; files go to $TAVILO_BENCH_DIR, else /tmp.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "bench_contest.h"
#include "core/files/file_utils_delete.h"
#include "core/files/file_utils_search.h"

namespace fs = std::filesystem;
namespace core = tavilo::core;
namespace tb = tavilo::bench;

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 1000;

void makeTree(const std::string& root) {
  fs::create_directories(root);
  for (int d = 0; d < kFolders; ++d) {
    const std::string folder = root + "/ordner-" + std::to_string(d);
    ::mkdir(folder.c_str(), 0755);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int f = 0; f < kFilesPerFolder; ++f) {
      const int fd = ::openat(dir, ("datei-" + std::to_string(f)).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
      if (fd < 0) std::abort();
      ::close(fd);
    }
    ::close(dir);
  }
  ::sync();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = tb::roundsFrom(argc, argv, 7);
  const char* base = std::getenv("TAVILO_BENCH_DIR");
  const std::string dir = std::string(base && *base ? base : "/tmp") + "/tavilo-bench-walk-" + std::to_string(::getpid());
  const std::string walked = dir + "/walked", doomed = dir + "/doomed";
  fs::remove_all(dir);
  std::printf("folder %s, %d rounds, load average at start %s\n", dir.c_str(), rounds, tb::loadAverage().c_str());
  makeTree(walked);

  tb::Contender walkOurs{"FindAllFiles", {}, [&] {
                           core::PathList found;
                           core::FindAllFiles(walked, "*.*", found);
                           if (found.size() != kFolders * kFilesPerFolder) std::abort();
                         }};
  tb::Contender walkFind{"find DIR | wc -l", {},
                         [&] { tb::runProcess({"sh", "-c", "find \"$0\" | wc -l >/dev/null", walked}); }, true};
  std::fprintf(stderr, "walk of %d files\n", kFolders * kFilesPerFolder);
  tb::contest(walkOurs, walkFind, rounds);

  tb::Contender deleteOurs{"DeleteFolder", [&] { makeTree(doomed); }, [&] {
                             if (!core::DeleteFolder(doomed, false)) std::abort();
                           }};
  tb::Contender deleteRm{"rm -rf", [&] { makeTree(doomed); }, [&] { tb::runProcess({"rm", "-rf", doomed}); }, true};
  std::fprintf(stderr, "deletion of %d files\n", kFolders * kFilesPerFolder);
  tb::contest(deleteOurs, deleteRm, rounds);

  tb::printContest("walk of 100,000 files", walkOurs, walkFind);
  tb::printContest("deletion of 100,000 files", deleteOurs, deleteRm);
  std::printf("\nload average at the end %s\n", tb::loadAverage().c_str());
  fs::remove_all(dir);
  return 0;
}
