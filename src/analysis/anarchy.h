// Turns of anarchy after a change of civics.
#pragma once

#include <cstdint>

namespace varnak {

// For `civics` civics changed in an empire of `cities` cities, limited to 0..5 and
// 0..1000; the world size's factor counts per hundred cities, the speed's and the
// era's percents scale the whole.
int32_t AnarchyLength(int32_t civics, int32_t cities, int32_t worldFactor, int32_t speedPercent,
                      int32_t eraPercent);

// The same by the indexes of world size, speed and start era (-1 for none): an index
// outside its table takes the game's fall-back factor (8, 2 and 0).
int32_t AnarchyLengthFor(int32_t civics, int32_t cities, int32_t worldSize, int32_t gameSpeed,
                         int32_t startEra);

}  // namespace varnak
