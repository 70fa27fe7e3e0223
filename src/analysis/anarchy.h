// Turns of anarchy after a change of civics.
#pragma once

#include <cstdint>

namespace varnak {

// civics and cities are limited to 0..5 and 0..1000; w, s and e are the world size
// factor and the speed and era percents.
int32_t AnarchyLength(int32_t civics, int32_t cities, int32_t worldFactor, int32_t speedPercent,
                      int32_t eraPercent);

// The same by the indexes of world size, speed and start era (-1 for none): an index
// outside its table takes the game's fall-back factor (8, 2 and 0).
int32_t AnarchyLengthFor(int32_t civics, int32_t cities, int32_t worldSize, int32_t gameSpeed,
                         int32_t startEra);

}  // namespace varnak
