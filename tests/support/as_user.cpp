#include "as_user.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace tavilo::testing {

bool runningAsRoot() { return ::geteuid() == 0; }

void giveToNormalUser(const std::string& path) {
  if (!runningAsRoot()) return;
  ::lchown(path.c_str(), kNormalUser, kNormalUser);
  std::error_code ec;
  if (!fs::is_directory(fs::symlink_status(path, ec))) return;
  for (auto it = fs::recursive_directory_iterator(path, ec); it != fs::recursive_directory_iterator();
       it.increment(ec))
    ::lchown(it->path().c_str(), kNormalUser, kNormalUser);
}

void writeText(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

ChildResult runAsNormalUser(const std::function<int(int out)>& body) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  const pid_t pid = ::fork();
  if (pid < 0) return {};
  if (pid == 0) {
    ::close(pipeFds[0]);
    if (runningAsRoot()) {
      if (::setgroups(0, nullptr) != 0 || ::setresgid(kNormalUser, kNormalUser, kNormalUser) != 0 ||
          ::setresuid(kNormalUser, kNormalUser, kNormalUser) != 0)
        ::_exit(125);
    }
    int code = 126;
    try {
      code = body(pipeFds[1]);
    } catch (...) {
    }
    ::close(pipeFds[1]);
    ::_exit(code);
  }
  ::close(pipeFds[1]);
  ChildResult result;
  char buf[4096];
  for (;;) {
    const ssize_t n = ::read(pipeFds[0], buf, sizeof buf);
    if (n <= 0) break;
    result.output.append(buf, static_cast<std::size_t>(n));
  }
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

void NormalUserTree::SetUp() {
  TempTree::SetUp();
  const std::string tree = path();
  const ChildResult child = runAsNormalUser([&](int) { return ::access(tree.c_str(), R_OK | X_OK) == 0 ? 0 : 1; });
  ASSERT_NE(child.exitCode, 125) << "cannot drop to the normal user";
  ASSERT_EQ(child.exitCode, 0) << "the normal user cannot reach " << tree;
}

}  // namespace tavilo::testing
