// Draws the demo medium's pictures and writes them with the project's own encoders:
//   make_demo_pictures [MEDIUM-FOLDER]     (default: examples/demo-medium)
// FLTK draws the text, so it needs a display; without one run it under xvfb-run -a.
// Each file is read back with the program's decoders before the tool reports success.
#include <cstdio>
#include <fstream>
#include <string>

#include "core/error.h"
#include "core/picture/picture.h"
#include "demo_pictures/canvas.h"
#include "demo_pictures/program_windows.h"
#include "demo_pictures/quantize.h"
#include "demo_pictures/scenes.h"
#include "demo_pictures/writers.h"
#include "platform/platform.h"

namespace {

using namespace tavilo;

// The logo's soft edges blended over the demo medium's title bar colour, for GIF's
// all-or-nothing transparency.
core::Picture matteForGif(core::Picture p, demo::Rgb matte) {
  for (std::size_t i = 0; i < p.rgba.size(); i += 4) {
    std::uint8_t* d = p.rgba.data() + i;
    if (d[3] < 96) {
      d[3] = 0;
      continue;
    }
    const unsigned a = d[3];
    const std::uint8_t m[3] = {matte.r, matte.g, matte.b};
    for (int c = 0; c < 3; ++c) d[c] = static_cast<std::uint8_t>((d[c] * a + m[c] * (255 - a)) / 255);
    d[3] = 255;
  }
  return p;
}

bool writeFile(const std::string& path, const std::string& bytes, int width, int height) {
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos) platform::createFolders(path.substr(0, slash));
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
      return false;
    }
  }
  try {
    const core::Picture back = core::decodePictureFile(path);
    if (back.width != width || back.height != height) {
      std::fprintf(stderr, "%s: reads back as %d x %d\n", path.c_str(), back.width, back.height);
      return false;
    }
  } catch (const core::Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return false;
  }
  std::printf("%-34s %4d x %-4d %7zu bytes\n", path.c_str(), width, height, bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string medium = (argc > 1 ? std::string(argv[1]) : std::string("examples/demo-medium")) + "/";
  const demo::Rgb titleBar{44, 100, 168};  // VerlaufFarbe of the demo medium's Tavilo.ini

  bool ok = true;
  const core::Picture logo = matteForGif(demo::paintLogo(), titleBar);
  ok &= writeFile(medium + "bilder/logo.gif", demo::encodeGif(demo::quantize(logo, 256, true)), 120, 80);

  ok &= writeFile(medium + "bilder/rechner.jpg",
                  demo::encodeJpeg(demo::drawWithFltk(400, 300, demo::drawCalculator), {.quality = 80}), 400, 300);
  ok &= writeFile(medium + "bilder/notizen.gif",
                  demo::encodeGif(demo::quantize(demo::drawWithFltk(300, 220, demo::drawNotepad), 64)), 300, 220);
  ok &= writeFile(medium + "bilder/installer.bmp",
                  demo::encodeBmp24(demo::drawWithFltk(360, 270, demo::drawInstaller)), 360, 270);
  ok &= writeFile(medium + "bilder/standby.jpg", demo::encodeJpeg(demo::drawStandby(), {.quality = 85}), 230, 150);
  ok &= writeFile(medium + "fotos/strand.jpg", demo::encodeJpeg(demo::paintBeach(), {.quality = 72}), 640, 400);
  ok &= writeFile(medium + "fotos/berge.bmp", demo::encodeBmp8(demo::quantize(demo::paintMountains(), 256)), 200,
                  120);
  ok &= writeFile(medium + "beispiele/bilder/muster.gif",
                  demo::encodeGif(demo::quantize(demo::paintPattern(), 16), {.interlace = true}), 64, 64);
  return ok ? 0 : 1;
}
