// Copy faults of a real file system through the copy window: a target that
// fills up. The test mounts a small tmpfs as the target in a mount namespace
// of its own process, so it runs only where that is allowed (root).
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "copy_window_fixture.h"
#include "gui/widgets/grad_btn.h"

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

}  // namespace
}  // namespace tavilo::gui::test
