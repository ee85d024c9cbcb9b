#include "core/file_name.h"

namespace tavilo::core {

std::string_view fileNamePart(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view fileExtension(std::string_view path) {
  const std::string_view name = fileNamePart(path);
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

}  // namespace tavilo::core
