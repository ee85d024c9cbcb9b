// The file list and the filter selector on real folders.
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/file_list_box.h"
#include "gui/widgets/filter_combo_box.h"

#include "platform/platform.h"
#include "support/temp_tree.h"
#include "widget_test_support.h"

#include <FL/Fl.H>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace tavilo::gui::test {
namespace {

namespace pf = tavilo::platform;

std::string realPath(const std::string& p) {
  char buf[PATH_MAX];
  return ::realpath(p.c_str(), buf) ? std::string(buf) : p;
}

std::vector<std::string> namesOf(const TFileListBox& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.FileName(i));
  return names;
}

std::string selectionOf(const TFileListBox& list) {
  std::string s;
  for (int i = 0; i < list.Count(); ++i) s += list.Selected(i) ? 'x' : '.';
  return s;
}

// A left click with modifier keys held (FL_CTRL, FL_SHIFT).
void clickWith(Fl_Window& win, int x, int y, int state) {
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_x_root = win.x() + x;
  Fl::e_y_root = win.y() + y;
  Fl::e_keysym = FL_Button + 1;
  Fl::e_state = state | FL_BUTTON1;
  Fl::handle(FL_PUSH, &win);
  Fl::e_state = state;
  Fl::handle(FL_RELEASE, &win);
  Fl::e_state = 0;
}

int lineY(const TFileListBox& list, int index) { return list.y() + 2 + index * TFileListBox::kItemHeight + 8; }

class FileList : public tavilo::testing::TempTree {
 protected:
  void SetUp() override {
    TempTree::SetUp();
    root_ = realPath(path());
    for (const char* name : {"a.txt", "B.TXT", "c.ini", "d.jpg", "ohne_punkt", ".versteckt", "e.txt.bak"})
      writeFile(name, "x");
    makeFolder("Ordner.txt");
    ASSERT_EQ(::symlink((root_ + "/a.txt").c_str(), (root_ + "/zu_datei.txt").c_str()), 0);
    ASSERT_EQ(::symlink((root_ + "/Ordner.txt").c_str(), (root_ + "/zu_ordner.txt").c_str()), 0);
  }
  std::string root_;
};

TEST_F(FileList, EveryKindOfFileMatchingTheMasksNeverAFolder) {
  struct Case {
    std::string mask;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"*.*", {".versteckt", "a.txt", "B.TXT", "c.ini", "d.jpg", "e.txt.bak", "ohne_punkt", "zu_datei.txt"}},
      {"*", {".versteckt", "a.txt", "B.TXT", "c.ini", "d.jpg", "e.txt.bak", "ohne_punkt", "zu_datei.txt"}},
      {"*.txt", {"a.txt", "B.TXT", "zu_datei.txt"}},
      {"*.txt;*.ini", {"a.txt", "B.TXT", "c.ini", "zu_datei.txt"}},
      {"?.jpg", {"d.jpg"}},
      {"*.gif", {}},
  };
  TFileListBox list(0, 0, 200, 200);
  list.Directory(root_);
  for (const auto& c : cases) {
    list.Mask(c.mask);
    EXPECT_EQ(namesOf(list), c.names) << "mask " << c.mask;
  }
  list.Mask("*.*");
  EXPECT_EQ(list.FilePath(1), root_ + "/a.txt");
  EXPECT_EQ(list.FileName(8), "");
}

TEST_F(FileList, ReadingAFolderMakesItCurrentAndClearsTheSelection) {
  TFileListBox list(0, 0, 200, 200);
  list.Directory(root_);
  list.SelectAll();
  list.ItemIndex(2);
  EXPECT_EQ(list.SelCount(), list.Count());
  ASSERT_TRUE(pf::changeFolder("/"));
  writeFile("neu.txt", "x");
  list.Update();
  EXPECT_EQ(pf::currentFolder(), root_);
  EXPECT_EQ(list.Count(), 9);
  EXPECT_EQ(list.SelCount(), 0);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.Directory("");
  EXPECT_EQ(list.Directory(), root_) << "an empty path changes nothing";
}

TEST_F(FileList, APathGivenToTheFileListMovesTheBoundFolderList) {
  makeFolder("unten");
  writeFile("unten/x.txt", "x");
  TDirectoryListBox dirs(0, 0, 200, 200);
  TFileListBox files(0, 0, 200, 200);
  dirs.FileList(&files);
  ASSERT_TRUE(dirs.Directory(root_));
  EXPECT_EQ(files.Directory(), root_);
  int changes = 0;
  dirs.OnChange([&] { ++changes; });
  files.Directory(root_ + "/unten");
  EXPECT_EQ(dirs.Directory(), root_ + "/unten");
  EXPECT_EQ(namesOf(files), (std::vector<std::string>{"x.txt"}));
  EXPECT_EQ(changes, 1);
  files.Directory("");
  EXPECT_EQ(dirs.Directory(), root_ + "/unten");
  EXPECT_EQ(changes, 1);
}

