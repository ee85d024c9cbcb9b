#include "core/ini/ini_writer.h"

#include "core/ini/ini_document.h"

namespace tavilo::core {

void IniWriter::write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string foldedSection = foldIniName(section);
  Section* target = nullptr;
  for (Section& s : sections_)
    if (foldIniName(s.name) == foldedSection) {
      target = &s;
      break;
    }
  if (!target) target = &sections_.emplace_back(Section{std::string(section), {}});

  const std::string foldedKey = foldIniName(key);
  for (auto& [k, v] : target->entries)
    if (foldIniName(k) == foldedKey) {
      v = std::string(value);
      return;
    }
  target->entries.emplace_back(std::string(key), std::string(value));
}

std::string IniWriter::text() const {
  std::string out;
  for (const Section& s : sections_) {
    out += '[';
    out += s.name;
    out += "]\r\n";
    for (const auto& [k, v] : s.entries) {
      out += k;
      out += '=';
      out += v;
      out += "\r\n";
    }
  }
  return out;
}

}  // namespace tavilo::core
