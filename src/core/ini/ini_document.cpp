#include "core/ini/ini_document.h"

#include <algorithm>
#include <cstring>

#include "core/ini/ini_lines.h"
#include "core/ini/ini_number.h"
#include "core/ini/ini_text.h"
#include "core/text.h"

namespace tavilo::core {

namespace {

// Folds byte i of a UTF-8 name. A byte after 0xC3 (always a lead byte) is
// the second byte of U+00C0..U+00FF; U+00C0..U+00DE without U+00D7 fold.
unsigned char foldAt(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b >= 'A' && b <= 'Z') return static_cast<unsigned char>(b + 32);
  if (b >= 0x80 && b <= 0x9E && b != 0x97 && i > 0 && static_cast<unsigned char>(s[i - 1]) == 0xC3)
    return static_cast<unsigned char>(b + 0x20);
  return b;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

}  // namespace

std::string foldIniName(std::string_view name) {
  std::string out(name.size(), '\0');
  for (std::size_t i = 0; i < name.size(); ++i) out[i] = static_cast<char>(foldAt(name, i));
  return out;
}

IniDocument IniDocument::parse(std::string bytes) {
  IniDocument doc;
  // Read as text, as the Windows profile functions read a "Unicode" file.
  if (std::optional<std::string> utf16 = fromUtf16(bytes)) bytes = std::move(*utf16);
  const std::string_view body = withoutBom(bytes);
  if (body.size() != bytes.size()) bytes.erase(0, bytes.size() - body.size());
  doc.bytes_ = std::move(bytes);
  doc.utf8_ = isValidUtf8(doc.bytes_);

  // Section headers are the lines whose first non-blank character is '['.
  // Searching for '[' skips the key lines without splitting them.
  const std::string_view all(doc.bytes_);
  const char* const data = all.data();
  const std::size_t size = all.size();
  std::size_t pos = 0;
  while (pos < size) {
    const void* hit = std::memchr(data + pos, '[', size - pos);
    if (!hit) break;
    const std::size_t bracket = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
    std::size_t start = bracket;
    while (start > 0 && isBlank(data[start - 1])) --start;
    if (start > 0 && !isLineEnd(data[start - 1])) {
      pos = bracket + 1;
      continue;
    }
    std::size_t end = bracket;
    while (end < size && !isLineEnd(data[end])) ++end;
    pos = end;
    const IniLine line = classifyIniLine(all.substr(start, end - start));
    if (line.kind != IniLineKind::Section) continue;
    if (!doc.headers_.empty()) doc.headers_.back().body.length = start - doc.headers_.back().body.at;
    doc.headers_.push_back({{static_cast<std::size_t>(line.name.data() - data), line.name.size()}, {end, 0}});
  }
  if (!doc.headers_.empty()) doc.headers_.back().body.length = size - doc.headers_.back().body.at;
  return doc;
}

std::string IniDocument::decode(Range raw) const {
  const std::string_view text(bytes_.data() + raw.at, raw.length);
  return utf8_ ? std::string(text) : fromWindows1252(text);
}

bool IniDocument::nameIs(Range raw, std::string_view folded) const {
  std::string_view name(bytes_.data() + raw.at, raw.length);
  std::string decoded;
  if (!utf8_ && std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
    decoded = fromWindows1252(name);
    name = decoded;
  }
  if (name.size() != folded.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (foldAt(name, i) != static_cast<unsigned char>(folded[i])) return false;
  return true;
}

const IniDocument::Keys* IniDocument::keysOf(std::string_view section) const {
  std::string folded = foldIniName(section);
  if (const auto it = found_.find(folded); it != found_.end())
    return it->second == kNoSection ? nullptr : &keys_.at(it->second);
  const Keys* result = nullptr;
  std::size_t number = kNoSection;
  // The first section of that name counts; a repeated one is ignored as a whole.
  for (std::size_t h = 0; h < headers_.size(); ++h) {
    if (!nameIs(headers_[h].name, folded)) continue;
    Keys& keys = keys_[h];
    const Range body = headers_[h].body;
    forEachIniLine(std::string_view(bytes_.data() + body.at, body.length), [&](std::size_t, std::string_view text) {
      const IniLine line = classifyIniLine(text);
      if (line.kind != IniLineKind::Key) return;
      const Range name{static_cast<std::size_t>(line.name.data() - bytes_.data()), line.name.size()};
      const Range value{static_cast<std::size_t>(line.value.data() - bytes_.data()), line.value.size()};
      keys.try_emplace(foldIniName(decode(name)), value);  // the first occurrence counts
    });
    result = &keys;
    number = h;
    break;
  }
  found_.emplace(std::move(folded), number);
  return result;
}

std::string IniDocument::ReadIniString(std::string_view section, std::string_view key) const {
  const Keys* keys = keysOf(section);
  if (!keys) return {};
  const auto it = keys->find(foldIniName(key));
  if (it == keys->end()) return {};
  std::string value = decode(it->second);
  value.resize(utf8Prefix(value, kMaxValueChars).size());
  return value;
}

std::int32_t IniDocument::ReadIniInteger(std::string_view section, std::string_view key) const {
  return lenientInteger(ReadIniString(section, key));
}

bool IniDocument::ReadIniBool(std::string_view section, std::string_view key) const {
  return ReadIniInteger(section, key) != 0;
}

std::optional<std::uint32_t> IniDocument::ReadIniColor(std::string_view section, std::string_view key) const {
  const std::string text = ReadIniString(section, key);
  if (text.empty()) return std::nullopt;
  return static_cast<std::uint32_t>(strictInteger(text)) & 0xFFFFFFu;
}

bool IniDocument::hasSection(std::string_view section) const { return keysOf(section) != nullptr; }

}  // namespace tavilo::core
