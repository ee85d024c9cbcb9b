#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "support/shell_quote.h"

namespace fs = std::filesystem;
using tavilo::platform::shellOpen;
using tavilo::platform::splitParameters;

namespace {

void writeFile(const fs::path& p, const std::string& text, bool executable) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << text;
  ::chmod(p.c_str(), executable ? 0755 : 0644);
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A temporary medium with a fake desktop opener first on PATH. Every started
// program writes its arguments, one per line, into a record file.
class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* base = std::getenv("TAVILO_TEST_TMP");
    root_ = fs::path(base ? base : "/tmp") / ("launch-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
    writeFile(root_ / "bin" / "xdg-open", recorder("xdg-open"), true);
    oldPath_ = std::getenv("PATH");
    ::setenv("PATH", ((root_ / "bin").string() + ":" + oldPath_).c_str(), 1);
  }
  void TearDown() override {
    ::setenv("PATH", oldPath_.c_str(), 1);
    tavilo::platform::reapChildren();
    fs::remove_all(root_);
  }

  std::string recorder(const std::string& name) const {
    using tavilo::testing::shellQuoted;
    const std::string rec = (root_ / (name + ".rec")).string();
    return "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > " + shellQuoted(rec + ".tmp") + "\nmv " +
           shellQuoted(rec + ".tmp") + " " + shellQuoted(rec) + "\n";
  }

