#include "core/check/ini_index.h"

#include <algorithm>

#include "core/ini/ini_document.h"
#include "core/ini/ini_lines.h"
#include "core/ini/ini_text.h"

namespace tavilo::core {

namespace {

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool hasNonAscii(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool isSeparator(std::string_view name, std::string_view value) {
  return name.empty() && std::all_of(value.begin(), value.end(), [](char c) { return c == '='; });
}

}  // namespace

bool IndexedKey::isSeparator() const { return core::isSeparator(name, value); }

IniIndex IniIndex::build(std::string_view raw) {
  IniIndex index;
  const std::optional<std::string> utf16 = fromUtf16(raw);
  if (utf16) index.utf16_ = raw.starts_with("\xFF\xFE") ? "UTF-16 little-endian" : "UTF-16 big-endian";
  // Text in UTF-16 without a mark has a NUL byte beside each ASCII character.
  index.maybeUtf16_ = !utf16 && raw.size() >= 2 && (raw[0] == '\0') != (raw[1] == '\0');
  const std::string_view bytes = utf16 ? std::string_view(*utf16) : withoutBom(raw);
  index.utf8_ = isValidUtf8(bytes);
  if (!index.utf8_) {
    forEachIniLine(bytes, [&](std::size_t number, std::string_view line) {
      const bool valid = isValidUtf8(line);
      if (!valid && index.firstNonUtf8_ == 0) index.firstNonUtf8_ = number;
      if (valid && hasNonAscii(line) && index.firstUtf8_ == 0) index.firstUtf8_ = number;
    });
  }

  // Decoding keeps every line break where it is: Windows-1252 turns only
  // bytes from 0x80 into longer sequences, and none of them is CR or LF.
  const std::string decoded = index.utf8_ ? std::string() : fromWindows1252(bytes);
  const std::string_view text = index.utf8_ ? bytes : std::string_view(decoded);
  forEachIniLine(text, [&](std::size_t number, std::string_view raw) {
    if (raw.find('\0') != std::string_view::npos) {
      if (index.nulLines_.size() < kKeptLines) index.nulLines_.push_back(number);
      else ++index.dropped_.nulLines;
    }
    const IniLine line = classifyIniLine(raw);
    switch (line.kind) {
      case IniLineKind::Blank:
      case IniLineKind::Comment:
        return;
      case IniLineKind::Other: {
        const std::string_view trimmed = trimBlanks(line.text);
        if (index.other_.size() < kKeptLines)
          index.other_.push_back({number, std::string(trimmed)});
        else
          ++(trimmed.front() == '[' ? index.dropped_.brokenHeaders : index.dropped_.otherLines);
        return;
      }
      case IniLineKind::Section: {
        IndexedSection s;
        s.name = std::string(line.name);
        s.folded = foldIniName(s.name);
        s.line = number;
        s.trailing = std::string(trimBlanks(line.text.substr(line.text.rfind(']') + 1)));
        const auto [it, isNew] = index.firstSection_.try_emplace(s.folded, index.sections_.size());
        s.firstLine = isNew ? number : index.sections_[it->second].line;
        index.sections_.push_back(std::move(s));
        return;
      }
      case IniLineKind::Key: {
        if (index.sections_.empty() && index.outside_.size() >= kKeptLines) {
          if (!isSeparator(line.name, line.value)) ++index.dropped_.keysOutside;
          return;
        }
        IndexedKey k{std::string(line.name), foldIniName(line.name), std::string(line.value), number};
        if (index.sections_.empty()) {
          index.outside_.push_back(std::move(k));
          return;
        }
        IndexedSection& s = index.sections_.back();
        s.first.try_emplace(k.folded, s.keys.size());
        s.keys.push_back(std::move(k));
        return;
      }
    }
  });
  return index;
}

const IndexedSection* IniIndex::section(std::string_view name) const {
  const auto it = firstSection_.find(foldIniName(name));
  return it == firstSection_.end() ? nullptr : &sections_[it->second];
}

const IndexedKey* IniIndex::key(std::string_view sectionName, std::string_view keyName) const {
  const IndexedSection* s = section(sectionName);
  if (!s) return nullptr;
  const auto it = s->first.find(foldIniName(keyName));
  return it == s->first.end() ? nullptr : &s->keys[it->second];
}

std::size_t IniIndex::lineOf(std::string_view sectionName, std::string_view keyName) const {
  if (!keyName.empty())
    if (const IndexedKey* k = key(sectionName, keyName)) return k->line;
  const IndexedSection* s = section(sectionName);
  return s ? s->line : 0;
}

}  // namespace tavilo::core
