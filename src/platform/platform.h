// Everything Tavilo asks of the operating system. Callers never branch on the
// operating system; platform_posix*.cpp implement this header on Linux.
#ifndef TAVILO_PLATFORM_PLATFORM_H
#define TAVILO_PLATFORM_PLATFORM_H

#include <cstdint>
#include <string>
#include <vector>

namespace tavilo::platform {

// ---------------------------------------------------------------- program

// Full path of the running program file (case kept).
std::string programFile();
// Folder of the running program with one trailing separator (case kept).
std::string programDir();

// The native path separator.
inline constexpr char kSeparator = '/';

// A path value of the configuration file (written with backslashes on
// Windows, any case) appended to `dir`. Backslashes become '/'; when the
// exact path does not exist, each component is matched ignoring ASCII case
// against its folder's entries (first in listing order wins); without a match
// the literal path is returned.
std::string resolveMediumPath(const std::string& dir, const std::string& value);

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

std::string currentFolder();
bool changeFolder(const std::string& path);
std::string absolutePath(const std::string& path);  // against the current folder

// ---------------------------------------------------------------- drives

// "/" first, then the mount points of real file systems in
// /proc/self/mounts order.
std::vector<std::string> listDrives();
bool isDrive(const std::string& path);     // "/" or a listed mount point, one trailing '/' allowed
bool driveReady(const std::string& path);  // statvfs and opendir succeed

// ---------------------------------------------------------------- starting

// ShellExecute "open": hands a file, folder or address with a parameter text
// to the desktop without waiting. Never builds a shell command line.
// Returns whether a process was started (the program never reports it).
bool shellOpen(const std::string& file, const std::string& parameters);
// Splits a parameter text into words as a shell would (quotes group,
// nothing is expanded).
std::vector<std::string> splitParameters(const std::string& text);
// Reaps finished children without blocking.
void reapChildren();

// ---------------------------------------------------------------- windows

// `display` is the X11 Display*, `window` the X11 window id.
// Asks the window manager for no frame and no caption (Motif hints); the
// window keeps its taskbar entry.
void setUndecorated(void* display, unsigned long window);
// Cuts the window to a rounded rectangle from (0,0) to (right,bottom),
// exclusive, with corner ellipses of the given size (X SHAPE extension).
bool setRoundedShape(void* display, unsigned long window, int right, int bottom,
                     int ellipseWidth, int ellipseHeight);

// One row of the rounded rectangle: pixels x0 <= x < x1 of row y.
struct ShapeSpan {
  int y = 0, x0 = 0, x1 = 0;
  friend bool operator==(const ShapeSpan&, const ShapeSpan&) = default;
};
std::vector<ShapeSpan> roundedRectSpans(int right, int bottom, int ellipseWidth, int ellipseHeight);

}  // namespace tavilo::platform

#endif
