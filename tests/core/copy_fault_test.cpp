// Copies under faults injected through the file system they are given: a
// read that fails in the middle or at once, a full disk after a short write,
// in the middle or from the start, a failing close, and a source that
// changes size during the copy. After each failure the old target is there
// byte for byte and no temporary is left.
#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/error.h"
#include "core/files/file_utils_copy.h"
#include "platform/file_system.h"
#include "support/temp_tree.h"

namespace core = tavilo::core;
namespace pf = tavilo::platform;
using tavilo::testing::patternBytes;

namespace {

// Moves the copy's bytes as the system does until a fault is due.
class FaultyFileSystem : public pf::FileSystemWrapper {
 public:
  // The first `bytes` bytes move; then the transfer fails with `kind`.
  std::int64_t failAfter = -1;
  pf::ErrorKind failKind = pf::ErrorKind::IoFailure;
  bool firstShort = false;  // the first transfer moves half of what it may
  bool closeFails = false;
  std::function<void()> afterFirstTransfer;

  std::int64_t transfer(pf::File& from, pf::File& to, std::size_t most, pf::SystemError& error) override {
    ++transfers_;
    if (failAfter >= 0) {
      if (moved_ >= failAfter) {
        error = failKind;
        return -1;
      }
      most = std::min<std::size_t>(most, static_cast<std::size_t>(failAfter - moved_));
    }
    if (firstShort && transfers_ == 1 && most > 1) most /= 2;
    const std::int64_t n = FileSystemWrapper::transfer(from, to, most, error);
    if (n > 0) moved_ += n;
    if (transfers_ == 1 && afterFirstTransfer) afterFirstTransfer();
    return n;
  }

  bool commit(pf::StagedFile& staged, const std::string& name, pf::SystemError& error, bool& closeFailed) override {
    if (!closeFails) return FileSystemWrapper::commit(staged, name, error, closeFailed);
    error = pf::ErrorKind::IoFailure;
    closeFailed = true;
    return false;
  }

 private:
  int transfers_ = 0;
  std::int64_t moved_ = 0;
};

class CopyFaults : public tavilo::testing::TempTree {
 protected:
  void SetUp() override {
    TempTree::SetUp();
    writeFile("quelle/daten.bin", patternBytes(200000, 7));
    writeFile("ziel/daten.bin", old_);
    src_ = path("quelle/daten.bin");
    dir_ = path("ziel");
  }
  void expectOldTargetKept(const std::string& what) {
    EXPECT_EQ(readFile("ziel/daten.bin"), old_) << what;
    EXPECT_EQ(names("ziel"), std::vector<std::string>{"daten.bin"}) << what << ": no temporary left";
  }
  const std::string old_ = patternBytes(30000, 3);
  std::string src_, dir_;
};

TEST_F(CopyFaults, EveryFaultFailsTheCopyAndKeepsTheOldTarget) {
  using Kind = pf::ErrorKind;
  const struct {
    const char* what;
    std::function<void(FaultyFileSystem&)> fault;
  } cases[] = {
      {"read fails after 40000 bytes", [](FaultyFileSystem& fs) { fs.failAfter = 40000; }},
      {"read fails at once", [](FaultyFileSystem& fs) { fs.failAfter = 0; }},
      {"a short transfer, then a full disk",
       [](FaultyFileSystem& fs) {
         fs.firstShort = true;
         fs.failAfter = core::CopyBufferSize / 2;
         fs.failKind = Kind::NoSpace;
       }},
      {"the disk is full after 50000 bytes",
       [](FaultyFileSystem& fs) {
         fs.failAfter = 50000;
         fs.failKind = Kind::NoSpace;
       }},
      {"the disk is full from the start",
       [](FaultyFileSystem& fs) {
         fs.failAfter = 0;
         fs.failKind = Kind::NoSpace;
       }},
      {"close reports an error", [](FaultyFileSystem& fs) { fs.closeFails = true; }},
  };
  for (const auto& c : cases) {
    FaultyFileSystem buffered, streamed;
    c.fault(buffered);
    c.fault(streamed);
    EXPECT_FALSE(core::CopyFileBuffered(src_, dir_, buffered)) << "CopyFileBuffered: " << c.what;
    expectOldTargetKept(std::string("CopyFileBuffered: ") + c.what);
    EXPECT_THROW(core::CopyFileStreamed(src_, dir_ + "/daten.bin", streamed), core::Error)
        << "CopyFileStreamed: " << c.what;
    expectOldTargetKept(std::string("CopyFileStreamed: ") + c.what);
  }
}

TEST_F(CopyFaults, ASourceThatChangesSizeIsCopiedToItsEnd) {
  const struct {
    const char* what;
    std::size_t newSize;
  } cases[] = {{"shrinks", 50000}, {"grows", 300000}, {"shrinks into the first block", 100}};
  for (const auto& c : cases) {
    writeFile("quelle/daten.bin", patternBytes(200000, 7));
    FaultyFileSystem fs;
    fs.afterFirstTransfer = [&] { std::filesystem::resize_file(std::u8string(src_.begin(), src_.end()), c.newSize); };
    ASSERT_TRUE(core::CopyFileBuffered(src_, dir_, fs)) << c.what;
    std::string expected = patternBytes(200000, 7);
    if (c.newSize > expected.size()) expected.resize(c.newSize, '\0');
    // The first block was moved before the change.
    const std::size_t firstBlock = core::CopyBufferSize;
    expected.resize(std::max(c.newSize, firstBlock));
    EXPECT_EQ(readFile("ziel/daten.bin").size(), expected.size()) << c.what;
    EXPECT_EQ(readFile("ziel/daten.bin"), expected) << c.what;
  }
}

}  // namespace
