// CopyFileBuffered and CopyFileStreamed: contents, names, time stamps to the
// nanosecond, permissions, and the cases where the old target must survive.
#include <sys/stat.h>
#include <unistd.h>

#include "core/error.h"
#include "core/files/file_utils_copy.h"
#include "platform/platform.h"
#include "support/as_user.h"
#include "support/message_recorder.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
namespace pf = tavilo::platform;
using tavilo::testing::MessageRecorder;
using tavilo::testing::patternBytes;

namespace {

constexpr pf::FileTime kStamp{1234567890, 123456789, true};

struct stat statOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st;
}

class CopyTree : public tavilo::testing::TempTree {
 protected:
  void SetUp() override {
    TempTree::SetUp();
    makeFolder("ziel");
  }
  // A source file with a known time stamp and permissions.
  std::string source(const std::string& rel, const std::string& content, int mode = 0644) {
    writeFile(rel, content);
    EXPECT_TRUE(pf::setModificationTime(path(rel), kStamp));
    EXPECT_EQ(::chmod(path(rel).c_str(), static_cast<mode_t>(mode)), 0);
    return path(rel);
  }
};

TEST_F(CopyTree, SizesAroundTheBlockAreCopiedWhole) {
  const std::size_t sizes[] = {0, 1, core::CopyBufferSize - 1, core::CopyBufferSize, core::CopyBufferSize + 1,
                               3 * core::CopyBufferSize, 1000003};
  for (std::size_t n : sizes) {
    const std::string content = patternBytes(n, static_cast<unsigned>(n));
    const std::string src = source("quelle/datei.bin", content);
    MessageRecorder rec;
    ASSERT_TRUE(core::CopyFileBuffered(src, path("ziel"))) << "size " << n;
    EXPECT_EQ(readFile("ziel/datei.bin"), content) << "size " << n;
    EXPECT_EQ(names("ziel"), std::vector<std::string>{"datei.bin"}) << "no temporary left, size " << n;
    EXPECT_TRUE(rec.plain.empty());
  }
}

TEST_F(CopyTree, KeepsTheTimeToTheNanosecondAndThePermissionBits) {
  const struct {
    int mode;
    unsigned expected;
  } cases[] = {{0644, 0644}, {0444, 0444}, {0754, 0754}, {0600, 0600}, {04755, 0755}, {02711, 0711}};
  for (const auto& c : cases) {
    const std::string src = source("quelle/p.sh", "x", c.mode);
    ASSERT_TRUE(core::CopyFileBuffered(src, path("ziel/"))) << std::oct << c.mode;
    const struct stat st = statOf(path("ziel/p.sh"));
    EXPECT_EQ(st.st_mode & 07777, c.expected) << "mode " << std::oct << c.mode;
    EXPECT_EQ(st.st_mtim.tv_sec, kStamp.seconds);
    EXPECT_EQ(st.st_mtim.tv_nsec, kStamp.nanoseconds);
    EXPECT_EQ(core::GetFileDate(path("ziel/p.sh")), kStamp);
  }
}

TEST_F(CopyTree, TargetNamesFolderFileMissingAndRelative) {
  const std::string src = source("quelle/a b*?.txt", "neu");
  makeFolder("ziel/unter");
  ASSERT_EQ(::symlink(path("ziel/unter").c_str(), path("ziel/zum-ordner").c_str()), 0);
  writeFile("ziel/alt.txt", "alt");
  const struct {
    std::string target;
    bool copied;
    std::string written;  // below the tree
  } cases[] = {
      {path("ziel"), true, "ziel/a b*?.txt"},
      {path("ziel") + "//", true, "ziel/a b*?.txt"},
      {path("ziel/alt.txt"), true, "ziel/alt.txt"},
      {path("ziel/zum-ordner"), true, "ziel/unter/a b*?.txt"},  // a link to a folder stays a link
      {"ziel/unter", true, "ziel/unter/a b*?.txt"},            // against the current folder
      {path("ziel/neu.txt"), false, ""},  // a missing target counts as a folder, which is missing
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(pf::changeFolder(path()));
    EXPECT_EQ(core::CopyFileBuffered(src, c.target), c.copied) << "target: " << c.target;
    if (!c.written.empty()) {
      EXPECT_EQ(readFile(c.written), "neu") << "target: " << c.target;
    }
  }
  EXPECT_TRUE(pf::fileStatus(path("ziel/zum-ordner"), false).isLink);
  EXPECT_FALSE(exists("ziel/neu.txt"));
}

