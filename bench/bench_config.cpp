// Reading the configuration as the menu's handlers do, on a large medium (50
// groups of 200 entries, about 1.6 MB of INI): a group click (one snapshot,
// Anzahl and 200 names, then the first entry) and an entry click (one
// snapshot, one entry's values), each with the file settled (written an hour
// ago), just edited (rewritten before every click; the click must see the
// edit) and dated an hour in the future (a FAT stick written in another time
// zone). Goals in every state: group click < 10 ms, entry click < 2 ms.
// Files go to $TAVILO_BENCH_DIR, else /tmp. Repetitions give median and spread.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/ini/config_file.h"
#include "core/ini/ini_writer.h"
#include "core/menu/catalogue.h"

namespace fs = std::filesystem;
namespace core = tavilo::core;

namespace {

constexpr int kGroups = 50;
constexpr int kEntries = 200;
constexpr int kGroup = 37;  // the group and entry that are clicked
constexpr int kEntry = 123;

std::string mediumText(int anzahlOfClickedGroup) {
  core::IniWriter w;
  w.write("Programm", "Version", "4.02");
  w.write("Programm", "CD_Titel", "Benchmark-Medium");
  w.write("Gruppen", "Anzahl", std::to_string(kGroups));
  for (int g = 1; g <= kGroups; ++g) w.write("Gruppen", "Gruppe_" + std::to_string(g), "Gruppe " + std::to_string(g));
  for (int g = 1; g <= kGroups; ++g) {
    const std::string group = "Gruppe_" + std::to_string(g);
    w.write(group, "Anzahl", std::to_string(g == kGroup ? anzahlOfClickedGroup : kEntries));
    for (int n = 1; n <= kEntries; ++n) {
      const std::string id = std::to_string(g) + "_" + std::to_string(n);
      w.write(group, "Programm_" + std::to_string(n), "Programm " + id);
      const std::string s = "Programm_" + id;
      w.write(s, "Typ", "Programm");
      w.write(s, "Location", "p\\" + id + ".exe");
      w.write(s, "Screenshot", "b\\" + id + ".jpg");
      w.write(s, "Bemerkung", "Nr. " + id);
      w.write(s, "Link", "[http://t.example/+" + id + "]");
    }
  }
  return w.text();
}

void writeText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) std::abort();
}

void dateFile(const std::string& path, long offsetSeconds) {
  struct timespec times[2];
  ::clock_gettime(CLOCK_REALTIME, &times[0]);
  times[0].tv_sec += offsetSeconds;
  times[1] = times[0];
  if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) std::abort();
}

enum class FileState { Settled, Edited, Future };

struct Medium {
  std::string dir;
  std::string texts[2];  // the clicked group with 200 and with 199 entries
  Medium() {
    const char* base = std::getenv("TAVILO_BENCH_DIR");
    dir = std::string(base && *base ? base : "/tmp") + "/tavilo-bench-config-" + std::to_string(::getpid()) + "/";
    fs::create_directories(dir);
    texts[0] = mediumText(kEntries);
    texts[1] = mediumText(kEntries - 1);
  }
  ~Medium() {
    std::error_code ec;
    if (!std::getenv("TAVILO_BENCH_KEEP")) fs::remove_all(dir, ec);
  }
  std::string prepare(FileState state) const {
    const std::string path = dir + "Tavilo.ini";
    writeText(path, texts[0]);
    if (state == FileState::Settled) dateFile(path, -3600);
    if (state == FileState::Future) dateFile(path, 3600);
    return path;
  }
};

const Medium& medium() {
  static const Medium m;
  return m;
}

// What lbGruppeClick asks of core: one snapshot, the group's names, its first entry.
std::size_t groupClick(const core::ConfigFile& config) {
  const core::IniDocument ini = config.read();
  const std::vector<std::string> names = core::readEntryNames(ini, kGroup);
  const core::EntryView first = core::readEntry(ini, medium().dir, kGroup, 1, "", "Keine Bemerkung");
  return names.size() + first.location.size();
}

// What lbProgrammClick asks of core: one snapshot, one entry.
std::size_t entryClick(const core::ConfigFile& config) {
  const core::IniDocument ini = config.read();
  return core::readEntry(ini, medium().dir, kGroup, kEntry, "", "Keine Bemerkung").location.size();
}

template <std::size_t (*Click)(const core::ConfigFile&)>
void run(benchmark::State& state, FileState fileState) {
  const core::ConfigFile config(medium().prepare(fileState));
  int which = 0;
  for (auto _ : state) {
    if (fileState == FileState::Edited) {
      state.PauseTiming();
      which ^= 1;
      writeText(config.path(), medium().texts[which]);
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(Click(config));
    if (fileState == FileState::Edited) {
      state.PauseTiming();
      const int want = which ? kEntries - 1 : kEntries;
      if (config.read().ReadIniInteger("Gruppe_" + std::to_string(kGroup), "Anzahl") != want) {
        std::fprintf(stderr, "edit not seen\n");
        std::abort();
      }
      state.ResumeTiming();
    }
  }
  state.counters["ini_bytes"] = static_cast<double>(medium().texts[0].size());
}

void BM_GroupClick(benchmark::State& state, FileState s) { run<groupClick>(state, s); }
void BM_EntryClick(benchmark::State& state, FileState s) { run<entryClick>(state, s); }

#define TAVILO_CLICK(name, click, fileState)                                                          \
  BENCHMARK_CAPTURE(click, name, fileState)->Unit(benchmark::kMillisecond)->Repetitions(7)->MinTime(0.3) \
      ->ReportAggregatesOnly(true)

TAVILO_CLICK(settled, BM_GroupClick, FileState::Settled);
TAVILO_CLICK(just_edited, BM_GroupClick, FileState::Edited);
TAVILO_CLICK(future_dated, BM_GroupClick, FileState::Future);
TAVILO_CLICK(settled, BM_EntryClick, FileState::Settled);
TAVILO_CLICK(just_edited, BM_EntryClick, FileState::Edited);
TAVILO_CLICK(future_dated, BM_EntryClick, FileState::Future);

}  // namespace

BENCHMARK_MAIN();
