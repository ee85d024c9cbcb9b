#include "core/path.h"

#include <algorithm>

#include "platform/ascii.h"

namespace tavilo::core {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Length of the root at the start of `path` (0 for none).
std::size_t rootLength(std::string_view path, PathStyle style) {
  if (style == PathStyle::Posix) return !path.empty() && path[0] == '/' ? 1 : 0;
  if (path.size() >= 2 && isLetter(path[0]) && path[1] == ':')
    return path.size() >= 3 && isSeparator(path[2], style) ? 3 : 2;
  if (path.size() >= 2 && isSeparator(path[0], style) && isSeparator(path[1], style)) {
    // \\server\share\ : the server and the share belong to the root.
    std::size_t pos = 2;
    for (int part = 0; part < 2 && pos < path.size(); ++part) {
      while (pos < path.size() && !isSeparator(path[pos], style)) ++pos;
      if (pos < path.size()) ++pos;
    }
    return pos;
  }
  return !path.empty() && isSeparator(path[0], style) ? 1 : 0;
}

// Position after the last separator, never inside the root (a drive's colon
// and a share's server and name belong to it); 0 when there is neither.
std::size_t namePosition(std::string_view path, PathStyle style) {
  std::size_t pos = path.size();
  while (pos > 0 && !isSeparator(path[pos - 1], style)) --pos;
  return std::max(pos, rootLength(path, style));
}

}  // namespace

bool isSeparator(char c, PathStyle style) { return c == '/' || (style == PathStyle::Windows && c == '\\'); }

char separatorOf(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

std::string_view pathRoot(std::string_view path, PathStyle style) { return path.substr(0, rootLength(path, style)); }

bool isAbsolutePath(std::string_view path, PathStyle style) {
  const std::string_view root = pathRoot(path, style);
  return !root.empty() && isSeparator(root.back(), style);
}

bool isRootPath(std::string_view path, PathStyle style) {
  return !path.empty() && rootLength(path, style) == path.size();
}

std::string_view pathFolder(std::string_view path, PathStyle style) {
  return path.substr(0, namePosition(path, style));
}

std::string_view pathName(std::string_view path, PathStyle style) { return path.substr(namePosition(path, style)); }

std::string_view pathExtension(std::string_view path, PathStyle style) {
  const std::string_view name = pathName(path, style);
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string withTrailingSeparator(std::string_view path, PathStyle style) {
  std::string out(path);
  if (!out.empty() && !isSeparator(out.back(), style)) out += separatorOf(style);
  return out;
}

std::string withoutTrailingSeparators(std::string_view path, PathStyle style) {
  const std::size_t root = rootLength(path, style);
  std::size_t end = path.size();
  while (end > root && isSeparator(path[end - 1], style)) --end;
  return std::string(path.substr(0, end));
}

std::string joinPath(std::string_view folder, std::string_view name, PathStyle style) {
  if (folder.empty() || isAbsolutePath(name, style)) return std::string(name);
  std::string out = withTrailingSeparator(folder, style);
  // "C:" is a drive's current folder, which a separator would change.
  if (style == PathStyle::Windows && folder.size() == 2 && folder[1] == ':') out.pop_back();
  std::size_t skip = 0;
  while (skip < name.size() && isSeparator(name[skip], style)) ++skip;
  return out + std::string(name.substr(skip));
}

std::string parentPath(std::string_view path, PathStyle style) {
  const std::string trimmed = withoutTrailingSeparators(path, style);
  const std::size_t root = rootLength(trimmed, style);
  if (root == trimmed.size()) return std::string(trimmed);
  return std::string(pathFolder(trimmed, style));
}

std::string collapseSeparators(std::string_view path, PathStyle style) {
  std::string out;
  out.reserve(path.size());
  std::size_t i = 0;
  if (style == PathStyle::Windows && path.size() >= 2 && isSeparator(path[0], style) && isSeparator(path[1], style)) {
    out.append(path.substr(0, 2));
    i = 2;
  }
  for (; i < path.size(); ++i)
    if (!isSeparator(path[i], style) || out.empty() || !isSeparator(out.back(), style)) out += path[i];
  return out;
}

bool samePath(std::string_view a, std::string_view b, PathStyle style) {
  const std::string x = withoutTrailingSeparators(a, style);
  const std::string y = withoutTrailingSeparators(b, style);
  if (style == PathStyle::Posix) return x == y;
  if (x.size() != y.size()) return false;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (isSeparator(x[i], style) && isSeparator(y[i], style)) continue;
    if (platform::lowerAscii(x[i]) != platform::lowerAscii(y[i])) return false;
  }
  return true;
}

}  // namespace tavilo::core