TEST_F(FileList, ClickCtrlAndShiftSelectAsTheDesktopDoes) {
  auto win = makeWindow(200, 200, 0xFFFFFF);
  auto* list = new TFileListBox(0, 0, 200, 200);
  win->end();
  list->Directory(root_);
  win->show();
  Fl::flush();
  int clicks = 0;
  list->OnClick([&] { ++clicks; });
  struct Step {
    int line;
    int state;
    const char* selection;
    int focused;
  };
  const Step steps[] = {
      {1, 0, ".x......", 1},
      {3, FL_CTRL, ".x.x....", 3},
      {5, FL_SHIFT, "...xxx..", 5},   // from the last clicked line, the rest cleared
      {1, FL_SHIFT, ".xxx....", 1},   // the anchor stays at line 3
      {6, FL_CTRL, ".xxx..x.", 6},
      {2, FL_CTRL, ".x.x..x.", 2},    // toggles off
      {7, FL_CTRL | FL_SHIFT, ".xxxxxxx", 7},  // adds the range from line 2
      {4, 0, "....x...", 4},
  };
  for (const auto& s : steps) {
    clickWith(*win, 40, lineY(*list, s.line), s.state);
    EXPECT_EQ(selectionOf(*list), s.selection) << "click on line " << s.line << " with state " << s.state;
    EXPECT_EQ(list->ItemIndex(), s.focused) << "click on line " << s.line;
  }
  EXPECT_EQ(clicks, 8);
  list->SelectAll();
  EXPECT_EQ(selectionOf(*list), "xxxxxxxx");
  list->Selected(0, false);
  EXPECT_EQ(selectionOf(*list), ".xxxxxxx");
  list->ClearSelection();
  EXPECT_EQ(list->SelCount(), 0);
}

TEST_F(FileList, ScrollsByWholeLines) {
  for (int i = 0; i < 30; ++i) writeFile("f" + std::to_string(100 + i) + ".dat", "x");
  auto win = makeWindow(200, 120, 0xFFFFFF);
  auto* list = new TFileListBox(0, 0, 200, 104);  // 100 pixels inside: 6 whole lines
  win->end();
  list->Directory(root_);
  win->show();
  win->wait_for_expose();
  Fl::flush();
  list->ItemIndex(9);
  Fl::flush();
  EXPECT_EQ(list->vposition(), 4 * TFileListBox::kItemHeight) << "line 9 shows whole at the bottom";
  list->vposition(37);
  Fl::flush();
  EXPECT_EQ(list->vposition(), 2 * TFileListBox::kItemHeight);
}

TEST_F(FileList, SelectedLinesAreFilledWithTheSelectionColour) {
  ASSERT_EQ(exactColourProblem(), "");
  auto win = makeWindow(200, 200, 0xFFFFFF);
  auto* list = new TFileListBox(0, 0, 200, 200);
  win->end();
  list->Directory(root_);
  list->Selected(2, true);
  const Capture shot = captureWindow(*win);
  auto navyIn = [&](int line) {
    int n = 0;
    for (int x = 0; x < shot.width(); ++x) n += shot.at(x, lineY(*list, line)) == 0x800000;
    return n;
  };
  EXPECT_GT(navyIn(2), 100);
  EXPECT_EQ(navyIn(1), 0);
  EXPECT_EQ(navyIn(3), 0);
}

TEST_F(FileList, TheFilterSelectorShowsDescriptionsAndHandsOnTheMask) {
  TFileListBox files(0, 0, 200, 200);
  files.Directory(root_);
  TFilterComboBox filter(0, 0, 200, 20);
  filter.FileList(&files);
  filter.Filter("Texte (*.txt)|*.txt|Einstellungen & Bilder|*.ini;*.jpg|Alle Dateien (*.*)|*.*");
  ASSERT_EQ(filter.size(), 4);
  EXPECT_STREQ(filter.menu()[1].label(), "Einstellungen && Bilder");
  EXPECT_EQ(filter.ItemIndex(), 0);
  EXPECT_EQ(files.Mask(), "*.txt") << "setting the filter chooses its first entry";
  EXPECT_EQ(namesOf(files), (std::vector<std::string>{"a.txt", "B.TXT", "zu_datei.txt"}));
  int changes = 0;
  filter.OnChange([&] { ++changes; });
  filter.ItemIndex(1);
  EXPECT_EQ(namesOf(files), (std::vector<std::string>{"c.ini", "d.jpg"}));
  EXPECT_EQ(changes, 1);
  filter.Filter("");
  EXPECT_EQ(filter.Mask(), "");
  EXPECT_EQ(files.Count(), 8) << "no filter: every file";
}

}  // namespace
}  // namespace tavilo::gui::test
