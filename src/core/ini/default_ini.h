// The sample configuration that the program writes when none is found.
#ifndef TAVILO_CORE_INI_DEFAULT_INI_H
#define TAVILO_CORE_INI_DEFAULT_INI_H

#include <string>

namespace tavilo::core {

// The maker's homepage, named in the sample entries' links.
inline constexpr const char* kHomepage = "http://www.tavilo.example/";

// The sample file's text: its 63 values written in order through IniWriter,
// `dateText` as "Erstell-Datum". CR LF line ends.
std::string defaultIniText(const std::string& dateText);

}  // namespace tavilo::core

#endif
