// The copy window's tree copy against cp in one run, the contenders alternating
// round by round: a generated tree of 1 GiB (four large files and 10,000 small
// ones of 1 to 12 KiB in two levels of folders) against
// `cp -r --preserve=timestamps`. Ours counts its plan first and reports progress
// to a function that looks at the clock, as the window does. Each run gets a new
// target that stays until the end (see bench_copy.cpp), after a `sync`.
// Then the memory: the peak resident growth of one tree copy in a child
// process, for the full tree and for one with a tenth of the files and a
// sixteenth of the bytes, which must be about the same.
// Usage: bench_tree_copy [rounds, default 5]; files go to $TAVILO_BENCH_DIR, else /tmp.
#include <fcntl.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench_contest.h"
#include "core/files/tree_copy.h"

namespace fs = std::filesystem;
namespace core = tavilo::core;
namespace tb = tavilo::bench;

namespace {

struct TreeShape {
  int largeFiles;
  std::size_t largeSize;
  int smallFiles;
};

// Small files 1..12 KiB, 100 to a folder, ten folders to a group.
std::uint64_t makeTree(const std::string& root, const TreeShape& shape) {
  std::uint64_t bytes = 0;
  fs::create_directories(root + "/gross");
  for (int i = 0; i < shape.largeFiles; ++i) {
    tb::writePattern(root + "/gross/teil-" + std::to_string(i) + ".bin", shape.largeSize, unsigned(i));
    bytes += shape.largeSize;
  }
  for (int i = 0; i < shape.smallFiles; ++i) {
    const std::string folder =
        root + "/gruppe-" + std::to_string(i / 1000) + "/ordner-" + std::to_string(i / 100 % 10);
    if (i % 100 == 0) fs::create_directories(folder);
    const std::size_t size = 1024 * (1 + std::size_t(i) % 12);
    tb::writePattern(folder + "/datei-" + std::to_string(i) + ".dat", size, unsigned(i));
    bytes += size;
  }
  return bytes;
}

// What the window does between blocks, without a window: look at the clock.
core::TreeCopyResult windowLikeCopy(const std::string& source, const std::string& target) {
  auto last = std::chrono::steady_clock::now();
  std::size_t looks = 0;
  const auto look = [&] {
    const auto now = std::chrono::steady_clock::now();
    if (now - last >= std::chrono::milliseconds(40)) {
      last = now;
      ++looks;
    }
    return core::CopyFlow::Go;
  };
  const core::TreeCopyPlan plan = core::planTreeCopy(source, target, [&](std::size_t) { return look(); });
  return core::runTreeCopy(plan, [&](const core::TreeCopyProgress&) { return look(); });
}

long kibFromStatus(const char* key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::strlen(key));
  return -1;
}

// The growth of the peak resident size (KiB) while a child copies the tree.
long peakGrowthKiB(const std::string& source, const std::string& target) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) std::abort();
  const pid_t pid = ::fork();
  if (pid == 0) {
    const long before = kibFromStatus("VmRSS:");
    const core::TreeCopyResult r = windowLikeCopy(source, target);
    const long growth = r.failures.empty() ? kibFromStatus("VmHWM:") - before : -1;
    if (::write(pipeFds[1], &growth, sizeof growth) != sizeof growth) ::_exit(1);
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  long growth = -1;
  if (::read(pipeFds[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  ::close(pipeFds[0]);
  ::waitpid(pid, nullptr, 0);
  return growth;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = tb::roundsFrom(argc, argv, 5);
  const char* base = std::getenv("TAVILO_BENCH_DIR");
  const std::string dir =
      std::string(base && *base ? base : "/tmp") + "/tavilo-bench-tree-" + std::to_string(::getpid());
  fs::remove_all(dir);
  struct statvfs vfs {};
  fs::create_directories(dir);
  ::statvfs(dir.c_str(), &vfs);
  const double freeGiB = static_cast<double>(vfs.f_bavail) * vfs.f_frsize / 1073741824.0;
  // Every round leaves two copies until the end.
  if (freeGiB < 2.5 + 2.2 * rounds) {
    std::fprintf(stderr, "%.1f GiB free in %s: too little for %d rounds\n", freeGiB, dir.c_str(), rounds);
    return 1;
  }
  const std::string source = dir + "/quelle";
  const std::uint64_t bytes = makeTree(source, {4, std::size_t{240} << 20, 10000});
  const std::string smallSource = dir + "/quelle-klein";
  const std::uint64_t smallBytes = makeTree(smallSource, {1, std::size_t{60} << 20, 1000});
  tb::warm(dir);
  std::printf("folder %s, %.1f GiB free, %d rounds, tree of %.0f MiB in %d files, load average at start %s\n",
              dir.c_str(), freeGiB, rounds, bytes / 1048576.0, 10004, tb::loadAverage().c_str());

  int run = 0;
  std::string target;
  auto nextTarget = [&] {
    target = dir + "/ziel-" + std::to_string(++run);
    ::sync();
  };
  tb::Contender ours{"tree copy (plan + copy)", nextTarget, [&] {
                       const core::TreeCopyResult r = windowLikeCopy(source, target);
                       if (!r.failures.empty() || r.copied != 10004) std::abort();
                     }};
  tb::Contender cp{"cp -r --preserve=timestamps", nextTarget,
                   [&] { tb::runProcess({"cp", "-r", "--preserve=timestamps", source, target}); }, true};
  tb::contest(ours, cp, rounds);
  tb::printContest("tree of " + std::to_string(bytes >> 20) + " MiB, 10,004 files", ours, cp);
  const double oursMiBs = bytes / 1048576.0 / (tb::median(ours.wallMs) / 1000);
  const double cpMiBs = bytes / 1048576.0 / (tb::median(cp.wallMs) / 1000);
  std::printf("throughput: ours %.0f MiB/s, cp %.0f MiB/s\n", oursMiBs, cpMiBs);

  ::sync();
  const long smallGrowth = peakGrowthKiB(smallSource, dir + "/ziel-speicher-klein");
  const long fullGrowth = peakGrowthKiB(source, dir + "/ziel-speicher");
  std::printf("\npeak resident growth of one tree copy: %ld KiB for %.0f MiB in 1,001 files, %ld KiB for %.0f MiB "
              "in 10,004 files\n",
              smallGrowth, smallBytes / 1048576.0, fullGrowth, bytes / 1048576.0);
  std::printf("load average at the end %s\n", tb::loadAverage().c_str());
  fs::remove_all(dir);
  return 0;
}
