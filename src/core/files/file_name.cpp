#include "core/files/file_name.h"

#include "core/path.h"

namespace tavilo::core {

std::string_view fileNamePart(std::string_view path) { return pathName(path); }

std::string_view fileExtension(std::string_view path) { return pathExtension(path); }

}  // namespace tavilo::core
