// The folder list's lines and the folder chooser's path rules.
#include <gtest/gtest.h>

#include <tuple>

#include "core/folder_tree.h"
#include "core/error.h"
#include "platform/platform.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;

namespace {

std::string describe(const std::vector<core::FolderItem>& items) {
  std::string out;
  for (const auto& i : items)
    out += std::to_string(i.level) + (i.open ? "+" : "-") + i.name + "=" + i.path + " ";
  return out;
}

TEST(FolderTree, RootAncestorsFolderThenSubFoldersOneLevelDeeper) {
  struct Case {
    std::string folder;
    std::vector<std::string> subs;
    std::string expected;
    int current;
  };
  const Case cases[] = {
      {"/", {}, "0+/=/ ", 0},
      {"/", {"bin", "home"}, "0+/=/ 1-bin=/bin 1-home=/home ", 0},
      {"/home", {"x"}, "0+/=/ 1+home=/home 2-x=/home/x ", 1},
      {"/home/user/Mit Blank", {"a"},
       "0+/=/ 1+home=/home 2+user=/home/user 3+Mit Blank=/home/user/Mit Blank 4-a=/home/user/Mit Blank/a ", 3},
  };
  for (const auto& c : cases) {
    const auto items = core::folderTreeItems(c.folder, c.subs);
    EXPECT_EQ(describe(items), c.expected) << "folder: " << c.folder;
    EXPECT_EQ(core::currentFolderIndex(c.folder), c.current) << "folder: " << c.folder;
    EXPECT_EQ(items[static_cast<std::size_t>(c.current)].path, c.folder) << "folder: " << c.folder;
  }
}

TEST(FolderTree, NormalFolderDropsTrailingAndDoubledSeparators) {
  const std::pair<std::string, std::string> cases[] = {
      {"/", "/"}, {"//", "/"}, {"/a/", "/a"}, {"/a//b///", "/a/b"}, {"", ""}, {"a/", "a"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(core::normalFolder(in), out) << "input: " << in;
}

TEST(FolderTree, DriveOfIsTheLongestWholeComponentPrefix) {
  const std::vector<std::string> drives = {"/", "/media/usb", "/media/usb/inner", "/mnt/cd"};
  const std::pair<std::string, std::string> cases[] = {
      {"/", "/"},
      {"/home/x", "/"},
      {"/media", "/"},
      {"/media/usb", "/media/usb"},
      {"/media/usb/", "/media/usb"},
      {"/media/usb/a/b", "/media/usb"},
      {"/media/usb2", "/"},  // a name that merely begins like the mount point
      {"/media/usb/inner/x", "/media/usb/inner"},
      {"/mnt/cd", "/mnt/cd"},
  };
  for (const auto& [folder, drive] : cases) EXPECT_EQ(core::driveOf(folder, drives), drive) << "folder: " << folder;
}

TEST(FolderTree, UpOneFolderStopsAtTheRootAndCutsAfterTheLastSeparator) {
  const std::pair<std::string, std::string> cases[] = {
      {"/", "/"},
      {"/zz-no-mount/Daten/Alt", "/zz-no-mount/Daten/"},
      {"/zz-no-mount/Daten/Alt/", "/zz-no-mount/Daten/"},
      {"/zz-no-mount", "/"},
      {"/zz-no-mount/", "/"},
      {"relativ", ""},
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(core::UpOneFolder(in), out) << "input: " << in;
  for (const std::string& drive : tavilo::platform::listDrives())
    EXPECT_EQ(core::UpOneFolder(drive), drive) << "a drive root stays: " << drive;
}

TEST(FolderTree, TrailingSeparatorRules) {
  const std::pair<std::string, std::string> with[] = {{"", "/"}, {"/", "/"}, {"/a", "/a/"}, {"/a/", "/a/"}};
  for (const auto& [in, out] : with) EXPECT_EQ(core::WithBackslash(in), out) << "WithBackslash: " << in;
  const std::pair<std::string, std::string> one[] = {
      {"/", "/"}, {"//", "/"}, {"/Daten", "/Daten/"}, {"/Daten/", "/Daten/"}, {"/Daten///", "/Daten/"}};
  for (const auto& [in, out] : one) EXPECT_EQ(core::withOneTrailingSlash(in), out) << "withOneTrailingSlash: " << in;
}

TEST(FolderTree, NotReadyMessageNamesADriveLetterWithItsColon) {
  using tavilo::platform::PathStyle;
  const std::tuple<PathStyle, std::string, std::string> cases[] = {
      {PathStyle::Windows, "A:\\", "Laufwerk A: nicht bereit"},
      {PathStyle::Windows, "d:", "Laufwerk D: nicht bereit"},
      {PathStyle::Windows, "E:/", "Laufwerk E: nicht bereit"},
      {PathStyle::Windows, "\\\\server\\share\\", "Laufwerk \\\\server\\share\\ nicht bereit"},
      {PathStyle::Posix, "/media/cd", "Laufwerk /media/cd nicht bereit"},
      {PathStyle::Posix, "a:", "Laufwerk a: nicht bereit"},
  };
  for (const auto& [style, drive, text] : cases)
    EXPECT_EQ(core::driveNotReadyText(drive, style), text) << "drive: " << drive;
}

}  // namespace

namespace {

class ForceDirectories : public tavilo::testing::TempTree {};

TEST_F(ForceDirectories, MakesEveryMissingFolderAndNeverFailsLoudlyExceptOnAnEmptyPath) {
  writeFile("datei", "x");
  struct Case {
    std::string rel;
    bool folder;
  };
  const Case cases[] = {
      {"a/b/c", true},
      {"a/b/c/", true},      // exists now
      {"neu mit Blank/", true},
      {"datei/unter", false},  // a file is in the way
      {"datei", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::ForceDirectories(path(c.rel)), c.folder) << c.rel;
    EXPECT_EQ(tavilo::platform::isFolder(path(c.rel)), c.folder) << c.rel;
  }
  EXPECT_TRUE(core::ForceDirectories("/"));
  ASSERT_TRUE(tavilo::platform::changeFolder(path()));
  EXPECT_TRUE(core::ForceDirectories("relativ/tief"));
  EXPECT_TRUE(exists("relativ/tief")) << "a relative path is made in the current folder";
  try {
    core::ForceDirectories("");
    ADD_FAILURE() << "an empty path must raise the error";
  } catch (const core::Error& e) {
    EXPECT_STREQ(e.what(), "Das Verzeichnis kann nicht erstellt werden");
  }
}

}  // namespace
