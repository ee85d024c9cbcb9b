#include "temp_tree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace tavilo::testing {

void removeTreeForcibly(const std::string& path) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return;
  // Folders first get owner rwx, so that their entries can go.
  if (fs::is_directory(fs::symlink_status(path, ec))) {
    ::chmod(path.c_str(), 0700);
    for (auto it = fs::recursive_directory_iterator(path, fs::directory_options::skip_permission_denied, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_directory(ec) && !it->is_symlink(ec)) ::chmod(it->path().c_str(), 0700);
    }
  }
  fs::remove_all(path, ec);
  // Trees deeper than the path length limit: rm walks them by handles.
  if (fs::exists(fs::symlink_status(path, ec))) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::execlp("rm", "rm", "-rf", "--", path.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    int status = 0;
    if (pid > 0) ::waitpid(pid, &status, 0);
  }
}

std::string patternBytes(std::size_t n, unsigned seed) {
  std::string s(n, '\0');
  unsigned x = seed * 2654435761u + 12345u;
  for (std::size_t i = 0; i < n; ++i) {
    x = x * 1103515245u + 12345u;
    s[i] = static_cast<char>(x >> 16);
  }
  return s;
}

void TempTree::SetUp() {
  std::string base = base_;
  if (base.empty()) {
    const char* env = std::getenv("TAVILO_TEST_TMP");
    base = env && *env ? env : "/tmp";
  }
  fs::create_directories(base);
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "-" + info->name();
  std::replace(name.begin(), name.end(), '/', '_');
  // A fresh name, also in a folder that others share (/tmp).
  std::string pattern = (fs::path(base) / (name + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a folder like " + pattern);
  root_ = pattern;
  ::chmod(root_.c_str(), 0755);
  savedFolder_ = ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
}

void TempTree::TearDown() {
  if (savedFolder_ >= 0) {
    EXPECT_EQ(::fchdir(savedFolder_), 0);
    ::close(savedFolder_);
  }
  removeTreeForcibly(root_);
}

std::string TempTree::path(const std::string& rel) const { return rel.empty() ? root_ : root_ + "/" + rel; }

void TempTree::makeFolder(const std::string& rel) const { fs::create_directories(path(rel)); }

void TempTree::writeFile(const std::string& rel, const std::string& content) const {
  const fs::path p = path(rel);
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + p.string());
}

std::string TempTree::readFile(const std::string& rel) const {
  std::ifstream in(path(rel), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path(rel));
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool TempTree::exists(const std::string& rel) const {
  struct stat st;
  return ::lstat(path(rel).c_str(), &st) == 0;
}

std::vector<std::string> TempTree::names(const std::string& rel) const {
  std::vector<std::string> out;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(path(rel), ec)) out.push_back(e.path().filename().string());
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace tavilo::testing
