// The tree copy: what lands where, progress per file and inside large files,
// a target inside the source, a stop, and failures that do not end the copy.
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/tree_copy.h"
#include "platform/platform.h"
#include "support/message_recorder.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
namespace pf = tavilo::platform;
using tavilo::testing::patternBytes;

namespace {

class TreeCopy : public tavilo::testing::TempTree {
 protected:
  // quelle/ a.txt  Sub/b.txt  Sub/Deep/c.txt  .versteckt/h.txt  leer/
  //         datei-link -> a.txt   ordner-link -> ../draussen   tot -> /nirgends
  void makeSource() {
    for (const char* f : {"a.txt", "Sub/b.txt", "Sub/Deep/c.txt", ".versteckt/h.txt"})
      writeFile(std::string("quelle/") + f, f);
    makeFolder("quelle/leer");
    writeFile("draussen/fremd.txt", "fremd");
    ASSERT_EQ(::symlink("a.txt", path("quelle/datei-link").c_str()), 0);
    ASSERT_EQ(::symlink("../draussen", path("quelle/ordner-link").c_str()), 0);
    ASSERT_EQ(::symlink("/nirgends", path("quelle/tot").c_str()), 0);
  }
};

TEST_F(TreeCopy, CopiesFilesWithTheirRelativePathsInWalkOrderAndListsWhatItCouldNot) {
  makeSource();
  const core::TreeCopyPlan plan = core::planTreeCopy(path("quelle"), path("neu/ziel"));
  EXPECT_EQ(plan.files, 6u);
  std::vector<std::string> started;
  const core::TreeCopyResult result = core::runTreeCopy(plan, [&](const core::TreeCopyProgress& p) {
    if (p.bytesDone == 0) started.push_back(std::to_string(p.filesDone) + " " + p.file.substr(path().size()));
    EXPECT_EQ(p.filesTotal, 6u);
    return core::CopyFlow::Go;
  });
  const std::vector<std::string> order = {"0 /quelle/a.txt", "1 /quelle/datei-link", "2 /quelle/ordner-link",
                                          "3 /quelle/tot", "4 /quelle/Sub/b.txt", "5 /quelle/Sub/Deep/c.txt"};
  EXPECT_EQ(started, order);
  EXPECT_EQ(result.copied, 4u);
  EXPECT_FALSE(result.stopped);
  const std::vector<core::CopyFailure> failures = {{path("quelle/ordner-link"), core::copyErrorText(pf::ErrorKind::IsFolder)},
                                                   {path("quelle/tot"), core::copyErrorText(pf::ErrorKind::NotFound)}};
  EXPECT_EQ(result.failures, failures);
  EXPECT_EQ(names("neu/ziel"), (std::vector<std::string>{"Sub", "a.txt", "datei-link", "leer"}));
  EXPECT_EQ(readFile("neu/ziel/datei-link"), "a.txt");
  EXPECT_EQ(readFile("neu/ziel/Sub/Deep/c.txt"), "Sub/Deep/c.txt");
  EXPECT_FALSE(pf::fileStatus(path("neu/ziel/datei-link"), false).isLink);
}

TEST_F(TreeCopy, ATargetInsideTheSourceIsLeftOut) {
  writeFile("quelle/a.txt", "a");
  writeFile("quelle/Sub/b.txt", "b");
  for (bool targetExists : {false, true}) {
    const core::TreeCopyPlan plan = core::planTreeCopy(path("quelle"), path("quelle/Sub/kopie"));
    EXPECT_EQ(plan.files, 2u) << (targetExists ? "with" : "without") << " the target";
    const core::TreeCopyResult result = core::runTreeCopy(plan);
    EXPECT_TRUE(result.failures.empty());
    EXPECT_EQ(names("quelle/Sub/kopie"), (std::vector<std::string>{"Sub", "a.txt"}));
    EXPECT_EQ(names("quelle/Sub/kopie/Sub"), std::vector<std::string>{"b.txt"}) << "no copy of the copy";
  }
}

TEST_F(TreeCopy, AStopInsideALargeFileLeavesNoTraceOfItAndKeepsTheCopiedFiles) {
  writeFile("quelle/1.txt", "eins");
  writeFile("quelle/2.bin", patternBytes(40u << 20));
  writeFile("quelle/3.txt", "drei");
  writeFile("ziel/2.bin", "alt");
  std::uint64_t lastBytes = 0, largestStep = 0;
  int pieces = 0;
  const core::TreeCopyResult result =
      core::runTreeCopy(core::planTreeCopy(path("quelle"), path("ziel")), [&](const core::TreeCopyProgress& p) {
        if (p.file != path("quelle/2.bin") || p.bytesDone == 0) return core::CopyFlow::Go;
        largestStep = std::max(largestStep, p.bytesDone - lastBytes);
        lastBytes = p.bytesDone;
        return ++pieces == 3 ? core::CopyFlow::Stop : core::CopyFlow::Go;
      });
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.copied, 1u);
  EXPECT_LE(largestStep, 16u << 20);
  EXPECT_EQ(names("ziel"), (std::vector<std::string>{"1.txt", "2.bin"})) << "no temporary, no 3.txt";
  EXPECT_EQ(readFile("ziel/2.bin"), "alt");
}

TEST_F(TreeCopy, AFolderThatCannotBeMadeIsListedAndTheRestIsCopied) {
  writeFile("quelle/Sub/b.txt", "b");
  writeFile("quelle/z.txt", "z");
  writeFile("ziel/Sub", "eine Datei im Weg");
  const core::TreeCopyResult result = core::runTreeCopy(core::planTreeCopy(path("quelle"), path("ziel")));
  EXPECT_EQ(result.failures, (std::vector<core::CopyFailure>{{path("quelle/Sub"), core::copyErrorText(pf::ErrorKind::Exists)}}));
  EXPECT_EQ(readFile("ziel/z.txt"), "z");
  EXPECT_EQ(readFile("ziel/Sub"), "eine Datei im Weg");
}

}  // namespace
