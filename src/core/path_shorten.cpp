#include "core/path_shorten.h"

#include <vector>

#include "core/path.h"

namespace tavilo::core {

namespace {

constexpr std::string_view kEllipsis = "...";

// Byte offsets of every character start, plus the end.
std::vector<std::size_t> characterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  starts.push_back(text.size());
  return starts;
}

std::string joinTail(const std::vector<std::string>& parts, std::size_t from) {
  std::string out;
  for (std::size_t i = from; i < parts.size(); ++i) {
    if (i > from) out += separatorOf();
    out += parts[i];
  }
  return out;
}

}  // namespace

std::string ellipsizeMiddle(const std::string& text, int maxWidth, const TextWidth& width) {
  if (width(text) <= maxWidth) return text;
  const std::vector<std::size_t> starts = characterStarts(text);
  const std::size_t chars = starts.size() - 1;
  auto candidate = [&](std::size_t head, std::size_t tail) {
    return text.substr(0, starts[head]) + std::string(kEllipsis) + text.substr(starts[chars - tail]);
  };
  std::size_t head = 0, tail = 0;
  // Grow the end first, then the start, one character at a time.
  while (head + tail < chars) {
    const bool growTail = tail <= head;
    const std::size_t h = growTail ? head : head + 1;
    const std::size_t t = growTail ? tail + 1 : tail;
    if (width(candidate(h, t)) > maxWidth) break;
    head = h;
    tail = t;
  }
  if (head == 0 && tail == 0 && width(kEllipsis) > maxWidth) {
    // Not even the ellipsis fits: as many of its dots as do.
    std::string dots;
    while (dots.size() < kEllipsis.size() && width(dots + '.') <= maxWidth) dots += '.';
    return dots;
  }
  return candidate(head, tail);
}

std::string ellipsizeEnd(const std::string& text, int maxWidth, const TextWidth& width) {
  if (width(text) <= maxWidth) return text;
  static constexpr std::string_view kMark = "\u2026";
  const std::vector<std::size_t> starts = characterStarts(text);
  // The widest prefix that fits; widths grow with the prefix.
  std::size_t lo = 0, hi = starts.size() - 1;
  while (lo < hi) {
    const std::size_t mid = (lo + hi + 1) / 2;
    if (width(text.substr(0, starts[mid]) + std::string(kMark)) <= maxWidth) lo = mid;
    else hi = mid - 1;
  }
  return text.substr(0, starts[lo]) + std::string(kMark);
}

std::string shortenPathMiddle(const std::string& path, int maxWidth, const TextWidth& width) {
  if (width(path) <= maxWidth) return path;
  // The root ("/", "C:\\", a share) is kept whole; the rest is cut at separators.
  const std::string lead(pathRoot(path));
  const std::string sep(1, separatorOf());
  const std::string end = path.size() > lead.size() && isSeparator(path.back()) ? sep : "";
  std::vector<std::string> parts;
  std::size_t start = lead.size();
  while (start < path.size()) {
    std::size_t slash = start;
    while (slash < path.size() && !isSeparator(path[slash])) ++slash;
    if (slash > start) parts.push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  if (parts.size() >= 3) {
    // Keep the first folder, drop middle folders from the left.
    for (std::size_t from = 2; from < parts.size(); ++from) {
      const std::string s = lead + parts[0] + sep + std::string(kEllipsis) + sep + joinTail(parts, from) + end;
      if (width(s) <= maxWidth) return s;
    }
  }
  if (parts.size() >= 2) {
    const std::string s = lead + std::string(kEllipsis) + sep + parts.back() + end;
    if (width(s) <= maxWidth) return s;
  }
  return ellipsizeMiddle(path, maxWidth, width);
}

}  // namespace tavilo::core
