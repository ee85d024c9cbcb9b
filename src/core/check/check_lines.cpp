// Findings about the file's lines: what the reader ignores, what it reads
// only once, what it cuts, and a mix of encodings.
#include <algorithm>

#include "core/check/check_context.h"
#include "core/text.h"

namespace tavilo::core::check_detail {

namespace {

const IndexedSection* sectionBefore(const IniIndex& index, std::size_t line) {
  const IndexedSection* before = nullptr;
  for (const IndexedSection& s : index.sections())
    if (s.line < line) before = &s;
  return before;
}

void checkKeys(CheckContext& ctx, const IndexedSection& s) {
  for (std::size_t i = 0; i < s.keys.size(); ++i) {
    const IndexedKey& k = s.keys[i];
    if (k.isSeparator()) continue;
    if (k.name.empty()) {
      ctx.warning(k.line, "key line without a name: never read");
      continue;
    }
    const IndexedKey& first = s.keys[s.first.at(k.folded)];
    if (&first != &k) {
      constexpr const char* kRepeated = "keys repeated in their section";
      const std::string again = shownName(k.name) + " again in [" + shownName(s.name) + "] (first on line " +
                                std::to_string(first.line) + "): only the first counts";
      if (first.value == k.value) ctx.warning(k.line, again, kRepeated);
      else ctx.error(k.line, again + ", so \"" + std::string(utf8Prefix(k.value, 60)) + "\" is never read", kRepeated);
      continue;
    }
    const std::size_t length = utf8Length(k.value);
    if (length > kMaxValueChars)
      ctx.error(k.line,
                shownName(k.name) + " has " + std::to_string(length) + " characters: the menu reads only the first " +
                    std::to_string(kMaxValueChars),
                "values longer than the menu reads");
  }
}

}  // namespace

void checkLines(CheckContext& ctx) {
  const IniIndex& index = ctx.index;
  constexpr const char* kOther = "lines that are neither a section, a key, a comment nor blank";
  constexpr const char* kBrokenHeader = "section headers without ']'";
  constexpr const char* kOutside = "key lines before the first section";
  for (const IndexedLine& l : index.otherLines()) {
    if (l.text.front() != '[') {
      ctx.error(l.line, "line is neither a section, a key, a comment nor blank: the menu ignores it", kOther);
      continue;
    }
    if (!ctx.shows(Severity::Error, kBrokenHeader)) {
      ctx.countMore(Severity::Error, kBrokenHeader, 1);
      continue;
    }
    const IndexedSection* before = sectionBefore(index, l.line);
    ctx.error(l.line,
              "section header without ']': the menu ignores the line, so the keys below it belong to " +
                  (before ? "[" + shownName(before->name) + "]" : std::string("no section")),
              kBrokenHeader);
  }
  ctx.countMore(Severity::Error, kOther, index.dropped().otherLines);
  ctx.countMore(Severity::Error, kBrokenHeader, index.dropped().brokenHeaders);
  for (const IndexedKey& k : index.keysOutside())
    if (!k.isSeparator())
      ctx.warning(k.line,
                  (k.name.empty() ? std::string("key line") : shownName(k.name)) +
                      " stands before the first section: never read",
                  kOutside);
  ctx.countMore(Severity::Warning, kOutside, index.dropped().keysOutside);

  for (const IndexedSection& s : index.sections()) {
    if (!s.trailing.empty())
      ctx.warning(s.line, "text after ']' is ignored: a comment must stand on a line of its own");
    if (s.repeated()) {
      ctx.error(s.line,
                "[" + shownName(s.name) + "] again (first on line " + std::to_string(s.firstLine) +
                    "): only the first counts, so nothing in this one is read",
                "repeated sections");
      continue;
    }
    checkKeys(ctx, s);
  }

  if (!index.utf16().empty())
    ctx.warning(0, "the file is " + index.utf16() + " text: the menu reads it, as Windows does, but other "
                   "programs may not; UTF-8 or Windows-1252 is read everywhere");
  constexpr const char* kNul = "lines with a NUL byte";
  for (const std::size_t line : index.nulLines())
    ctx.error(line,
              std::string("the line holds a NUL byte: the menu reads it only up to there") +
                  (index.maybeUtf16() ? " (is the file UTF-16 without a byte-order mark? the menu reads UTF-16 "
                                        "only with one)"
                                      : ""),
              kNul);
  ctx.countMore(Severity::Error, kNul, index.dropped().nulLines);

  if (!index.utf8() && index.firstUtf8Line() != 0)
    ctx.warning(index.firstNonUtf8Line(),
                "this line is not UTF-8, so the whole file is read as Windows-1252 and its UTF-8 characters "
                "(first on line " + std::to_string(index.firstUtf8Line()) +
                    ") show garbled, \"Ã¶\" for \"ö\": save the file in one encoding");
}

}  // namespace tavilo::core::check_detail
