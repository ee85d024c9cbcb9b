// Copies under faults below the file system interface, where only the system
// can put them (core/copy_fault_test.cpp has the rest): a failing close and a
// short write (an LD_PRELOAD shim in a child process), and a file size limit
// of the kernel. After a failure the old target is there byte for byte and no
// temporary is left.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/files/file_utils_copy.h"
#include "platform/platform.h"
#include "support/temp_tree.h"

extern char** environ;

namespace core = tavilo::core;
namespace pf = tavilo::platform;
using tavilo::testing::patternBytes;

namespace {

enum ChildExit { kCopied = 0, kFailed = 1, kThrew = 2, kNoShim = 4 };

// The child: this test binary started again with the shim preloaded. It runs
// one copy during static initialisation and exits before the tests start.
int copyChildIfAsked() {
  const char* kind = std::getenv("TAVILO_COPY_CHILD");
  if (!kind) return 0;
  if (!::dlsym(RTLD_DEFAULT, "tavilo_fault_shim")) ::_exit(kNoShim);
  const std::string source = std::getenv("TAVILO_COPY_SOURCE"), target = std::getenv("TAVILO_COPY_TARGET");
  int code = 3;
  try {
    const bool ok = std::strcmp(kind, "streamed") == 0 ? core::CopyFileStreamed(source, target)
                                                       : core::CopyFileBuffered(source, target);
    code = ok ? 0 : 1;
  } catch (const core::Error&) {
    code = 2;
  }
  ::_exit(code);
}
const int copyChild = copyChildIfAsked();

// Starts the copy child; its process id, or -1.
pid_t startCopyChild(const std::string& kind, const std::string& source, const std::string& target,
                     const std::vector<std::string>& faults) {
  const std::string shim = std::string(TAVILO_BINARY_DIR) + "/tests/libfault_shim.so";
  // LD_PRELOAD splits at blanks and colons, which the build folder's path may
  // hold: the child is given the shim by an inherited descriptor's name.
  const int shimFd = ::open(shim.c_str(), O_RDONLY);
  if (shimFd < 0) {
    ADD_FAILURE() << "missing " << shim << " (build the target fault_shim)";
    return -1;
  }
  std::vector<std::string> env;
  std::string asan = "verify_asan_link_order=0";
  for (char** e = environ; *e; ++e) {
    const std::string v = *e;
    if (v.rfind("ASAN_OPTIONS=", 0) == 0)
      asan += ":" + v.substr(13);
    else if (v.rfind("LD_PRELOAD=", 0) != 0 && v.rfind("TAVILO_FAULT_", 0) != 0)
      env.push_back(v);
  }
  env.push_back("ASAN_OPTIONS=" + asan);
  env.push_back("LD_PRELOAD=/proc/self/fd/" + std::to_string(shimFd));
  env.push_back("TAVILO_COPY_CHILD=" + kind);
  env.push_back("TAVILO_COPY_SOURCE=" + source);
  env.push_back("TAVILO_COPY_TARGET=" + target);
  env.insert(env.end(), faults.begin(), faults.end());
  std::vector<char*> envp;
  for (std::string& v : env) envp.push_back(v.data());
  envp.push_back(nullptr);
  const std::string exe = pf::programFile();
  char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
  pid_t pid;
  const bool spawned = ::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, envp.data()) == 0;
  ::close(shimFd);
  return spawned ? pid : -1;
}

int runCopyChild(const std::string& kind, const std::string& source, const std::string& target,
                 const std::vector<std::string>& faults) {
  const pid_t pid = startCopyChild(kind, source, target, faults);
  if (pid < 0) return -1;
  int status = 0;
  ::waitpid(pid, &status, 0);
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (code == kNoShim) ADD_FAILURE() << "the copy child runs without the fault shim";
  return code;
}

