// Findings about how the medium looks: the gradient colours that the other
// windows take (black without them), texts too close in colour to what they
// are drawn on, and a logo of other proportions than its box.
#include <cstdio>
#include <new>
#include <optional>

#include "core/check/check_context.h"
#include "core/contrast.h"
#include "core/error.h"
#include "core/picture/picture.h"

namespace tavilo::core::check_detail {

namespace {

constexpr const char* kProgramm = "Programm";
constexpr const char* kOtherWindows = "the info window, the copy window and the folder chooser";

// The main window's design colours, kept where a key gives none.
constexpr std::uint32_t kDesignBlue = 0xFF0000;
constexpr std::uint32_t kDesignAqua = 0xFFFF00;
constexpr std::uint32_t kDesignSilver = 0xC0C0C0;
constexpr std::uint32_t kDesignListColour = 0x75C5F0;
constexpr std::uint32_t kBlack = 0x000000;

std::string ratio(double r) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f:1", r);
  return text;
}

std::string hex(std::uint32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "$%06X", colour & 0xFFFFFFu);
  return text;
}

bool written(const CheckContext& ctx, const char* key) { return !ctx.ini.ReadIniString(kProgramm, key).empty(); }

// The line to name for a finding about these keys: the earliest one written,
// else the section's header.
std::size_t lineOfFirst(const CheckContext& ctx, std::initializer_list<const char*> keys) {
  std::size_t line = 0;
  for (const char* key : keys)
    if (const IndexedKey* k = ctx.index.key(kProgramm, key); k && (line == 0 || k->line < line)) line = k->line;
  return line ? line : ctx.index.lineOf(kProgramm);
}

void checkGradientKeys(CheckContext& ctx) {
  const bool start = written(ctx, "VerlaufFarbe"), end = written(ctx, "VerlaufFarbe2");
  if (start && end) return;
  const std::string missing = !start && !end ? "no VerlaufFarbe and no VerlaufFarbe2"
                              : !start       ? "no VerlaufFarbe"
                                             : "no VerlaufFarbe2";
  ctx.warning(lineOfFirst(ctx, {"VerlaufFarbe", "VerlaufFarbe2"}),
              missing + " in [Programm]: " + kOtherWindows +
                  " take black for the missing colour, and their black labels (\"Version\", \"Datum\", the folder "
                  "names, \"Neuer Ordner :\") vanish; write both, for example VerlaufFarbe=$B4783C and "
                  "VerlaufFarbe2=$F0E6DC");
}

// `text` on the gradient from `start` to `end`; a warning when it is hard to read.
void checkContrast(CheckContext& ctx, std::size_t line, const std::string& what, std::uint32_t text,
                   std::uint32_t start, std::uint32_t end, const std::string& background) {
  const double lowest = lowestContrastOnGradient(text, start, end);
  if (lowest >= kReadableContrast) return;
  ctx.warning(line, what + " (" + hex(text) + ") on " + background + " have a contrast of only " + ratio(lowest) +
                        ", hard to read (" + ratio(kReadableContrast) + " is the least for bold text)");
}

void checkTextColours(CheckContext& ctx) {
  const StartColors& c = ctx.settings.colors;
  if (c.gradientStart && c.gradientEnd)
    checkContrast(ctx, lineOfFirst(ctx, {"VerlaufFarbe", "VerlaufFarbe2"}),
                  std::string("the black labels of ") + kOtherWindows, kBlack, *c.gradientStart, *c.gradientEnd,
                  "VerlaufFarbe " + hex(*c.gradientStart) + " to VerlaufFarbe2 " + hex(*c.gradientEnd));
  if (c.frame || c.frame2 || c.frameFont) {
    const std::uint32_t a = c.frame.value_or(kDesignAqua), b = c.frame2.value_or(kDesignSilver);
    checkContrast(ctx, lineOfFirst(ctx, {"Rahmen_SchriftFarbe", "RahmenFarbe", "RahmenFarbe2"}),
                  "the headings above the lists (Rahmen_SchriftFarbe)", c.frameFont.value_or(kDesignBlue), a, b,
                  "RahmenFarbe " + hex(a) + " to RahmenFarbe2 " + hex(b));
  }
  if (c.window || c.windowFont) {
    const std::uint32_t back = c.window.value_or(kDesignListColour);
    checkContrast(ctx, lineOfFirst(ctx, {"Fenster_Schriftfarbe", "FensterFarbe"}),
                  "the lists and the description (Fenster_Schriftfarbe)", c.windowFont.value_or(kBlack), back, back,
                  "FensterFarbe " + hex(back));
  }
}

// The title bar's logo box, to which every logo is stretched.
constexpr int kLogoBoxWidth = 60, kLogoBoxHeight = 40;

void checkLogoProportions(CheckContext& ctx) {
  const std::string& logo = ctx.settings.logoFile;
  if (logo.empty()) return;
  Picture picture;
  try {
    picture = logoIsGif(logo) ? decodePictureFile(logo, PictureFormat::Gif) : decodePictureFile(logo);
  } catch (const Error&) {
    return;  // the picture's own finding says why
  } catch (const std::bad_alloc&) {
    return;
  }
  if (picture.width <= 0 || picture.height <= 0) return;
  // Stretched by more than a quarter in one direction against the other.
  const double stretch = (static_cast<double>(kLogoBoxWidth) / kLogoBoxHeight) /
                         (static_cast<double>(picture.width) / picture.height);
  if (stretch <= 1.25 && stretch >= 0.8) return;
  ctx.warning(ctx.index.lineOf(kProgramm, "Logo"),
              "the logo is " + std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                  " pixels, but the title bar stretches it to its box of " + std::to_string(kLogoBoxWidth) + " x " +
                  std::to_string(kLogoBoxHeight) + ": it looks " + (stretch < 1 ? "squeezed" : "stretched") +
                  "; draw it at 3:2, as 60 x 40 or 120 x 80");
}

}  // namespace

void checkLook(CheckContext& ctx) {
  checkLogoProportions(ctx);
  // A colour that is not a number stops the start-up: that error says enough.
  if (!ctx.index.section(kProgramm) || ctx.settings.colorError) return;
  checkGradientKeys(ctx);
  checkTextColours(ctx);
}

}  // namespace tavilo::core::check_detail
