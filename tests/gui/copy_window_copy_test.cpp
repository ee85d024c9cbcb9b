#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <FL/Fl.H>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "copy_window_fixture.h"
#include "gui/widgets/check_box.h"
#include "gui/widgets/grad_btn.h"
#include "gui/widgets/flat_button.h"
#include "gui/widgets/progress_bar.h"
#include "support/message_recorder.h"

namespace tavilo::gui::test {
namespace {

class CopyWindowCopy : public CopyWindowTest {
 protected:
  std::string read(const std::string& rel) const {
    std::ifstream in(path(rel), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void setTime(const std::string& p, std::time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, p.c_str(), times, 0), 0);
  }
  static struct stat statOf(const std::string& p) {
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
    return st;
  }
  // Every position the bar takes during `action`.
  std::vector<int> barPositions(TfrmKopieren3& w, const std::function<void()>& action) {
    std::vector<int> seen;
    w.ProgressBar1->OnChange([&] { seen.push_back(w.ProgressBar1->Position()); });
    action();
    w.ProgressBar1->OnChange(nullptr);
    return seen;
  }
};

TEST_F(CopyWindowCopy, TheTreeArrivesWithItsRelativePathsTimesAndPermissions) {
  medium_.file("daten.alt/a.txt", "neu");
  medium_.file("daten.alt/bilder/b.jpg", "bild");
  ASSERT_EQ(::chmod(path("daten.alt/a.txt").c_str(), 0444), 0);
  setTime(path("daten.alt/a.txt"), 1000000000);
  medium_.file("Ziel/a.txt", "alt und länger");
  ASSERT_EQ(::chmod(path("Ziel/a.txt").c_str(), 0444), 0);
  main_->Model().EntryLocation = path("daten.alt/a.txt");
  openAs(true, [&](TfrmKopieren3& w) {
    w.DirectoryListBox2->Directory(path("Ziel"));  // its case is kept
    const auto positions = barPositions(w, [&] { w.btnStartKopierenClick(); });
    EXPECT_EQ(w.ProgressBar1->Max(), 2);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(read("Ziel/a.txt"), "neu") << "the read-only target is replaced";
    EXPECT_EQ(read("Ziel/bilder/b.jpg"), "bild");
    EXPECT_EQ(names("Ziel"), (std::vector<std::string>{"a.txt", "bilder"})) << "no temporary left";
    const struct stat copied = statOf(path("Ziel/a.txt"));
    EXPECT_EQ(copied.st_mode & 0777, 0444u);
    EXPECT_EQ(copied.st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(listed(*w.FileListBox2), std::vector<std::string>{"a.txt"});
    bool folderShown = false;
    for (const auto& item : w.DirectoryListBox2->Items()) folderShown |= item.name == "bilder";
    EXPECT_TRUE(folderShown);

    // A target inside the source is left out of what is copied.
    w.DirectoryListBox2->Directory(path("daten.alt"));
    answerNextModal([&](Fl_Window& m) {
      ADD_FAILURE() << "unexpected message " << (m.label() ? m.label() : "");
      m.hide();
    });
    std::filesystem::create_directories(path("daten.alt/kopie"));
    w.DirectoryListBox2->Directory(path("daten.alt/kopie"));
    w.btnStartKopierenClick();
    stopAnswering();
    EXPECT_EQ(names("daten.alt/kopie"), (std::vector<std::string>{"a.txt", "bilder"}));
    EXPECT_EQ(read("daten.alt/kopie/bilder/b.jpg"), "bild");
  });
}

TEST_F(CopyWindowCopy, TheChosenFilesGoStraightIntoTheTargetFolder) {
  for (const char* f : {"daten/1.txt", "daten/2.txt", "daten/3.txt", "daten/4.txt", "daten/sub/5.txt"})
    medium_.file(f, f);
  std::filesystem::create_directories(path("ziel"));
  std::filesystem::create_directories(path("leer"));
  openAs(false, [&](TfrmKopieren3& w) {
    w.DirectoryListBox1->Directory(path("daten"));
    w.DirectoryListBox2->Directory(path("leer"));
    auto positions = barPositions(w, [&] { w.btnStartKopierenClick(); });
    EXPECT_EQ(w.ProgressBar1->Max(), 0);
    EXPECT_TRUE(positions.empty());
    EXPECT_TRUE(names("leer").empty());

    w.DirectoryListBox2->Directory(path("ziel"));
    for (int i : {0, 2, 3}) w.FileListBox1->Selected(i, true);
    // While it copies, nothing but closing can be used, and handlers that are
    // reached anyway do nothing.
    std::string duringCopy;
    w.ProgressBar1->OnChange([&] {
      if (w.ProgressBar1->Position() != 2) return;
      tavilo::testing::MessageRecorder rec(mrYes);
      w.btnDeleteDirClick();
      w.btnOneDirUp2Click();
      w.btnStartKopierenClick();
      duringCopy = std::to_string(rec.messages.size()) + " " + w.TargetFolder() + " " +
                   std::to_string(w.btnStartKopieren->active()) + std::to_string(w.DirectoryListBox2->active()) +
                   std::to_string(w.btnDelete->active()) + std::to_string(w.cbRecursiv->active()) +
                   std::to_string(w.btnSchliessen->active()) + std::to_string(w.Startkopieren1().Enabled) +
                   std::to_string(w.Schliessen1().Enabled);
    });
    // From the window's own menu.
    EXPECT_EQ(w.Startkopieren1().Caption, "Start kopieren");
    w.Startkopieren1().OnClick();
    EXPECT_EQ(duringCopy, "0 " + path("ziel") + " 0000101");
    positions = barPositions(w, [&] { w.Startkopieren1().OnClick(); });
    EXPECT_EQ(w.ProgressBar1->Max(), 3);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(names("ziel"), (std::vector<std::string>{"1.txt", "3.txt", "4.txt"}));
    EXPECT_EQ(read("ziel/3.txt"), "daten/3.txt");
  });
}

// A socket named `name` in `folder` (bound from inside it: socket paths are short).
void makeSocket(const std::string& folder, const char* name) {
  const std::filesystem::path back = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, name, sizeof address.sun_path - 1);
  EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  std::filesystem::current_path(back);
}

TEST_F(CopyWindowCopy, FilesThatCannotBeCopiedAreNamedInOneMessageAfterTheRest) {
  medium_.file("daten/a.txt", "a");
  medium_.file("daten/z.txt", "z");
  ASSERT_EQ(::mkfifo(path("daten/rohr").c_str(), 0644), 0);
  makeSocket(path("daten"), "sock");
  std::filesystem::create_directories(path("ziel"));
  main_->Model().EntryLocation = path("daten/a.txt");
  openAs(true, [&](TfrmKopieren3& w) {
    w.DirectoryListBox2->Directory(path("ziel"));
    SeenMessage seen;
    answerMessage(mrOk, &seen);
    w.btnStartKopierenClick();
    EXPECT_EQ(names("ziel"), (std::vector<std::string>{"a.txt", "z.txt"}));
    EXPECT_EQ(seen.title, "Warnung");
    EXPECT_EQ(seen.text, "rohr: keine gewöhnliche Datei\nsock: keine gewöhnliche Datei");
    EXPECT_EQ(seen.question, "2 Dateien konnten nicht kopiert werden.");
  });
}

// Requests the window's end from the event loop, as a person's click arrives
// while the copy runs, and keeps where the bar stood then.
enum class CloseBy { CloseBox, Button, Escape };
struct CloseLater {
  TfrmKopieren3* window;
  CloseBy by;
  int positionAtRequest = -1;
};
void closeLater(void* p) {
  auto* c = static_cast<CloseLater*>(p);
  c->positionAtRequest = c->window->ProgressBar1->Position();
  switch (c->by) {
    case CloseBy::CloseBox:
      c->window->do_callback();
      break;
    case CloseBy::Button:
      c->window->btnSchliessen->do_callback();
      break;
    case CloseBy::Escape: {
      char esc[] = "\033";
      Fl::e_keysym = FL_Escape;
      Fl::e_text = esc;
      Fl::e_length = 1;
      Fl::handle(FL_KEYBOARD, c->window);
      Fl::e_keysym = 0;
      break;
    }
  }
}

TEST_F(CopyWindowCopy, ClosingDuringALargeFileStopsItWithoutAPartialFile) {
  medium_.file("daten/a.txt", "a");
  medium_.file("daten/z.txt", "z");
  {
    const int fd = ::open(path("daten/gross.bin").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t{1} << 30), 0);  // sparse: quick to make, long to copy
    ::close(fd);
  }
  std::filesystem::create_directories(path("ziel"));
  main_->Model().EntryLocation = path("daten/a.txt");
  CloseLater close{win_.get(), CloseBy::CloseBox};
  openAs(true, [&](TfrmKopieren3& w) {
    w.DirectoryListBox2->Directory(path("ziel"));
    w.ProgressBar1->OnChange([&] {
      if (w.ProgressBar1->Position() == 2) Fl::add_timeout(0.1, closeLater, &close);
    });
    answerAllModals([](Fl_Window& m) {
      if (dynamic_cast<TfrmKopieren3*>(&m)) return;
      ADD_FAILURE() << "unexpected message " << (m.label() ? m.label() : "");
      m.hide();
    });
    w.btnStartKopierenClick();
    stopAnswering();
    EXPECT_FALSE(w.shown()) << "closed at once";
    w.ProgressBar1->OnChange(nullptr);
  });
  EXPECT_EQ(close.positionAtRequest, 2) << "the close request came while the large file was copied";
  EXPECT_EQ(names("ziel"), std::vector<std::string>{"a.txt"}) << "no partial or temporary file";

