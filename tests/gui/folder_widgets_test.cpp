// The folder list, its label and the drive selector on real folder trees.
#include "gui/widgets/dir_label.h"
#include "gui/widgets/directory_list_box.h"
#include "gui/widgets/drive_combo_box.h"
#include "gui/widgets/file_list_box.h"

#include "platform/platform.h"
#include "support/as_user.h"
#include "support/temp_tree.h"
#include "widget_test_support.h"

#include <FL/Fl.H>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

std::vector<std::string> subFolderNames(const TDirectoryListBox& list) {
  std::vector<std::string> names;
  for (const auto& item : list.Items())
    if (!item.open) names.push_back(item.name);
  return names;
}

void click(Fl_Window& win, int x, int y) {
  sendMouse(win, FL_PUSH, x, y);
  sendMouse(win, FL_RELEASE, x, y);
}

// The window point in the middle of line `index` of a list at the top of its window.
int lineY(const Fl_Widget& list, int index) { return list.y() + 2 + index * TDirectoryListBox::kItemHeight + 8; }

// Below /tmp, not the build folder: the list shows every ancestor, and the
// lines that the tests click and photograph must not move with the checkout's depth.
class FolderList : public tavilo::testing::TempTree {
 protected:
  FolderList() : TempTree("/tmp") {}
  void SetUp() override {
    TempTree::SetUp();
    root_ = realPath(path());
    makeFolder("Alpha/inner");
    makeFolder("beta");
    makeFolder(".versteckt");
    makeFolder("Gamma mit Blank");
    writeFile("datei.txt", "x");
    ASSERT_EQ(::symlink((root_ + "/Alpha").c_str(), (root_ + "/verweis").c_str()), 0);
  }
  std::string root_;
};

TEST_F(FolderList, ShowsAncestorsTheFolderAndItsVisibleSubFoldersOnly) {
  TDirectoryListBox list(0, 0, 200, 300);
  ASSERT_TRUE(list.Directory(root_ + "/"));
  EXPECT_EQ(list.Directory(), root_) << "no trailing '/'";
  EXPECT_EQ(pf::currentFolder(), root_) << "setting the folder makes it the process's current folder";
  EXPECT_EQ(subFolderNames(list), (std::vector<std::string>{"Alpha", "beta", "Gamma mit Blank"}))
      << "hidden folders, files and links to folders are not listed";
  const int current = list.ItemIndex();
  EXPECT_EQ(list.ItemPath(current), root_);
  EXPECT_EQ(list.ItemPath(0), "/");
  EXPECT_EQ(list.ItemPath(current + 1), root_ + "/Alpha");
  EXPECT_EQ(list.Items()[static_cast<std::size_t>(current + 1)].level, current + 1);
  EXPECT_EQ(list.ItemPath(list.Count()), "");
  EXPECT_EQ(list.ItemPath(-1), "");
}

TEST_F(FolderList, AFolderThatCannotBeEnteredChangesNothing) {
  TDirectoryListBox list(0, 0, 200, 300);
  ASSERT_TRUE(list.Directory(root_));
  int changes = 0;
  list.OnChange([&] { ++changes; });
  for (const std::string& bad : {root_ + "/fehlt", root_ + "/datei.txt", std::string()}) {
    EXPECT_FALSE(list.Directory(bad)) << bad;
    EXPECT_EQ(list.Directory(), root_) << bad;
  }
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(list.Directory(root_));
  EXPECT_EQ(changes, 1) << "setting the same folder again still reports a change";
}

TEST_F(FolderList, UpdateShowsNewFoldersAndRelativePathsGoFromTheCurrentFolder) {
  TDirectoryListBox list(0, 0, 200, 300);
  ASSERT_TRUE(list.Directory(root_));
  makeFolder("delta");
  EXPECT_EQ(subFolderNames(list).size(), 3u);
  list.Update();
  EXPECT_EQ(subFolderNames(list).size(), 4u);
  ASSERT_TRUE(list.Directory("Alpha"));
  EXPECT_EQ(list.Directory(), root_ + "/Alpha");
  ASSERT_TRUE(list.Directory(".."));
  EXPECT_EQ(list.Directory(), root_);
}

class FolderListAsUser : public tavilo::testing::NormalUserTree {};

TEST_F(FolderListAsUser, AFolderThatCannotBeReadShowsNoSubFolders) {
  makeFolder("zu/drinnen");
  ::chmod(path("zu").c_str(), 0111);  // may be entered, not read
  tavilo::testing::giveToNormalUser(path());
  const std::string folder = realPath(path("zu"));
  const auto result = tavilo::testing::runAsNormalUser([&](int out) {
    TDirectoryListBox list(0, 0, 200, 300);
    if (!list.Directory(folder)) return 2;
    tavilo::testing::writeText(out, std::to_string(subFolderNames(list).size()));
    return list.Directory() == folder ? 0 : 3;
  });
  ::chmod(path("zu").c_str(), 0755);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.output, "0");
}

