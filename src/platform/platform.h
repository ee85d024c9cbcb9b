// Everything Tavilo asks of the operating system apart from its windows
// (platform/window.h). Callers never branch on the operating system; the
// files under platform/posix implement this header on Linux.
#ifndef TAVILO_PLATFORM_PLATFORM_H
#define TAVILO_PLATFORM_PLATFORM_H

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system_error.h"

namespace tavilo::platform {

// ---------------------------------------------------------------- program

// Full path of the running program file (case kept).
std::string programFile();
// Folder of the running program with one trailing separator (case kept).
std::string programDir();
// The arguments after the program's name, in UTF-8. On Windows they are read
// from the wide command line: main's argv there is in the ANSI code page,
// which cannot hold every name.
std::vector<std::string> programArguments(int argc, char** argv);
// Text the program writes to its console is UTF-8 (Windows' console is told so).
void useUtf8Console();

// How this system spells paths (core/path.h reads both spellings).
enum class PathStyle { Posix, Windows };
#ifdef _WIN32
inline constexpr PathStyle kPathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kPathStyle = PathStyle::Posix;
#endif

// A path value of the configuration file (written with backslashes on
// Windows, any case) appended to `dir`. Backslashes become '/'; when the
// exact path does not exist, each component is matched ignoring ASCII case
// against its folder's entries (first in listing order wins); without a match
// the literal path is returned.
std::string resolveMediumPath(const std::string& dir, const std::string& value);

// The fixed folder that copies go to at first, with one trailing separator:
// "/tmp/" on POSIX, "c:\temp\" on Windows. It may not exist yet.
std::string temporaryFolder();

// ---------------------------------------------------------------- time

// The local date and time as "dd.mm.yyyy hh:mm:ss".
std::string localDateTimeText();

// ---------------------------------------------------------------- files

// A file's last write time at full precision; `valid` false means "none".
struct FileTime {
  std::int64_t seconds = 0;
  std::int64_t nanoseconds = 0;
  bool valid = false;
  friend bool operator==(const FileTime&, const FileTime&) = default;
};

// Windows attribute bits as the program uses them.
inline constexpr int kAttrReadOnly = 1;
inline constexpr int kAttrHidden = 2;
inline constexpr int kAttrSystem = 4;
inline constexpr int kAttrVolume = 8;
inline constexpr int kAttrFolder = 16;
inline constexpr int kAttrArchive = 32;
inline constexpr int kAttrInvalid = -1;  // all bits set, as on Windows

// One entry of a folder listing. `isFolder` is from lstat: a symbolic link is
// never a folder.
struct DirEntry {
  std::string name;
  bool isFolder = false;
  bool isLink = false;
  bool hidden = false;  // name begins with '.'
  bool system = false;  // Windows' system attribute; never set on POSIX
};

// A folder's entries without "." and "..", sorted by name ignoring ASCII case
// (ties by byte order). Empty when the folder cannot be read.
std::vector<DirEntry> listFolder(const std::string& path);

bool fileExists(const std::string& path);    // exists and is not a folder
bool isFolder(const std::string& path);      // a folder (links followed)
int fileAttributes(const std::string& path); // kAttr* bits, or kAttrInvalid

// Identity of a file (device and inode), to tell whether two paths name one file.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool valid = false;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
FileIdentity fileIdentity(const std::string& path);  // links followed

// Empty when the current folder cannot be read (deleted, for example).
std::string currentFolder();
bool changeFolder(const std::string& path);
// Against the current folder; empty for a relative path when the current
// folder cannot be read, never a path below "/".
std::string absolutePath(const std::string& path);

// What stat (links followed) or lstat says about a path; `valid` false when
// the call failed.
struct FileStatus {
  bool valid = false;
  bool isRegular = false;
  bool isFolder = false;
  bool isLink = false;        // only when links are not followed
  bool isFifo = false, isDevice = false, isSocket = false;
  int permissions = 0;        // the system's access rights, for the platform's own use
  bool readOnly = false;      // the owner may not write
  std::int64_t size = 0;
  FileTime modified;
  FileIdentity identity;
};
FileStatus fileStatus(const std::string& path, bool followLinks);

// Modification time; links followed. The access time is left as it is.
bool setModificationTime(const std::string& path, const FileTime& time);
bool setPermissions(const std::string& path, int mode);  // links followed
// The POSIX meaning of "attributes to 0": owner write, and owner execute for
// a folder. A link is left alone (its target may lie anywhere) and counts as done.
bool addOwnerWrite(const std::string& path);

// Creates the folder and every missing parent; true when it is a folder afterwards.
bool createFolders(const std::string& path);
// unlink: a link goes as a link. Folders are refused.
bool removeFile(const std::string& path);
// rmdir: an empty folder only.
bool removeFolder(const std::string& path);
// What a symbolic link says (readlink); empty when `path` is no link.
std::string linkTarget(const std::string& path);
// rename(2): atomically replaces an existing file `to`, read-only or not.
bool renamePath(const std::string& from, const std::string& to);

// An open file that is closed on destruction. Every call keeps the reason of
// its failure in error(); interrupted calls are retried.
class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Links followed. Never blocks on a FIFO or device; status() tells the kind.
  static File openRead(const std::string& path);
  // A new file of mode 0600 with a unique hidden name in `folder`, made with
  // O_EXCL so that nothing existing is touched; name() gives its path.
  static File createTemporary(const std::string& folder);
  // A new file at `path` for writing, readable by everyone, made only where
  // nothing at all exists under that name: never through or over a link, even
  // one that leads nowhere (error() kind Exists then).
  static File createNew(const std::string& path);

