#include "core/check/medium_check.h"

#include <algorithm>

#include "core/check/check_context.h"
#include "core/ini/config_file.h"
#include "core/text.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace check_detail {

CheckContext::CheckContext(const IniDocument& iniIn, const IniIndex& indexIn, std::string dir)
    : ini(iniIn), index(indexIn), programDir(std::move(dir)),
      settings(readStartSettings(iniIn, programDir, "Gruppen", "Programme")) {}

}  // namespace check_detail

int MediumCheck::count(Severity severity) const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                        [&](const Finding& f) { return f.severity == severity; }));
}

std::vector<Finding> checkConfiguration(const std::string& bytes, const std::string& programDir) {
  const IniDocument ini = IniDocument::parse(bytes);
  const IniIndex index = IniIndex::build(bytes);
  check_detail::CheckContext ctx(ini, index, programDir);
  check_detail::checkLines(ctx);
  check_detail::checkProgramSection(ctx);
  check_detail::checkLook(ctx);
  check_detail::checkCatalogue(ctx);
  check_detail::checkAssociations(ctx);
  check_detail::checkSectionsAndKeys(ctx);
  std::stable_sort(ctx.findings.begin(), ctx.findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return std::move(ctx.findings);
}

MediumCheck checkMedium(const std::string& folder) {
  MediumCheck check;
  if (!platform::isFolder(folder)) {
    check.unreadable = folder + " is not a folder";
    return check;
  }
  const std::string dir = folder.back() == '/' ? folder : folder + '/';
  const std::string path = dir + "Tavilo.ini";
  const platform::FileStatus status = platform::fileStatus(path, true);
  if (!status.valid) {
    // The menu opens exactly this name; any other spelling is not seen.
    for (const platform::DirEntry& e : platform::listFolder(dir)) {
      if (lowerAscii(e.name) != "tavilo.ini") continue;
      check.unreadable = "there is no Tavilo.ini in " + folder + " (there is " + e.name +
                         ", but the menu reads Tavilo.ini, exactly so, and writes a sample file in its place)";
      return check;
    }
    check.unreadable = "there is no Tavilo.ini in " + folder + " (the menu would write a sample file in its place)";
    return check;
  }
  if (!status.isRegular) {
    check.unreadable = path + " is not a file";
    return check;
  }
  const std::optional<std::string> bytes = ConfigFile(path).readBytes();
  if (!bytes) {
    check.unreadable = path + " cannot be read";
    return check;
  }
  check.findings = checkConfiguration(*bytes, dir);
  if (static_cast<std::size_t>(status.size) > kMaxIniBytes)
    check.findings.insert(check.findings.begin(),
                          {0, Severity::Error, "the file is larger than 64 MiB: the menu reads only its beginning"});
  return check;
}

std::string formatFinding(const Finding& finding) {
  std::string out = "Tavilo.ini:";
  if (finding.line > 0) out += std::to_string(finding.line) + ":";
  out += finding.severity == Severity::Error ? " error: " : " warning: ";
  return out + finding.text;
}

std::string summaryLine(const MediumCheck& check) {
  const auto counted = [](int n, const char* word) {
    if (n == 0) return std::string("no ") + word + "s";
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
  };
  return counted(check.count(Severity::Error), "error") + ", " + counted(check.count(Severity::Warning), "warning");
}

}  // namespace tavilo::core
