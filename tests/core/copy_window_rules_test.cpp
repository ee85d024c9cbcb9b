#include "core/copy_window_rules.h"

#include <gtest/gtest.h>

#include <set>

namespace core = tavilo::core;

namespace {

TEST(CopySourceFolder, TheEntrysFolderOrItsFilesFolderWhenItCanBeEnteredElseTheProgramFolder) {
  const std::set<std::string> enterable = {"/medium/daten/", "/medium/", "/medium/extras/"};
  const auto canEnter = [&](const std::string& f) { return enterable.count(f) > 0; };
  struct Case {
    bool atProgramDir;
    const char* entry;
    const char* expected;
  };
  const Case cases[] = {
      {false, "/medium/daten/setup.exe", "/medium/daten/"},
      {false, "/medium/extras", "/medium/extras/"},    // a folder: that folder, not its parent
      {false, "/medium/extras/", "/medium/extras/"},
      {false, "/medium/fehlt/setup.exe", "/medium/"},  // a folder that cannot be entered
      {false, "", "/medium/"},                         // no entry: never the current folder
      {false, "setup.exe", "/medium/"},                // no folder part
      {true, "/medium/daten/setup.exe", "/medium/"},   // "CD durchsuchen"
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::copySourceFolder(c.atProgramDir, c.entry, "/medium/", canEnter), c.expected)
        << "entry \"" << c.entry << "\" at program dir " << c.atProgramDir;
}

TEST(CopyWindowEnabled, ACopyLeavesOnlyClosingAndTheBoxDecidesTheSourceFileItems) {
  struct Case {
    bool copying, recursive;
    bool folders, startCopy, box, sourceItems;
  };
  const Case cases[] = {
      {false, true, true, true, true, false},
      {false, false, true, true, true, true},
      {true, true, false, false, false, false},
      {true, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    const core::CopyWindowEnabled e = core::copyWindowEnabled(c.copying, c.recursive);
    EXPECT_EQ(e.folders, c.folders) << c.copying << c.recursive;
    EXPECT_EQ(e.startCopy, c.startCopy) << c.copying << c.recursive;
    EXPECT_EQ(e.recursiveBox, c.box) << c.copying << c.recursive;
    EXPECT_EQ(e.sourceFileItems, c.sourceItems) << c.copying << c.recursive;
  }
}

TEST(CopyFailureMessage, ListsTheFirstFewBelowTheSourceAndCountsAllInTheQuestion) {
  using M = core::CopyFailureMessage;
  const auto same = [](const M& a, const M& b) { return a.text == b.text && a.question == b.question; };
  EXPECT_TRUE(same(core::copyFailureMessage({}, "/medium"), M{})) << "nothing failed: no message";
  const std::vector<core::CopyFailure> two = {{"/medium/daten/a.txt", "Permission denied"},
                                              {"/anderswo/b.txt", "No space left on device"}};
  EXPECT_TRUE(same(core::copyFailureMessage(two, "/medium"),
                   M{"daten/a.txt: Permission denied\n/anderswo/b.txt: No space left on device",
                     "2 Dateien konnten nicht kopiert werden."}));
  // The source folder with a trailing '/' and a sibling whose name begins like it.
  EXPECT_TRUE(same(core::copyFailureMessage({{"/medium2/x", "E"}}, "/medium/"),
                   M{"/medium2/x: E", "1 Datei konnte nicht kopiert werden."}));
  std::vector<core::CopyFailure> many;
  for (int i = 1; i <= 8; ++i) many.push_back({"/m/f" + std::to_string(i), "E"});
  EXPECT_TRUE(same(core::copyFailureMessage(many, "/m", 3),
                   M{"f1: E\nf2: E\nf3: E\nund 5 weitere", "8 Dateien konnten nicht kopiert werden."}));
}

}  // namespace
