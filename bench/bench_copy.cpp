// CopyFileBuffered against `cp --preserve=timestamps` in the same run, with a
// warm page cache: one large file (1 GiB, 256 MiB when the disk is short) and
// 10,000 files of 4 KiB. Plain read/write loops with other block sizes and a
// copy_file_range loop show what the fixed 16384-byte block costs.
// Files go to $TAVILO_BENCH_DIR, else /tmp. At the end the ratios are printed.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/file_utils_copy.h"

extern char** environ;

namespace fs = std::filesystem;
namespace core = tavilo::core;

namespace {

constexpr std::size_t kManyFiles = 10000;
constexpr std::size_t kSmallSize = 4096;

struct Fixture {
  std::string dir, bigSource, bigTarget, manySource, manyTarget;
  std::vector<std::string> manyFiles;
  std::size_t bigSize = 0;
};

void writePattern(const std::string& path, std::size_t size) {
  std::vector<char> block(1 << 20);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 2654435761u) >> 13);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) std::abort();
  for (std::size_t done = 0; done < size;) {
    const std::size_t n = std::min(block.size(), size - done);
    if (::write(fd, block.data(), n) != static_cast<ssize_t>(n)) std::abort();
    done += n;
  }
  ::close(fd);
}

// Reads a file once, so that every contender starts from a warm page cache.
void warm(const std::string& path) {
  std::vector<char> buf(1 << 20);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  while (fd >= 0 && ::read(fd, buf.data(), buf.size()) > 0) {
  }
  if (fd >= 0) ::close(fd);
}

const Fixture& fixture() {
  static const Fixture f = [] {
    Fixture x;
    const char* base = std::getenv("TAVILO_BENCH_DIR");
    x.dir = std::string(base && *base ? base : "/tmp") + "/tavilo-bench-copy-" + std::to_string(::getpid());
    fs::remove_all(x.dir);
    fs::create_directories(x.dir + "/many-src");
    fs::create_directories(x.dir + "/many-dst");
    fs::create_directories(x.dir + "/big-dst");
    struct statvfs vfs {};
    ::statvfs(x.dir.c_str(), &vfs);
    const unsigned long long freeBytes = static_cast<unsigned long long>(vfs.f_bavail) * vfs.f_frsize;
    // Source, target and the target's temporary copy, with room to spare.
    x.bigSize = freeBytes > (4ull << 30) ? (1ull << 30) : (256ull << 20);
    std::printf("bench folder %s, %.1f GiB free, large file %zu MiB%s\n", x.dir.c_str(), freeBytes / 1073741824.0,
                x.bigSize >> 20, x.bigSize < (1ull << 30) ? " (shrunk: disk space is short)" : "");
    x.bigSource = x.dir + "/big.bin";
    x.bigTarget = x.dir + "/big-dst/big.bin";
    writePattern(x.bigSource, x.bigSize);
    warm(x.bigSource);
    x.manySource = x.dir + "/many-src";
    x.manyTarget = x.dir + "/many-dst";
    for (std::size_t i = 0; i < kManyFiles; ++i) {
      x.manyFiles.push_back(x.manySource + "/datei-" + std::to_string(i) + ".bin");
      writePattern(x.manyFiles.back(), kSmallSize);
      warm(x.manyFiles.back());
    }
    return x;
  }();
  return f;
}

void runProcess(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) std::abort();
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
}

// User plus system CPU time of this process or of its finished children. On a
// shared machine it is steadier than the wall clock, which other jobs stretch.
double cpuMs(int who) {
  struct rusage u {};
  ::getrusage(who, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

// Every timed copy starts with no dirty pages and no pending journal work, so
// that one contender's write-back does not land in the other's time.
void settle() { ::sync(); }

void clearFolder(const std::string& dir) {
  for (const auto& e : fs::directory_iterator(dir)) fs::remove(e.path());
}

void BM_Large_CopyFileBuffered(benchmark::State& state) {
  const Fixture& f = fixture();
  double cpu = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(f.bigTarget);
    settle();
    state.ResumeTiming();
    const double c0 = cpuMs(RUSAGE_SELF);
    if (!core::CopyFileBuffered(f.bigSource, f.dir + "/big-dst")) state.SkipWithError("copy failed");
    cpu += cpuMs(RUSAGE_SELF) - c0;
  }
  state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bigSize));
}

void BM_Large_cp(benchmark::State& state) {
  const Fixture& f = fixture();
  double cpu = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(f.bigTarget);
    settle();
    state.ResumeTiming();
    const double c0 = cpuMs(RUSAGE_CHILDREN);
    runProcess({"cp", "--preserve=timestamps", f.bigSource, f.bigTarget});
    cpu += cpuMs(RUSAGE_CHILDREN) - c0;
  }
  state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bigSize));
}

void BM_Many_CopyFileBuffered(benchmark::State& state) {
  const Fixture& f = fixture();
  double cpu = 0;
  for (auto _ : state) {
    state.PauseTiming();
    clearFolder(f.manyTarget);
    settle();
    state.ResumeTiming();
    const double c0 = cpuMs(RUSAGE_SELF);
    for (const std::string& file : f.manyFiles)
      if (!core::CopyFileBuffered(file, f.manyTarget)) state.SkipWithError("copy failed");
    cpu += cpuMs(RUSAGE_SELF) - c0;
  }
  state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kManyFiles));
}

