#include <gtest/gtest.h>

#include <limits>

#include "analysis/game_score.h"
#include "support/case_name.h"

namespace varnak {
namespace {

struct GCase {
  const char* name;
  int32_t current, maximal, factor, expected;
};

class GameScorePart : public testing::TestWithParam<GCase> {};

TEST_P(GameScorePart, IsTheTruncatedShareOfTheFactor) {
  const GCase& c = GetParam();
  EXPECT_EQ(gScore(c.current, c.maximal, c.factor), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, GameScorePart,
    testing::Values(GCase{"Half", 300, 600, 5000, 2500}, GCase{"AboveMaximal", 10, 3, 2000, 6666},
                    GCase{"MaximalZero", 5, 0, 1000, 0}, GCase{"MaximalNegative", 5, -4, 1000, 0},
                    GCase{"NegativeCurrentTruncatesTowardZero", -1, 3, 2000, -666},
                    GCase{"HugeFactorSaturates", 2147483647, 1, 2147483647, 2147483647}),
    fixture::CaseName());

struct FCase {
  const char* name;
  int32_t current, initial;
  double coeff;
  int32_t endTurn, turn, factor, maximal, expected;
};

class FinalScorePart : public testing::TestWithParam<FCase> {};

TEST_P(FinalScorePart, ComparesWithTheExpectedValueAtThisTurn) {
  const FCase& c = GetParam();
  EXPECT_EQ(fScore(c.current, c.initial, c.coeff, c.endTurn, c.turn, c.factor, c.maximal),
            c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, FinalScorePart,
    testing::Values(
        // k = 500 / 20 = 25; E = 20 x 25^(t/T).
        FCase{"AtTurnZeroExpectsTheInitialValue", 100, 20, 1.0, 500, 0, 5000, 500, 25000},
        FCase{"HalfWayExpectsTheSquareRoot", 100, 20, 1.0, 500, 250, 5000, 500, 5000},
        FCase{"AtTheEndExpectsTheMaximal", 100, 20, 1.0, 500, 500, 5000, 500, 1000},
        FCase{"NoInitialValueGrowsLinearly", 50, 0, 0.4, 400, 100, 2000, 400, 400},
        FCase{"NoEndTurnExpectsTheInitialValue", 30, 10, 1.0, 0, 100, 1000, 400, 3000},
        FCase{"NothingExpectedGivesFactorTimesCoefficient", 50, 0, 1.2, 400, 0, 2000, 400, 2400},
        FCase{"MaximalBelowInitialMakesKZero", 50, 30, 1.0, 400, 100, 2000, 20, 2000},
        FCase{"NegativeBaseWithFractionScoresNothingExpected", 50, 10, 1.0, 400, 100, 2000, -30,
              2000},
        FCase{"CoefficientScalesLast", 100, 20, 1.6, 500, 0, 5000, 500, 40000}),
    fixture::CaseName());

TEST(TruncToInt32, DropsTheFractionAndSaturates) {
  EXPECT_EQ(TruncToInt32(-2.9L), -2);
  EXPECT_EQ(TruncToInt32(2.9L), 2);
  EXPECT_EQ(TruncToInt32(1e30L), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(TruncToInt32(-1e30L), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(TruncToInt32(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(PlayerScore, AddsTheFourPartsForLivingPlayersOnly) {
  GameModel m;
  m.MaxPopulation = 600;
  m.MaxLand = 300;
  m.MaxTech = 200;
  m.MaxWonders = 0;
  m.PlayerAlive[4] = 1;
  m.PlayerPopScoreWithVassals[4] = 300;   // 2500
  m.PlayerLandScoreWithVassals[4] = 150;  // 1000
  m.PlayerTechScore[4] = 50;              // 500
  m.PlayerWonderScore[4] = 7;             // maximal 0: nothing
  EXPECT_EQ(gPlayerScore(m, 4), 4000);
  m.Factors.PopCoeff = 1000;
  EXPECT_EQ(gPlayerScore(m, 4), 2000);
  m.PlayerAlive[4] = 0;
  EXPECT_EQ(gPlayerScore(m, 4), 0);
}

}  // namespace
}  // namespace varnak
