// The names the image window works out when it copies its picture elsewhere.
#ifndef TAVILO_CORE_PICTURE_COPY_H
#define TAVILO_CORE_PICTURE_COPY_H

#include <string>
#include <string_view>

namespace tavilo::core {

// The file dialog's one filter line for the extension `extension` (with its
// dot, as written): "Image (*.jpg)|*.jpg".
std::string pictureCopyFilter(std::string_view extension);

// `chosen` with the extension `extension`: the name's own extension (from
// its last dot) is replaced, or `extension` appended when it has none. A
// leading dot starts a hidden file's name, not an extension.
std::string withExtension(std::string_view chosen, std::string_view extension);

}  // namespace tavilo::core

#endif
