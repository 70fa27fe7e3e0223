#include "analysis/game_score.h"

#include <cmath>
#include <limits>

#include "model/wrapping.h"
#include "reference/reference_tables.h"

namespace varnak {
namespace {

// What the game keeps of an intermediate result.
double Stored(long double v) { return static_cast<double>(v); }

long double IntPower(long double base, int64_t exponent) {
  long double result = 1.0L;
  const bool negative = exponent < 0;
  uint64_t e = negative ? static_cast<uint64_t>(-exponent) : static_cast<uint64_t>(exponent);
  long double b = base;
  while (e != 0) {
    if ((e & 1U) != 0) result *= b;
    b *= b;
    e >>= 1U;
  }
  return negative ? 1.0L / result : result;
}

long double Power(long double base, long double exponent) {
  if (exponent == 0.0L) return 1.0L;
  if (base == 0.0L && exponent > 0.0L) return 0.0L;
  if (exponent == std::trunc(exponent) && std::fabs(exponent) < 9.0e18L)
    return IntPower(base, static_cast<int64_t>(exponent));
  return std::exp(exponent * std::log(base));
}

}  // namespace

int32_t TruncToInt32(long double value) {
  if (std::isnan(value)) return 0;
  const long double t = std::trunc(value);
  if (t >= static_cast<long double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (t <= static_cast<long double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(t);
}

int32_t gScore(int32_t current, int32_t maximal, int32_t factor) {
  double r = 0.0;
  if (maximal > 0) r = Stored(static_cast<long double>(current) / maximal);
  r = Stored(static_cast<long double>(factor) * r);
  return TruncToInt32(r);
}

int32_t fScore(int32_t current, int32_t initial, double difficultyCoeff, int32_t endTurn,
               int32_t turn, int32_t factor, int32_t maximal) {
  double expected;
  if (endTurn <= 0) {
    expected = initial;
  } else if (initial > 0) {
    const int32_t k = maximal / initial;
    const long double x = static_cast<long double>(turn) / endTurn;
    expected = Stored(initial * Power(k, x));
  } else {
    expected = Stored(static_cast<long double>(turn) / endTurn * maximal);
  }
  // A negative base with a fractional exponent has no real power: such a part is
  // scored as if nothing were expected, like an expected value of 0.
  if (!std::isfinite(expected)) expected = 0.0;

  double f = factor;
  if (expected > 0.0) f = Stored(WrapMul(factor, current) / static_cast<long double>(expected));
  f = Stored(static_cast<long double>(f) * difficultyCoeff);
  return TruncToInt32(f);
}

void SetDifficultyCoefficient(GameModel& m) {
  const auto& table = reference::DifficultyScoreCoeff;
  if (m.DifficultyLevel >= 0 && static_cast<size_t>(m.DifficultyLevel) < table.size())
    m.DiffCoeff = table[static_cast<size_t>(m.DifficultyLevel)];
}

int32_t gPlayerScore(const GameModel& m, int32_t player) {
  const auto p = static_cast<size_t>(player);
  if (m.PlayerAlive[p] == 0) return 0;
  const GameScoreFactors& f = m.Factors;
  int32_t sum = gScore(m.PlayerPopScoreWithVassals[p], m.MaxPopulation, f.PopCoeff);
  sum = WrapAdd(sum, gScore(m.PlayerLandScoreWithVassals[p], m.MaxLand, f.LandCoeff));
  sum = WrapAdd(sum, gScore(m.PlayerTechScore[p], m.MaxTech, f.TechCoeff));
  sum = WrapAdd(sum, gScore(m.PlayerWonderScore[p], m.MaxWonders, f.WonderCoeff));
  return sum;
}

}  // namespace varnak
