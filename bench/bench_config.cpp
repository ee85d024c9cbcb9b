// Reading the configuration as the menu does, on a large medium (50 groups of
// 200 entries, about 1 MB of INI): a group click (Anzahl and 200 names) and
// an entry click (7 values of one entry, Location twice), each through
// ConfigFile with its stamp-checked cache and through a naive re-parse per
// key. EditBetweenClicks rewrites the file between two clicks and aborts when
// the second click does not see the edit. Goals: group click < 10 ms, entry
// click < 2 ms. Files go to $TAVILO_BENCH_DIR, else /tmp.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "core/ini/config_cache.h"
#include "core/ini/config_file.h"
#include "core/ini/file_stamp.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_number.h"
#include "core/ini/ini_writer.h"

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

struct Medium {
  std::string dir, cached, edited;
  std::size_t bytes = 0;
  Medium() {
    const char* base = std::getenv("TAVILO_BENCH_DIR");
    dir = std::string(base && *base ? base : "/tmp") + "/tavilo-bench-config-" + std::to_string(::getpid());
    fs::create_directories(dir);
    cached = dir + "/Tavilo.ini";
    edited = dir + "/Edited.ini";
    const std::string text = mediumText(kEntries);
    bytes = text.size();
    writeText(cached, text);
    writeText(edited, text);
    // A fresh file is re-read at every use until its stamp has settled.
    std::this_thread::sleep_for(std::chrono::nanoseconds(core::kStampSettleNs + 200'000'000));
  }
  ~Medium() {
    std::error_code ec;
    if (!std::getenv("TAVILO_BENCH_KEEP")) fs::remove_all(dir, ec);
  }
};

const Medium& medium() {
  static const Medium m;
  return m;
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A reader without cache: opens, reads and parses the file for every key.
struct NaiveReader {
  std::string path;
  std::string ReadIniString(std::string_view section, std::string_view key) const {
    return core::IniDocument::parse(readAll(path)).value(section, key);
  }
  std::int32_t ReadIniInteger(std::string_view section, std::string_view key) const {
    return core::lenientInteger(ReadIniString(section, key));
  }
};

template <typename Reader>
std::size_t groupClick(const Reader& ini, int g) {
  const std::string group = "Gruppe_" + std::to_string(g);
  const int n = core::clampCount(ini.ReadIniInteger(group, "Anzahl"));
  std::size_t chars = 0;
  for (int i = 1; i <= n; ++i) chars += ini.ReadIniString(group, "Programm_" + std::to_string(i)).size();
  return chars + static_cast<std::size_t>(n);
}

template <typename Reader>
std::size_t entryClick(const Reader& ini, int g, int n) {
  const std::string s = "Programm_" + std::to_string(g) + "_" + std::to_string(n);
  std::size_t chars = 0;
  for (const char* key : {"Location", "Parameter", "Typ", "Screenshot", "Location", "Bemerkung", "Link"})
    chars += ini.ReadIniString(s, key).size();
  return chars;
}

void countParses(benchmark::State& state, const core::ConfigCacheStats& before) {
  const auto after = core::configCacheStats();
  const auto perClick = [&](std::size_t a, std::size_t b) {
    return static_cast<double>(a - b) / static_cast<double>(state.iterations());
  };
  state.counters["parses/click"] = perClick(after.parses, before.parses);
  state.counters["rereads/click"] = perClick(after.rereads, before.rereads);
  state.counters["ini_bytes"] = static_cast<double>(medium().bytes);
}

void BM_GroupClickCached(benchmark::State& state) {
  const core::ConfigFile ini(medium().cached);
  groupClick(ini, kGroup);
  const auto before = core::configCacheStats();
  for (auto _ : state) benchmark::DoNotOptimize(groupClick(ini, kGroup));
  countParses(state, before);
}

void BM_GroupClickNaive(benchmark::State& state) {
  const NaiveReader ini{medium().cached};
  for (auto _ : state) benchmark::DoNotOptimize(groupClick(ini, kGroup));
}

void BM_EntryClickCached(benchmark::State& state) {
  const core::ConfigFile ini(medium().cached);
  entryClick(ini, kGroup, kEntry);
  const auto before = core::configCacheStats();
  for (auto _ : state) benchmark::DoNotOptimize(entryClick(ini, kGroup, kEntry));
  countParses(state, before);
}

void BM_EntryClickNaive(benchmark::State& state) {
  const NaiveReader ini{medium().cached};
  for (auto _ : state) benchmark::DoNotOptimize(entryClick(ini, kGroup, kEntry));
}

// Worst case of the cache: every click follows an edit, so it parses once and
// re-reads the file for every further key while the new stamp is too young.
void BM_EditBetweenClicks(benchmark::State& state) {
  const core::ConfigFile ini(medium().edited);
  // "200" and "199": the same size, so only the stamp's times can tell.
  const std::string texts[2] = {mediumText(kEntries), mediumText(kEntries - 1)};
  if (texts[0].size() != texts[1].size()) std::abort();
  std::int64_t seen = 0;
  int which = 0;
  const auto before = core::configCacheStats();
  for (auto _ : state) {
    state.PauseTiming();
    which ^= 1;
    writeText(medium().edited, texts[which]);
    state.ResumeTiming();
    const int want = which ? kEntries - 1 : kEntries;
    const int got = ini.ReadIniInteger("Gruppe_" + std::to_string(kGroup), "Anzahl");
    if (got != want) {
      std::fprintf(stderr, "edit not seen: Anzahl %d, expected %d\n", got, want);
      std::abort();
    }
    benchmark::DoNotOptimize(groupClick(ini, kGroup));
    ++seen;
  }
  state.counters["edits_seen"] = static_cast<double>(seen);
  countParses(state, before);
}

BENCHMARK(BM_GroupClickCached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GroupClickNaive)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_EntryClickCached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryClickNaive)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_EditBetweenClicks)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
