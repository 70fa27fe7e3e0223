#include "analysis/anarchy.h"

#include <algorithm>

namespace varnak {

int32_t AnarchyLength(int32_t civics, int32_t cities, int32_t worldFactor, int32_t speedPercent,
                      int32_t eraPercent) {
  const int32_t n = std::clamp(civics, 0, 5);
  const int32_t c = std::clamp(cities, 0, 1000);
  int32_t length = n + 1 + c * worldFactor / 100;
  length = length * speedPercent / 100;
  length = length * eraPercent / 100;
  if (n > 0 && length < 1) length = 1;
  return length;
}

}  // namespace varnak
