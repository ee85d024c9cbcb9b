// The desktop's settings as X11 desktops publish them (the XSETTINGS
// property): reading one integer from the property's bytes.
#ifndef TAVILO_PLATFORM_POSIX_XSETTINGS_H
#define TAVILO_PLATFORM_POSIX_XSETTINGS_H

#include <optional>
#include <string_view>

namespace tavilo::platform {

// The integer setting `name` (for example "Net/DoubleClickTime") of an
// _XSETTINGS_SETTINGS property; nothing when it is missing, is no integer or
// the data is cut short or malformed.
std::optional<int> xsettingsInteger(std::string_view data, std::string_view name);

}  // namespace tavilo::platform

#endif
