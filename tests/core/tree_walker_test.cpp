// The walker under attack and at its limits: a bind mount inside the tree, a
// link swapped in during a deletion, a sub-folder that vanishes, a tree deeper
// than any path may be long.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "core/files/file_utils_copy.h"
#include "core/files/file_utils_delete.h"
#include "core/files/file_utils_search.h"
#include "core/files/tree_copy.h"
#include "core/files/tree_walker.h"
#include "core/text.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "support/as_user.h"
#include "support/message_recorder.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
namespace pf = tavilo::platform;
using tavilo::testing::MessageRecorder;
using tavilo::testing::ShownMessage;

namespace {

ShownMessage folderMessage(const std::string& path) {
  return {core::mtError, "", "Kann Ordner \n\n" + core::upperAscii(path), "nicht löschen.", core::mbOK};
}

// A file system that runs `hook` after each listing, before the walker acts
// on the entries: the moment to change the tree under it.
class ListingHook : public pf::FileSystemWrapper {
 public:
  explicit ListingHook(std::function<void(int listing)> hook) : hook_(std::move(hook)) {}
  std::vector<pf::DirEntry> list(const pf::Folder& folder) override {
    std::vector<pf::DirEntry> entries = FileSystemWrapper::list(folder);
    hook_(++listings_);
    return entries;
  }

