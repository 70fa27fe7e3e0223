#include "analysis/anarchy.h"

#include <algorithm>

#include "reference/reference_tables.h"

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

namespace {

template <typename Table>
int32_t Pick(const Table& table, int32_t index, int32_t fallback) {
  return index >= 0 && static_cast<size_t>(index) < table.size() ? table[static_cast<size_t>(index)]
                                                                 : fallback;
}

}  // namespace

int32_t AnarchyLengthFor(int32_t civics, int32_t cities, int32_t worldSize, int32_t gameSpeed,
                         int32_t startEra) {
  return AnarchyLength(civics, cities, Pick(reference::AnarchyWorldFactor, worldSize, 8),
                       Pick(reference::AnarchySpeedPercent, gameSpeed, 2),
                       Pick(reference::AnarchyEraPercent, startEra, 0));
}

}  // namespace varnak
