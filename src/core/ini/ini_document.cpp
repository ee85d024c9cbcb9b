#include "core/ini/ini_document.h"

#include "core/ini/ini_text.h"

namespace tavilo::core {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view unquote(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

// The first `maxChars` characters of a valid UTF-8 text.
std::string_view firstChars(std::string_view text, std::size_t maxChars) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (chars == maxChars) return text.substr(0, i);
    ++chars;
  }
  return text;
}

// Folds byte i of a UTF-8 name. A byte after 0xC3 (always a lead byte) is
// the second byte of U+00C0..U+00FF; U+00C0..U+00DE without U+00D7 fold.
unsigned char foldAt(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b >= 'A' && b <= 'Z') return static_cast<unsigned char>(b + 32);
  if (b >= 0x80 && b <= 0x9E && b != 0x97 && i > 0 && static_cast<unsigned char>(s[i - 1]) == 0xC3)
    return static_cast<unsigned char>(b + 0x20);
  return b;
}

bool foldedEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldAt(a, i) != foldAt(b, i)) return false;
  return true;
}

std::uint64_t foldedHash(std::size_t section, std::string_view key) {
  std::uint64_t h = 1469598103934665603ull ^ (section * 0x9E3779B97F4A7C15ull);
  for (std::size_t i = 0; i < key.size(); ++i) {
    h ^= foldAt(key, i);
    h *= 1099511628211ull;
  }
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  return h ^ (h >> 33);
}

}  // namespace

std::string foldIniName(std::string_view name) {
  std::string out(name.size(), '\0');
  for (std::size_t i = 0; i < name.size(); ++i) out[i] = static_cast<char>(foldAt(name, i));
  return out;
}

// A slot holds the entry's number + 1 in its low half and the upper half of
// the hash in its high half, so that probing rarely touches an entry.
namespace {
constexpr std::uint64_t slotFor(std::size_t entry, std::uint64_t hash) {
  return (hash & 0xFFFFFFFF00000000ull) | static_cast<std::uint64_t>(entry + 1);
}
}  // namespace

void IniDocument::grow() {
  const std::size_t size = slots_.empty() ? 64 : slots_.size() * 2;
  slots_.assign(size, 0);
  const std::size_t mask = size - 1;
  for (std::size_t e = 0; e < entries_.size(); ++e) {
    const std::uint64_t hash = entries_[e].hash;
    std::size_t at = hash & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = slotFor(e, hash);
  }
}

const IniDocument::Entry* IniDocument::find(std::size_t section, std::string_view key, std::uint64_t hash) const {
  if (slots_.empty()) return nullptr;
  const std::size_t mask = slots_.size() - 1;
  const std::uint64_t tag = hash & 0xFFFFFFFF00000000ull;
  for (std::size_t at = hash & mask; slots_[at] != 0; at = (at + 1) & mask) {
    if ((slots_[at] & 0xFFFFFFFF00000000ull) != tag) continue;
    const Entry& e = entries_[(slots_[at] & 0xFFFFFFFFu) - 1];
    if (e.section == section && foldedEqual({text_.data() + e.keyAt, e.keyLength}, key)) return &e;
  }
  return nullptr;
}

void IniDocument::addEntry(std::size_t section, std::string_view key, std::string_view value) {
  const std::uint64_t hash = foldedHash(section, key);
  if (find(section, key, hash)) return;  // the first occurrence counts
  // Entry numbers have 32 bits; a file with more key lines is beyond the size
  // limit of the reader anyway.
  if (entries_.size() >= 0xFFFFFFFEu) return;
  if ((entries_.size() + 1) * 2 > slots_.size()) grow();
  const auto offset = [this](std::string_view piece) { return static_cast<std::size_t>(piece.data() - text_.data()); };
  entries_.push_back({section, hash, offset(key), key.size(), offset(value), value.size()});
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = hash & mask;
  while (slots_[at] != 0) at = (at + 1) & mask;
  slots_[at] = slotFor(entries_.size() - 1, hash);
}

IniDocument IniDocument::parse(std::string_view bytes) {
  IniDocument doc;
  doc.text_ = decodeIniBytes(bytes);
  const std::string_view all(doc.text_);
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t section = kNone;  // kNone before the first section and in a repeated one
  std::size_t pos = 0;
  while (pos < all.size()) {
    std::size_t end = pos;
    while (end < all.size() && all[end] != '\n' && all[end] != '\r') ++end;
    std::string_view line = all.substr(pos, end - pos);
    pos = end + 1;
    if (end < all.size() && all[end] == '\r' && pos < all.size() && all[pos] == '\n') ++pos;

    // A NUL ends the line's text, as it ends a string for the profile functions.
    line = line.substr(0, line.find('\0'));
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    if (line.empty() || line.front() == ';') continue;

    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        const auto [it, isNew] =
            doc.sections_.try_emplace(foldIniName(trimBlanks(line.substr(1, close - 1))), doc.sections_.size());
        section = isNew ? it->second : kNone;
        continue;
      }
      // without ']' it is an ordinary line of the current section
    }
    if (section == kNone) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    doc.addEntry(section, trimBlanks(line.substr(0, eq)),
                 firstChars(unquote(trimBlanks(line.substr(eq + 1))), kMaxValueChars));
  }
  return doc;
}

std::string IniDocument::value(std::string_view section, std::string_view key) const {
  const auto s = sections_.find(foldIniName(section));
  if (s == sections_.end()) return {};
  const Entry* e = find(s->second, key, foldedHash(s->second, key));
  return e ? text_.substr(e->valueAt, e->valueLength) : std::string();
}

bool IniDocument::hasSection(std::string_view section) const {
  return sections_.count(foldIniName(section)) != 0;
}

}  // namespace tavilo::core
