#include "analysis/ordo_score.h"

#include <cmath>

#include "analysis/game_score.h"
#include "model/wrapping.h"
#include "reference/reference_tables.h"

namespace varnak {

int32_t cScore(int32_t factor, int32_t turn, double current, double target, int32_t turnLimit) {
  const int32_t limit = turnLimit <= 0 ? 1500 : turnLimit;
  const long double exponent = static_cast<long double>(turn) / limit;
  // powl gives NaN for a negative base with a fractional exponent; NaN is not
  // above 0, so such a part falls to -1 like a target of 0.
  const long double power = std::pow(static_cast<long double>(target), exponent);
  long double r = -1.0L;
  if (power > 0.0L) r = static_cast<long double>(factor) * current / power;
  // nearbyint rounds halves to even in the default rounding mode; the result of a
  // huge factor over a tiny power can exceed int32 and saturates.
  return TruncToInt32(std::nearbyint(r));
}

int32_t OrdoCultureMaximum(int32_t gameSpeed) {
  const auto& table = reference::OrdoCultureMaxBySpeed;
  return gameSpeed >= 0 && static_cast<size_t>(gameSpeed) < table.size()
             ? table[static_cast<size_t>(gameSpeed)]
             : 50000;
}

int32_t OrdoModernTechPoints(const GameModel& m) {
  int32_t modern = 0;
  for (size_t k = 0; k < kTechs; ++k)
    if (m.TeamHasTech[0][k] != 0 && reference::TechnologyTable[k].TechEra >= reference::kModernEra) ++modern;
  const int32_t robotics = m.TeamHasTech[0][reference::kRobotics] != 0 ? 1 : 0;
  return WrapMul(10, WrapAdd(modern + robotics, m.TeamFutureTechCount[0]));
}

}  // namespace varnak
