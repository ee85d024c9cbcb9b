#include "core/picture_copy.h"

#include "core/files/file_name.h"

namespace tavilo::core {

std::string pictureCopyFilter(std::string_view extension) {
  std::string filter = "Image (*";
  filter += extension;
  filter += ")|*";
  filter += extension;
  return filter;
}

std::string withExtension(std::string_view chosen, std::string_view extension) {
  const std::string_view name = fileNamePart(chosen);
  const auto dot = name.rfind('.');
  const std::size_t keep = dot == std::string_view::npos || dot == 0 ? chosen.size() : chosen.size() - name.size() + dot;
  std::string result(chosen.substr(0, keep));
  result += extension;
  return result;
}

}  // namespace tavilo::core
