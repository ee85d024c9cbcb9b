// Program file, configuration paths, time and folder listing on POSIX.
#include "platform/platform.h"

#include "platform/ascii.h"

#include <dirent.h>
#include <link.h>
#include <sys/auxv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace tavilo::platform {

namespace {

bool pathExists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

namespace {

std::string readLink(const char* path) {
  std::vector<char> buf(PATH_MAX);
  for (;;) {
    const ssize_t n = ::readlink(path, buf.data(), buf.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < buf.size()) return std::string(buf.data(), static_cast<std::size_t>(n));
    buf.resize(buf.size() * 2);
  }
}

std::string realPath(const char* path) {
  char* resolved = ::realpath(path, nullptr);
  if (!resolved) return {};
  std::string out = resolved;
  std::free(resolved);
  return out;
}

// The dynamic loader this program asks for (its PT_INTERP), or "".
std::string interpreter() {
  const auto* phdr = reinterpret_cast<const ElfW(Phdr)*>(::getauxval(AT_PHDR));
  const auto count = ::getauxval(AT_PHNUM);
  if (!phdr) return {};
  ElfW(Addr) bias = 0;
  for (unsigned long i = 0; i < count; ++i)
    if (phdr[i].p_type == PT_PHDR) bias = reinterpret_cast<ElfW(Addr)>(phdr) - phdr[i].p_vaddr;
  for (unsigned long i = 0; i < count; ++i)
    if (phdr[i].p_type == PT_INTERP) return reinterpret_cast<const char*>(bias + phdr[i].p_vaddr);
  return {};
}

// A medium mounted without execute bits is started through the loader
// ("ld-linux-x86-64.so.2 ./Tavilo"): then the kernel names the loader as the
// running file, and the program is the one the loader was given.
std::string findProgramFile() {
  const std::string exe = readLink("/proc/self/exe");
  const std::string loader = interpreter();
  if (!exe.empty() && !loader.empty() && exe == realPath(loader.c_str())) {
    const std::string given = realPath(program_invocation_name);
    if (!given.empty()) return given;
  }
  return exe;
}

}  // namespace

std::string programFile() {
  // Found once, before the program changes its current folder.
  static const std::string file = findProgramFile();
  return file;
}

std::string programDir() {
  const std::string file = programFile();
  const auto slash = file.rfind('/');
  if (slash == std::string::npos) return "./";
  return file.substr(0, slash + 1);
}

std::vector<std::string> programArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

void useUtf8Console() {}  // terminals here take the bytes as they are

std::string resolveMediumPath(const std::string& dir, const std::string& value) {
  std::string rel = value;
  std::replace(rel.begin(), rel.end(), '\\', '/');
  const std::string literal = dir + rel;
  if (rel.empty() || pathExists(literal)) return literal;

  // Walk the components below `dir`, matching each one ignoring case.
  std::string resolved = dir;
  std::size_t pos = 0;
  while (pos <= rel.size()) {
    std::size_t next = rel.find('/', pos);
    if (next == std::string::npos) next = rel.size();
    const std::string part = rel.substr(pos, next - pos);
    const bool last = next == rel.size();
    if (!part.empty() && part != "." && part != "..") {
      std::string candidate = resolved + part;
      if (!pathExists(candidate)) {
        bool found = false;
        for (const DirEntry& e : listFolder(resolved.empty() ? "." : resolved)) {
          if (equalIgnoringAsciiCase(e.name, part)) {
            candidate = resolved + e.name;
            found = true;
            break;
          }
        }
        if (!found) return literal;
      }
      resolved = candidate;
    } else {
      resolved += part;
    }
    if (last) break;
    resolved += '/';
    pos = next + 1;
  }
  return resolved;
}

std::string temporaryFolder() { return "/tmp/"; }

std::string localDateTimeText() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  ::localtime_r(&now, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%d.%m.%Y %H:%M:%S", &tm);
  return buf;
}

std::vector<DirEntry> listFolder(const std::string& path) {
  std::vector<DirEntry> out;
  DIR* d = ::opendir(path.c_str());
  if (!d) return out;
  std::string base = path;
  if (base.empty() || base.back() != '/') base += '/';
  while (dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    DirEntry entry;
    entry.name = name;
    entry.hidden = name[0] == '.';
    struct stat st;
    if (::lstat((base + name).c_str(), &st) == 0) {
      entry.isFolder = S_ISDIR(st.st_mode);
      entry.isLink = S_ISLNK(st.st_mode);
    } else {
      // A folder without search permission can still be read: its entries
      // keep the kind the listing gives, so a sub-folder never counts as a file.
      entry.isFolder = e->d_type == DT_DIR;
      entry.isLink = e->d_type == DT_LNK;
    }
    out.push_back(std::move(entry));
  }
  ::closedir(d);
  std::sort(out.begin(), out.end(),
            [](const DirEntry& a, const DirEntry& b) { return lessIgnoringAsciiCase(a.name, b.name); });
  return out;
}

bool fileExists(const std::string& path) {
  struct stat st;
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool isFolder(const std::string& path) { return fileStatus(path, true).isFolder; }

int fileAttributes(const std::string& path) {
  const FileStatus st = fileStatus(path, false);
  if (!st.valid) return kAttrInvalid;
  int attr = 0;
  if (st.readOnly) attr |= kAttrReadOnly;
  if (st.isFolder) attr |= kAttrFolder;
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  const auto slash = p.rfind('/');
  const std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
  if (!name.empty() && name[0] == '.' && name != "." && name != "..") attr |= kAttrHidden;
  return attr;
}

FileIdentity fileIdentity(const std::string& path) {
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return {};
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), true};
}

std::string currentFolder() {
  std::vector<char> buf(PATH_MAX);
  while (!::getcwd(buf.data(), buf.size())) {
    if (errno != ERANGE) return {};
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

std::string absolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  std::string cwd = currentFolder();
  // "" would turn into "/" below: a relative path would name a folder of the root.
  if (cwd.empty()) return {};
  if (cwd.back() != '/') cwd += '/';
  return cwd + path;
}

}  // namespace tavilo::platform
