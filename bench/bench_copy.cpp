// The copy against cp in one run, the contenders alternating round by round:
// one large file (1 GiB, 256 MiB when the disk is short) against
// `cp --preserve=timestamps`, and a tree of 10,000 files of 4 KiB against
// `cp -r --preserve=timestamps`. The tree copy counts its plan first, as the
// copy window does. Before each run `sync` writes back what the last run left
// dirty, so that no run pays for another's writes. Each tree copy gets a new
// target that stays until the end: creating files just after deleting many
// makes ext4 skip the recently freed inodes, which would time the deletion.
// Usage: bench_copy [rounds, default 7]; files go to $TAVILO_BENCH_DIR, else /tmp.
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "bench_contest.h"
#include "core/files/copy_engine.h"
#include "core/files/tree_copy.h"

namespace fs = std::filesystem;
namespace core = tavilo::core;
namespace tb = tavilo::bench;

namespace {

constexpr int kManyFiles = 10000;
constexpr std::size_t kSmallSize = 4096;

void removeAndSync(const std::string& path) {
  fs::remove_all(path);
  ::sync();
}

core::CopyFlow keepGoing(const core::TreeCopyProgress&) { return core::CopyFlow::Go; }

}  // namespace

int main(int argc, char** argv) {
  const int rounds = tb::roundsFrom(argc, argv, 7);
  const char* base = std::getenv("TAVILO_BENCH_DIR");
  const std::string dir = std::string(base && *base ? base : "/tmp") + "/tavilo-bench-copy-" + std::to_string(::getpid());
  fs::remove_all(dir);
  fs::create_directories(dir + "/big");
  fs::create_directories(dir + "/many-src");
  struct statvfs vfs {};
  ::statvfs(dir.c_str(), &vfs);
  const double freeGiB = static_cast<double>(vfs.f_bavail) * vfs.f_frsize / 1073741824.0;
  const std::size_t bigSize = freeGiB > 4 ? (std::size_t{1} << 30) : (std::size_t{256} << 20);
  std::printf("folder %s, %.1f GiB free, %d rounds, load average at start %s\n", dir.c_str(), freeGiB, rounds,
              tb::loadAverage().c_str());

  const std::string bigSource = dir + "/big/source.bin", bigTarget = dir + "/big/target.bin";
  tb::writePattern(bigSource, bigSize);
  const std::string manySource = dir + "/many-src", manyTarget = dir + "/many-dst";
  for (int i = 0; i < kManyFiles; ++i)
    tb::writePattern(manySource + "/datei-" + std::to_string(i) + ".bin", kSmallSize);
  tb::warm(dir);

  tb::Contender bigOurs{"copyFileTo", [&] { removeAndSync(bigTarget); },
                        [&] {
                          if (!core::copyFileTo(bigSource, bigTarget, [](std::uint64_t, std::uint64_t) {
                                 return core::CopyFlow::Go;
                               }).done())
                            std::abort();
                        }};
  tb::Contender bigCp{"cp --preserve=timestamps", [&] { removeAndSync(bigTarget); },
                      [&] { tb::runProcess({"cp", "--preserve=timestamps", bigSource, bigTarget}); }, true};
  std::fprintf(stderr, "large file, %zu MiB\n", bigSize >> 20);
  tb::contest(bigOurs, bigCp, rounds);

  int manyRun = 0;
  std::string target;
  auto nextTarget = [&] {
    target = manyTarget + "-" + std::to_string(++manyRun);
    ::sync();
  };
  tb::Contender manyOurs{"planTreeCopy + runTreeCopy", nextTarget, [&] {
                           const auto result = core::runTreeCopy(core::planTreeCopy(manySource, target), keepGoing);
                           if (result.copied != kManyFiles) std::abort();
                         }};
  tb::Contender manyCp{"cp -r --preserve=timestamps", nextTarget,
                       [&] { tb::runProcess({"cp", "-r", "--preserve=timestamps", manySource, target}); }, true};
  std::fprintf(stderr, "%d files of %zu bytes\n", kManyFiles, kSmallSize);
  tb::contest(manyOurs, manyCp, rounds);

  tb::printContest("large file, " + std::to_string(bigSize >> 20) + " MiB", bigOurs, bigCp);
  tb::printContest(std::to_string(kManyFiles) + " files of 4 KiB", manyOurs, manyCp);
  std::printf("\nload average at the end %s\n", tb::loadAverage().c_str());
  fs::remove_all(dir);
  return 0;
}
