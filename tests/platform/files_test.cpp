// The platform's file services: status, times to the nanosecond, permissions,
// creating and removing, the file handle, mount points.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/as_user.h"
#include "support/temp_tree.h"

namespace pf = tavilo::platform;

namespace {

unsigned modeOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st.st_mode & 07777;
}

class PlatformFiles : public tavilo::testing::TempTree {};

TEST_F(PlatformFiles, StatusFollowsLinksOnlyWhenAsked) {
  writeFile("datei", "12345");
  ASSERT_EQ(::chmod(path("datei").c_str(), 04751), 0);
  ASSERT_EQ(::symlink(path("datei").c_str(), path("verweis").c_str()), 0);
  const pf::FileStatus followed = pf::fileStatus(path("verweis"), true);
  EXPECT_TRUE(followed.valid && followed.isRegular && !followed.isLink);
  EXPECT_EQ(followed.size, 5);
  EXPECT_EQ(followed.permissions, 04751);
  EXPECT_EQ(followed.identity, pf::fileIdentity(path("datei")));
  const pf::FileStatus link = pf::fileStatus(path("verweis"), false);
  EXPECT_TRUE(link.valid && link.isLink && !link.isRegular);
  EXPECT_FALSE(pf::fileStatus(path("fehlt"), true).valid);
  EXPECT_FALSE(pf::fileStatus("", false).valid);
}

TEST_F(PlatformFiles, ModificationTimeToTheNanosecond) {
  writeFile("datei", "x");
  const pf::FileTime times[] = {{0, 0, true}, {1, 1, true}, {1234567890, 123456789, true},
                                {4102444800, 999999999, true}, {-86400, 500, true}};
  for (const pf::FileTime& t : times) {
    EXPECT_TRUE(pf::setModificationTime(path("datei"), t)) << t.seconds << "." << t.nanoseconds;
    EXPECT_EQ(pf::fileStatus(path("datei"), true).modified, t) << t.seconds << "." << t.nanoseconds;
  }
  const pf::FileTime bad[] = {{}, {1, -1, true}, {1, 1000000000, true}};
  for (const pf::FileTime& t : bad) EXPECT_FALSE(pf::setModificationTime(path("datei"), t)) << t.nanoseconds;
  EXPECT_FALSE(pf::setModificationTime(path("fehlt"), {1, 0, true}));
}

TEST_F(PlatformFiles, AddOwnerWriteMeansWriteForFilesAndWriteAndSearchForFolders) {
  writeFile("datei", "x");
  makeFolder("ordner");
  makeFolder("nur-lesen");
  writeFile("ziel-des-links", "x");
  ASSERT_EQ(::symlink(path("ziel-des-links").c_str(), path("verweis").c_str()), 0);
  const struct {
    const char* rel;
    unsigned before, after;
  } cases[] = {{"datei", 0444, 0644}, {"datei", 0000, 0200}, {"ordner", 0555, 0755},
               {"nur-lesen", 0444, 0744}, {"datei", 0640, 0640}};
  for (const auto& c : cases) {
    ASSERT_EQ(::chmod(path(c.rel).c_str(), c.before), 0);
    EXPECT_TRUE(pf::addOwnerWrite(path(c.rel))) << c.rel;
    EXPECT_EQ(modeOf(path(c.rel)), c.after) << c.rel << " from " << std::oct << c.before;
  }
  ASSERT_EQ(::chmod(path("ziel-des-links").c_str(), 0444), 0);
  EXPECT_TRUE(pf::addOwnerWrite(path("verweis")));
  EXPECT_EQ(modeOf(path("ziel-des-links")), 0444u) << "what a link points to is not changed";
  EXPECT_FALSE(pf::addOwnerWrite(path("fehlt")));
}

TEST_F(PlatformFiles, CreateFoldersWithParents) {
  writeFile("datei", "x");
  const struct {
    std::string path;
    bool ok;
  } cases[] = {{path("a/b c/d"), true}, {path("a/b c/d"), true}, {path("x//y/"), true},
               {path("datei/unter"), false}, {"", false}};
  for (const auto& c : cases) EXPECT_EQ(pf::createFolders(c.path), c.ok) << c.path;
  EXPECT_TRUE(pf::isFolder(path("a/b c/d")));
  EXPECT_TRUE(pf::isFolder(path("x/y")));
}

