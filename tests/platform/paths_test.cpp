#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/platform.h"

namespace fs = std::filesystem;
namespace pf = tavilo::platform;

namespace {

class MediumFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* base = std::getenv("TAVILO_TEST_TMP");
    root_ = fs::path(base ? base : "/tmp") / ("paths-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "Bilder" / "Neu");
    std::ofstream(root_ / "Bilder" / "Shot1.JPG") << "x";
    std::ofstream(root_ / "Bilder" / "Neu" / "a b.gif") << "x";
    std::ofstream(root_ / "readme.TXT") << "x";
    dir_ = root_.string() + "/";
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
  std::string dir_;
};

TEST_F(MediumFolder, ConfigurationPathsResolveWindowsSpellings) {
  struct Case { const char* value; std::string expected; };
  const Case cases[] = {
      {"Bilder/Shot1.JPG", dir_ + "Bilder/Shot1.JPG"},
      {"bilder\\shot1.jpg", dir_ + "Bilder/Shot1.JPG"},
      {"BILDER\\NEU\\A B.GIF", dir_ + "Bilder/Neu/a b.gif"},
      {"readme.txt", dir_ + "readme.TXT"},
      {"bilder\\missing.jpg", dir_ + "bilder/missing.jpg"},  // no match: the literal path stays
      {"", dir_},
      {"bilder\\", dir_ + "Bilder/"},
  };
  for (const Case& c : cases) EXPECT_EQ(pf::resolveMediumPath(dir_, c.value), c.expected) << "value: " << c.value;
}

TEST_F(MediumFolder, ListingIsSortedIgnoringCaseWithKinds) {
  fs::create_directories(root_ / "alpha");
  fs::create_directories(root_ / ".hidden");
  fs::create_symlink(root_ / "alpha", root_ / "link-to-alpha");
  std::vector<std::string> names;
  for (const pf::DirEntry& e : pf::listFolder(root_.string())) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{".hidden", "alpha", "Bilder", "link-to-alpha", "readme.TXT"}));
  for (const pf::DirEntry& e : pf::listFolder(root_.string())) {
    if (e.name == "link-to-alpha") {
      EXPECT_TRUE(e.isLink);
      EXPECT_FALSE(e.isFolder) << "a link is never a folder";
    }
    if (e.name == ".hidden") {
      EXPECT_TRUE(e.hidden);
    }
  }
  EXPECT_TRUE(pf::listFolder((root_ / "nothing").string()).empty());
}

TEST(Drives, RootComesFirstAndIsADrive) {
  const auto drives = pf::listDrives();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front(), "/");
  EXPECT_TRUE(pf::isDrive("/"));
  EXPECT_FALSE(pf::isDrive(""));
  EXPECT_FALSE(pf::isDrive("/definitely/not/a/mount"));
  for (const std::string& d : drives) {
    EXPECT_TRUE(pf::isDrive(d)) << d;
    if (d != "/") {
      EXPECT_TRUE(pf::isDrive(d + "/")) << d;
    }
    EXPECT_NE(d, "/proc") << "pseudo file systems are left out";
  }
  EXPECT_TRUE(pf::driveReady("/"));
  EXPECT_FALSE(pf::driveReady("/definitely/not/a/mount"));
}

}  // namespace
