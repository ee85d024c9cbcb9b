// DeleteFolder: its messages byte for byte, what goes and what must stay.
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/file_utils_delete.h"
#include "core/files/file_utils_search.h"
#include "core/text.h"
#include "platform/platform.h"
#include "support/as_user.h"
#include "support/message_recorder.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
namespace pf = tavilo::platform;
using tavilo::testing::MessageRecorder;
using tavilo::testing::ShownMessage;

namespace {

ShownMessage driveMessage(const std::string& path) {
  return {core::mtInformation, "",
          "Ordner \n\n" + core::upperAscii(path) + "\n ist Laufwerk\n\nLaufwerk kann nicht gelöscht werden.", "",
          core::mbOK};
}
ShownMessage confirmMessage(const std::string& path) {
  return {core::mtConfirmation, "", "Ordner \n\n" + core::upperAscii(path) + "\n\nmit allen Dateien und Ordnern",
          "LÖSCHEN ?", core::mbJaNein};
}
ShownMessage fileMessage(const std::string& file) {
  return {core::mtError, "", "Kann Datei nicht löschen.\n\n" + core::upperAscii(file), "", core::mbOK};
}
ShownMessage folderMessage(const std::string& path) {
  return {core::mtError, "", "Kann Ordner \n\n" + core::upperAscii(path), "nicht löschen.", core::mbOK};
}

class DeleteTree : public tavilo::testing::TempTree {
 protected:
  // ziel/ a.txt  nur-lesen.txt (0444)  Sub/b.txt  Sub/Tief/c.txt  Gesperrt/ (0555) d.txt
  void makeTree() {
    for (const char* f : {"a.txt", "nur-lesen.txt", "Sub/b.txt", "Sub/Tief/c.txt", "Gesperrt/d.txt"})
      writeFile(std::string("ziel/") + f, f);
    ASSERT_EQ(::chmod(path("ziel/nur-lesen.txt").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(path("ziel/Gesperrt").c_str(), 0555), 0);
  }
};

TEST_F(DeleteTree, DrivesAndMountPointsAreRefusedWithTheDriveMessage) {
  // Every spelling names "/" or a mount point. A faulty refusal must not cost
  // the machine: the root's spellings run only with the question, answered No.
  const std::string rootSpellings[] = {"/", "//", "/tmp/..", "/tmp/../"};
  for (const std::string& p : rootSpellings) {
    MessageRecorder rec(core::mrNo);
    EXPECT_FALSE(core::DeleteFolder(p, true)) << p;
    EXPECT_EQ(rec.messages, std::vector<ShownMessage>{driveMessage(p)}) << "path: " << p;
  }
  const std::string mountSpellings[] = {"/proc", "/proc/", "/proc/.", "/proc/self/..", "/sys"};
  for (const std::string& p : mountSpellings) {
    for (bool confirm : {true, false}) {
      MessageRecorder rec(core::mrNo);
      EXPECT_FALSE(core::DeleteFolder(p, confirm)) << p;
      EXPECT_EQ(rec.messages, std::vector<ShownMessage>{driveMessage(p)}) << "path: " << p << " confirm " << confirm;
    }
  }
  EXPECT_TRUE(pf::isFolder("/proc/self"));
}

TEST_F(DeleteTree, AnEmptyPathDeletesNothingInTheCurrentFolder) {
  makeTree();
  ASSERT_TRUE(pf::changeFolder(path("ziel")));
  MessageRecorder rec;
  EXPECT_FALSE(core::DeleteFolder("", false));
  EXPECT_TRUE(exists("ziel/a.txt"));
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(DeleteTree, AnsweringNoDeletesNothing) {
  makeTree();
  MessageRecorder rec(core::mrNo);
  EXPECT_FALSE(core::DeleteFolder(path("ziel"), true));
  EXPECT_EQ(rec.messages, std::vector<ShownMessage>{confirmMessage(path("ziel"))});
  EXPECT_EQ(core::CountFiles(path("ziel"), true), 5u);
}

TEST_F(DeleteTree, YesDeletesEverythingSilentlyAndLeavesTheCurrentFolderAtTheParent) {
  makeTree();
  ASSERT_TRUE(pf::changeFolder(path("ziel/Sub/Tief")));
  MessageRecorder rec(core::mrYes);
  EXPECT_TRUE(core::DeleteFolder(path("ziel") + "/", true));
  EXPECT_EQ(rec.messages, std::vector<ShownMessage>{confirmMessage(path("ziel") + "/")});
  EXPECT_FALSE(exists("ziel"));
  EXPECT_EQ(pf::currentFolder(), path());
}

TEST_F(DeleteTree, OnlyYesDeletesTheCloseBoxKeepsTheTree) {
  makeTree();
  for (const int answer : {int{core::mrCancel}, int{core::mrOk}, 0}) {
    MessageRecorder rec(answer);
    EXPECT_FALSE(core::DeleteFolder(path("ziel"), true)) << "answer " << answer;
    EXPECT_EQ(rec.messages, std::vector<ShownMessage>{confirmMessage(path("ziel"))});
    EXPECT_EQ(core::CountFiles(path("ziel"), true), 5u) << "answer " << answer;
  }
}

TEST_F(DeleteTree, ARelativePathIsTheFolderBelowTheCurrentFolder) {
  makeTree();
  writeFile("ziel/ziel/innen.txt", "x");  // the trap: entering "ziel" must not make it "ziel/ziel"
  ASSERT_TRUE(pf::changeFolder(path()));
  MessageRecorder rec;
  EXPECT_TRUE(core::DeleteFolder("ziel", false));
  EXPECT_FALSE(exists("ziel"));
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(DeleteTree, LinksAreRemovedAsLinksAndWhatTheyPointToStays) {
  makeTree();
  writeFile("draussen/wichtig.txt", "bleibt");
  writeFile("draussen.txt", "bleibt auch");
  ASSERT_EQ(::chmod(path("draussen").c_str(), 0555), 0);
  ASSERT_EQ(::symlink(path("draussen").c_str(), path("ziel/Sub/ordner-link").c_str()), 0);
  ASSERT_EQ(::symlink(path("draussen.txt").c_str(), path("ziel/datei-link").c_str()), 0);
  ASSERT_EQ(::symlink("/nirgends", path("ziel/tot").c_str()), 0);
  MessageRecorder rec;
  EXPECT_TRUE(core::DeleteFolder(path("ziel"), false));
  EXPECT_FALSE(exists("ziel"));
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(readFile("draussen/wichtig.txt"), "bleibt");
  EXPECT_EQ(readFile("draussen.txt"), "bleibt auch");
  struct stat st;
  ASSERT_EQ(::stat(path("draussen").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0555u) << "the link's target keeps its permissions";
}

TEST_F(DeleteTree, ALinkGivenAsTheFolderGoesAloneItsTargetStays) {
  makeTree();
  ASSERT_EQ(::symlink(path("ziel").c_str(), path("verweis").c_str()), 0);
  MessageRecorder rec;
  EXPECT_TRUE(core::DeleteFolder(path("verweis") + "/", true));
  EXPECT_FALSE(exists("verweis"));
  EXPECT_EQ(core::CountFiles(path("ziel"), true), 5u);
}

TEST_F(DeleteTree, AFlatCountDoesNotMakeALaterDeletionFlat) {
  makeTree();
  EXPECT_EQ(core::CountFiles(path("ziel"), false), 2u);
  MessageRecorder rec;
  EXPECT_TRUE(core::DeleteFolder(path("ziel"), false));
  EXPECT_FALSE(exists("ziel"));
  EXPECT_TRUE(rec.messages.empty()) << (rec.messages.empty() ? ShownMessage{} : rec.messages.front());
}

TEST_F(DeleteTree, AHiddenSubFolderIsNotEnteredAndStopsTheRemoval) {
  makeTree();
  writeFile("ziel/Sub/.versteckt/v.txt", "v");
  MessageRecorder rec;
  EXPECT_FALSE(core::DeleteFolder(path("ziel"), false));
  EXPECT_EQ(rec.messages, std::vector<ShownMessage>{folderMessage(path("ziel"))});
  EXPECT_EQ(names("ziel"), (std::vector<std::string>{"Gesperrt", "Sub"})) << "the files went";
  EXPECT_TRUE(names("ziel/Gesperrt").empty());
  EXPECT_EQ(names("ziel/Sub"), std::vector<std::string>{".versteckt"}) << "Tief, after Sub in the list, went first";
  EXPECT_EQ(readFile("ziel/Sub/.versteckt/v.txt"), "v");
}

TEST_F(DeleteTree, WildcardsAndBlanksInTheNameAreJustCharacters) {
  for (const char* f : {"ziel*/a.txt", "ziel?/b.txt", "zielABC/c.txt", "ziel x/d.txt", "ziel/e.txt"}) writeFile(f, f);
  MessageRecorder rec;
  EXPECT_TRUE(core::DeleteFolder(path("ziel*"), false));
  EXPECT_TRUE(core::DeleteFolder(path("ziel x"), false));
  EXPECT_EQ(names(), (std::vector<std::string>{"ziel", "ziel?", "zielABC"}));
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(DeleteTree, AMissingFolderGivesTheFolderMessage) {
  MessageRecorder rec;
  EXPECT_FALSE(core::DeleteFolder(path("fehlt"), false));
  EXPECT_EQ(rec.messages, std::vector<ShownMessage>{folderMessage(path("fehlt"))});
}

// As a normal user, since root may delete anything: read-only files and
// folders go; a file in a folder the user may not change stays, is reported,
// the other files still go, and the removal stops at the folder message.
class DeleteAsUser : public tavilo::testing::NormalUserTree {};

TEST_F(DeleteAsUser, ReadOnlyFilesAndFoldersAreDeleted) {
  for (const char* f : {"ziel/a.txt", "ziel/nur-lesen.txt", "ziel/Gesperrt/d.txt", "ziel/Gesperrt/Innen/e.txt"})
    writeFile(f, f);
  tavilo::testing::giveToNormalUser(path());
  ASSERT_EQ(::chmod(path("ziel/nur-lesen.txt").c_str(), 0444), 0);
  ASSERT_EQ(::chmod(path("ziel/Gesperrt/Innen").c_str(), 0555), 0);
  ASSERT_EQ(::chmod(path("ziel/Gesperrt").c_str(), 0555), 0);
  ASSERT_EQ(::chmod(path("ziel").c_str(), 0555), 0);
  const std::string ziel = path("ziel");
  const auto child = tavilo::testing::runAsNormalUser([&](int out) {
    MessageRecorder rec;
    const bool gone = core::DeleteFolder(ziel, false);
    tavilo::testing::writeText(out, rec.serialize());
    return gone ? 0 : 1;
  });
  EXPECT_EQ(child.exitCode, 0);
  EXPECT_TRUE(MessageRecorder::parse(child.output).empty()) << MessageRecorder::parse(child.output).front();
  EXPECT_FALSE(exists("ziel"));
}

TEST_F(DeleteAsUser, AFileThatCannotBeDeletedIsReportedTheRestGoesThenTheFolderMessage) {
  if (!tavilo::testing::runningAsRoot()) GTEST_SKIP() << "needs root to make a folder the user cannot change";
  for (const char* f : {"ziel/a.txt", "ziel/Fremd/fest.txt", "ziel/z.txt", "ziel/Zweig/b.txt"}) writeFile(f, f);
  tavilo::testing::giveToNormalUser(path());
  ASSERT_EQ(::chown(path("ziel/Fremd").c_str(), 0, 0), 0);  // root's folder inside the user's tree
  ASSERT_EQ(::chmod(path("ziel/Fremd").c_str(), 0755), 0);
  const std::string ziel = path("ziel");
  const auto child = tavilo::testing::runAsNormalUser([&](int out) {
    MessageRecorder rec;
    const bool gone = core::DeleteFolder(ziel, true);
    tavilo::testing::writeText(out, rec.serialize());
    return gone ? 1 : 0;
  });
  EXPECT_EQ(child.exitCode, 0);
  const std::vector<ShownMessage> expected = {confirmMessage(ziel), fileMessage(ziel + "/Fremd/fest.txt"),
                                              folderMessage(ziel)};
  EXPECT_EQ(MessageRecorder::parse(child.output), expected);
  EXPECT_EQ(names("ziel"), std::vector<std::string>{"Fremd"}) << "a.txt, z.txt and Zweig went";
  EXPECT_EQ(readFile("ziel/Fremd/fest.txt"), "ziel/Fremd/fest.txt");
}

}  // namespace
