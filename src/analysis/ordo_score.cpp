#include "analysis/ordo_score.h"

#include <cmath>

#include "analysis/game_score.h"

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

}  // namespace varnak
