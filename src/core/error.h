// An error met in a routine, carrying the program's own German message. It
// travels to the event handler, which shows it in the application's error box.
#ifndef TAVILO_CORE_ERROR_H
#define TAVILO_CORE_ERROR_H

#include <stdexcept>
#include <string>

namespace tavilo::core {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// `pattern` with its first "%s" replaced by `arg`.
std::string formatMessage(const std::string& pattern, const std::string& arg);

}  // namespace tavilo::core

#endif
