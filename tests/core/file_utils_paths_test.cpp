// Path routines in their POSIX forms.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/file_utils_copy.h"
#include "core/files/file_utils_paths.h"
#include "platform/platform.h"
#include "support/as_user.h"
#include "support/message_recorder.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
namespace pf = tavilo::platform;
using tavilo::testing::TempTree;

namespace {

struct TextCase {
  std::string input;
  std::string expected;
};

TEST(PathText, ExtractFilePathLowerKeepsCase) {
  const TextCase cases[] = {
      {"/Daten/Bilder/Shot1.JPG", "/Daten/Bilder/"},
      {"/Daten/Bilder/", "/Daten/Bilder/"},
      {"Shot1.JPG", ""},
      {"", ""},
      {"/", "/"},
      {"/Mit Blank/Ä.txt", "/Mit Blank/"},
      {"C:Datei", ""},  // a colon is an ordinary character on POSIX
  };
  for (const auto& c : cases) EXPECT_EQ(core::ExtractFilePathLower(c.input), c.expected) << "input: " << c.input;
}

TEST(PathText, AddAndRemoveOneSeparator) {
  const TextCase add[] = {{"", ""}, {"/", "/"}, {"/a", "/a/"}, {"/a/", "/a/"}, {"a b", "a b/"}, {"/a//", "/a//"}};
  for (const auto& c : add) EXPECT_EQ(core::AddBackslash(c.input), c.expected) << "AddBackslash: " << c.input;
  const TextCase remove[] = {{"", ""}, {"/", ""}, {"/a", "/a"}, {"/a/", "/a"}, {"/a//", "/a/"}, {"a\\", "a\\"}};
  for (const auto& c : remove)
    EXPECT_EQ(core::RemoveBackslash(c.input), c.expected) << "RemoveBackslash: " << c.input;
}

TEST(PathText, CollapseDoubledReducesEveryRun) {
  const TextCase slash[] = {{"", ""},       {"/", "/"},           {"//", "/"},        {"a//b///c", "a/b/c"},
                            {"//a//", "/a/"}, {"abc", "abc"},       {"/a/b/", "/a/b/"}, {"////////", "/"}};
  for (const auto& c : slash) EXPECT_EQ(core::CollapseDoubled(c.input, '/'), c.expected) << "input: " << c.input;
  EXPECT_EQ(core::CollapseDoubled("a\\\\\\b//c", '\\'), "a\\b//c");
}

TEST(PathDrives, RootAndListedMountsAreDrivesWithOneTrailingSeparator) {
  const struct {
    std::string path;
    bool drive;
  } cases[] = {{"/", true}, {"", false}, {"x", false}, {"/definitely/not/mounted", false}, {"/a", false}};
  for (const auto& c : cases) EXPECT_EQ(core::IsDrivePath(c.path), c.drive) << "path: " << c.path;
  for (const std::string& d : pf::listDrives()) {
    if (d == "/") continue;
    EXPECT_TRUE(core::IsDrivePath(d)) << d;
    EXPECT_TRUE(core::IsDrivePath(d + "/")) << d;
    EXPECT_FALSE(core::IsDrivePath(d + "//")) << d;
    EXPECT_FALSE(core::IsDrivePath(d + "/x")) << d;
  }
}

class PathFolders : public TempTree {};

TEST_F(PathFolders, CanEnterDirStaysOnSuccessAndChangesNothingOnFailure) {
  makeFolder("a/b c");
  writeFile("datei", "x");
  const struct {
    std::string path;
    bool enters;
    std::string where;  // the current folder afterwards
  } cases[] = {
      {path("a/b c"), true, path("a/b c")},
      {path("a") + "/", true, path("a")},
      {"/", true, "/"},
      {path("fehlt"), false, path()},
      {path("datei"), false, path()},
      {"", false, path()},
      {"b c", false, path()},  // relative to the current folder, which is the tree
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(pf::changeFolder(path()));
    EXPECT_EQ(core::CanEnterDir(c.path), c.enters) << "path: " << c.path;
    EXPECT_EQ(pf::currentFolder(), c.where) << "path: " << c.path;
  }
  ASSERT_TRUE(pf::changeFolder(path("a")));
  EXPECT_TRUE(core::CanEnterDir("b c"));
  EXPECT_EQ(pf::currentFolder(), path("a/b c"));
}

TEST_F(PathFolders, GetParentDirOfFoldersRootAndMissing) {
  makeFolder("a/b");
  makeFolder("mit blank/x");
  const struct {
    std::string folder;
    std::string parent;
    std::string where;  // current folder afterwards; "" = unchanged
  } cases[] = {
      {path("a/b"), path("a") + "/", path("a/b")},
      {path("a/b") + "/", path("a") + "/", path("a/b")},
      {path("a//b//"), path("a") + "/", path("a/b")},
      {path("mit blank/x"), path("mit blank") + "/", path("mit blank/x")},
      {path(), path().substr(0, path().rfind('/') + 1), path()},
      {"/", "/", "/"},
      {path("fehlt"), "", ""},
      {path("fehlt/tiefer/"), "", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(pf::changeFolder(path("mit blank")));
    const std::string before = pf::currentFolder();
    EXPECT_EQ(core::GetParentDir(c.folder), c.parent) << "folder: " << c.folder;
    EXPECT_EQ(pf::currentFolder(), c.where.empty() ? before : c.where) << "folder: " << c.folder;
  }
}

TEST_F(PathFolders, GetParentDirOfARelativeFolderIsAbsolute) {
  makeFolder("a/b");
  ASSERT_TRUE(pf::changeFolder(path()));
  // Entering "a/b" moves the current folder, so a relative "a/" would be wrong.
  EXPECT_EQ(core::GetParentDir("a/b"), path("a") + "/");
  EXPECT_EQ(pf::currentFolder(), path("a/b"));
  ASSERT_TRUE(pf::changeFolder(path()));
  EXPECT_EQ(core::GetParentDir("a"), path() + "/");
}

TEST_F(PathFolders, GetParentDirOfAMountPointIsItself) {
  for (const std::string& d : pf::listDrives()) {
    if (d == "/" || !pf::driveReady(d)) continue;
    EXPECT_EQ(core::GetParentDir(d), d + "/") << d;
    EXPECT_EQ(core::GetParentDir(d + "/"), d + "/") << d;
  }
}

TEST_F(PathFolders, FolderExistsMeansAVisibleRealFolder) {
  makeFolder("sichtbar");
  makeFolder(".versteckt");
  makeFolder("Stern*");
  writeFile("datei", "x");
  ASSERT_EQ(::symlink(path("sichtbar").c_str(), path("verweis").c_str()), 0);
  const struct {
    std::string path;
    bool exists;
  } cases[] = {
      {path("sichtbar"), true},
      {path("sichtbar") + "/", true},
      {path(".versteckt"), false},  // hidden counts as missing
      {path("verweis"), false},     // a link is never a folder
      {path("datei"), false},
      {path("fehlt"), false},
      {path("sicht*"), false},  // no pattern: '*' is part of a name
      {path("Stern*"), true},
      {path("?ichtbar"), false},
      {"/", true},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(core::FolderExists(c.path), c.exists) << "path: " << c.path;
}

TEST_F(PathFolders, HasFileAttrWithPosixMeanings) {
  makeFolder("ordner");
  writeFile("schreibgeschuetzt", "x");
  writeFile("normal", "x");
  writeFile(".versteckt", "x");
  ASSERT_EQ(::chmod(path("schreibgeschuetzt").c_str(), 0444), 0);
  const struct {
    std::string path;
    int mask;
    bool has;
  } cases[] = {
      {path("fehlt"), pf::kAttrFolder, true},  // a missing path has every attribute
      {path("fehlt"), 0xFFFF, true},
      {path("fehlt"), pf::kAttrReadOnly, true},
      {path("ordner"), pf::kAttrFolder, true},
      {path("ordner"), pf::kAttrReadOnly, false},
      {path("schreibgeschuetzt"), pf::kAttrReadOnly, true},
      {path("schreibgeschuetzt"), pf::kAttrFolder, false},
      {path("normal"), pf::kAttrReadOnly, false},
      {path("normal"), 0, true},
      {path(".versteckt"), pf::kAttrHidden, true},
      {path("normal"), pf::kAttrHidden, false},
      {path("normal"), pf::kAttrSystem, false},
      {path("normal"), pf::kAttrArchive, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(core::HasFileAttr(c.path, c.mask), c.has) << "path: " << c.path << " mask: " << c.mask;
}

// A folder whose path is longer than one system call takes, with blanks and
// umlauts in every name: the routines must see it as it is.
TEST_F(PathFolders, PathsLongerThanOneSystemCallAreFoldersLikeAnyOther) {
  makeFolder("lang");
  std::string deep = path("lang");
  int dir = ::open(deep.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  for (int level = 0; deep.size() < PATH_MAX + 200u && dir >= 0; ++level) {
    const std::string name = "Ordner mit Blank ä " + std::to_string(level);
    ASSERT_EQ(::mkdirat(dir, name.c_str(), 0755), 0);
    const int next = ::openat(dir, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::close(dir);
    dir = next;
    deep += "/" + name;
  }
  ASSERT_GE(dir, 0);
  const int file = ::openat(dir, "Bild ü.jpg", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(file, 0);
  ASSERT_EQ(::write(file, "jpeg", 4), 4);
  ::close(file);

  EXPECT_TRUE(core::FolderExists(deep));
  EXPECT_TRUE(core::HasFileAttr(deep, pf::kAttrFolder));
  EXPECT_FALSE(core::HasFileAttr(deep, pf::kAttrReadOnly));  // not taken for a missing path
  EXPECT_FALSE(core::HasFileAttr(deep + "/Bild ü.jpg", pf::kAttrFolder));

  const std::string parent = deep.substr(0, deep.rfind('/') + 1);
  ASSERT_TRUE(pf::changeFolder(path()));
  EXPECT_EQ(core::GetParentDir(deep), parent);
  EXPECT_EQ(pf::currentFolder(), deep);
  ASSERT_TRUE(pf::changeFolder(path()));
  EXPECT_TRUE(core::CanEnterDir(deep + "/"));
  EXPECT_EQ(pf::currentFolder(), deep);

  // The streamed copy makes its missing folder below the long path.
  EXPECT_TRUE(core::CopyFileStreamed(deep + "/Bild ü.jpg", deep + "/neu ö/Kopie ü.jpg"));
  struct stat st {};
  EXPECT_EQ(::fstatat(dir, "neu ö/Kopie ü.jpg", &st, 0), 0);
  EXPECT_EQ(st.st_size, 4);
  ::close(dir);

  tavilo::testing::MessageRecorder rec;
  const pf::FileTime stamp{1000000000, 0, true};
  core::SetFileDate(deep + "/Bild ü.jpg", stamp);
  EXPECT_EQ(core::GetFileDate(deep + "/Bild ü.jpg"), stamp);
  EXPECT_TRUE(rec.plain.empty());
}

TEST(PathTemp, GetTempDirIsTmpAndExists) {
  EXPECT_EQ(core::GetTempDir(), "/tmp/");
  EXPECT_TRUE(pf::isFolder("/tmp"));
}

class PathFoldersAsUser : public tavilo::testing::NormalUserTree {};

TEST_F(PathFoldersAsUser, CanEnterDirRefusesAFolderWithoutSearchPermission) {
  makeFolder("zu");
  tavilo::testing::giveToNormalUser(path());
  ASSERT_EQ(::chmod(path("zu").c_str(), 0600), 0);
  const std::string target = path("zu");
  const std::string home = path();
  const auto child = tavilo::testing::runAsNormalUser([&](int) {
    if (!pf::changeFolder(home)) return 3;
    if (core::CanEnterDir(target)) return 1;
    return pf::currentFolder() == home ? 0 : 2;
  });
  EXPECT_EQ(child.exitCode, 0) << "1: entered, 2: current folder moved, 3: tree not reachable";
}

}  // namespace
