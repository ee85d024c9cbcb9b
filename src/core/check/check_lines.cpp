// Findings about the file's lines: what the reader ignores, what it reads
// only once, what it cuts, and a mix of encodings.
#include <algorithm>

#include "core/check/check_context.h"
#include "core/text.h"

namespace tavilo::core::check_detail {

namespace {

// The sample file's separator lines ("=====...") are keys without a name that
// the program writes itself; no reader looks them up.
bool isSeparator(const IndexedKey& k) {
  return k.name.empty() && std::all_of(k.value.begin(), k.value.end(), [](char c) { return c == '='; });
}

const IndexedSection* sectionBefore(const IniIndex& index, std::size_t line) {
  const IndexedSection* before = nullptr;
  for (const IndexedSection& s : index.sections())
    if (s.line < line) before = &s;
  return before;
}

void checkKeys(CheckContext& ctx, const IndexedSection& s) {
  for (std::size_t i = 0; i < s.keys.size(); ++i) {
    const IndexedKey& k = s.keys[i];
    if (isSeparator(k)) continue;
    if (k.name.empty()) {
      ctx.warning(k.line, "key line without a name: never read");
      continue;
    }
    const IndexedKey& first = s.keys[s.first.at(k.folded)];
    if (&first != &k) {
      const std::string again = k.name + " again in [" + s.name + "] (first on line " + std::to_string(first.line) +
                                "): only the first counts";
      if (first.value == k.value) ctx.warning(k.line, again);
      else ctx.error(k.line, again + ", so \"" + std::string(utf8Prefix(k.value, 60)) + "\" is never read");
      continue;
    }
    const std::size_t length = utf8Length(k.value);
    if (length > kMaxValueChars)
      ctx.error(k.line, k.name + " has " + std::to_string(length) + " characters: the menu reads only the first " +
                            std::to_string(kMaxValueChars));
  }
}

}  // namespace

void checkLines(CheckContext& ctx) {
  const IniIndex& index = ctx.index;
  for (const IndexedLine& l : index.otherLines()) {
    if (l.text.front() != '[') {
      ctx.error(l.line, "line is neither a section, a key, a comment nor blank: the menu ignores it");
      continue;
    }
    const IndexedSection* before = sectionBefore(index, l.line);
    ctx.error(l.line, "section header without ']': the menu ignores the line, so the keys below it belong to " +
                          (before ? "[" + before->name + "]" : std::string("no section")));
  }
  for (const IndexedKey& k : index.keysOutside())
    if (!isSeparator(k)) ctx.warning(k.line, (k.name.empty() ? std::string("key line") : k.name) +
                                                 " stands before the first section: never read");

  for (const IndexedSection& s : index.sections()) {
    if (!s.trailing.empty())
      ctx.warning(s.line, "text after ']' is ignored: a comment must stand on a line of its own");
    if (s.repeated()) {
      ctx.error(s.line, "[" + s.name + "] again (first on line " + std::to_string(s.firstLine) +
                            "): only the first counts, so nothing in this one is read");
      continue;
    }
    checkKeys(ctx, s);
  }

  if (!index.utf8() && index.firstUtf8Line() != 0)
    ctx.warning(index.firstNonUtf8Line(),
                "this line is not UTF-8, so the whole file is read as Windows-1252 and its UTF-8 characters "
                "(first on line " + std::to_string(index.firstUtf8Line()) +
                    ") show garbled, \"Ã¶\" for \"ö\": save the file in one encoding");
}

}  // namespace tavilo::core::check_detail