// One cp process for all files, so that cp pays no start per file.
void BM_Many_cp(benchmark::State& state) {
  const Fixture& f = fixture();
  double cpu = 0;
  std::vector<std::string> args = {"cp", "--preserve=timestamps", "-t", f.manyTarget, "--"};
  args.insert(args.end(), f.manyFiles.begin(), f.manyFiles.end());
  for (auto _ : state) {
    state.PauseTiming();
    clearFolder(f.manyTarget);
    settle();
    state.ResumeTiming();
    const double c0 = cpuMs(RUSAGE_CHILDREN);
    runProcess(args);
    cpu += cpuMs(RUSAGE_CHILDREN) - c0;
  }
  state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kManyFiles));
}

// Reference loops, not the routine: the same work with another block size,
// and in the kernel as cp does it (copy_file_range).
void BM_Large_ReadWriteLoop(benchmark::State& state) {
  const Fixture& f = fixture();
  std::vector<char> buf(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(f.bigTarget);
    settle();
    state.ResumeTiming();
    const int in = ::open(f.bigSource.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(f.bigTarget.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    for (ssize_t n; (n = ::read(in, buf.data(), buf.size())) > 0;)
      if (::write(out, buf.data(), static_cast<std::size_t>(n)) != n) std::abort();
    ::close(in);
    ::close(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bigSize));
}

void BM_Large_CopyFileRangeLoop(benchmark::State& state) {
  const Fixture& f = fixture();
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(f.bigTarget);
    settle();
    state.ResumeTiming();
    const int in = ::open(f.bigSource.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(f.bigTarget.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    while (::copy_file_range(in, nullptr, out, nullptr, static_cast<std::size_t>(state.range(0)), 0) > 0) {
    }
    ::close(in);
    ::close(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bigSize));
}

// Registered in main, alternating ours and cp round by round, so that a slow
// phase of the machine hits both.
constexpr int kRounds = 5;

void registerAll() {
  for (int round = 0; round < kRounds; ++round) {
    benchmark::RegisterBenchmark("BM_Large_CopyFileBuffered", BM_Large_CopyFileBuffered)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
    benchmark::RegisterBenchmark("BM_Large_cp", BM_Large_cp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
  }
  for (int round = 0; round < kRounds; ++round) {
    benchmark::RegisterBenchmark("BM_Many_CopyFileBuffered", BM_Many_CopyFileBuffered)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
    benchmark::RegisterBenchmark("BM_Many_cp", BM_Many_cp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
  }
  for (int round = 0; round < 3; ++round) {
    for (long block : {16384L, 131072L, 1L << 20})
      benchmark::RegisterBenchmark("BM_Large_ReadWriteLoop", BM_Large_ReadWriteLoop)
          ->Arg(block)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
    for (long block : {16384L, 1L << 30})
      benchmark::RegisterBenchmark("BM_Large_CopyFileRangeLoop", BM_Large_CopyFileRangeLoop)
          ->Arg(block)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
  }
}

// Keeps the fastest round of each benchmark for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
      const std::string name = r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args);
      const double t = r.GetAdjustedRealTime();
      auto it = best.find(name);
      if (it == best.end() || t < it->second) best[name] = t;
      if (const auto c = r.counters.find("cpu_ms"); c != r.counters.end()) {
        auto b = bestCpu.find(name);
        if (b == bestCpu.end() || c->second.value < b->second) bestCpu[name] = c->second.value;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> best;
  std::map<std::string, double> bestCpu;
};

}  // namespace

int main(int argc, char** argv) {
  registerAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  fixture();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto ratioOf = [](std::map<std::string, double>& m, const char* what, const std::string& ours,
                    const std::string& theirs) {
    if (!m.count(ours) || !m.count(theirs)) return;
    std::printf("%-44s %8.1f ms vs %8.1f ms  ratio %.3f\n", what, m[ours], m[theirs], m[ours] / m[theirs]);
  };
  auto ratio = [&](const char* what, const std::string& ours, const std::string& theirs) {
    ratioOf(reporter.best, what, ours, theirs);
  };
  std::printf("\nfastest round of each, CopyFileBuffered / reference:\n");
  ratio("large file: CopyFileBuffered / cp", "BM_Large_CopyFileBuffered", "BM_Large_cp");
  ratio("10000 x 4 KiB: CopyFileBuffered / cp", "BM_Many_CopyFileBuffered", "BM_Many_cp");
  ratio("large file: 16 KiB loop / 128 KiB loop", "BM_Large_ReadWriteLoop/16384", "BM_Large_ReadWriteLoop/131072");
  ratio("large file: 16 KiB loop / 1 MiB loop", "BM_Large_ReadWriteLoop/16384", "BM_Large_ReadWriteLoop/1048576");
  ratio("large file: 16 KiB loop / copy_file_range", "BM_Large_ReadWriteLoop/16384",
        "BM_Large_CopyFileRangeLoop/1073741824");
  ratio("large file: CopyFileBuffered / 16 KiB loop", "BM_Large_CopyFileBuffered", "BM_Large_ReadWriteLoop/16384");
  std::printf("\nlowest CPU time (user + system) of each, CopyFileBuffered / cp:\n");
  ratioOf(reporter.bestCpu, "large file", "BM_Large_CopyFileBuffered", "BM_Large_cp");
  ratioOf(reporter.bestCpu, "10000 x 4 KiB", "BM_Many_CopyFileBuffered", "BM_Many_cp");
  fs::remove_all(fixture().dir);
  benchmark::Shutdown();
  return 0;
}
