// The strip colours a gradient computes at every paint, for the extents the windows use
// (a 50-pixel title bar up to a full-width panel on a large screen).
#include "core/gradient.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GradientStrips(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto strips = tavilo::core::gradientStrips(0x4080FF, 0xC0C0C0, n);
    benchmark::DoNotOptimize(strips.data());
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_GradientStrips)->Arg(50)->Arg(500)->Arg(1920)->Arg(3840);

}  // namespace

BENCHMARK_MAIN();