TEST_F(CopyTree, AReadOnlyTargetIsReplacedWithoutAsking) {
  const std::string src = source("quelle/f.txt", "neu");
  writeFile("ziel/f.txt", "alt und schreibgeschützt");
  ASSERT_EQ(::chmod(path("ziel/f.txt").c_str(), 0444), 0);
  MessageRecorder rec;
  EXPECT_TRUE(core::CopyFileBuffered(src, path("ziel")));
  EXPECT_EQ(readFile("ziel/f.txt"), "neu");
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(CopyTree, ALinkedSourceIsCopiedAsTheFileItPointsTo) {
  const std::string src = source("quelle/echt.txt", "inhalt", 0640);
  ASSERT_EQ(::symlink(src.c_str(), path("quelle/verweis").c_str()), 0);
  EXPECT_TRUE(core::CopyFileBuffered(path("quelle/verweis"), path("ziel")));
  EXPECT_FALSE(pf::fileStatus(path("ziel/verweis"), false).isLink);
  EXPECT_EQ(readFile("ziel/verweis"), "inhalt");
  EXPECT_EQ(statOf(path("ziel/verweis")).st_mode & 0777, 0640u);
}

// The literal routine deletes the target first; when the target is the
// source, the file is gone. Every spelling of one file must leave it alone.
TEST_F(CopyTree, ASourceIsNeverCopiedOntoItself) {
  const std::string content = patternBytes(50000);
  const std::string src = source("quelle/selbst.bin", content);
  ASSERT_EQ(::link(src.c_str(), path("quelle/hart.bin").c_str()), 0);
  ASSERT_EQ(::symlink(src.c_str(), path("ziel/weich.bin").c_str()), 0);
  ASSERT_EQ(::symlink(path("quelle").c_str(), path("quelle-link").c_str()), 0);
  const std::string folders[] = {path("quelle"), path("quelle") + "/", path("quelle-link")};
  const std::string files[] = {path("quelle/./selbst.bin"), path("quelle//selbst.bin"),
                               path("quelle-link/selbst.bin"), path("quelle/hart.bin"), path("ziel/weich.bin")};
  for (const std::string& t : folders) {
    EXPECT_FALSE(core::CopyFileBuffered(src, t)) << "target: " << t;
    ASSERT_EQ(readFile("quelle/selbst.bin"), content) << "target: " << t;
  }
  for (const std::string& t : files) {
    EXPECT_FALSE(core::CopyFileBuffered(src, t)) << "target: " << t;
    EXPECT_FALSE(core::CopyFileStreamed(src, t)) << "target: " << t;
    ASSERT_EQ(readFile("quelle/selbst.bin"), content) << "target: " << t;
  }
  EXPECT_EQ(names("quelle"), (std::vector<std::string>{"hart.bin", "selbst.bin"})) << "no temporary left";
  EXPECT_TRUE(pf::fileStatus(path("ziel/weich.bin"), false).isLink);
}

TEST_F(CopyTree, SourcesThatAreNoRegularFileFailAndTouchNothing) {
  makeFolder("quelle/ordner");
  ASSERT_EQ(::mkfifo(path("quelle/rohr").c_str(), 0644), 0);  // a FIFO must not block the copy
  writeFile("ziel/ordner", "alt");
  writeFile("ziel/rohr", "alt");
  for (const char* s : {"quelle/ordner", "quelle/rohr", "quelle/fehlt"}) {
    EXPECT_FALSE(core::CopyFileBuffered(path(s), path("ziel"))) << s;
  }
  EXPECT_EQ(readFile("ziel/ordner"), "alt");
  EXPECT_EQ(readFile("ziel/rohr"), "alt");
  EXPECT_EQ(names("ziel"), (std::vector<std::string>{"ordner", "rohr"}));
}

TEST_F(CopyTree, AFolderInTheTargetsPlaceIsNotReplaced) {
  const std::string src = source("quelle/name", "neu");
  writeFile("ziel/name/name/drin.txt", "bleibt");  // ziel/name is the folder, ziel/name/name is in the way
  EXPECT_FALSE(core::CopyFileBuffered(src, path("ziel/name")));
  EXPECT_EQ(readFile("ziel/name/name/drin.txt"), "bleibt");
  EXPECT_EQ(names("ziel/name"), std::vector<std::string>{"name"}) << "no temporary left";
}

TEST_F(CopyTree, StreamedCopyCreatesTheFolderAndKeepsTimeAndPermissions) {
  const std::string src = source("quelle/bild.jpg", patternBytes(70000), 0444);
  MessageRecorder rec;
  EXPECT_TRUE(core::CopyFileStreamed(src, path("neu/tief/kopie.jpg")));
  EXPECT_EQ(readFile("neu/tief/kopie.jpg"), patternBytes(70000));
  EXPECT_EQ(core::GetFileDate(path("neu/tief/kopie.jpg")), kStamp);
  EXPECT_EQ(statOf(path("neu/tief/kopie.jpg")).st_mode & 0777, 0444u);
  EXPECT_TRUE(core::CopyFileStreamed(src, path("neu/tief/kopie.jpg"))) << "over a read-only copy";
  EXPECT_EQ(names("neu/tief"), std::vector<std::string>{"kopie.jpg"});
  EXPECT_TRUE(rec.plain.empty());
}

// The literal routine deletes the target before it knows the source opens.
TEST_F(CopyTree, StreamedCopyOfAMissingSourceKeepsTheOldTarget) {
  writeFile("ziel/bild.jpg", "altes Bild");
  EXPECT_FALSE(core::CopyFileStreamed(path("quelle/fehlt.jpg"), path("ziel/bild.jpg")));
  EXPECT_EQ(readFile("ziel/bild.jpg"), "altes Bild");
}

TEST_F(CopyTree, StreamedCopyThatCannotCreateTheTargetThrows) {
  const std::string src = source("quelle/bild.jpg", "x");
  writeFile("datei", "im Weg");  // a file where the target's folder should be
  try {
    core::CopyFileStreamed(src, path("datei/kopie.jpg"));
    FAIL() << "no error";
  } catch (const core::Error& e) {
    EXPECT_EQ(std::string(e.what()), "Die Datei " + path("datei/kopie.jpg") + " kann nicht erstellt werden");
  }
  EXPECT_EQ(readFile("datei"), "im Weg");
}

TEST_F(CopyTree, GetAndSetFileDate) {
  writeFile("f", "x");
  MessageRecorder rec;
  core::SetFileDate(path("f"), {1700000000, 999999999, true});
  EXPECT_EQ(core::GetFileDate(path("f")), (pf::FileTime{1700000000, 999999999, true}));
  EXPECT_TRUE(rec.plain.empty());
  EXPECT_FALSE(core::GetFileDate(path("fehlt")).valid);
  core::SetFileDate(path("fehlt"), kStamp);
  core::SetFileDate(path("f"), pf::FileTime{});
  EXPECT_EQ(rec.plain, (std::vector<std::string>{"Fehler", "Fehler"}));
}

// As a normal user: the literal routine deletes the target, then fails to
// open the unreadable source, and its loop reports an empty target as done.
class CopyAsUser : public tavilo::testing::NormalUserTree {};

TEST_F(CopyAsUser, AnUnreadableSourceFailsAndTheOldTargetStays) {
  writeFile("quelle/geheim.txt", "geheim");
  writeFile("ziel/geheim.txt", "alt");
  tavilo::testing::giveToNormalUser(path());
  ASSERT_EQ(::chmod(path("quelle/geheim.txt").c_str(), 0000), 0);
  const std::string src = path("quelle/geheim.txt"), dst = path("ziel");
  const auto child = tavilo::testing::runAsNormalUser([&](int) { return core::CopyFileBuffered(src, dst) ? 1 : 0; });
  EXPECT_EQ(child.exitCode, 0);
  EXPECT_EQ(readFile("ziel/geheim.txt"), "alt");
  EXPECT_EQ(names("ziel"), std::vector<std::string>{"geheim.txt"});
}

TEST_F(CopyAsUser, AReadOnlyTargetOfTheUserIsReplaced) {
  writeFile("quelle/f.txt", "neu");
  writeFile("ziel/f.txt", "alt");
  tavilo::testing::giveToNormalUser(path());
  ASSERT_EQ(::chmod(path("ziel/f.txt").c_str(), 0444), 0);
  const std::string src = path("quelle/f.txt"), dst = path("ziel");
  const auto child = tavilo::testing::runAsNormalUser([&](int) { return core::CopyFileBuffered(src, dst) ? 0 : 1; });
  EXPECT_EQ(child.exitCode, 0);
  EXPECT_EQ(readFile("ziel/f.txt"), "neu");
}

TEST_F(CopyAsUser, AFolderTheUserCannotWriteKeepsItsFile) {
  if (!tavilo::testing::runningAsRoot()) GTEST_SKIP() << "needs root to make a folder the user cannot write";
  writeFile("quelle/f.txt", "neu");
  writeFile("ziel/f.txt", "alt");
  tavilo::testing::giveToNormalUser(path());
  ASSERT_EQ(::chown(path("ziel").c_str(), 0, 0), 0);
  const std::string src = path("quelle/f.txt"), dst = path("ziel");
  const auto child = tavilo::testing::runAsNormalUser([&](int) { return core::CopyFileBuffered(src, dst) ? 1 : 0; });
  EXPECT_EQ(child.exitCode, 0);
  EXPECT_EQ(readFile("ziel/f.txt"), "alt");
  EXPECT_EQ(names("ziel"), std::vector<std::string>{"f.txt"});
}

}  // namespace
