// Paints every picture of the program's catalogue and writes their pixels as
// a C++ source (see src/gui/glyphs/pixels.h). Run by the build.
// Usage: make_glyph_pixels OUTPUT.cpp
#include <cstdio>
#include <string>
#include <vector>

#include "gui/glyphs/catalogue.h"
#include "gui/glyphs/pixel_runs.h"

int main(int argc, char** argv) {
  using namespace tavilo::gui::glyphs;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
    return 2;
  }
  const std::string temporary = std::string(argv[1]) + ".tmp";
  std::FILE* out = std::fopen(temporary.c_str(), "w");
  if (!out) {
    std::perror(temporary.c_str());
    return 1;
  }
  std::fprintf(out, "// Written by make_glyph_pixels from the painters in src/gui/glyphs; do not edit.\n");
  std::fprintf(out, "#include \"gui/glyphs/pixels.h\"\n\nnamespace tavilo::gui::glyphs {\n\nnamespace {\n");
  const auto art = glyphArt();
  for (std::size_t i = 0; i < art.size(); ++i) {
    for (int scale : {1, 2}) {
      Canvas canvas(art[i].width, art[i].height, scale);
      art[i].paint(canvas);
      const std::vector<std::uint8_t> bytes = packPixels(canvas.rgba());
      std::fprintf(out, "\nconst unsigned char k%zu_%d[] = {", i, scale);
      for (std::size_t b = 0; b < bytes.size(); ++b) std::fprintf(out, "%s%u,", b % 24 ? "" : "\n", bytes[b]);
      std::fprintf(out, "\n};\n");
      std::fprintf(out, "constexpr unsigned k%zu_%d_size = %zu;\n", i, scale, bytes.size());
    }
  }
  std::fprintf(out, "\n}  // namespace\n\nconst GlyphPixels kGlyphPixels[] = {\n");
  for (std::size_t i = 0; i < art.size(); ++i)
    std::fprintf(out, "    {\"%s\", %d, %d, {k%zu_1, k%zu_1_size}, {k%zu_2, k%zu_2_size}},\n", art[i].name,
                 art[i].width, art[i].height, i, i, i, i);
  std::fprintf(out, "};\n\nconst int kGlyphPixelsCount = %zu;\n\n}  // namespace tavilo::gui::glyphs\n", art.size());
  if (std::fclose(out) != 0 || std::rename(temporary.c_str(), argv[1]) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