TEST_F(PlatformFiles, RemovingFilesLinksAndFolders) {
  writeFile("datei", "x");
  writeFile("ziel", "bleibt");
  writeFile("voll/drin", "x");
  makeFolder("leer");
  ASSERT_EQ(::symlink(path("ziel").c_str(), path("verweis").c_str()), 0);
  ASSERT_EQ(::symlink(path("voll").c_str(), path("ordner-verweis").c_str()), 0);
  EXPECT_TRUE(pf::removeFile(path("datei")));
  EXPECT_TRUE(pf::removeFile(path("verweis")));
  EXPECT_TRUE(pf::removeFile(path("ordner-verweis")));
  EXPECT_EQ(readFile("ziel"), "bleibt");
  EXPECT_FALSE(pf::removeFile(path("leer")));
  EXPECT_EQ(errno, EISDIR);
  EXPECT_FALSE(pf::removeFile(path("fehlt")));
  EXPECT_FALSE(pf::removeFolder(path("voll")));
  EXPECT_TRUE(pf::removeFolder(path("leer")));
  EXPECT_EQ(names(), (std::vector<std::string>{"voll", "ziel"}));
}

TEST_F(PlatformFiles, RenameReplacesAReadOnlyFile) {
  writeFile("neu", "neu");
  writeFile("alt", "alt");
  ASSERT_EQ(::chmod(path("alt").c_str(), 0444), 0);
  EXPECT_TRUE(pf::renamePath(path("neu"), path("alt")));
  EXPECT_EQ(readFile("alt"), "neu");
  EXPECT_FALSE(pf::renamePath(path("fehlt"), path("alt")));
}

TEST_F(PlatformFiles, TemporaryFilesAreHiddenPrivateAndUnique) {
  pf::File a = pf::File::createTemporary(path());
  pf::File b = pf::File::createTemporary(path() + "/");
  ASSERT_TRUE(a.isOpen() && b.isOpen());
  EXPECT_NE(a.name(), b.name());
  for (const pf::File* f : {&a, &b}) {
    EXPECT_EQ(f->name().rfind(path() + "/.tavilo-", 0), 0u) << f->name();
    EXPECT_EQ(modeOf(f->name()), 0600u) << f->name();
  }
  const std::string data = tavilo::testing::patternBytes(100000);
  EXPECT_TRUE(a.writeAll(data.data(), data.size()));
  EXPECT_TRUE(a.setPermissions(0444));
  EXPECT_TRUE(a.setModificationTime({1000, 1, true}));
  EXPECT_TRUE(a.close());
  EXPECT_FALSE(a.close());
  EXPECT_EQ(a.error().code(), EBADF);
  EXPECT_EQ(modeOf(a.name()), 0444u);
  EXPECT_EQ(pf::fileStatus(a.name(), true).modified, (pf::FileTime{1000, 1, true}));
  pf::File missing = pf::File::createTemporary(path("fehlt"));
  EXPECT_FALSE(missing.isOpen());
  EXPECT_EQ(missing.error().kind(), pf::ErrorKind::NotFound);

  pf::File r = pf::File::openRead(a.name());
  ASSERT_TRUE(r.isOpen());
  std::string back(200000, '\0');
  std::size_t got = 0;
  for (std::int64_t n; (n = r.read(back.data() + got, 16384)) > 0;) got += static_cast<std::size_t>(n);
  back.resize(got);
  EXPECT_EQ(back, data);
}

TEST_F(PlatformFiles, OpenReadNeverBlocksAndReportsErrors) {
  ASSERT_EQ(::mkfifo(path("rohr").c_str(), 0644), 0);
  pf::File fifo = pf::File::openRead(path("rohr"));
  ASSERT_TRUE(fifo.isOpen());
  EXPECT_FALSE(fifo.status().isRegular);
  pf::File missing = pf::File::openRead(path("fehlt"));
  EXPECT_FALSE(missing.isOpen());
  EXPECT_EQ(missing.error().kind(), pf::ErrorKind::NotFound);
  char c;
  EXPECT_EQ(missing.read(&c, 1), -1);
  makeFolder("ordner");
  pf::File folder = pf::File::openRead(path("ordner"));
  ASSERT_TRUE(folder.isOpen());
  EXPECT_EQ(folder.read(&c, 1), -1);
  EXPECT_EQ(folder.error().kind(), pf::ErrorKind::IsFolder);
}

TEST_F(PlatformFiles, SavedFolderReturnsToAFolderThatWasRenamed) {
  makeFolder("vorher");
  makeFolder("woanders");
  ASSERT_TRUE(pf::changeFolder(path("vorher")));
  pf::SavedFolder saved;
  ASSERT_EQ(::rename(path("vorher").c_str(), path("nachher").c_str()), 0);
  ASSERT_TRUE(pf::changeFolder(path("woanders")));
  EXPECT_TRUE(saved.restore());
  EXPECT_EQ(pf::currentFolder(), path("nachher"));
}

TEST_F(PlatformFiles, MountPointsHoweverSpelled) {
  makeFolder("ordner");
  writeFile("datei", "x");
  const struct {
    std::string path;
    bool mount;
  } cases[] = {{"/", true},          {"//", true},          {"/proc", true},        {"/proc/", true},
               {"/proc/self/..", true}, {"/sys", true},    {"/tmp/..", true},      {path("ordner"), false},
               {path("datei"), false}, {path("fehlt"), false}, {"", false}};
  for (const auto& c : cases) EXPECT_EQ(pf::isMountPoint(c.path), c.mount) << c.path;
  for (const std::string& d : pf::listDrives()) EXPECT_TRUE(pf::isMountPoint(d)) << d;
}