class SystemCopyFaults : public tavilo::testing::TempTree {
 protected:
  void SetUp() override {
    TempTree::SetUp();
    writeFile("quelle/daten.bin", patternBytes(200000, 7));
    writeFile("ziel/daten.bin", old_);
    src_ = path("quelle/daten.bin");
    dir_ = path("ziel");
  }
  void expectOldTargetKept(const std::string& what) {
    EXPECT_EQ(readFile("ziel/daten.bin"), old_) << what;
    EXPECT_EQ(names("ziel"), std::vector<std::string>{"daten.bin"}) << what << ": no temporary left";
  }
  const std::string old_ = patternBytes(30000, 3);
  std::string src_, dir_;
};

// Inside the platform's staged file: the contents are closed before the file
// takes its name, and a close that fails must leave it unnamed.
TEST_F(SystemCopyFaults, ACloseThatFailsKeepsTheOldTarget) {
  const std::vector<std::string> faults = {"TAVILO_FAULT_CLOSE_DIR=" + dir_};
  EXPECT_EQ(runCopyChild("buffered", src_, dir_, faults), kFailed);
  expectOldTargetKept("CopyFileBuffered");
  EXPECT_EQ(runCopyChild("streamed", src_, dir_ + "/daten.bin", faults), kThrew);
  expectOldTargetKept("CopyFileStreamed");
}

// Inside the platform's transfer: a write that falls short is continued.
TEST_F(SystemCopyFaults, AShortWriteThatIsContinuedGivesACompleteCopy) {
  const std::vector<std::string> faults = {"TAVILO_FAULT_WRITE_DIR=" + dir_, "TAVILO_FAULT_WRITE=short-once"};
  EXPECT_EQ(runCopyChild("buffered", src_, dir_, faults), kCopied);
  EXPECT_EQ(readFile("ziel/daten.bin"), patternBytes(200000, 7));
  EXPECT_EQ(names("ziel"), std::vector<std::string>{"daten.bin"});
}

// The kernel's own short write and EFBIG, without a shim: a file size limit.
TEST_F(SystemCopyFaults, AFileSizeLimitFailsTheCopyAndKeepsTheOldTarget) {
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {100000, 100000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(9);
    ::_exit(core::CopyFileBuffered(src_, dir_) ? kCopied : kFailed);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), kFailed);
  expectOldTargetKept("file size limit 100000");
}

// Where the file system makes no unnamed files, a copy killed in the middle
// leaves its hidden temporary; the next copy into that folder removes it.
TEST_F(SystemCopyFaults, AKilledCopysTemporaryGoesWithTheNextCopyIntoItsFolder) {
  {
    const int fd = ::open(path("quelle/gross.bin").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t{1} << 30), 0);  // sparse: quick to make, long to copy
    ::close(fd);
  }
  const std::vector<std::string> faults = {"TAVILO_FAULT_NO_TMPFILE=1"};
  const pid_t pid = startCopyChild("buffered", path("quelle/gross.bin"), dir_, faults);
  ASSERT_GT(pid, 0);
  std::string temporary;
  for (int waited = 0; waited < 3000 && temporary.empty(); ++waited) {  // 30 seconds
    for (const std::string& name : names("ziel"))
      if (name.rfind(".tavilo-", 0) == 0 && pf::fileStatus(path("ziel/" + name), false).size > 0) temporary = name;
    if (temporary.empty()) ::usleep(10000);
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  ASSERT_FALSE(temporary.empty()) << "the copy wrote no hidden temporary";
  EXPECT_EQ(names("ziel"), (std::vector<std::string>{temporary, "daten.bin"}));

  // Later (the temporary's time set back, as if it were): another file copied there.
  const timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path("ziel/" + temporary).c_str(), hourAgo, 0), 0);
  writeFile("quelle/klein.txt", "k");
  EXPECT_EQ(runCopyChild("buffered", path("quelle/klein.txt"), dir_, faults), kCopied);
  EXPECT_EQ(names("ziel"), (std::vector<std::string>{"daten.bin", "klein.txt"}));
}

}  // namespace
