#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "gui/application.h"
#include "gui/copy_window.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/error_box.h"
#include "main_window_test_support.h"
#include "modal_answer.h"
#include "platform/platform.h"
#include "support/shell_quote.h"
#include "widget_test_support.h"
#include "x11_probe.h"

namespace fs = std::filesystem;

namespace tavilo::gui {
namespace {

// A medium whose programs record their arguments, with a fake desktop opener
// first on PATH.
class Launching : public ::testing::Test {
 protected:
  void SetUp() override {
    oldPath_ = std::getenv("PATH");
    medium_.file("bin/xdg-open", recorder("xdg-open"), true);
    ::setenv("PATH", (medium_.dir() + "bin:" + oldPath_).c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", oldPath_.c_str(), 1);
    platform::reapChildren();
  }
  std::string recorder(const std::string& name) const {
    const std::string rec = medium_.dir() + name + ".rec";
    using tavilo::testing::shellQuoted;
    return "#!/bin/sh\nprintf '%s\\n' \"$@\" > " + shellQuoted(rec + ".tmp") + "\nmv " + shellQuoted(rec + ".tmp") +
           " " + shellQuoted(rec) + "\n";
  }
  std::string record(const std::string& name) const {
    const fs::path p = medium_.root() / (name + ".rec");
    for (int i = 0; i < 300 && !fs::exists(p); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(p);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Waits until every child the test process started has ended, so that
  // a program that should not have started has had its chance to leave a
  // record.
  static void waitForChildrenToEnd() {
    for (int i = 0; i < 3000 && ::waitpid(-1, nullptr, WNOHANG) != -1; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::unique_ptr<TfrmMain> open(const std::string& associations, const std::string& entries) {
    medium_.ini("[Programm]\nVersion=4.02\n[Gruppen]\nAnzahl=1\n[Gruppe_1]\nAnzahl=9\n" + entries + associations);
    return test::openMainWindow(medium_);
  }
  void choose(TfrmMain& w, int entry) {
    w.lbProgramm->ItemIndex(entry - 1);
    w.lbProgrammClick();
  }

  test::Medium medium_;
  std::string oldPath_;
};

TEST_F(Launching, AssociationsAndDirectStarts) {
  medium_.file("viewer/reader.sh", recorder("reader"), true);
  medium_.file("doku/Mein Handbuch.PDF", "%PDF");
  medium_.file("setup/setup.sh", recorder("setup"), true);
  medium_.file("setup/install.sh", recorder("install"), false);
  auto w = open("[Hiermit_Ausfuehren]\nAnzahl=2\nExt_1=.pdf\nProg_1=viewer\\nothing.sh\nExt_2=.pdf\nProg_2=VIEWER\\reader.sh\n",
                "[Programm_1_1]\nTyp=Programm\nLocation=doku\\Mein Handbuch.PDF\nParameter=/dropped\n"
                "[Programm_1_2]\nTyp=Installation\nLocation=setup\\setup.sh\nParameter=/s\n"
                "[Programm_1_3]\nTyp=Installation\nLocation=setup\\install.sh\nParameter=--still \"a b\"\n"
                "[Programm_1_4]\nTyp=Programm\nLocation=\n");
  w->btnStartenClick();
  EXPECT_EQ(record("reader"), medium_.dir() + "doku/Mein Handbuch.PDF\n")
      << "the last matching row gets the quoted location as its only parameter";
  choose(*w, 2);
  w->btnInstallClick();
  EXPECT_EQ(record("setup"), "/s\n");
  choose(*w, 3);
  w->lbProgrammDblClick();
  EXPECT_EQ(record("install"), "--still\na b\n") << "a script without execute permission runs through /bin/sh";
  choose(*w, 4);
  w->btnStartenClick();
  EXPECT_EQ(record("xdg-open"), medium_.dir() + "\n") << "no location opens the medium's folder";
}

TEST_F(Launching, EntriesRunInTheirOwnFolderWhateverTheCopyWindowDid) {
  const std::string pwdRecorder = "#!/bin/sh\npwd > \"$0.rec.tmp\"\nmv \"$0.rec.tmp\" \"$0.rec\"\n";
  medium_.file("prog/wo.sh", pwdRecorder, true);
  medium_.file("viewer/zeige.sh", pwdRecorder, true);
  medium_.file("doku/notiz.txt", "Notiz");
  medium_.file("ziel/leer.txt", "");
  auto w = open("[Hiermit_Ausfuehren]\nAnzahl=1\nExt_1=.txt\nProg_1=viewer\\zeige.sh\n",
                "[Programm_1_1]\nTyp=Programm\nLocation=prog\\wo.sh\n"
                "[Programm_1_2]\nTyp=Programm\nLocation=doku\\notiz.txt\n");
  // The copy window's target side, put on another folder, changes the
  // program's current folder.
  const fs::path before = fs::current_path();
  TfrmKopieren3 copy(w->Model(), *w);
  w->ShowCopyWindow = [&](bool atProgramDir, bool recursive) {
    copy.StartAtProgramDir = atProgramDir;
    copy.StartRecursive = recursive;
    Application::instance().showModal(copy);
  };
  test::answerNextModal([&](Fl_Window&) {
    copy.DirectoryListBox2->Directory(medium_.dir() + "ziel");
    copy.btnSchliessenClick();
  });
  w->CDdurchsuchen1Click();
  ASSERT_EQ(fs::current_path(), medium_.root() / "ziel") << "the copy window moved the current folder";
  const auto pwdOf = [&](const std::string& script) {
    const fs::path rec = medium_.root() / (script + ".rec");
    for (int i = 0; i < 300 && !fs::exists(rec); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(rec);
    std::string line;
    std::getline(in, line);
    return line;
  };
  w->btnStartenClick();
  EXPECT_EQ(pwdOf("prog/wo.sh"), (medium_.root() / "prog").string()) << "a program runs in its own folder";
  choose(*w, 2);
  w->btnStartenClick();
  EXPECT_EQ(pwdOf("viewer/zeige.sh"), (medium_.root() / "doku").string())
      << "an associated program runs in the document's folder";
  fs::current_path(before);
}

TEST_F(Launching, ShellCharactersStayPartOfTheName) {
  medium_.file("a;touch x", recorder("odd"), true);
  auto w = open("[Hiermit_Ausfuehren]\nAnzahl=0\n", "[Programm_1_1]\nTyp=Programm\nLocation=a;touch x\n");
  w->btnStartenClick();
  EXPECT_EQ(record("odd"), "\n") << "started with no parameters";
  EXPECT_FALSE(fs::exists(medium_.root() / "x"));
}

TEST_F(Launching, DoubleClickOnlyLaunchesWhatAButtonOffers) {
  medium_.file("kopie.sh", recorder("kopie"), true);
  auto w = open("[Hiermit_Ausfuehren]\nAnzahl=0\n", "[Programm_1_1]\nTyp=Nur Kopieren\nLocation=kopie.sh\n");
  w->lbProgrammDblClick();
  waitForChildrenToEnd();
  EXPECT_FALSE(fs::exists(medium_.root() / "kopie.rec"));
}

TEST_F(Launching, AMissingAssociationCountIsReported) {
  medium_.file("run.sh", recorder("run"), true);
  for (const char* section : {"", "[Hiermit_Ausfuehren]\nAnzahl=eins\n"}) {
    auto w = open(section, "[Programm_1_1]\nTyp=Programm\nLocation=run.sh\n");
    std::string message;
    test::answerNextModal([&](Fl_Window& box) {
      message = dynamic_cast<ErrorBox&>(box).message();
      box.hide();
    });
    Application::instance().guarded([&] { w->btnStartenClick(); });
    EXPECT_EQ(message, std::string(*section ? "'eins'" : "''") + " ist kein gültiger Integerwert.");
    waitForChildrenToEnd();
    EXPECT_FALSE(fs::exists(medium_.root() / "run.rec")) << "nothing is started";
  }
}

TEST_F(Launching, TheLinkOpensItsAddress) {
  auto w = open("[Hiermit_Ausfuehren]\nAnzahl=0\n",
                "[Programm_1_1]\nTyp=Programm\nLink=[https://www.tavilo.example/x?a=1&b=2+Seite]\n");
  w->WebLabel1Click();
  EXPECT_EQ(record("xdg-open"), "https://www.tavilo.example/x?a=1&b=2\n");
}

class Dragging : public ::testing::Test {
 protected:
  void SetUp() override {
    medium_.ini("[Programm]\nVersion=4.02\nBorder_Style=0\nCD_Titel=Titel\n[Hiermit_Ausfuehren]\nAnzahl=0\n");
    w_ = test::openMainWindow(medium_);
    w_->position(100, 100);
    test::pump(0.05);
  }
  // Presses at (x, y) of `control`, moves to (x2, y2) of it and releases.
  void drag(Fl_Widget& control, int x, int y, int x2, int y2) {
    const int cx = control.x(), cy = control.y();
    test::sendMouse(*w_, FL_PUSH, cx + x, cy + y);
    test::sendMouse(*w_, FL_DRAG, cx + x2, cy + y2);
    test::sendMouse(*w_, FL_RELEASE, control.x() + x2, control.y() + y2);
  }
  test::Medium medium_;
  std::unique_ptr<TfrmMain> w_;
};

TEST_F(Dragging, TheBarsAndTheTitleMoveTheWindow) {
  for (Fl_Widget* control : {static_cast<Fl_Widget*>(w_->IF_Gradient1), static_cast<Fl_Widget*>(w_->IF_Gradient2),
                             static_cast<Fl_Widget*>(w_->cd_titel)}) {
    const int x = w_->x(), y = w_->y();
    drag(*control, 5, 5, 25, 15);
    EXPECT_EQ(w_->x(), x + 20);
    EXPECT_EQ(w_->y(), y + 10);
    EXPECT_EQ(w_->DragStartX, 0);
    EXPECT_EQ(w_->DragStartY, 0);
  }
}

TEST_F(Dragging, APressOnTheFirstRowOrColumnStartsNoDrag) {
  const int x = w_->x(), y = w_->y();
  drag(*w_->IF_Gradient1, 0, 5, 30, 20);
  drag(*w_->IF_Gradient1, 5, 0, 30, 20);
  EXPECT_EQ(w_->x(), x);
  EXPECT_EQ(w_->y(), y);
}

TEST_F(Dragging, MinimiseAndClose) {
  {
    test::WindowManagerStandIn desktop;
    if (!desktop.active()) GTEST_SKIP() << "a window manager runs on this display";
    w_->btnMinClick();
    EXPECT_TRUE(desktop.sawIconifyRequest(*w_, 10)) << "the desktop is asked to minimise the window";
  }
  w_->show();
  test::pump(0.1);
  EXPECT_TRUE(w_->shown()) << "the window comes back";
  w_->btnX1Click();
  EXPECT_FALSE(w_->shown());
}

}  // namespace
}  // namespace tavilo::gui
