// Where everything stands in a configuration file: each section header and
// each key line with its line number, split by the same line rules as the
// reader, so that a finding can name the line the reader took a value from.
#ifndef TAVILO_CORE_CHECK_INI_INDEX_H
#define TAVILO_CORE_CHECK_INI_INDEX_H

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavilo::core {

struct IndexedKey {
  std::string name;    // as written, decoded to UTF-8
  std::string folded;  // as compared
  std::string value;   // decoded, not cut
  std::size_t line = 0;
  // The sample file's separator lines ("=====...") are keys without a name
  // that the program writes itself; no reader looks them up.
  bool isSeparator() const;
};

struct IndexedSection {
  std::string name, folded;
  std::size_t line = 0;
  std::string trailing;             // text after the closing ']', ignored by the reader
  std::size_t firstLine = 0;        // of the first section of this name; == line unless repeated
  std::vector<IndexedKey> keys;     // in file order, repeats included
  std::unordered_map<std::string, std::size_t> first;  // folded key -> index of its first line
  bool repeated() const { return firstLine != line; }
};

struct IndexedLine {
  std::size_t line = 0;
  std::string text;
};

class IniIndex {
 public:
  // The file's bytes: UTF-16 with its mark, UTF-8, else Windows-1252 (see decodeIniBytes).
  static IniIndex build(std::string_view bytes);

  const std::vector<IndexedSection>& sections() const { return sections_; }
  // Key lines before the first section header, and lines that are neither a
  // section, a key, a comment nor blank: the first kKeptLines of each, as
  // findings list only the first few; the rest are only counted.
  static constexpr std::size_t kKeptLines = 1000;
  const std::vector<IndexedKey>& keysOutside() const { return outside_; }
  const std::vector<IndexedLine>& otherLines() const { return other_; }
  // Lines that hold a NUL byte: the reader takes each only up to it (the
  // first kKeptLines of them).
  const std::vector<std::size_t>& nulLines() const { return nulLines_; }
  struct Dropped {
    std::size_t keysOutside = 0;    // separator lines not counted
    std::size_t otherLines = 0;     // that do not begin with '['
    std::size_t brokenHeaders = 0;  // that do
    std::size_t nulLines = 0;
  };
  const Dropped& dropped() const { return dropped_; }

  // The first section of that name (compared as the reader does); nullptr when none.
  const IndexedSection* section(std::string_view name) const;
  // The key's first line in that section; nullptr when missing.
  const IndexedKey* key(std::string_view section, std::string_view key) const;
  // The key's line, else its section's header line, else 0 (the file as a whole).
  std::size_t lineOf(std::string_view section, std::string_view key = {}) const;

  // "UTF-16 little-endian" or "UTF-16 big-endian" for a file that begins with
  // that byte-order mark (read as text, as Windows reads it), else empty.
  const std::string& utf16() const { return utf16_; }
  // Without a mark, the first two bytes look like UTF-16: one of them is NUL.
  bool maybeUtf16() const { return maybeUtf16_; }
  bool utf8() const { return utf8_; }
  // Without valid UTF-8: the first line that is not, and the first line that
  // holds UTF-8 characters all the same (0 when none).
  std::size_t firstNonUtf8Line() const { return firstNonUtf8_; }
  std::size_t firstUtf8Line() const { return firstUtf8_; }

 private:
  std::vector<IndexedSection> sections_;
  std::vector<IndexedKey> outside_;
  std::vector<IndexedLine> other_;
  std::vector<std::size_t> nulLines_;
  Dropped dropped_;
  std::string utf16_;
  bool maybeUtf16_ = false;
  std::unordered_map<std::string, std::size_t> firstSection_;  // folded name -> index
  bool utf8_ = true;
  std::size_t firstNonUtf8_ = 0, firstUtf8_ = 0;
};

}  // namespace tavilo::core

#endif
