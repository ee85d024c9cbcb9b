// TempTree on Windows, through std::filesystem: paths are UTF-8 inside the
// tests and UTF-16 at the system, folders are made under a fresh random name,
// and read-only entries lose that state before the tree is removed.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "temp_tree.h"

namespace fs = std::filesystem;

namespace tavilo::testing {

namespace {

fs::path pathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string textOf(const fs::path& p) {
  const std::u8string u = p.u8string();
  return std::string(u.begin(), u.end());
}

fs::path savedFolder;  // one test at a time per process

}  // namespace

void removeTreeForcibly(const std::string& path) {
  std::error_code ec;
  const fs::path root = pathOf(path);
  if (!fs::exists(fs::symlink_status(root, ec))) return;
  fs::permissions(root, fs::perms::owner_write, fs::perm_options::add, ec);
  if (fs::is_directory(fs::symlink_status(root, ec)))
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
      if (!it->is_symlink(ec)) fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ec);
  fs::remove_all(root, ec);
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
  fs::path base = pathOf(base_);
  if (base_.empty()) {
    // The wide environment: the narrow one is in the ANSI code page, which
    // cannot hold every character of a checkout's path.
    const wchar_t* env = _wgetenv(L"TAVILO_TEST_TMP");
    base = env && *env ? fs::path(env) : fs::temp_directory_path();
  }
  base = fs::absolute(base).make_preferred();
  fs::create_directories(base);
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "-" + info->name();
  std::replace(name.begin(), name.end(), '/', '_');
  std::random_device random;
  for (int attempt = 0; root_.empty(); ++attempt) {
    const fs::path candidate = base / pathOf(name + "-" + std::to_string(random() % 1000000));
    if (fs::create_directory(candidate)) root_ = textOf(candidate);
    else if (attempt > 100) throw std::runtime_error("cannot make a folder in " + textOf(base));
  }
  savedFolder = fs::current_path();
}

void TempTree::TearDown() {
  std::error_code ec;
  fs::current_path(savedFolder, ec);
  EXPECT_FALSE(ec) << ec.message();
  removeTreeForcibly(root_);
}

std::string TempTree::path(const std::string& rel) const {
  if (rel.empty()) return root_;
  std::string native = rel;
  std::replace(native.begin(), native.end(), '/', '\\');
  return root_ + "\\" + native;
}

void TempTree::makeFolder(const std::string& rel) const { fs::create_directories(pathOf(path(rel))); }

void TempTree::writeFile(const std::string& rel, const std::string& content) const {
  const fs::path p = pathOf(path(rel));
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + path(rel));
}

std::string TempTree::readFile(const std::string& rel) const {
  std::ifstream in(pathOf(path(rel)), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path(rel));
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool TempTree::exists(const std::string& rel) const {
  std::error_code ec;
  return fs::exists(fs::symlink_status(pathOf(path(rel)), ec));
}

std::vector<std::string> TempTree::names(const std::string& rel) const {
  std::vector<std::string> out;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(pathOf(path(rel)), ec)) out.push_back(textOf(e.path().filename()));
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace tavilo::testing