  // Waits for the record of `name` (the programs run without being waited for).
  std::string record(const std::string& name) const {
    const fs::path p = root_ / (name + ".rec");
    for (int i = 0; i < 300 && !fs::exists(p); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return readFile(p);
  }
  bool recorded(const std::string& name) const { return fs::exists(root_ / (name + ".rec")); }

  fs::path root_;
  std::string oldPath_;
};

TEST_F(LaunchTest, FoldersAndAddressesGoToTheDesktopOpener) {
  const fs::path folder = root_ / "medium dir";
  fs::create_directories(folder);
  ASSERT_TRUE(shellOpen(folder.string(), "ignored"));
  EXPECT_EQ(record("xdg-open"), (root_ / "bin" / "xdg-open").string() + "\n" + folder.string() + "\n");

  fs::remove(root_ / "xdg-open.rec");
  ASSERT_TRUE(shellOpen("HTTPS://www.tavilo.example/a b", ""));
  EXPECT_EQ(record("xdg-open"), (root_ / "bin" / "xdg-open").string() + "\nHTTPS://www.tavilo.example/a b\n");

  // An address without its scheme gets the one the Windows shell guesses,
  // unless a file of that name is there.
  for (const auto& [given, opened] : {std::pair{"WWW.tavilo.example/x", "http://WWW.tavilo.example/x"},
                                      std::pair{"ftp.tavilo.example", "ftp://ftp.tavilo.example"}}) {
    fs::remove(root_ / "xdg-open.rec");
    ASSERT_TRUE(shellOpen(given, ""));
    EXPECT_EQ(record("xdg-open"), (root_ / "bin" / "xdg-open").string() + "\n" + opened + "\n");
  }
  writeFile(root_ / "www.liesmich", "text", false);
  const fs::path before = fs::current_path();
  fs::current_path(root_);
  fs::remove(root_ / "xdg-open.rec");
  EXPECT_TRUE(shellOpen("www.liesmich", ""));
  EXPECT_EQ(record("xdg-open"), (root_ / "bin" / "xdg-open").string() + "\nwww.liesmich\n");
  fs::current_path(before);
}

TEST_F(LaunchTest, ExecutableReceivesItsSplitParameters) {
  const fs::path setup = root_ / "setup" / "setup.sh";
  writeFile(setup, recorder("setup"), true);
  ASSERT_TRUE(shellOpen(setup.string(), "/s \"c:\\Program Files\\x\" 'a b'"));
  EXPECT_EQ(record("setup"), setup.string() + "\n/s\nc:\\Program Files\\x\na b\n");
}

TEST_F(LaunchTest, ScriptWithoutExecuteBitRunsThroughTheShell) {
  const fs::path script = root_ / "install.sh";
  writeFile(script, recorder("install"), false);
  ASSERT_TRUE(shellOpen(script.string(), "--quiet"));
  EXPECT_EQ(record("install"), script.string() + "\n--quiet\n");

  const fs::path shebang = root_ / "starter";  // no .sh, but a #! line
  writeFile(shebang, recorder("starter"), false);
  ASSERT_TRUE(shellOpen(shebang.string(), ""));
  EXPECT_EQ(record("starter"), shebang.string() + "\n");
}

TEST_F(LaunchTest, DocumentsAreOpenedAndTheirParametersDropped) {
  const fs::path doc = root_ / "doku" / "Handbuch.pdf";
  writeFile(doc, "%PDF-1.4\n", false);
  ASSERT_TRUE(shellOpen(doc.string(), "/p"));
  EXPECT_EQ(record("xdg-open"), (root_ / "bin" / "xdg-open").string() + "\n" + doc.string() + "\n");
}

TEST_F(LaunchTest, AWindowsProgramFallsBackToTheOpener) {
  const fs::path exe = root_ / "SETUP.EXE";
  writeFile(exe, std::string("MZ\x90\0\3\0\0\0", 8) + std::string(200, '\0'), true);
  ASSERT_TRUE(shellOpen(exe.string(), "/s"));
  EXPECT_EQ(record("xdg-open"), (root_ / "bin" / "xdg-open").string() + "\n" + exe.string() + "\n");
}

TEST_F(LaunchTest, FileNamesAndParametersAreNeverShellCommands) {
  const fs::path odd = root_ / "a;touch x";
  writeFile(odd, recorder("odd"), true);
  ASSERT_TRUE(shellOpen(odd.string(), "$(touch y) `touch z`; touch w"));
  EXPECT_EQ(record("odd"), odd.string() + "\n$(touch\ny)\n`touch\nz`;\ntouch\nw\n");

  const fs::path doc = root_ / "b;touch v.txt";
  writeFile(doc, "text", false);
  ASSERT_TRUE(shellOpen(doc.string(), ""));
  EXPECT_EQ(record("xdg-open"), (root_ / "bin" / "xdg-open").string() + "\n" + doc.string() + "\n");
  for (const char* name : {"x", "y", "z", "w", "v.txt"}) {
    EXPECT_FALSE(fs::exists(root_ / name)) << name;
    EXPECT_FALSE(fs::exists(fs::current_path() / name)) << name;
  }
}

TEST_F(LaunchTest, ChildrenAreReapedWithoutBlocking) {
  const fs::path quick = root_ / "quick.sh";
  writeFile(quick, recorder("quick"), true);
  ASSERT_TRUE(shellOpen(quick.string(), ""));
  record("quick");
  // Until the child has ended: what reapChildren leaves behind must be a
  // running child, never a finished one.
  pid_t left = 0;
  for (int i = 0; i < 3000; ++i) {
    tavilo::platform::reapChildren();
    left = ::waitpid(-1, nullptr, WNOHANG);
    if (left != 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(left, -1) << "a finished child was left as a zombie";
}

TEST_F(LaunchTest, WhatTheDesktopCannotOpenIsReported) {
  const fs::path doc = root_ / "doku" / "notiz.txt";
  writeFile(doc, "Notiz", false);
  // Collects what reapChildren reports until the opener has ended.
  const auto reported = [] {
    std::vector<std::string> all;
    for (int i = 0; i < 3000; ++i) {
      for (std::string& t : tavilo::platform::reapChildren()) all.push_back(std::move(t));
      if (::waitpid(-1, nullptr, WNOHANG) == -1) break;  // no child left
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    for (std::string& t : tavilo::platform::reapChildren()) all.push_back(std::move(t));
    return all;
  };
  ASSERT_TRUE(shellOpen(doc.string(), ""));
  EXPECT_EQ(reported(), std::vector<std::string>{}) << "opened";
  // xdg-open's "no method available".
  writeFile(root_ / "bin" / "xdg-open", "#!/bin/sh\necho 'xdg-open: no method available' >&2\nexit 3\n", true);
  ASSERT_TRUE(shellOpen(doc.string(), ""));
  EXPECT_EQ(reported(), std::vector<std::string>{doc.string()});
  // No opener at all.
  fs::remove(root_ / "bin" / "xdg-open");
  ::setenv("PATH", (root_ / "bin").c_str(), 1);
  EXPECT_FALSE(shellOpen("https://www.tavilo.example/", ""));
  EXPECT_EQ(reported(), std::vector<std::string>{"https://www.tavilo.example/"});
}

TEST(SplitParameters, SplitsLikeAShellWithoutExpanding) {
  struct Case { const char* text; std::vector<std::string> words; };
  const Case cases[] = {
      {"", {}},
      {"   ", {}},
      {"/s", {"/s"}},
      {"  -a   -b\t-c ", {"-a", "-b", "-c"}},
      {"\"C:\\Program Files\\App\"", {"C:\\Program Files\\App"}},
      {"'a b' \"c d\"", {"a b", "c d"}},
      {"x\"y z\"w", {"xy zw"}},
      {"\"\"", {""}},
      {"'it\"s'", {"it\"s"}},
      {"$HOME ~ *", {"$HOME", "~", "*"}},
      {"\"unterminated quote", {"unterminated quote"}},
  };
  for (const Case& c : cases) EXPECT_EQ(splitParameters(c.text), c.words) << "text: " << c.text;
}

}  // namespace
