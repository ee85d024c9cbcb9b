// Decoding the demo medium's pictures and fitting them to a picture panel: what a click
// on an entry costs before anything is drawn. Goal: a 640 x 400 photo decoded and
// scaled to its panel in under 20 ms.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/picture/picture.h"

namespace {

using namespace tavilo::core;

std::string demoFile(const std::string& name) {
  const std::string here = __FILE__;
  const std::string path = here.substr(0, here.find_last_of('/')) + "/../examples/demo-medium/" + name;
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void decode(benchmark::State& state, const char* name, PictureFormat format) {
  const std::string bytes = demoFile(name);
  if (bytes.empty()) {
    state.SkipWithError("demo picture missing");
    return;
  }
  int width = 0, height = 0;
  for (auto _ : state) {
    const Picture p = decodePicture(bytes, format);
    width = p.width, height = p.height;
    benchmark::DoNotOptimize(p.rgba.data());
  }
  state.counters["pixels/s"] =
      benchmark::Counter(static_cast<double>(width) * height, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK_CAPTURE(decode, jpeg_640x400, "fotos/strand.jpg", PictureFormat::Jpeg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, jpeg_400x300, "bilder/rechner.jpg", PictureFormat::Jpeg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, gif_300x220, "bilder/notizen.gif", PictureFormat::Gif)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, bmp24_360x270, "bilder/installer.bmp", PictureFormat::Bmp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, bmp8_200x120, "fotos/berge.bmp", PictureFormat::Bmp)->Unit(benchmark::kMillisecond);

void resize(benchmark::State& state, int fromW, int fromH, int toW, int toH) {
  Picture p;
  p.width = fromW, p.height = fromH;
  p.rgba.assign(static_cast<std::size_t>(fromW) * fromH * 4, 0x80);
  for (auto _ : state) benchmark::DoNotOptimize(resizePicture(p, toW, toH).rgba.data());
}

BENCHMARK_CAPTURE(resize, photo_to_panel, 640, 400, 230, 144)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(resize, placeholder_to_panel, 230, 150, 260, 170)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(resize, photo_to_full_screen, 640, 400, 1920, 1200)->Unit(benchmark::kMillisecond);

void decodeAndFit(benchmark::State& state) {
  const std::string bytes = demoFile("fotos/strand.jpg");
  for (auto _ : state) benchmark::DoNotOptimize(resizePicture(decodeJpeg(bytes), 230, 144).rgba.data());
}
BENCHMARK(decodeAndFit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
