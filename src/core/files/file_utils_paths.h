// Path routines of MyUtil32 under their established names. Paths of any
// length in the platform's spelling; the text work is core/path.h's.
#ifndef TAVILO_CORE_FILE_UTILS_PATHS_H
#define TAVILO_CORE_FILE_UTILS_PATHS_H

#include <string>

namespace tavilo::core {

// The path up to and including its last '/', case kept; empty without one.
std::string ExtractFilePathLower(const std::string& path);
// Appends '/' unless the text is empty or already ends in one.
std::string AddBackslash(const std::string& text);
// Removes one trailing '/' (only one).
std::string RemoveBackslash(const std::string& text);
// Every run of two or more `separator`s reduced to one.
std::string CollapseDoubled(const std::string& text, char separator);

// "/" or a listed drive's mount point, with or without one trailing '/'.
bool IsDrivePath(const std::string& path);
// Whether the path is a folder that can be made current; on success the
// process's current folder stays there, on failure it is unchanged.
bool CanEnterDir(const std::string& path);
// The parent of a folder with a trailing '/', a relative folder taken against
// the current folder; a drive path's parent is itself; empty when the folder
// cannot be entered. A successful call leaves the current folder at `folder`.
std::string GetParentDir(const std::string& folder);
// A visible folder (not a link, name not beginning with '.', on Windows
// neither hidden nor system); "/" is one.
bool FolderExists(const std::string& path);
// True when the path's attributes hold every bit of `mask` (platform kAttr*);
// a path that does not exist has every attribute.
bool HasFileAttr(const std::string& path, int mask);
// The platform's temporary folder ("/tmp/", "c:\temp\"), created with its
// parents when missing (a failure is ignored).
std::string GetTempDir();

}  // namespace tavilo::core

#endif
