// What only the Windows side promises: long paths, read-only targets that
// only a finished copy replaces, junctions that no walk or deletion follows,
// drive letters, the system's own errors and how Windows splits parameters.
#ifdef _WIN32

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/files/file_utils_delete.h"
#include "core/files/file_utils_paths.h"
#include "core/files/file_utils_search.h"
#include "platform/platform.h"
#include "platform/win32/native.h"
#include "platform/win32/wide.h"
#include "temp_tree.h"

namespace tavilo::platform {
namespace {

using tavilo::testing::TempTree;
using Win32Files = TempTree;

// A junction as "mklink /j" makes it; false where the system cannot make one.
bool makeJunction(const std::string& link, const std::string& target) {
  const std::wstring at = win32::longPath(link);
  const std::wstring to = win32::withoutLongPrefix(win32::longPath(target));
  if (!::CreateDirectoryW(at.c_str(), nullptr)) return false;
  const HANDLE h = ::CreateFileW(at.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const std::wstring sub = L"\\??\\" + to;
  const std::size_t names = (sub.size() + 1 + to.size() + 1) * sizeof(wchar_t);
  std::vector<char> buffer(16 + names);
  const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
  const WORD head[6] = {static_cast<WORD>(buffer.size() - 8), 0, 0, static_cast<WORD>(sub.size() * 2),
                        static_cast<WORD>((sub.size() + 1) * 2), static_cast<WORD>(to.size() * 2)};
  std::memcpy(buffer.data(), &tag, 4);
  std::memcpy(buffer.data() + 4, head, sizeof head);
  std::memcpy(buffer.data() + 16, sub.c_str(), (sub.size() + 1) * 2);
  std::memcpy(buffer.data() + 16 + (sub.size() + 1) * 2, to.c_str(), (to.size() + 1) * 2);
  DWORD got = 0;
  const bool made = ::DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, buffer.data(), static_cast<DWORD>(buffer.size()),
                                      nullptr, 0, &got, nullptr);
  ::CloseHandle(h);
  if (!made) ::RemoveDirectoryW(at.c_str());
  return made;
}

TEST_F(Win32Files, ReadOnlyTargetIsReplacedByAFinishedCopyOnly) {
  writeFile("source.txt", "new contents");
  writeFile("target.txt", "old");
  ASSERT_TRUE(setPermissions(path("source.txt"), kAttrReadOnly));
  ASSERT_TRUE(setPermissions(path("target.txt"), kAttrReadOnly));
  const Folder here = Folder::open(path());
  File source = here.openFile("source.txt");
  const FileStatus like = source.status();
  const FileTime stamp{1000000000, 123400, true};
  {
    StagedFile staged = here.stage(like);
    ASSERT_TRUE(staged.isOpen());
    ASSERT_GT(source.copyTo(staged.file(), 1 << 20), 0);
    ASSERT_TRUE(staged.file().setModificationTime(stamp));
    EXPECT_EQ(readFile("target.txt"), "old");  // the half-made copy never shows under the name
    ASSERT_TRUE(staged.commit("target.txt")) << staged.error().text();
  }
  EXPECT_EQ(readFile("target.txt"), "new contents");
  const int attributes = fileAttributes(path("target.txt"));
  EXPECT_TRUE(attributes & kAttrReadOnly);
  EXPECT_FALSE(attributes & kAttrHidden);
  EXPECT_EQ(fileStatus(path("target.txt"), true).modified, stamp);
  EXPECT_EQ(listFolder(path()).size(), 2u);  // no temporary left

  // Dropped unfinished, a copy leaves the folder as it was.
  { StagedFile dropped = here.stage(like); }
  EXPECT_EQ(listFolder(path()).size(), 2u);

  // The staged file is hidden until its commit; a hidden source's copy stays so.
  ASSERT_TRUE(setPermissions(path("source.txt"), kAttrHidden));
  {
    StagedFile staged = here.stage(fileStatus(path("source.txt"), true));
    ASSERT_TRUE(staged.commit("hidden.txt")) << staged.error().text();
  }
  EXPECT_EQ(fileAttributes(path("hidden.txt")) & (kAttrHidden | kAttrReadOnly), kAttrHidden);
}

TEST_F(Win32Files, StagingRemovesOnlyTheTemporariesThatAKilledCopyLeft) {
  writeFile("quelle", "q");
  const char* const left = ".tavilo-Ab12Cd";  // a copy killed in the middle
  const char* const leftReadOnly = ".tavilo-Ro34Xy";  // the same, of a read-only source
  for (const char* name : {left, leftReadOnly, ".tavilo-Ab12Cd.txt", "tavilo-Ab12Cd", ".tavilo-Ab1"})
    writeFile(name, "halb");
  ASSERT_TRUE(setPermissions(path(leftReadOnly), kAttrReadOnly | kAttrHidden));
  // A copy that still writes holds its temporary as every staged file is held.
  File writing = File::createTemporary(path());
  ASSERT_TRUE(writing.isOpen());
  const std::string live = writing.name().substr(writing.name().find_last_of("\\/") + 1);

  const Folder folder = Folder::open(path());
  { StagedFile dropped = folder.stage(fileStatus(path("quelle"), true)); }
  // Marked for deletion, a file would still be listed while it is open.
  ASSERT_TRUE(writing.close());
  std::vector<std::string> expected = {".tavilo-Ab1", ".tavilo-Ab12Cd.txt", live, "quelle", "tavilo-Ab12Cd"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names(), expected);
}

TEST_F(Win32Files, PathsLongerThanMaxPathWork) {
  std::string deep = path();
  while (deep.size() < 600) deep += "\\Verzeichnis mit langem Namen \xc3\xbc";
  ASSERT_TRUE(createFolders(deep));
  File made = File::createNew(deep + "\\datei.txt");
  ASSERT_TRUE(made.isOpen()) << made.error().text();
  ASSERT_TRUE(made.writeAll("x", 1) && made.close());
  EXPECT_TRUE(fileExists(deep + "\\datei.txt"));
  EXPECT_EQ(listFolder(deep).size(), 1u);
  PathPlace place = placeOf(deep + "\\datei.txt");
  ASSERT_TRUE(place.folder.isOpen());
  EXPECT_TRUE(place.folder.removeFile(place.name));
  EXPECT_FALSE(fileExists(deep + "\\datei.txt"));
  EXPECT_EQ(win32::longPath(std::string("c:/a/../b")), L"\\\\?\\c:\\b");
  EXPECT_EQ(win32::longPath(std::string("\\\\server\\share\\x")), L"\\\\?\\UNC\\server\\share\\x");
}

// Searches pass over hidden and system sub-folders alike, and neither counts
// as an existing folder; their files are found like any other.
TEST_F(Win32Files, SystemSubFoldersAreNotEnteredLikeHiddenOnes) {
  writeFile("baum\\oben.txt", "o");
  writeFile("baum\\System\\drin.txt", "s");
  writeFile("baum\\Versteckt\\drin.txt", "v");
  writeFile("baum\\Normal\\drin.txt", "n");
  writeFile("baum\\Normal\\sys.txt", "f");
  ASSERT_TRUE(::SetFileAttributesW(win32::longPath(path("baum\\System")).c_str(), FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(::SetFileAttributesW(win32::longPath(path("baum\\Versteckt")).c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(::SetFileAttributesW(win32::longPath(path("baum\\Normal\\sys.txt")).c_str(),
                                   FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN));
  if (!(fileAttributes(path("baum\\System")) & kAttrSystem)) GTEST_SKIP() << "this file system keeps no system attribute";

  EXPECT_TRUE(core::FolderExists(path("baum\\Normal")));
  EXPECT_FALSE(core::FolderExists(path("baum\\System")));
  EXPECT_FALSE(core::FolderExists(path("baum\\Versteckt")));
  EXPECT_EQ(core::CountFiles(path("baum"), true), 3u);
  core::PathList folders;
  core::CollectSubDirs(path("baum"), folders);
  EXPECT_EQ(folders, core::PathList{path("baum") + "\\Normal"});
}

// A bare drive is entered at its root, wherever the drive's own current
// folder is.
TEST_F(Win32Files, CanEnterDirTakesABareDriveAsItsRoot) {
  makeFolder("drin");
  const std::string drive = path().substr(0, 2);
  ASSERT_TRUE(changeFolder(path("drin")));
  EXPECT_TRUE(core::CanEnterDir(drive));
  EXPECT_EQ(currentFolder(), drive + "\\");
}

// Under Wine, which makes no junctions, a symbolic link of the host made by
// its own ln: Wine shows it as a reparse point too.
bool underWine() { return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

std::string unixPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(const wchar_t*);
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* unix = toUnix ? toUnix(win32::longPath(path).c_str()) : nullptr;
  std::string out = unix ? unix : "";
  if (unix) ::HeapFree(::GetProcessHeap(), 0, unix);
  return out;
}

bool makeHostLink(const std::string& link, const std::string& target) {
  std::wstring command = win32::widen("Z:\\bin\\ln -s \"" + unixPath(target) + "\" \"" + unixPath(link) + "\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(L"Z:\\bin\\ln", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
    return false;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  // Wine hands the host program over without a process to wait for: wait
  // for the link itself.
  for (int i = 0; i < 1000 && fileAttributes(link) == kAttrInvalid; ++i) ::Sleep(10);
  return fileAttributes(link) != kAttrInvalid;
}

TEST_F(Win32Files, AJunctionInADeletedTreeIsNotFollowed) {
  makeFolder("outside");
  writeFile("outside\\keep.txt", "keep");
  makeFolder("tree\\sub");
  writeFile("tree\\sub\\gone.txt", "gone");
  const bool wine = underWine();
  const bool made = wine ? makeHostLink(path("tree\\sub\\junction"), path("outside"))
                         : makeJunction(path("tree\\sub\\junction"), path("outside"));
  ASSERT_TRUE(made);
  const Folder sub = Folder::open(path("tree\\sub"));
  EXPECT_FALSE(sub.openSub("junction").isOpen());
  EXPECT_TRUE(sub.status("junction", false).isLink);
  EXPECT_FALSE(fileAttributes(path("tree\\sub\\junction")) & kAttrFolder);
  const bool deleted = core::DeleteFolder(path("tree"), false);
  EXPECT_EQ(readFile("outside\\keep.txt"), "keep");
  EXPECT_FALSE(exists("tree\\sub\\gone.txt"));
  // Windows removes the junction itself; Wine removes no link to a folder
  // through Win32, and then the tree stays with the link alone in it.
  if (!wine) {
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(exists("tree"));
  } else {
    EXPECT_FALSE(deleted);
  }
}

TEST_F(Win32Files, AFileInUseIsReportedBusyAndOneSpellingIsOneFile) {
  writeFile("in use.txt", "x");
  const std::wstring wide = win32::longPath(path("in use.txt"));
  const HANDLE held = ::CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const Folder here = Folder::open(path());
  EXPECT_FALSE(here.removeFile("in use.txt"));
  EXPECT_EQ(here.error().kind(), ErrorKind::Busy);
  EXPECT_FALSE(here.error().text().empty());
  ::CloseHandle(held);
  std::string other = path("IN USE.TXT");
  for (char& c : other) c = c == '\\' ? '/' : c;
  EXPECT_EQ(fileIdentity(path("in use.txt")), fileIdentity(other));
  EXPECT_TRUE(fileIdentity(other).valid);
}

TEST_F(Win32Files, AFileWhoseDeletionIsPendingCountsAsGone) {
  writeFile("weg.txt", "x");
  const std::wstring wide = win32::longPath(path("weg.txt"));
  const HANDLE going = ::CreateFileW(wide.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(going, INVALID_HANDLE_VALUE);
  FILE_DISPOSITION_INFO disposition{TRUE};
  ASSERT_TRUE(::SetFileInformationByHandle(going, FileDispositionInfo, &disposition, sizeof disposition));
  const Folder here = Folder::open(path());
  const File opened = here.openFile("weg.txt");
  const bool removed = here.removeFile("weg.txt");
  const ErrorKind removeError = here.error().kind();
  ::CloseHandle(going);
  if (opened.isOpen()) GTEST_SKIP() << "this system opens a file whose deletion is pending (Wine does)";
  EXPECT_EQ(opened.error().kind(), ErrorKind::NotFound) << opened.error().code();
  EXPECT_TRUE(removed || removeError == ErrorKind::NotFound);
  EXPECT_FALSE(exists("weg.txt"));
}

TEST(Win32Errors, AccessDeniedIsGoneOnlyWhenTheSystemSaidDeletePending) {
  // Each failure as the system leaves it: the Win32 code made from an NT status.
  using ToDosError = ULONG(WINAPI*)(LONG);
  const auto toDosError = reinterpret_cast<ToDosError>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlNtStatusToDosError")));
  ASSERT_NE(toDosError, nullptr);
  const auto failWith = [&](LONG status) {
    ::SetLastError(toDosError(status));
    return win32::lastError();
  };
  const SystemError pending = failWith(static_cast<LONG>(0xC0000056));  // STATUS_DELETE_PENDING
  EXPECT_EQ(pending.kind(), ErrorKind::NotFound) << pending.code();
  const SystemError denied = failWith(static_cast<LONG>(0xC0000022));  // STATUS_ACCESS_DENIED
  EXPECT_EQ(denied.kind(), ErrorKind::AccessDenied);
  EXPECT_EQ(denied.code(), ERROR_ACCESS_DENIED);
}

TEST(Win32Drives, TheSystemDriveIsListedAndAMissingLetterIsNoDrive) {
  const std::vector<std::string> drives = listDrives();
  ASSERT_FALSE(drives.empty());
  EXPECT_TRUE(isDrive("c:") && isDrive("C:\\") && isDrive("c:/"));
  EXPECT_FALSE(isDrive("c:\\windows"));
  EXPECT_TRUE(driveReady("C:\\"));
  char missing = 0;
  const DWORD letters = ::GetLogicalDrives();
  for (char c = 'Z'; c >= 'D' && !missing; --c)
    if (!(letters & (1u << (c - 'A')))) missing = c;
  ASSERT_NE(missing, 0);
  const std::string root = std::string(1, missing) + ":\\";
  EXPECT_FALSE(isDrive(root));
  EXPECT_FALSE(driveReady(root));
}

TEST(Win32Parameters, SplitAsWindowsProgramsSplitTheirCommandLine) {
  EXPECT_EQ(splitParameters(R"(a "b c" d\"e f\\"g h" "" i\j)"),
            (std::vector<std::string>{"a", "b c", "d\"e", "f\\g h", "", "i\\j"}));
  EXPECT_EQ(splitParameters(R"("say ""hi""")"), (std::vector<std::string>{"say \"hi\""}));
}

}  // namespace
}  // namespace tavilo::platform

#endif
