// A temporary folder per test for file tests: created empty, the process's
// current folder restored and everything removed (read-only parts too) after
// the test.
#ifndef TAVILO_TESTS_SUPPORT_TEMP_TREE_H
#define TAVILO_TESTS_SUPPORT_TEMP_TREE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavilo::testing {

class TempTree : public ::testing::Test {
 protected:
  // `base`: where the folder goes; empty means $TAVILO_TEST_TMP, else /tmp.
  explicit TempTree(std::string base = {}) : base_(std::move(base)) {}
  void SetUp() override;
  void TearDown() override;

  // The absolute path of `rel` below the folder ("" gives the folder itself, without '/').
  std::string path(const std::string& rel = {}) const;
  void makeFolder(const std::string& rel) const;  // with parents
  void writeFile(const std::string& rel, const std::string& content) const;
  std::string readFile(const std::string& rel) const;  // throws when it cannot be read
  bool exists(const std::string& rel) const;           // lstat
  // Names in a folder below the tree, sorted by byte order.
  std::vector<std::string> names(const std::string& rel = {}) const;

 private:
  std::string base_;
  std::string root_;
  int savedFolder_ = -1;
};

// Removes a tree whatever its permissions.
void removeTreeForcibly(const std::string& path);
// Bytes 0..n-1 of a repeatable pattern, so that a shifted copy shows.
std::string patternBytes(std::size_t n, unsigned seed = 1);

}  // namespace tavilo::testing

#endif