 private:
  std::function<void(int listing)> hook_;
  int listings_ = 0;
};

class WalkerTree : public tavilo::testing::TempTree {};

TEST_F(WalkerTree, ABindMountInsideTheTreeIsNeitherCountedNorDeleted) {
  writeFile("draussen/bleibt.txt", "bleibt");
  writeFile("baum/a.txt", "a");
  writeFile("baum/z/b.txt", "b");
  makeFolder("baum/eingehaengt");
  const std::string outside = path("draussen"), tree = path("baum"), mountPoint = path("baum/eingehaengt");
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    // A private mount namespace: the bind mount ends with this child.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) ::_exit(77);
    if (::mount(outside.c_str(), mountPoint.c_str(), nullptr, MS_BIND, nullptr) != 0) ::_exit(78);
    std::string report;
    struct Counter : core::WalkVisitor {
      core::WalkStep file(const core::WalkFolder&, const pf::DirEntry&) override {
        ++files;
        return core::WalkStep::Go;
      }
      int files = 0;
    } byDevice;
    core::WalkOptions fallback;
    fallback.useMountIds = false;
    core::walkTree(tree, byDevice, fallback);
    report += "count " + std::to_string(core::CountFiles(tree, true)) + " by device " +
              std::to_string(byDevice.files) + "\n";
    MessageRecorder rec;
    report += std::string("deleted ") + (core::DeleteFolder(tree, false) ? "yes" : "no") + "\n";
    report += rec.serialize();
    tavilo::testing::writeText(pipeFds[1], report);
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string report;
  char buf[4096];
  for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) report.append(buf, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no private mount namespace allowed here";
  ASSERT_EQ(WEXITSTATUS(status), 0) << "the bind mount failed";
  const std::string expected = "count 2 by device 2\ndeleted no\n";
  EXPECT_EQ(report.substr(0, expected.size()), expected);
  EXPECT_EQ(MessageRecorder::parse(report.substr(report.find('\n', report.find("\ndeleted") + 1) + 1)),
            std::vector<ShownMessage>{folderMessage(tree)});
  EXPECT_EQ(readFile("draussen/bleibt.txt"), "bleibt");
  EXPECT_EQ(names("baum"), std::vector<std::string>{"eingehaengt"}) << "the rest of the tree went";
}

TEST_F(WalkerTree, ALinkSwappedInForASubFolderDuringTheDeletionIsNotFollowed) {
  writeFile("baum/a.txt", "a");
  writeFile("baum/Sub/b.txt", "b");
  writeFile("draussen/b.txt", "bleibt");
  writeFile("draussen/tief/c.txt", "bleibt auch");
  ListingHook swap([&](int listing) {
    if (listing != 1) return;  // right after the tree's own listing
    ASSERT_EQ(::rename(path("baum/Sub").c_str(), path("Sub-weg").c_str()), 0);
    ASSERT_EQ(::symlink(path("draussen").c_str(), path("baum/Sub").c_str()), 0);
  });
  MessageRecorder rec;
  core::DeleteFolder(path("baum"), false, swap);
  EXPECT_EQ(readFile("draussen/b.txt"), "bleibt");
  EXPECT_EQ(readFile("draussen/tief/c.txt"), "bleibt auch");
  EXPECT_EQ(readFile("Sub-weg/b.txt"), "b");
}

// Removed after the n-th listing: before its own listing, after it, after
// the listing of the folder behind it, when its files are already listed, and
// (6) while the folders are removed, after its own listing there.
TEST_F(WalkerTree, AVanishingSubFolderCountsAsDeletedWithoutAMessage) {
  for (int vanishAfter : {1, 2, 3, 6}) {
    for (const char* f : {"baum/a.txt", "baum/Sub/1.txt", "baum/Sub/2.txt", "baum/Sub/3.txt", "baum/Z/z.txt"})
      writeFile(f, f);
    ListingHook vanish([&](int listing) {
      if (listing == vanishAfter) tavilo::testing::removeTreeForcibly(path("baum/Sub"));
    });
    MessageRecorder rec;
    EXPECT_TRUE(core::DeleteFolder(path("baum"), false, vanish)) << "vanished after listing " << vanishAfter;
    EXPECT_TRUE(rec.messages.empty()) << "vanished after listing " << vanishAfter << ": " << rec.messages.size()
                                      << " messages, the first " << rec.messages.front();
    EXPECT_FALSE(exists("baum")) << "vanished after listing " << vanishAfter;
  }
}

// 1,500 folders, each holding one file: the deepest path is about 18,000
// bytes, far beyond what one system call takes.
class DeepTree : public tavilo::testing::TempTree {
 protected:
  static constexpr int kDepth = 1500;
  void makeDeepTree(const std::string& rel) {
    makeFolder(rel);
    int dir = ::open(path(rel).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < kDepth && dir >= 0; ++level) {
      const std::string name = "ordner-" + std::to_string(level);
      const int file = ::openat(dir, ("datei-" + std::to_string(level)).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
      ASSERT_GE(file, 0);
      ASSERT_EQ(::write(file, name.data(), name.size()), static_cast<ssize_t>(name.size()));
      ::close(file);
      ASSERT_EQ(::mkdirat(dir, name.c_str(), 0755), 0);
      const int next = ::openat(dir, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      ::close(dir);
      dir = next;
    }
    ASSERT_GE(dir, 0);
    ::close(dir);
  }
};

TEST_F(DeepTree, IsCountedCopiedAndDeletedWhole) {
  makeDeepTree("tief");
  EXPECT_EQ(core::CountFiles(path("tief"), true), static_cast<std::size_t>(kDepth));
  core::PathList found;
  core::FindAllFiles(path("tief"), "*.*", found);
  ASSERT_EQ(found.size(), static_cast<std::size_t>(kDepth));
  EXPECT_GT(found.back().size(), 16000u);
  EXPECT_EQ(found.back().substr(found.back().rfind('/')), "/datei-1499");
  makeFolder("flach");
  EXPECT_TRUE(core::CopyFileBuffered(found.back(), path("flach")));
  EXPECT_EQ(readFile("flach/datei-1499"), "ordner-1499");

  const core::TreeCopyResult copy = core::runTreeCopy(core::planTreeCopy(path("tief"), path("kopie")));
  EXPECT_EQ(copy.copied, static_cast<std::size_t>(kDepth));
  EXPECT_TRUE(copy.failures.empty()) << copy.failures.front().path.substr(0, 200) << ": " << copy.failures.front().reason;
  EXPECT_EQ(core::CountFiles(path("kopie"), true), static_cast<std::size_t>(kDepth));

  MessageRecorder rec;
  EXPECT_TRUE(core::DeleteFolder(path("tief"), false));
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_FALSE(exists("tief"));
  EXPECT_TRUE(core::DeleteFolder(path("kopie"), false));
  EXPECT_FALSE(exists("kopie"));
}

// Only the deepest folders stay open; a closed level is opened again through
// "..". When a folder far above was moved away meanwhile, ".." leads elsewhere:
// the walk must end there instead of going on in a folder that is not its own.
TEST_F(WalkerTree, AFolderMovedAwayAboveTheOpenLevelsEndsTheWalk) {
  std::string rel = "baum";
  for (int level = 0; level < 80; ++level) rel += "/o" + std::to_string(level);
  makeFolder(rel);
  makeFolder("fremd");
  writeFile("fremd/bleibt.txt", "bleibt");
  const std::string moved = path("baum/o0/o1/o2/o3/o4/o5/o6/o7/o8/o9");

  struct Mover : core::WalkVisitor {
    std::string from, to;
    std::vector<std::string> seen;
    core::WalkStep enter(const core::WalkFolder& in, const std::string&) override {
      if (in.depth == 75 && !from.empty()) {
        EXPECT_EQ(::rename(from.c_str(), to.c_str()), 0);
        from.clear();
      }
      return core::WalkStep::Go;
    }
    core::WalkStep file(const core::WalkFolder&, const pf::DirEntry& e) override {
      seen.push_back(e.name);
      return core::WalkStep::Go;
    }
  } mover;
  mover.from = moved;
  mover.to = path("fremd/o9");
  EXPECT_EQ(core::walkTree(path("baum"), mover), core::WalkEnd::LostParent);
  EXPECT_TRUE(mover.seen.empty()) << "listed a file of a folder outside the walk";
}

// A deleted current folder: relative paths must not turn into paths below
// "/". The trap is a folder of this test in /tmp that the old spelling hit.
class GoneCurrentFolder : public tavilo::testing::TempTree {
 protected:
  GoneCurrentFolder() : TempTree("/tmp") {}
};

TEST_F(GoneCurrentFolder, MakesRelativePathsAnErrorNeverAPathBelowTheRoot) {
  writeFile("quelle.txt", "neu");
  writeFile("opfer/bleibt.txt", "bleibt");
  makeFolder("falle");
  makeFolder("weg");
  ASSERT_TRUE(pf::changeFolder(path("weg")));
  ASSERT_EQ(::rmdir(path("weg").c_str()), 0);
  const std::string belowRoot = path().substr(1);  // "tmp/..." spelled from "/"

  EXPECT_EQ(pf::absolutePath(belowRoot + "/falle"), "");
  EXPECT_FALSE(core::CopyFileBuffered(path("quelle.txt"), belowRoot + "/falle"));
  EXPECT_TRUE(names("falle").empty());
  MessageRecorder rec(core::mrYes);
  EXPECT_FALSE(core::DeleteFolder(belowRoot + "/opfer", true));
  EXPECT_EQ(rec.messages, std::vector<ShownMessage>{folderMessage(belowRoot + "/opfer")});
  EXPECT_EQ(readFile("opfer/bleibt.txt"), "bleibt");
}

}  // namespace
