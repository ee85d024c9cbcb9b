// A contest of two contenders on a shared, noisy machine: rounds alternate
// which contender goes first, every run is timed on the wall clock (and its
// CPU time kept), and the table gives medians with their spread (lowest and
// highest run) and the ratio of the medians.
#ifndef TAVILO_BENCH_BENCH_CONTEST_H
#define TAVILO_BENCH_BENCH_CONTEST_H

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace tavilo::bench {

struct Contender {
  Contender(std::string n, std::function<void()> p, std::function<void()> r, bool child = false)
      : name(std::move(n)), prepare(std::move(p)), run(std::move(r)), childProcess(child) {}
  std::string name;
  std::function<void()> prepare;  // untimed, before each run
  std::function<void()> run;      // timed
  bool childProcess = false;      // its CPU time is that of finished children
  std::vector<double> wallMs, cpuMs;
};

// Writes a file of `size` bytes of a pattern that `seed` varies (so that no
// file system can share or compress the contents).
inline void writePattern(const std::string& path, std::size_t size, unsigned seed = 0) {
  std::vector<char> block(std::min<std::size_t>(size, 1 << 20));
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(((i + seed) * 2654435761u) >> 13);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) std::abort();
  for (std::size_t done = 0; done < size;) {
    const std::size_t n = std::min(block.size(), size - done);
    if (::write(fd, block.data(), n) != static_cast<ssize_t>(n)) std::abort();
    done += n;
  }
  ::close(fd);
}

// Reads a tree once, so that every run starts from a warm page cache.
inline void warm(const std::string& path) {
  std::vector<char> buf(1 << 20);
  for (const auto& e : std::filesystem::recursive_directory_iterator(path)) {
    if (!e.is_regular_file()) continue;
    const int fd = ::open(e.path().c_str(), O_RDONLY | O_CLOEXEC);
    while (fd >= 0 && ::read(fd, buf.data(), buf.size()) > 0) {
    }
    if (fd >= 0) ::close(fd);
  }
}

inline double cpuMsOf(int who) {
  struct rusage u {};
  ::getrusage(who, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

inline void timeOnce(Contender& c) {
  if (c.prepare) c.prepare();
  const int who = c.childProcess ? RUSAGE_CHILDREN : RUSAGE_SELF;
  const double cpu0 = cpuMsOf(who);
  const auto t0 = std::chrono::steady_clock::now();
  c.run();
  const auto t1 = std::chrono::steady_clock::now();
  c.cpuMs.push_back(cpuMsOf(who) - cpu0);
  c.wallMs.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
}

// Round r runs `ours` first when r is even, the reference first when odd.
inline void contest(Contender& ours, Contender& reference, int rounds) {
  for (int r = 0; r < rounds; ++r) {
    if (r % 2 == 0) {
      timeOnce(ours);
      timeOnce(reference);
    } else {
      timeOnce(reference);
      timeOnce(ours);
    }
    std::fprintf(stderr, "  round %d: %s %.1f ms, %s %.1f ms\n", r + 1, ours.name.c_str(), ours.wallMs.back(),
                 reference.name.c_str(), reference.wallMs.back());
  }
}

inline double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline void printRow(const Contender& c) {
  const auto [lo, hi] = std::minmax_element(c.wallMs.begin(), c.wallMs.end());
  std::printf("| %-34s | %4zu | %9.1f | %9.1f - %-9.1f | %9.1f |\n", c.name.c_str(), c.wallMs.size(), median(c.wallMs),
              *lo, *hi, median(c.cpuMs));
}

// Prints both rows and reference median / our median: >= 1.0 means ours is
// at least as fast.
inline void printContest(const std::string& title, const Contender& ours, const Contender& reference) {
  std::printf("\n%s\n", title.c_str());
  std::printf("| %-34s | runs | median ms | lowest - highest ms   | CPU ms    |\n", "contender");
  std::printf("|------------------------------------|------|-----------|-----------------------|-----------|\n");
  printRow(ours);
  printRow(reference);
  std::printf("speed ratio (reference median / ours): %.3f\n", median(reference.wallMs) / median(ours.wallMs));
}

// Runs a program with its arguments and waits; aborts when it fails.
inline void runProcess(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) std::abort();
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
}

inline std::string loadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string a, b, c;
  in >> a >> b >> c;
  return a + " " + b + " " + c;
}

inline int roundsFrom(int argc, char** argv, int fallback) {
  return argc > 1 ? std::max(1, std::atoi(argv[1])) : fallback;
}

}  // namespace tavilo::bench

#endif
