// The main window as people use it: the keyboard, Escape, double clicks that
// start an entry once, the pop-up menu's pictures and the one-line status.
#include <FL/Fl.H>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "gui/application.h"
#include "main_window_test_support.h"
#include "widget_test_support.h"

namespace fs = std::filesystem;

namespace tavilo::gui {
namespace {

const char* kTwoGroups =
    "[Programm]\nVersion=4.02\nBreite=600\nHoehe=500\nBreite_Links=50\nImageHoehe=50\nBemerkungsHoehe=50\n"
    "[Gruppen]\nAnzahl=2\nGruppe_1=A\nGruppe_2=B\n[Gruppe_1]\nAnzahl=3\nProgramm_1=A1\nProgramm_2=A2\nProgramm_3=A3\n"
    "[Gruppe_2]\nAnzahl=1\nProgramm_1=B1\n[Programm_1_1]\nTyp=Programm\nLocation=start.sh\n"
    "[Programm_1_2]\nTyp=Programm\nLocation=start.sh\n[Hiermit_Ausfuehren]\nAnzahl=0\n";

class MainWindowInput : public ::testing::Test {
 protected:
  std::unique_ptr<TfrmMain> open(const std::string& ini) {
    medium_.ini(ini);
    auto w = test::openMainWindow(medium_);
    w->wait_for_expose();
    Fl::flush();
    return w;
  }
  static int rowY(const TListBox& list, int row) { return list.y() + 2 + row * list.ItemHeight() + 5; }
  static void click(TfrmMain& w, const TListBox& list, int row, unsigned long timeMs) {
    test::setEventTime(timeMs);
    test::sendMouse(w, FL_PUSH, list.x() + 20, rowY(list, row));
    test::sendMouse(w, FL_RELEASE, list.x() + 20, rowY(list, row));
  }
  test::Medium medium_;
};

TEST_F(MainWindowInput, TheEntryListHasTheKeyboardFirstAndAClickMovesIt) {
  auto w = open(kTwoGroups);
  EXPECT_EQ(Fl::focus(), w->lbProgramm);
  test::sendKey(*w, FL_Down);
  EXPECT_EQ(w->Model().CurGroup, 1) << "Down moves the entry, not the group";
  EXPECT_EQ(w->Model().CurEntry, 2);
  test::sendKey(*w, FL_End);
  EXPECT_EQ(w->Model().CurEntry, 3);

  click(*w, *w->lbGruppe, 0, 1000);
  EXPECT_EQ(Fl::focus(), w->lbGruppe);
  test::sendKey(*w, FL_Down);
  EXPECT_EQ(w->Model().CurGroup, 2) << "the group list's click handler ran";
  EXPECT_EQ(w->lbProgramm->Count(), 1);

  click(*w, *w->lbProgramm, 0, 2000);
  EXPECT_EQ(Fl::focus(), w->lbProgramm);
  test::sendKey(*w, FL_Up);
  EXPECT_EQ(w->Model().CurGroup, 2) << "after a click on an entry the keys stay in the entry list";
}

TEST_F(MainWindowInput, EscapeDoesNotEndTheProgram) {
  auto w = open(kTwoGroups);
  test::sendKey(*w, FL_Escape);
  Fl::focus(nullptr);
  test::sendKey(*w, FL_Escape);
  EXPECT_TRUE(w->shown());
}

// Each start of start.sh leaves one file; the test waits for every child.
TEST_F(MainWindowInput, ATripleClickStartsOnceAndSlowClicksStartNothing) {
  medium_.file("start.sh", "#!/bin/sh\nmktemp \"$0.run.XXXXXX\" >/dev/null\n", true);
  auto w = open(kTwoGroups);
  const auto starts = [&] {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < until && ::waitpid(-1, nullptr, WNOHANG) >= 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    int n = 0;
    for (const auto& e : fs::directory_iterator(medium_.root()))
      if (e.path().filename().string().rfind("start.sh.run.", 0) == 0) ++n;
    return n;
  };
  click(*w, *w->lbProgramm, 1, 10000);
  click(*w, *w->lbProgramm, 1, 10600);
  EXPECT_EQ(starts(), 0) << "600 ms apart";
  click(*w, *w->lbProgramm, 0, 20000);
  click(*w, *w->lbProgramm, 0, 20150);
  click(*w, *w->lbProgramm, 0, 20300);
  EXPECT_EQ(starts(), 1) << "three quick clicks";
}

// The menu is captured from a timer while it is open, then closed by Escape.
struct MenuShot {
  TfrmMain* main = nullptr;
  test::Capture capture;
};

void captureMenu(void* data) {
  auto* shot = static_cast<MenuShot*>(data);
  Fl_Window* menu = Fl::grab();
  if (!menu || menu == shot->main || !menu->shown()) {
    Fl::repeat_timeout(0.05, captureMenu, data);
    return;
  }
  shot->capture = test::captureWindow(*menu);
  test::sendKey(*menu, FL_Escape);
}

TEST_F(MainWindowInput, ThePopupMenuShowsItsPictures) {
  auto w = open(kTwoGroups);
  MenuShot shot{w.get(), {}};
  Fl::add_timeout(0.05, captureMenu, &shot);
  test::sendMouseButton(*w, FL_PUSH, w->lbGruppe->x() + 20, w->lbGruppe->y() + 60, 3);
  ASSERT_FALSE(shot.capture.empty());
  // Seven items, five with a picture: coloured pixels left of the captions.
  const test::Capture& c = shot.capture;
  int rowsWithColour = 0;
  for (int y = 0; y < c.height(); y += 2) {
    bool colour = false;
    for (int x = 0; x < 26 && x < c.width(); ++x) {
      const std::uint32_t p = c.at(x, y);
      const int r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
      colour = colour || std::max({r, g, b}) - std::min({r, g, b}) > 40;
    }
    rowsWithColour += colour;
  }
  EXPECT_GT(rowsWithColour, 5 * 4) << "menu " << c.width() << " x " << c.height();
}

TEST_F(MainWindowInput, AnUndecodablePictureLeavesOneStatusLine) {
  medium_.file("kaputt.jpg", "\xFF\xD8\xFF\xE0 kein JPEG");
  auto w = open(std::string(kTwoGroups) + "[Programm_1_3]\nLocation=kaputt.jpg\n");
  w->lbProgramm->ItemIndex(2);
  w->lbProgrammClick();
  // The message names the file; how much of its path shows depends on where
  // the medium lies, so only the message's start must show, on one line.
  const std::string caption = w->MyStatusBar1->Caption();
  EXPECT_NE(caption.find(medium_.dir() + "kaputt.jpg"), std::string::npos) << caption;
  const std::string shown = w->MyStatusBar1->ShownText();
  EXPECT_EQ(shown.rfind("Bilddatei kann nicht geladen werden: /", 0), 0u) << shown;
  EXPECT_EQ(shown.find('\n'), std::string::npos) << shown;
}

}  // namespace
}  // namespace tavilo::gui
