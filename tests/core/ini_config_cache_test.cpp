// The parsed configuration is reused only while the file is provably
// unchanged; every edit on disk shows at the next read.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "core/ini/config_cache.h"
#include "core/ini/config_file.h"
#include "core/ini/file_stamp.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
using tavilo::testing::TempTree;

namespace {

constexpr std::int64_t kSecond = 1'000'000'000;

TEST(FileStamp, SettledRule) {
  const std::int64_t now = 1'800'000'000 * kSecond;
  struct Case {
    const char* what;
    std::int64_t modified, changed;
    bool settled;
  };
  const Case cases[] = {
      {"both old", now - 60 * kSecond, now - 60 * kSecond, true},
      {"just past the margin", now - core::kStampSettleNs - 1, now - core::kStampSettleNs - 1, true},
      {"at the margin", now - core::kStampSettleNs, now - 60 * kSecond, false},
      {"changed recently, modified long ago (touch -d)", now - 3600 * kSecond, now - kSecond, false},
      {"modified recently", now - kSecond, now - 60 * kSecond, false},
      {"modified in the future", now + 3600 * kSecond, now - 60 * kSecond, false},
      {"changed in the future", now - 60 * kSecond, now + kSecond, false},
  };
  for (const Case& c : cases) {
    core::FileStamp s;
    s.valid = s.regular = true;
    s.modifiedNs = c.modified;
    s.changedNs = c.changed;
    EXPECT_EQ(core::stampSettled(s, now), c.settled) << c.what;
  }
  EXPECT_FALSE(core::stampSettled(core::FileStamp{}, now));
}

class ConfigCacheTest : public TempTree {
 protected:
  // Rewrites the file in place (same inode), as an editor that saves in place does.
  void rewriteInPlace(const std::string& rel, const std::string& content) {
    const int fd = ::open(path(rel).c_str(), O_WRONLY | O_TRUNC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    ::close(fd);
  }
  void setModified(const std::string& rel, const timespec& t) {
    const timespec times[2] = {{0, UTIME_OMIT}, t};
    ASSERT_EQ(::utimensat(AT_FDCWD, path(rel).c_str(), times, 0), 0);
  }
  timespec modified(const std::string& rel) {
    struct stat st;
    EXPECT_EQ(::stat(path(rel).c_str(), &st), 0);
    return st.st_mtim;
  }
  std::string version(const std::string& rel) {
    return core::ConfigFile(path(rel)).ReadIniString("Programm", "Version");
  }
};

std::string ini(const char* version) { return std::string("[Programm]\r\nVersion=") + version + "\r\n"; }

TEST_F(ConfigCacheTest, AFreshFileIsReadAgainAtEveryUse) {
  writeFile("a.ini", ini("3.00"));
  EXPECT_EQ(version("a.ini"), "3.00");
  const auto before = core::configCacheStats();
  rewriteInPlace("a.ini", ini("4.00"));  // same size, within the same tick
  EXPECT_EQ(version("a.ini"), "4.00");
  EXPECT_EQ(version("a.ini"), "4.00");
  const auto after = core::configCacheStats();
  EXPECT_EQ(after.reuses, before.reuses) << "a fresh stamp proves nothing";
  EXPECT_EQ(after.parses, before.parses + 1);
  EXPECT_EQ(after.rereads, before.rereads + 1) << "the same bytes again need no parse";
}

// One wait lets every file settle; then each is edited in its own way.
TEST_F(ConfigCacheTest, EditsOfASettledFileAreSeen) {
  const char* files[] = {"inplace.ini", "sametime.ini", "past.ini", "renamed.ini", "deleted.ini", "kept.ini"};
  for (const char* f : files) writeFile(f, ini("3.00"));
  std::this_thread::sleep_for(std::chrono::nanoseconds(core::kStampSettleNs + kSecond / 5));

  for (const char* f : files) EXPECT_EQ(version(f), "3.00") << f;
  const auto settled = core::configCacheStats();
  for (const char* f : files) EXPECT_EQ(version(f), "3.00") << f;
  EXPECT_EQ(core::configCacheStats().reuses, settled.reuses + std::size(files)) << "settled files are reused";
  EXPECT_EQ(core::configCacheStats().parses, settled.parses);

  rewriteInPlace("inplace.ini", ini("4.00"));

  // Same inode, same size, the old modification time put back: only the
  // change time tells.
  const timespec old = modified("sametime.ini");
  rewriteInPlace("sametime.ini", ini("4.00"));
  setModified("sametime.ini", old);

  rewriteInPlace("past.ini", ini("4.00"));
  setModified("past.ini", timespec{978'307'200, 0});  // touch -d 2001-01-01

  writeFile("neu.tmp", ini("4.00"));
  setModified("neu.tmp", modified("renamed.ini"));
  ASSERT_EQ(::rename(path("neu.tmp").c_str(), path("renamed.ini").c_str()), 0);

  ASSERT_EQ(::unlink(path("deleted.ini").c_str()), 0);

  EXPECT_EQ(version("inplace.ini"), "4.00");
  EXPECT_EQ(version("sametime.ini"), "4.00");
  EXPECT_EQ(version("past.ini"), "4.00");
  EXPECT_EQ(version("renamed.ini"), "4.00");
  EXPECT_EQ(version("deleted.ini"), "");
  EXPECT_EQ(version("kept.ini"), "3.00");

  writeFile("deleted.ini", ini("5.00"));
  EXPECT_EQ(version("deleted.ini"), "5.00");
}

TEST_F(ConfigCacheTest, AFileThatBecomesUnreadableReadsEmpty) {
  writeFile("a.ini", ini("3.00"));
  EXPECT_EQ(version("a.ini"), "3.00");
  ASSERT_EQ(::unlink(path("a.ini").c_str()), 0);
  makeFolder("a.ini");
  EXPECT_EQ(version("a.ini"), "");
}

}  // namespace
