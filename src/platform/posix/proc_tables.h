// The kernel's mount tables (/proc/self/mounts, /proc/self/mountinfo): lines
// of fields separated by blanks, with blanks inside a field written as octal
// escapes (\040). Read with plain system calls, without C++ streams.
#ifndef TAVILO_PLATFORM_POSIX_PROC_TABLES_H
#define TAVILO_PLATFORM_POSIX_PROC_TABLES_H

#include <string>
#include <vector>

namespace tavilo::platform {

// The lines of the table, each split into its fields (escapes kept); empty
// when the file cannot be read.
std::vector<std::vector<std::string>> readProcTable(const char* path);

// A field with its octal escapes decoded.
std::string unescapeMountField(const std::string& field);

}  // namespace tavilo::platform

#endif
