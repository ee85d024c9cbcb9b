// Running a piece of a test as a normal user, since root ignores permissions.
#ifndef TAVILO_TESTS_SUPPORT_AS_USER_H
#define TAVILO_TESTS_SUPPORT_AS_USER_H

#include <functional>
#include <string>

#include "temp_tree.h"

namespace tavilo::testing {

inline constexpr unsigned kNormalUser = 65534;  // nobody / nogroup

bool runningAsRoot();
// Gives a tree to kNormalUser (when root; otherwise it is ours already).
void giveToNormalUser(const std::string& path);

struct ChildResult {
  int exitCode = -1;   // -1 when the child did not exit normally
  std::string output;  // what the child wrote to its `out` descriptor
};
// Runs `body` in a forked child that drops to kNormalUser when the tests run
// as root; the child exits with what `body` returns (125: cannot drop to
// the user, 126: `body` threw).
ChildResult runAsNormalUser(const std::function<int(int out)>& body);

// Writes the whole text to a descriptor (for a child's report).
void writeText(int fd, const std::string& text);

// The tree for a test that runs something as kNormalUser. The checkout, and
// with it $TAVILO_TEST_TMP, may lie below a private home that the user cannot
// pass, so the tree is a fresh folder below the system's temporary folder
// (not $TMPDIR, which may be private too). SetUp fails when the user cannot
// reach it.
class NormalUserTree : public TempTree {
 protected:
  NormalUserTree() : TempTree("/tmp") {}
  void SetUp() override;
};

}  // namespace tavilo::testing

#endif
