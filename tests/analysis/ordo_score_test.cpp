#include <gtest/gtest.h>

#include <limits>

#include "analysis/ordo_score.h"
#include "support/case_name.h"

namespace varnak {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

struct Case {
  const char* name;
  int32_t factor, turn;
  double current, target;
  int32_t turnLimit, expected;
};

class OrdoPart : public testing::TestWithParam<Case> {};

TEST_P(OrdoPart, IsTheFactorTimesTheCurrentOverTheTargetRaisedToTheTurnShare) {
  const Case& c = GetParam();
  EXPECT_EQ(cScore(c.factor, c.turn, c.current, c.target, c.turnLimit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, OrdoPart,
    testing::Values(
        // At the turn limit the exponent is 1: factor x current / target.
        Case{"AtTheTurnLimit", 2500, 300, 400, 800, 300, 1250},
        // Half the turns: the target counts as its square root.
        Case{"HalfTheTurns", 2500, 250, 4, 100, 500, 1000},
        Case{"TurnZeroIgnoresTheTarget", 30, 0, 7, 1e9, 500, 210},
        Case{"BeforeTheStartTheTargetDivides", 2, -100, 3, 10, 100, 60},
        Case{"NoTurnLimitMeans1500Turns", 2500, 750, 4, 100, 0, 1000},
        Case{"NegativeTurnLimitMeans1500Turns", 2500, 750, 4, 100, -3, 1000},
        Case{"HalfRoundsDownToEven", 5, 10, 1, 2, 10, 2},
        Case{"HalfRoundsUpToEven", 7, 10, 1, 2, 10, 4},
        Case{"NegativeHalfRoundsToEven", -5, 10, 1, 2, 10, -2},
        Case{"AboveHalfRoundsUp", 2500, 100, 40, 150, 100, 667},
        Case{"FractionalCurrentCounts", 2500, 100, 123.45, 500, 100, 617},
        Case{"TargetZeroIsMinusOne", 2500, 100, 400, 0, 300, -1},
        Case{"TargetZeroAtTurnZeroIsTheFactorTimesTheCurrent", 3, 0, 4, 0, 300, 12},
        Case{"TargetZeroBeforeTheStartIsZero", 2500, -5, 400, 0, 300, 0},
        Case{"NegativeTargetFractionalPowerIsMinusOne", 2500, 50, 400, -100, 100, -1},
        Case{"NegativeTargetOddPowerIsMinusOne", 2500, 100, 400, -100, 100, -1},
        Case{"NegativeTargetEvenPowerIsPositive", 2500, 200, 400, -100, 100, 100},
        Case{"HugeResultSaturates", kMax, 100, kMax, 1, 100, kMax},
        Case{"HugeNegativeResultSaturates", kMin, 100, kMax, 1, 100, kMin},
        Case{"PowerBeyondRangeGivesZero", 2500, kMax, 400, 10, 1, 0}),
    fixture::CaseName());

}  // namespace
}  // namespace varnak
