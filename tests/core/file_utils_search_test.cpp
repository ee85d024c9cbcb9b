// Searches and counts: listing order, hidden entries, links, masks.
#include <unistd.h>

#include "core/files/file_utils_search.h"
#include "platform/platform.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
namespace pf = tavilo::platform;

namespace {

class SearchTree : public tavilo::testing::TempTree {
 protected:
  // quelle/                        draussen/ (outside the tree, reached by a link)
  //   a.txt  B.txt  .h.txt  "c*?.txt"  "mit blank.txt"  datei-link -> a.txt
  //   alpha/z.txt   Sub/x.txt   Sub/Deep/y.txt   .versteckt/h.txt   leer/
  //   ordner-link -> ../draussen
  void SetUp() override {
    TempTree::SetUp();
    for (const char* f : {"a.txt", "B.txt", ".h.txt", "c*?.txt", "mit blank.txt", "alpha/z.txt", "Sub/x.txt",
                          "Sub/Deep/y.txt", ".versteckt/h.txt"})
      writeFile(std::string("quelle/") + f, f);
    makeFolder("quelle/leer");
    writeFile("draussen/fremd.txt", "fremd");
    ASSERT_EQ(::symlink(path("draussen").c_str(), path("quelle/ordner-link").c_str()), 0);
    ASSERT_EQ(::symlink(path("quelle/a.txt").c_str(), path("quelle/datei-link").c_str()), 0);
    q_ = path("quelle") + "/";
  }
  std::string q_;
};

TEST_F(SearchTree, FindAllFilesOwnFilesFirstThenSubFoldersDepthFirst) {
  core::PathList found;
  core::FindAllFiles(path("quelle"), "*.*", found);
  const core::PathList expected = {q_ + ".h.txt",         q_ + "a.txt",       q_ + "B.txt",
                                   q_ + "c*?.txt",        q_ + "datei-link",  q_ + "mit blank.txt",
                                   q_ + "ordner-link",    q_ + "alpha/z.txt", q_ + "Sub/x.txt",
                                   q_ + "Sub/Deep/y.txt"};
  EXPECT_EQ(found, expected) << "hidden files are found, hidden folders and links to folders are not entered";
}

TEST_F(SearchTree, FindAllFilesAppendsAndTakesTheCurrentFolderWhenEmpty) {
  core::PathList found = {"schon da"};
  ASSERT_TRUE(pf::changeFolder(path("quelle/Sub")));
  core::FindAllFiles("", "", found);
  EXPECT_EQ(found, (core::PathList{"schon da", q_ + "Sub/x.txt", q_ + "Sub/Deep/y.txt"}));
  found.clear();
  core::FindAllFiles(path("quelle/Sub"), "*.*", found, false);
  EXPECT_EQ(found, (core::PathList{q_ + "Sub/x.txt"}));
  found.clear();
  core::FindAllFiles(path("fehlt"), "*.*", found);
  EXPECT_TRUE(found.empty());
}

TEST_F(SearchTree, MasksMatchLikeWindowsWildcardsIgnoringCase) {
  const struct {
    std::string name, mask;
    bool matches;
  } cases[] = {
      {"a.txt", "*.*", true},     {"ohne", "*.*", true},       {"ohne", "", true},        {"ohne", "*", true},
      {"a.txt", "*.TXT", true},   {"a.txt.bak", "*.txt", false}, {"B.txt", "?.txt", true}, {"Bb.txt", "?.txt", false},
      {"c*?.txt", "c*", true},    {"cx", "c?", true},          {"c", "c?", false},       {"abcabd", "*abd", true},
      {"abc", "a*b*c*", true},    {"ab", "a*b*c", false},      {"Ä.txt", "ä.txt", false}, {"x.jpg", "x.jpg", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(core::matchesMask(c.name, c.mask), c.matches) << "name: " << c.name << " mask: " << c.mask;
  core::PathList found;
  core::FindAllFiles(path("quelle"), "*.TXT", found, false);
  EXPECT_EQ(found, (core::PathList{q_ + ".h.txt", q_ + "a.txt", q_ + "B.txt", q_ + "c*?.txt", q_ + "mit blank.txt"}));
}

TEST_F(SearchTree, CollectSubDirsInPreOrderWithoutHiddenFoldersOrLinks) {
  core::PathList dirs = {"erst"};
  core::CollectSubDirs(path("quelle"), dirs);
  EXPECT_EQ(dirs, (core::PathList{"erst", q_ + "alpha", q_ + "leer", q_ + "Sub", q_ + "Sub/Deep"}));
  dirs.clear();
  core::CollectSubDirs(path("quelle") + "/", dirs);
  EXPECT_EQ(dirs.front(), q_ + "alpha") << "one separator, with or without a trailing one";
}

TEST_F(SearchTree, CountFilesFlatRecursiveAndMissing) {
  EXPECT_EQ(core::CountFiles(path("quelle"), false), 7u);
  EXPECT_EQ(core::CountFiles(path("quelle"), true), 10u);
  EXPECT_EQ(core::CountFiles(path("fehlt"), true), 0u);
  EXPECT_EQ(core::CountFiles(path("quelle/leer"), true), 0u);
  // The flag of one count does not carry over to the next search.
  core::CountFiles(path("quelle"), false);
  core::PathList found;
  core::FindAllFiles(path("quelle"), "*.*", found);
  EXPECT_EQ(found.size(), 10u);
}

TEST_F(SearchTree, ScanTreeGivesBothListsInOneWalk) {
  const core::TreeScan scan = core::scanTree(path("quelle"));
  EXPECT_EQ(scan.files.size(), 10u);
  EXPECT_EQ(scan.folders, (core::PathList{q_ + "alpha", q_ + "leer", q_ + "Sub", q_ + "Sub/Deep"}));
}

}  // namespace