TEST_F(FolderList, AClickGoesToTheLineThenOnClickSeesItAsItemIndex) {
  auto win = makeWindow(220, 320, 0xFFFFFF);
  auto* list = new TDirectoryListBox(0, 0, 220, 320);
  auto* label = new TDirLabel(0, 0, 10, 10);
  auto* files = new TFileListBox(0, 0, 10, 10);
  win->end();
  list->DirLabel(label);
  list->FileList(files);
  ASSERT_TRUE(list->Directory(root_));
  win->show();
  Fl::flush();
  std::vector<std::string> seen;
  list->OnChange([&] { seen.push_back("change " + list->Directory()); });
  list->OnClick([&] { seen.push_back("click " + list->ItemPath(list->ItemIndex())); });

  const int alpha = list->ItemIndex() + 1;
  click(*win, 40, lineY(*list, alpha));
  EXPECT_EQ(list->Directory(), root_ + "/Alpha");
  EXPECT_EQ(seen, (std::vector<std::string>{"change " + root_ + "/Alpha", "click " + root_ + "/Alpha"}));
  EXPECT_EQ(label->Caption(), root_ + "/Alpha");
  EXPECT_EQ(files->Directory(), root_ + "/Alpha");
  EXPECT_EQ(subFolderNames(*list), (std::vector<std::string>{"inner"}));

  click(*win, 20, lineY(*list, 0));  // the root line
  EXPECT_EQ(list->Directory(), "/");
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(label->Caption(), "/");
}

TEST_F(FolderList, TheCurrentLineIsHighlightedBehindItsText) {
  ASSERT_EQ(exactColourProblem(), "");
  auto win = makeWindow(220, 200, 0xFFFFFF);
  auto* list = new TDirectoryListBox(0, 0, 220, 200);
  win->end();
  ASSERT_TRUE(list->Directory(root_ + "/Alpha"));
  const Capture shot = captureWindow(*win);
  auto navyInRow = [&](int index) {
    int n = 0;
    for (int y = lineY(*list, index) - 6; y <= lineY(*list, index) + 6; ++y)
      for (int x = 0; x < shot.width(); ++x) n += shot.at(x, y) == 0x800000;
    return n;
  };
  const int current = list->ItemIndex();
  EXPECT_GT(navyInRow(current), 50) << "the current folder's line";
  EXPECT_EQ(navyInRow(current - 1), 0) << "an ancestor";
  EXPECT_EQ(navyInRow(current + 1), 0) << "a sub-folder";
}

TEST(DirLabel, ShortensInTheMiddleToTheBoundListsWidth) {
  TDirectoryListBox list(0, 0, 120, 100);
  TDirLabel label(0, 0, 10, 10);
  list.DirLabel(&label);
  EXPECT_EQ(label.ShortenWidth(), 120);
  const FontSpec font = label.Font();
  const std::string longPath = "/ein/sehr/langer/Pfad/mit/vielen/Ordnern/bis/zum/Ziel";
  label.Caption(longPath);
  EXPECT_EQ(label.Caption(), longPath) << "the caption keeps the whole text";
  const std::string shown = label.ShownText();
  EXPECT_NE(shown.find("/.../"), std::string::npos) << shown;
  EXPECT_EQ(shown.rfind("/Ziel"), shown.size() - 5) << shown;
  EXPECT_LE(textWidthOf(font, shown), 120) << shown;
  EXPECT_LE(label.w(), 121) << "an autosized label fits the shortened text";
  label.Caption("/kurz & gut");
  EXPECT_EQ(label.ShownText(), "/kurz & gut") << "a text that fits is shown as it is, '&' included";
}

TEST(DriveCombo, ListsTheRootFirstAndTheMountPathsAsTheyAre) {
  TDriveComboBox combo(0, 0, 200, 20);
  const auto drives = pf::listDrives();
  ASSERT_FALSE(combo.Drives().empty());
  EXPECT_EQ(combo.Drives().front(), "/");
  EXPECT_EQ(combo.Drives(), drives);
  combo.Drives({"/mnt/a&b", "/media/x@y/z", "/"});
  EXPECT_EQ(combo.Drives(), (std::vector<std::string>{"/", "/mnt/a&b", "/media/x@y/z"}));
  ASSERT_EQ(combo.size(), 4) << "three items and the end mark: '/' made no sub-menu";
  EXPECT_STREQ(combo.menu()[2].label(), "/media/x@@y/z") << "drawn as the characters";
  combo.Drive("/media/x@y/z/tiefer");
  EXPECT_EQ(combo.Drive(), "/media/x@y/z");
  EXPECT_EQ(combo.value(), 2);
  combo.Drive("/anderswo");
  EXPECT_EQ(combo.Drive(), "/");
}

class DriveChoice : public tavilo::testing::TempTree {};

TEST_F(DriveChoice, AReadyDriveMovesTheListBeforeOnChangeANotReadyOneLeavesIt) {
  const std::string root = realPath(path());
  makeFolder("laufwerk/sub");
  const std::string ready = root + "/laufwerk";
  const std::string missing = root + "/nicht_da";
  TDirectoryListBox list(0, 0, 200, 200);
  TDriveComboBox combo(0, 0, 200, 20);
  combo.Drives({"/", ready, missing});
  combo.DirList(&list);
  ASSERT_TRUE(list.Directory(ready + "/sub"));
  EXPECT_EQ(combo.Drive(), ready) << "the selector shows the list's drive";

  std::vector<std::string> seen;
  combo.OnChange([&] { seen.push_back(combo.Drive() + " list at " + list.Directory()); });
  combo.choose(0);
  EXPECT_EQ(list.Directory(), "/");
  combo.choose(1);
  EXPECT_EQ(list.Directory(), ready);
  combo.choose(2);
  EXPECT_EQ(list.Directory(), ready) << "a drive that is not ready leaves the list";
  EXPECT_EQ(seen, (std::vector<std::string>{"/ list at /", ready + " list at " + ready, missing + " list at " + ready}));
  EXPECT_EQ(combo.Drive(), ready) << "left on the drive that is not ready, the selector returns to the list's";

  combo.OnChange(nullptr);
  combo.choose(2);
  EXPECT_EQ(combo.Drive(), ready) << "also without a handler";
}

}  // namespace
}  // namespace tavilo::gui::test
