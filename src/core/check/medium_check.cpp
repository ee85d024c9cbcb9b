#include "core/check/medium_check.h"

#include <algorithm>
#include <cstdio>

#include "core/check/check_context.h"
#include "core/ini/config_file.h"
#include "core/ini/ini_text.h"
#include "core/path.h"
#include "core/text.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace check_detail {

CheckContext::CheckContext(const IniDocument& iniIn, const IniIndex& indexIn, std::string dir)
    : ini(iniIn), index(indexIn), programDir(std::move(dir)),
      settings(readStartSettings(iniIn, programDir, "Gruppen", "Programme")) {}

namespace {

// The text with what varies between findings of one kind left out: numbers,
// "quoted values" and [section names].
std::string kindOfText(std::string_view text) {
  std::string kind;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const char close = c == '"' ? '"' : c == '[' ? ']' : '\0';
    const std::size_t end = close ? text.find(close, i + 1) : std::string_view::npos;
    if (end != std::string_view::npos) {
      kind += c;
      kind += close;
      i = end;
    } else if (c >= '0' && c <= '9') {
      if (kind.empty() || kind.back() != '#') kind += '#';
    } else {
      kind += c;
    }
  }
  return kind;
}

// 3262000 as "3,262,000".
std::string withThousands(std::size_t n) {
  std::string digits = std::to_string(n), out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace

void CheckContext::add(std::size_t line, Severity severity, std::string text, std::string_view kind) {
  Tally& t = tallies_[{severity, !kind.empty(), kind.empty() ? kindOfText(text) : std::string(kind)}];
  if (t.shown == kShownPerKind) {
    ++t.more;
    return;
  }
  ++t.shown;
  t.lastLine = line;
  findings.push_back({line, severity, std::move(text)});
}

bool CheckContext::shows(Severity severity, std::string_view kind) const {
  const auto it = tallies_.find({severity, true, std::string(kind)});
  return it == tallies_.end() || it->second.shown < kShownPerKind;
}

void CheckContext::countMore(Severity severity, std::string_view kind, std::size_t n) {
  if (n > 0) tallies_[{severity, true, std::string(kind)}].more += n;
}

void CheckContext::summarise() {
  for (const auto& [key, t] : tallies_) {
    if (t.more == 0) continue;
    const auto& [severity, named, kind] = key;
    std::string text = "… and " + withThousands(t.more) + " more ";
    text += named ? kind : "like line " + std::to_string(t.lastLine);
    findings.push_back({t.lastLine, severity, std::move(text), t.more});
  }
}

}  // namespace check_detail

std::size_t MediumCheck::count(Severity severity) const {
  std::size_t n = 0;
  for (const Finding& f : findings)
    if (f.severity == severity) n += f.more ? f.more : 1;
  return n;
}

std::vector<Finding> checkConfiguration(std::string bytes, const std::string& programDir) {
  // The index reads the bytes before the document takes them over.
  const IniIndex index = IniIndex::build(bytes);
  const IniDocument ini = IniDocument::parse(std::move(bytes));
  check_detail::CheckContext ctx(ini, index, programDir);
  check_detail::checkLines(ctx);
  check_detail::checkProgramSection(ctx);
  check_detail::checkLook(ctx);
  check_detail::checkCatalogue(ctx);
  check_detail::checkAssociations(ctx);
  check_detail::checkSectionsAndKeys(ctx);
  ctx.summarise();
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
  const std::string dir = withTrailingSeparator(folder);
  // The menu's own rule: the exact name, else the medium's spelling of it.
  const std::string path = platform::resolveMediumPath(dir, "Tavilo.ini");
  const platform::FileStatus status = platform::fileStatus(path, true);
  const platform::FileStatus here = platform::fileStatus(path, false);
  if (!status.valid && here.isLink) {
    check.unreadable = path + " is a link to " + platform::linkTarget(path) +
                       ", which leads to no file (the menu writes no sample file over it and ends)";
    return check;
  }
  if (!status.valid) {
    check.unreadable = "there is no Tavilo.ini in " + folder + " (the menu would write a sample file in its place)";
    return check;
  }
  ConfigBytes file = ConfigFile(path).readFile();
  if (file.outcome == ConfigBytes::Outcome::NotAFile) {
    const char* what = status.isFolder ? "a folder"
                       : status.isFifo ? "a named pipe (FIFO)"
                       : status.isDevice ? "a device"
                       : status.isSocket ? "a socket"
                                         : "something else";
    check.unreadable = path + " is not a regular file but " + what + " (the menu says so and ends)";
    return check;
  }
  if (file.outcome != ConfigBytes::Outcome::Read) {
    check.unreadable = path + " cannot be read: " + file.error.text() + " (the menu says so and ends)";
    return check;
  }
  check.findings = checkConfiguration(std::move(file.bytes), dir);
  if (const std::string spelled(pathName(path)); spelled != "Tavilo.ini")
    check.findings.insert(check.findings.begin(),
                          {0, Severity::Warning,
                           "the file is named " + spelled + ": the menu finds it only by ignoring letter case; "
                           "name it Tavilo.ini for file systems and copies that keep case"});
  if (file.cut)
    check.findings.insert(check.findings.begin(),
                          {0, Severity::Error, "the file is larger than 64 MiB: the menu reads only its beginning"});
  return check;
}

std::string formatFinding(const Finding& finding) {
  std::string out = "Tavilo.ini:";
  if (finding.line > 0) out += std::to_string(finding.line) + ":";
  out += finding.severity == Severity::Error ? " error: " : " warning: ";
  return out + terminalText(finding.text);
}

std::string terminalText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char escape[8];
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (b >= 0x80) {
      length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
      if (i + length > text.size() || !isValidUtf8(text.substr(i, length))) length = 0;
    }
    if (length == 0 || b < 0x20 || b == 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02X", b);  // a control, or a byte that is no character
      out += escape;
      ++i;
    } else if (b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned char>(text[i + 1]));  // U+0080..U+009F
      out += escape;
      i += 2;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  return out;
}

std::string summaryLine(const MediumCheck& check) {
  const auto counted = [](std::size_t n, const char* word) {
    if (n == 0) return std::string("no ") + word + "s";
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
  };
  return counted(check.count(Severity::Error), "error") + ", " + counted(check.count(Severity::Warning), "warning");
}

}  // namespace tavilo::core
