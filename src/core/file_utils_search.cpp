#include "core/file_utils_search.h"

#include "core/file_utils_paths.h"
#include "platform/platform.h"

namespace tavilo::core {

namespace pf = tavilo::platform;

namespace {

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool matchesAll(const std::string& mask) { return mask.empty() || mask == "*" || mask == "*.*"; }

class Walker {
 public:
  Walker(const std::string& mask, const ScanOptions& options, TreeScan& out)
      : mask_(mask), options_(options), out_(out) {}

  // `isFolder`: known to be a real folder, not a link or a file named as one.
  void walk(const std::string& folder, std::uint64_t device, bool isFolder) {
    if (options_.makeFoldersWritable && isFolder) pf::addOwnerWrite(folder);
    const std::vector<pf::DirEntry> entries = pf::listFolder(folder);
    const std::string base = AddBackslash(folder);
    if (options_.listFiles)
      for (const pf::DirEntry& e : entries)
        if (!e.isFolder && matchesMask(e.name, mask_)) out_.files.push_back(base + e.name);
    if (!options_.recursive) return;
    for (const pf::DirEntry& e : entries) {
      if (!e.isFolder || e.hidden) continue;
      const std::string sub = base + e.name;
      if (options_.sameFileSystem) {
        const pf::FileIdentity id = pf::fileIdentity(sub);
        if (!id.valid || id.device != device) continue;
      }
      out_.folders.push_back(sub);
      walk(sub, device, true);
    }
  }

 private:
  const std::string& mask_;
  const ScanOptions& options_;
  TreeScan& out_;
};

}  // namespace

bool matchesMask(const std::string& name, const std::string& mask) {
  if (matchesAll(mask)) return true;
  // Greedy match with one backtrack point: the position after the last '*'.
  std::size_t n = 0, m = 0, starMask = std::string::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && foldAscii(mask[m]) == foldAscii(name[n])))) {
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
  const std::string root = folder.empty() ? pf::currentFolder() : folder;
  if (root.empty()) return out;
  const pf::FileIdentity id = pf::fileIdentity(root);
  Walker(mask, options, out).walk(root, id.device, pf::fileStatus(root, false).isFolder);
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
  PathList found;
  FindAllFiles(folder, "*.*", found, recursive);
  return found.size();
}

}  // namespace tavilo::core