  bool isOpen() const { return fd_ >= 0; }
  SystemError error() const { return error_; }
  const std::string& name() const { return name_; }
  FileStatus status();  // fstat of the open file

  // Bytes read, 0 at the end of the file, -1 on error.
  std::int64_t read(void* buffer, std::size_t size);
  // Writes everything, continuing after partial writes; false when a write
  // fails or makes no progress (a full disk).
  bool writeAll(const void* buffer, std::size_t size);
  bool setModificationTime(const FileTime& time);
  bool setPermissions(int mode);
  // The usual rights of a new document: the owner reads and writes, everyone
  // else reads.
  bool setReadableByAll();
  // Copies up to `size` bytes from this file's position to the end of
  // `target` in the kernel (copy_file_range), or through a buffer where the
  // kernel cannot; 0 at the end of this file, -1 on error (in error()).
  std::int64_t copyTo(File& target, std::size_t size);
  // Closes and reports the close error (delayed write errors show up here).
  bool close();

 private:
  friend class Folder;
  friend class StagedFile;
  File(int fd, std::string name);
  std::int64_t copyThroughBuffer(File& target, std::size_t size);
  int fd_ = -1;
  SystemError error_;
  bool kernelCopy_ = true;
  bool kernelCopied_ = false;
  std::string name_;
};

// Remembers the current folder by a handle, so that it can be re-entered even
// when its path has changed, is too long or has become unreadable.
class SavedFolder {
 public:
  SavedFolder();
  ~SavedFolder();
  SavedFolder(const SavedFolder&) = delete;
  SavedFolder& operator=(const SavedFolder&) = delete;
  bool restore();

 private:
  int fd_ = -1;
};

// ---------------------------------------------------------------- drives

// "/" first, then the mount points of real file systems in
// /proc/self/mounts order.
std::vector<std::string> listDrives();
bool isDrive(const std::string& path);     // "/" or a listed mount point, one trailing '/' allowed
bool driveReady(const std::string& path);  // statvfs and opendir succeed
// Any mounted file system's root (pseudo file systems too), however the path
// is spelled: "/", a mount listed in /proc/self/mounts, or a folder whose
// device differs from its parent's.
bool isMountPoint(const std::string& path);

// ---------------------------------------------------------------- starting

// How shellOpen hands a file over: started directly (a regular file with
// execute permission), through /bin/sh (a regular file that begins with "#!"
// or ends in ".sh"), or to the desktop's opener (anything else).
enum class OpenKind { Direct, Shell, Desktop };
OpenKind openKind(const std::string& file);

// What handing an existing local file to shellOpen comes to by this system's
// rules, for the medium checker. Each side gives only its own notes.
enum class StartNote {
  Starts,          // started as a program or script
  // POSIX: handed to the desktop's opener, or a script that fails
  WindowsProgram,  // .exe, .com, .bat, .cmd, .msi or "MZ": a program of Windows, which cannot start here
  NoExecute,       // a program (ELF) without execute permission
  NoExtension,     // neither executable nor a script, and without an extension
  Document,        // neither executable nor a script
  ScriptLineEnds,  // a script with CR LF line ends, which /bin/sh cannot run
  // Windows: opened with the program registered for its extension
  Registered,
  Unregistered,    // no program is registered for its extension on this computer
  Extensionless,   // without an extension, so with no program to open it
};
StartNote startNote(const std::string& file);

// ShellExecute "open": hands a file, folder or address with a parameter text
// to the desktop without waiting. Never builds a shell command line.
// The process runs in `workingFolder`; without one (or when it is no folder)
// in the folder of a local file, else in the person's home folder.
// Returns whether a process was started.
bool shellOpen(const std::string& file, const std::string& parameters, const std::string& workingFolder = {});
// The window that shellOpen hands to the shell as the owner of what it shows
// (an elevation prompt, an installer's first window), so that those come up in
// front of the menu: on Windows an HWND; 0 for none. Nothing on POSIX.
void setShellOwner(std::uintptr_t window);
// The person's home folder ($HOME, else the password database's), "/" when
// neither is a folder.
std::string homeFolder();
// Splits a parameter text into words as a shell would (quotes group,
// nothing is expanded).
std::vector<std::string> splitParameters(const std::string& text);
// Reaps finished children without blocking. Returns what the desktop's opener
// was given and could not open (no opener, no such file, no program for it,
// the program failed), in the order the failures were seen.
std::vector<std::string> reapChildren();

}  // namespace tavilo::platform

#include "platform/folder.h"

#endif
