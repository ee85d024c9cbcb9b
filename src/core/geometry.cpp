#include "core/geometry.h"

#include <cfenv>
#include <cmath>

namespace tavilo::core {

long long roundHalfEven(long double x) {
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const long long r = std::llrintl(x);
  std::fesetround(saved);
  return r;
}

}  // namespace tavilo::core
