// Paths as text, spelled the POSIX way ('/' only, one root "/") or the
// Windows way ('\' and '/' both separate; roots "C:\", "C:", "\\server\share\"
// and "\"). Every routine takes the spelling, by default the platform's own,
// so that both tables are tested on either system. Nothing here asks the
// file system.
#ifndef TAVILO_CORE_PATH_H
#define TAVILO_CORE_PATH_H

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace tavilo::core {

using platform::PathStyle;
inline constexpr PathStyle kNativeStyle = platform::kPathStyle;

bool isSeparator(char c, PathStyle style = kNativeStyle);
// The separator the routines write: '/' or '\'.
char separatorOf(PathStyle style = kNativeStyle);

// The root of an absolute path, or the drive of "C:name": "/", "C:\", "C:",
// "\\server\share\", "\"; empty for a relative path.
std::string_view pathRoot(std::string_view path, PathStyle style = kNativeStyle);
bool isAbsolutePath(std::string_view path, PathStyle style = kNativeStyle);
// The path is a root alone ("/", "C:\", "C:/"): it has no parent and no name.
bool isRootPath(std::string_view path, PathStyle style = kNativeStyle);

// The folder part: up to and including the last separator (or the drive's
// colon); empty without one.
std::string_view pathFolder(std::string_view path, PathStyle style = kNativeStyle);
// What follows the folder part.
std::string_view pathName(std::string_view path, PathStyle style = kNativeStyle);
// The name's extension from its last dot, dot included; empty without a dot.
std::string_view pathExtension(std::string_view path, PathStyle style = kNativeStyle);

// One separator appended unless the text is empty or already ends in one.
std::string withTrailingSeparator(std::string_view path, PathStyle style = kNativeStyle);
// Every trailing separator removed, but a root stays whole ("/", "C:\").
std::string withoutTrailingSeparators(std::string_view path, PathStyle style = kNativeStyle);
// `name` below `folder`; an absolute `name` stands alone.
std::string joinPath(std::string_view folder, std::string_view name, PathStyle style = kNativeStyle);
// The folder that holds the path, with a trailing separator; trailing
// separators of `path` are ignored; a root is its own parent; "" for a name
// without folder.
std::string parentPath(std::string_view path, PathStyle style = kNativeStyle);
// Runs of separators reduced to one (a Windows share's leading "\\" kept).
std::string collapseSeparators(std::string_view path, PathStyle style = kNativeStyle);

// Whether two spellings name one path as the file system compares names:
// exactly on POSIX; on Windows ignoring ASCII case and with '/' and '\' alike.
// Trailing separators do not count.
bool samePath(std::string_view a, std::string_view b, PathStyle style = kNativeStyle);

}  // namespace tavilo::core

#endif
