#include "core/files/file_utils_search.h"

#include "core/files/file_utils_paths.h"
#include "core/files/tree_walker.h"
#include "platform/ascii.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {


bool matchesAll(const std::string& mask) { return mask.empty() || mask == "*" || mask == "*.*"; }

class ScanVisitor : public WalkVisitor {
 public:
  ScanVisitor(const std::string& mask, const ScanOptions& options, TreeScan& out)
      : mask_(mask), all_(matchesAll(mask)), options_(options), out_(out) {}

  WalkStep file(const WalkFolder& in, const pf::DirEntry& entry) override {
    if (options_.listFiles && (all_ || matchesMask(entry.name, mask_)))
      out_.files.push_back(AddBackslash(in.path) + entry.name);
    return WalkStep::Go;
  }
  WalkStep enter(const WalkFolder& in, const std::string& name) override {
    out_.folders.push_back(AddBackslash(in.path) + name);
    return WalkStep::Go;
  }

 private:
  const std::string& mask_;
  const bool all_;
  const ScanOptions& options_;
  TreeScan& out_;
};

class CountVisitor : public WalkVisitor {
 public:
  WalkStep file(const WalkFolder&, const pf::DirEntry&) override {
    ++count;
    return WalkStep::Go;
  }
  std::size_t count = 0;
};

// The current folder when `folder` is empty; empty when that cannot be read.
std::string startOf(const std::string& folder) { return folder.empty() ? pf::currentFolder() : folder; }

}  // namespace

bool matchesMask(const std::string& name, const std::string& mask) {
  if (matchesAll(mask)) return true;
  // Greedy match with one backtrack point: the position after the last '*'.
  std::size_t n = 0, m = 0, starMask = std::string::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && platform::lowerAscii(mask[m]) == platform::lowerAscii(name[n])))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

TreeScan scanTree(const std::string& folder, const std::string& mask, const ScanOptions& options) {
  TreeScan out;
  const std::string root = startOf(folder);
  if (root.empty()) return out;
  ScanVisitor visitor(mask, options, out);
  WalkOptions walk;
  walk.recursive = options.recursive;
  walkTree(root, visitor, walk);
  return out;
}

void FindAllFiles(const std::string& folder, const std::string& mask, PathList& found, bool recursive) {
  ScanOptions options;
  options.recursive = recursive;
  TreeScan scan = scanTree(folder, mask, options);
  found.insert(found.end(), std::make_move_iterator(scan.files.begin()), std::make_move_iterator(scan.files.end()));
}

void CollectSubDirs(const std::string& folder, PathList& list) {
  ScanOptions options;
  options.listFiles = false;
  TreeScan scan = scanTree(folder, "*.*", options);
  list.insert(list.end(), std::make_move_iterator(scan.folders.begin()), std::make_move_iterator(scan.folders.end()));
}

std::size_t CountFiles(const std::string& folder, bool recursive) {
  const std::string root = startOf(folder);
  if (root.empty()) return 0;
  CountVisitor visitor;
  WalkOptions walk;
  walk.recursive = recursive;
  walkTree(root, visitor, walk);
  return visitor.count;
}

}  // namespace tavilo::core
