// Findings about section Programm: the version, the colours that stop the
// start-up, numbers and flags that read as 0, the logo and the stand-by picture.
#include "core/check/check_context.h"
#include "core/ini/ini_number.h"
#include "core/menu/catalogue.h"
#include "core/text.h"
#include "core/version.h"

namespace tavilo::core::check_detail {

namespace {

constexpr const char* kProgramm = "Programm";

std::string valueOf(const CheckContext& ctx, const char* key) { return ctx.ini.ReadIniString(kProgramm, key); }

// A number that ReadIniInteger reads; false (and a finding) when it reads 0 for want of one.
bool checkNumber(CheckContext& ctx, const char* key, std::string_view effect) {
  const std::string value = valueOf(ctx, key);
  if (value.empty() || parseIniInteger(value)) return true;
  ctx.error(ctx.index.lineOf(kProgramm, key),
            keyValue(key, value) + " is not a number" + notANumberHint(value) + ": the menu reads 0" +
                std::string(effect));
  return false;
}

void checkVersion(CheckContext& ctx) {
  if (!ctx.index.section(kProgramm)) {
    ctx.error(0, "no [Programm] section: the start-up finds no Version, refuses the file and ends");
    return;
  }
  const std::string version = valueOf(ctx, "Version");
  const std::size_t line = ctx.index.lineOf(kProgramm, "Version");
  if (version.empty())
    ctx.error(line, "no Version in [Programm]: the start-up refuses the file and ends; write Version=" +
                        std::string(ProgVersion));
  else if (!versionAccepted(version))
    ctx.error(line, keyValue("Version", version) + " is refused at start (its first character must be above "
                                                   "\"2\"): the menu ends; write Version=" + std::string(ProgVersion));
}

void checkColors(CheckContext& ctx) {
  for (const char* key : kStartColorKeys) {
    const std::string value = valueOf(ctx, key);
    if (value.empty() || parseIniNumber(value)) continue;
    const std::string message = "'" + value + "' ist kein gültiger Integerwert";
    const bool stops = ctx.settings.colorErrorKey == key;
    ctx.error(ctx.index.lineOf(kProgramm, key),
              keyValue(key, value) + " is not a colour" + notANumberHint(value) +
                  (stops ? ": the start-up stops here with \"" + message +
                               "\" and applies nothing after it (later colours, size, frame, groups)"
                         : ": the start-up would stop here with \"" + message + "\"") +
                  "; write $BBGGRR");
  }
}

void checkNumbers(CheckContext& ctx) {
  const struct {
    const char* key;
    int fallback;
    const char* dimension;
  } extents[] = {{"Breite", kDefaultWidth, "wide"}, {"Hoehe", kDefaultHeight, "high"}};
  for (const auto& e : extents) {
    const std::string effect = " makes the window " + std::to_string(e.fallback) + " pixels " + e.dimension;
    if (!checkNumber(ctx, e.key, " and" + effect)) continue;
    const std::string value = valueOf(ctx, e.key);
    const int n = lenientInteger(value);
    if (n != 0 && n < kMinWindowExtent)
      ctx.warning(ctx.index.lineOf(kProgramm, e.key), keyValue(e.key, value) + " is below " +
                                                          std::to_string(kMinWindowExtent) + ": the menu" + effect);
    else if (n > kMaxWindowExtent)
      ctx.warning(ctx.index.lineOf(kProgramm, e.key), keyValue(e.key, value) + " is above " +
                                                          std::to_string(kMaxWindowExtent) +
                                                          ": the menu makes the window " +
                                                          std::to_string(kMaxWindowExtent) + " pixels " + e.dimension);
  }
  for (const char* key : {"Breite_Links", "ImageHoehe", "BemerkungsHoehe"}) {
    if (!checkNumber(ctx, key, ", so its panel gets no room")) continue;
    const std::string value = valueOf(ctx, key);
    const int n = lenientInteger(value);
    if (n < 0 || n > 100)
      ctx.warning(ctx.index.lineOf(kProgramm, key), keyValue(key, value) + " is a percentage: from 0 to 100");
  }
  checkNumber(ctx, "ShowOnlyUsedButton", " (false); write 1 for true");
}

void checkTexts(CheckContext& ctx) {
  const std::string showGroups = ctx.ini.ReadIniString("Gruppen", "Show_Gruppen");
  const std::size_t showLine = ctx.index.lineOf("Gruppen", "Show_Gruppen");
  if (!showGroups.empty() && showGroups != "0" && showGroups != "1")
    ctx.warning(showLine, keyValue("Show_Gruppen", showGroups) + " hides the group list: only \"1\" shows it");
  if (!ctx.settings.showGroups && readGroupNames(ctx.ini).size() > 1)
    ctx.warning(showLine, "the group list is hidden: only the entries of group 1 can be reached");

  const std::string border = valueOf(ctx, "Border_Style");
  if (!border.empty() && !parseIniNumber(border))
    ctx.warning(ctx.index.lineOf(kProgramm, "Border_Style"),
                keyValue("Border_Style", border) + " gives the window a normal frame: only \"0\" takes it away");

  const std::string logoPos = valueOf(ctx, "LogoPos");
  const std::string lower = lowerAscii(logoPos);
  if (logoPos != "rechts" && (lower.find("rechts") != std::string::npos || lower == "right" || lower == "r"))
    ctx.warning(ctx.index.lineOf(kProgramm, "LogoPos"),
                keyValue("LogoPos", logoPos) + " puts the logo on the left: only \"rechts\", so written, puts it "
                                               "on the right");

  if (ctx.settings.titleFace.size() < ctx.settings.titleFontName.size())
    ctx.warning(ctx.index.lineOf(kProgramm, "FontName"),
                keyValue("FontName", ctx.settings.titleFontName) + " is longer than 31 characters: the menu cuts it");
}

void checkPictures(CheckContext& ctx) {
  const std::string logo = valueOf(ctx, "Logo");
  const std::size_t logoLine = ctx.index.lineOf(kProgramm, "Logo");
  if (!logo.empty())
    if (const auto path = checkPathValue(ctx, logoLine, "Logo", logo, false, ": the title bar shows no logo"))
      checkPicture(ctx, logoLine, keyValue("Logo", logo), *path, logoIsGif(*path));

  const std::string standby = valueOf(ctx, "Leer_Image");
  const std::size_t standbyLine = ctx.index.lineOf(kProgramm, "Leer_Image");
  if (!standby.empty())
    if (const auto path = checkPathValue(ctx, standbyLine, "Leer_Image", standby, false,
                                         ": entries without a picture show the built-in placeholder"))
      checkPicture(ctx, standbyLine, keyValue("Leer_Image", standby), *path);
}

}  // namespace

void checkProgramSection(CheckContext& ctx) {
  checkVersion(ctx);
  checkColors(ctx);
  checkNumbers(ctx);
  checkTexts(ctx);
  checkPictures(ctx);
}

}  // namespace tavilo::core::check_detail
