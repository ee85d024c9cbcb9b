// The parts of a file's name, as written (no case change): the names the
// program has long used for core/path.h's pathName and pathExtension.
#ifndef TAVILO_CORE_FILE_NAME_H
#define TAVILO_CORE_FILE_NAME_H

#include <string_view>

namespace tavilo::core {

// What follows the path's last '/'.
std::string_view fileNamePart(std::string_view path);

// The extension of the path's file name from its last dot, dot included;
// empty when the name has no dot.
std::string_view fileExtension(std::string_view path);

}  // namespace tavilo::core

#endif