  // Opened again, the window copies as before. (The main window's activation
  // chose its entry anew: choose it again.)
  ASSERT_EQ(::truncate(path("daten/gross.bin").c_str(), 100), 0);
  main_->Model().EntryLocation = path("daten/a.txt");
  medium_.file("ziel/b.txt", "made while the window was closed");
  openAs(true, [&](TfrmKopieren3& w) {
    EXPECT_EQ(listed(*w.FileListBox2), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_TRUE(w.btnStartKopieren->active());
    EXPECT_TRUE(w.DirectoryListBox2->active());
    EXPECT_EQ(w.TargetFolder(), path("ziel"));
    w.btnStartKopierenClick();
    EXPECT_TRUE(w.shown());
  });
  EXPECT_EQ(names("ziel"), (std::vector<std::string>{"a.txt", "b.txt", "gross.bin", "z.txt"}));
}

TEST_F(CopyWindowCopy, SchliessenOrEscAmongManySmallFilesStopsBeforeTheNextFile) {
  constexpr int kFiles = 400;
  for (int i = 0; i < kFiles; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "daten/f%04d.txt", i);
    medium_.file(name, std::string(name) + std::string(std::size_t(i) * 7, 'x'));
  }
  for (const CloseBy by : {CloseBy::Button, CloseBy::Escape}) {
    const std::string ziel = by == CloseBy::Button ? "ziel-knopf" : "ziel-esc";
    SCOPED_TRACE(ziel);
    std::filesystem::create_directories(path(ziel));
    main_->Model().EntryLocation = path("daten/f0000.txt");
    CloseLater close{win_.get(), by};
    openAs(true, [&](TfrmKopieren3& w) {
      w.DirectoryListBox2->Directory(path(ziel));
      // Small files pass quicker than the window looks at events: the request
      // arrives at the moment the bar reaches 100.
      w.ProgressBar1->OnChange([&] {
        if (w.ProgressBar1->Position() == 100) closeLater(&close);
      });
      w.btnStartKopierenClick();
      EXPECT_FALSE(w.shown()) << "closed at once";
      w.ProgressBar1->OnChange(nullptr);
    });
    const std::vector<std::string> copied = names(ziel);
    EXPECT_EQ(close.positionAtRequest, 100);
    EXPECT_EQ(copied.size(), 99u) << "the 100th file was not begun";
    for (std::size_t i = 0; i < copied.size(); ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "f%04zu.txt", i);
      ASSERT_EQ(copied[i], name) << "files copied in order, nothing else";
      ASSERT_EQ(read(ziel + "/" + copied[i]), read("daten/" + copied[i])) << copied[i];
    }
  }
  // Opened again, the window copies everything.
  main_->Model().EntryLocation = path("daten/f0000.txt");
  openAs(true, [&](TfrmKopieren3& w) { w.btnStartKopierenClick(); });
  EXPECT_EQ(names("ziel-esc").size(), std::size_t(kFiles));
}

}  // namespace
}  // namespace tavilo::gui::test
