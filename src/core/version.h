// The program's version and the rule that refuses configuration files
// written for an older generation of the program.
#ifndef TAVILO_CORE_VERSION_H
#define TAVILO_CORE_VERSION_H

#include <string_view>

namespace tavilo::core {

// The project's version as the build states it.
inline constexpr const char* ProgVersion = TAVILO_VERSION;

// Accepted when not empty and the first character (byte) is greater than '2':
// "3" and "4.02" pass, "2.9" and "10" fail. Only the first character counts.
bool versionAccepted(std::string_view version);

}  // namespace tavilo::core

#endif
