#include "core/version.h"

namespace tavilo::core {

bool versionAccepted(std::string_view version) {
  // Unsigned, so that a letter outside ASCII passes as it does in an 8-bit set.
  return !version.empty() && static_cast<unsigned char>(version.front()) > static_cast<unsigned char>('2');
}

}  // namespace tavilo::core
