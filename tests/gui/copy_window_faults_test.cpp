// Copy faults of the system through the copy window: a target that fills up
// (a small tmpfs, mounted in a mount namespace of the test's own process, so
// only where that is allowed: root), and a source file whose reading fails in
// the middle (the fault shim, in a child that runs the test again).
#include <dlfcn.h>
#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "copy_window_fixture.h"
#include "gui/widgets/grad_btn.h"
#include "platform/platform.h"

extern char** environ;

namespace tavilo::gui::test {
namespace {

// Mounts a tmpfs of `kilobytes` on `folder`, visible to this process only;
// the reason when the system refuses.
std::string mountSmallTmpfs(const std::string& folder, int kilobytes) {
  if (::geteuid() != 0) return "needs root to mount a tmpfs";
  if (::unshare(CLONE_NEWNS) != 0) return std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return std::string("making the mounts private: ") + std::strerror(errno);
  const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0755";
  if (::mount("tavilo-test", folder.c_str(), "tmpfs", 0, options.c_str()) != 0)
    return std::string("mount tmpfs: ") + std::strerror(errno);
  return {};
}

// Bytes that no file system compresses or keeps sparse.
void writeRandom(const std::string& path, std::size_t size) {
  std::mt19937 random(7);
  std::string data(size, '\0');
  for (char& c : data) c = static_cast<char>(random());
  std::ofstream(path, std::ios::binary) << data;
}

// Runs the test `name` of this binary again in a child with the fault shim
// preloaded and `fault` set; the child's exit code.
int runWithShim(const std::string& name, const std::string& fault) {
  const std::string shim = std::string(TAVILO_BINARY_DIR) + "/tests/libfault_shim.so";
  // LD_PRELOAD splits at blanks and colons: the shim goes by an inherited descriptor's name.
  const int shimFd = ::open(shim.c_str(), O_RDONLY);
  if (shimFd < 0) {
    ADD_FAILURE() << "missing " << shim << " (build the target fault_shim)";
    return -1;
  }
  std::vector<std::string> env;
  std::string asan = "ASAN_OPTIONS=verify_asan_link_order=0";
  for (char** e = environ; *e; ++e) {
    const std::string v = *e;
    if (v.rfind("ASAN_OPTIONS=", 0) == 0) asan += ":" + v.substr(13);
    else if (v.rfind("LD_PRELOAD=", 0) != 0 && v.rfind("TAVILO_FAULT_", 0) != 0) env.push_back(v);
  }
  env.push_back(asan);
  env.push_back("LD_PRELOAD=/proc/self/fd/" + std::to_string(shimFd));
  env.push_back(fault);
  std::vector<char*> envp;
  for (std::string& v : env) envp.push_back(v.data());
  envp.push_back(nullptr);
  const std::string exe = platform::programFile(), filter = "--gtest_filter=" + name;
  char* argv[] = {const_cast<char*>(exe.c_str()), const_cast<char*>(filter.c_str()), nullptr};
  pid_t pid;
  const bool spawned = ::posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, envp.data()) == 0;
  ::close(shimFd);
  if (!spawned) return -1;
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class CopyWindowFaults : public CopyWindowTest {};

TEST_F(CopyWindowFaults, ATargetThatFillsUpNamesTheFilesLeftOutKeepsNoPartOfThemAndStaysUsable) {
  medium_.file("daten/a.txt", "a");
  writeRandom(path("daten/b_gross.bin"), 1 << 20);
  medium_.file("daten/c.txt", "c");
  medium_.file("daten/unter/d.txt", "d");
  std::filesystem::create_directories(path("ziel"));
  if (const std::string refused = mountSmallTmpfs(path("ziel"), 256); !refused.empty())
    GTEST_SKIP() << "no small tmpfs as the target: " << refused;
  main_->Model().EntryLocation = path("daten/a.txt");
  openAs(true, [&](TfrmKopieren3& w) {
    w.DirectoryListBox2->Directory(path("ziel"));
    SeenMessage seen;
    answerMessage(mrOk, &seen);
    w.btnStartKopierenClick();
    EXPECT_EQ(seen.title, "Warnung");
    EXPECT_EQ(seen.text, "b_gross.bin: kein Platz mehr auf dem Datenträger");
    EXPECT_EQ(seen.question, "1 Datei konnte nicht kopiert werden.");
    // The rest arrived, and nothing of the large file: no part, no temporary.
    EXPECT_EQ(names("ziel"), (std::vector<std::string>{"a.txt", "c.txt", "unter"}));
    EXPECT_EQ(names("ziel/unter"), std::vector<std::string>{"d.txt"});

    // Still usable: the lists show the copies, and once the file fits, a
    // second copy brings it.
    EXPECT_TRUE(w.shown());
    EXPECT_TRUE(w.btnStartKopieren->active());
    EXPECT_EQ(listed(*w.FileListBox2), (std::vector<std::string>{"a.txt", "c.txt"}));
    writeRandom(path("daten/b_gross.bin"), 100 << 10);
    answerAllModals([](Fl_Window& m) {
      if (dynamic_cast<TfrmKopieren3*>(&m)) return;
      ADD_FAILURE() << "unexpected message " << (m.label() ? m.label() : "");
      m.hide();
    });
    w.btnStartKopierenClick();
    stopAnswering();
    EXPECT_EQ(listed(*w.FileListBox2), (std::vector<std::string>{"a.txt", "b_gross.bin", "c.txt"}));
  });
  ::umount2(path("ziel").c_str(), MNT_DETACH);
}

TEST_F(CopyWindowFaults, ASourceFileThatFailsInTheMiddleIsNamedAndTheRestCopied) {
  if (!std::getenv("TAVILO_FAULT_READ_NAME")) {
    EXPECT_EQ(runWithShim("CopyWindowFaults.ASourceFileThatFailsInTheMiddleIsNamedAndTheRestCopied",
                          "TAVILO_FAULT_READ_NAME=b_kaputt.bin"),
              0)
        << "the test failed in the child with the fault shim (its output is above)";
    return;
  }
  ASSERT_NE(::dlsym(RTLD_DEFAULT, "tavilo_fault_shim"), nullptr) << "the child runs without the fault shim";
  medium_.file("daten/a.txt", "a");
  writeRandom(path("daten/b_kaputt.bin"), 1 << 20);
  medium_.file("daten/c.txt", "c");
  std::filesystem::create_directories(path("ziel"));
  main_->Model().EntryLocation = path("daten/a.txt");
  openAs(true, [&](TfrmKopieren3& w) {
    w.DirectoryListBox2->Directory(path("ziel"));
    SeenMessage seen;
    answerMessage(mrOk, &seen);
    w.btnStartKopierenClick();
    EXPECT_EQ(seen.text, "b_kaputt.bin: Ein-/Ausgabefehler des Datenträgers");
    EXPECT_EQ(seen.question, "1 Datei konnte nicht kopiert werden.");
    EXPECT_EQ(names("ziel"), (std::vector<std::string>{"a.txt", "c.txt"})) << "no part of the file, no temporary";
    EXPECT_TRUE(w.shown());
  });
}

}  // namespace
}  // namespace tavilo::gui::test
