// Texts written into shell commands and scripts that tests make.
#ifndef TAVILO_TESTS_SUPPORT_SHELL_QUOTE_H
#define TAVILO_TESTS_SUPPORT_SHELL_QUOTE_H

#include <string>

namespace tavilo::testing {

// `text` as one word for /bin/sh, whatever it holds (a checkout's path may
// hold blanks and quotes).
inline std::string shellQuoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace tavilo::testing

#endif
