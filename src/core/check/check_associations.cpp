// Findings about section Hiermit_Ausfuehren, the programs of the medium that
// open files by their extension: its strict count, and each row.
#include <map>

#include "core/check/check_context.h"
#include "core/ini/ini_number.h"
#include "core/text.h"

namespace tavilo::core::check_detail {

namespace {

constexpr const char* kSection = "Hiermit_Ausfuehren";

// The highest n of the keys Ext_<n> and Prog_<n>.
int highestRow(const IndexedSection& s) {
  int highest = 0;
  for (const auto& [key, i] : s.first)
    for (const std::string_view prefix : {"ext_", "prog_"})
      if (key.starts_with(prefix))
        if (const auto n = nameNumber(std::string_view(key).substr(prefix.size()))) highest = std::max(highest, *n);
  return highest;
}

void checkExtension(CheckContext& ctx, int row, std::map<std::string, int>& rowOf) {
  const std::string key = "Ext_" + std::to_string(row);
  const std::string ext = ctx.ini.ReadIniString(kSection, key);
  const std::size_t line = ctx.index.lineOf(kSection, key);
  if (ext.empty()) {
    ctx.warning(line, "no " + key + ": row " + std::to_string(row) + " opens the files without an extension");
  } else if (ext.front() != '.' || ext != lowerAscii(ext) || ext.find('.', 1) != std::string::npos) {
    const std::size_t dot = ext.rfind('.');
    const std::string meant = "." + lowerAscii(dot == std::string::npos ? ext : ext.substr(dot + 1));
    ctx.error(line, keyValue(key, ext) + " never matches: a file's extension is compared from its last dot, in "
                                         "lower case; write " + key + "=" + meant);
  }
  const auto [earlier, isNew] = rowOf.try_emplace(ext, row);
  if (!isNew) {
    ctx.warning(ctx.index.lineOf(kSection, "Ext_" + std::to_string(earlier->second)),
                "row " + std::to_string(earlier->second) + " is never used: row " + std::to_string(row) +
                    " has the same extension, and the last matching row counts");
    earlier->second = row;
  }
}

void checkProgram(CheckContext& ctx, int row) {
  const std::string key = "Prog_" + std::to_string(row);
  const std::string prog = ctx.ini.ReadIniString(kSection, key);
  const std::size_t line = ctx.index.lineOf(kSection, key);
  if (prog.empty()) {
    ctx.error(line, "no " + key + ": the files of row " + std::to_string(row) +
                        " are handed the medium's folder to open");
    return;
  }
  if (const auto path = checkPathValue(ctx, line, key, prog, false, ": the files of this row open nothing"))
    checkStartable(ctx, line, keyValue(key, prog), *path, true);
}

}  // namespace

void checkAssociations(CheckContext& ctx) {
  const IndexedSection* s = ctx.index.section(kSection);
  const std::string failure = "every \"Starten / Öffnen\" and \"Installieren\" fails with \"'";
  if (!s) {
    ctx.error(0, "no [Hiermit_Ausfuehren] section: " + failure +
                     "' ist kein gültiger Integerwert\"; a medium without rows needs it with Anzahl=0");
    return;
  }
  const std::string anzahl = ctx.ini.ReadIniString(kSection, "Anzahl");
  const std::size_t line = ctx.index.lineOf(kSection, "Anzahl");
  int rows = highestRow(*s);
  if (!parseIniNumber(anzahl)) {
    ctx.error(line, (anzahl.empty() ? std::string("no Anzahl in [Hiermit_Ausfuehren]")
                                    : keyValue("Anzahl", anzahl) + " is not a number" + notANumberHint(anzahl)) +
                        ": " + failure + anzahl + "' ist kein gültiger Integerwert\"" +
                        (anzahl.empty() ? "; without rows write Anzahl=0" : ""));
  } else {
    const int count = std::max(clampCount(*parseIniNumber(anzahl)), 0);
    for (int n = count + 1; n <= rows; ++n)
      for (const char* prefix : {"Ext_", "Prog_"})
        if (const IndexedKey* k = ctx.index.key(kSection, prefix + std::to_string(n)))
          ctx.error(k->line, k->name + " is beyond Anzahl " + std::to_string(count) + ": the menu never reads it");
    rows = std::min(rows, count);
    if (count > rows)
      ctx.error(line, "Anzahl " + std::to_string(count) + ", but the rows after row " + std::to_string(rows) +
                          " are missing: their empty Prog hands files without an extension the medium's folder");
  }
  std::map<std::string, int> rowOf;
  for (int row = 1; row <= rows; ++row) {
    const bool ext = ctx.index.key(kSection, "Ext_" + std::to_string(row));
    const bool prog = ctx.index.key(kSection, "Prog_" + std::to_string(row));
    if (!ext && !prog) {
      ctx.error(line, "row " + std::to_string(row) + " has neither Ext_" + std::to_string(row) + " nor Prog_" +
                          std::to_string(row) + ": it hands files without an extension the medium's folder");
      continue;
    }
    checkExtension(ctx, row, rowOf);
    checkProgram(ctx, row);
  }
}

}  // namespace tavilo::core::check_detail