class PlatformFilesAsUser : public tavilo::testing::NormalUserTree {};

TEST_F(PlatformFilesAsUser, ListingAFolderWithoutSearchPermissionKeepsItsFoldersFolders) {
  makeFolder("lesbar/unter");
  writeFile("lesbar/datei", "x");
  tavilo::testing::giveToNormalUser(path());
  ASSERT_EQ(::chmod(path("lesbar").c_str(), 0444), 0);
  const std::string folder = path("lesbar");
  const auto child = tavilo::testing::runAsNormalUser([&](int out) {
    for (const pf::DirEntry& e : pf::listFolder(folder))
      tavilo::testing::writeText(out, e.name + (e.isFolder ? "/" : "") + ";");
    return 0;
  });
  EXPECT_EQ(child.exitCode, 0);
  EXPECT_EQ(child.output, "datei;unter/;");
}

}  // namespace

TEST(PlatformErrors, SystemCodesSortIntoKindsAndKeepTheirText) {
  const std::pair<int, pf::ErrorKind> cases[] = {
      {ENOENT, pf::ErrorKind::NotFound},       {EACCES, pf::ErrorKind::AccessDenied},
      {EPERM, pf::ErrorKind::AccessDenied},    {ENOSPC, pf::ErrorKind::NoSpace},
      {EDQUOT, pf::ErrorKind::QuotaExceeded},  {EROFS, pf::ErrorKind::ReadOnlyMedium},
      {EEXIST, pf::ErrorKind::Exists},         {EXDEV, pf::ErrorKind::Other},
      {0, pf::ErrorKind::NoError}};
  for (const auto& [code, kind] : cases) {
    const pf::SystemError e = pf::SystemError::fromNative(code);
    EXPECT_EQ(e.kind(), kind) << code;
    EXPECT_EQ(e.code(), code);
    EXPECT_EQ(e.text().empty(), code == 0) << code;
  }
  EXPECT_EQ(pf::SystemError(pf::ErrorKind::IsFolder).text(), "");
}

TEST_F(PlatformFiles, AStagedFileHasNoNameUntilCommittedAndTakesTheReadOnlyState) {
  writeFile("quelle", "q");
  ASSERT_EQ(::chmod(path("quelle").c_str(), 0444), 0);
  writeFile("alt", "alt");
  ASSERT_EQ(::chmod(path("alt").c_str(), 0444), 0);
  const pf::Folder folder = pf::Folder::open(path());
  const pf::FileStatus like = pf::fileStatus(path("quelle"), true);
  ASSERT_TRUE(like.readOnly);
  {
    pf::StagedFile dropped = folder.stage(like);
    ASSERT_TRUE(dropped.isOpen());
    EXPECT_TRUE(dropped.file().writeAll("weg", 3));
  }
  EXPECT_EQ(folder.list().size(), 2u);  // quelle and alt only

  pf::StagedFile staged = folder.stage(like);
  ASSERT_TRUE(staged.isOpen());
  EXPECT_TRUE(staged.file().writeAll("neu", 3));
  EXPECT_TRUE(staged.commit("alt"));
  EXPECT_EQ(readFile("alt"), "neu");
  EXPECT_TRUE(pf::fileStatus(path("alt"), true).readOnly);
  EXPECT_EQ(folder.list().size(), 2u);
}

TEST_F(PlatformFiles, StagingRemovesOnlyTheTemporariesThatAKilledCopyLeft) {
  writeFile("quelle", "q");
  const char* const left = ".tavilo-Ab12Cd";  // a copy killed in the middle
  const char* const writing = ".tavilo-Xy34Zw";  // a copy that still writes it
  const char* const fresh = ".tavilo-frisch";  // made a moment ago, not yet locked
  for (const char* name : {left, writing, fresh, ".tavilo-Ab12Cd.txt", "tavilo-Ab12Cd", ".tavilo-Ab1"})
    writeFile(name, "halb");
  const timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  for (const char* name : {left, writing, ".tavilo-Ab12Cd.txt", "tavilo-Ab12Cd", ".tavilo-Ab1"})
    ASSERT_EQ(::utimensat(AT_FDCWD, path(name).c_str(), hourAgo, 0), 0);
  const int held = ::open(path(writing).c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  const pf::Folder folder = pf::Folder::open(path());
  { pf::StagedFile dropped = folder.stage(pf::fileStatus(path("quelle"), true)); }
  ::close(held);
  std::vector<std::string> names;
  for (const pf::DirEntry& e : folder.list()) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{".tavilo-Ab1", ".tavilo-Ab12Cd.txt", ".tavilo-frisch", ".tavilo-Xy34Zw",
                                             "quelle", "tavilo-Ab12Cd"}));
}
