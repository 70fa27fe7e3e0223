#include "analysis/calendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <limits>
#include <string>
#include <tuple>

#include "reference/reference_tables.h"

namespace varnak {
namespace {

struct DateCase {
  const char* name;
  int32_t speed;
  int32_t turn;
  int32_t elapsedBefore;
  int32_t year;
  const char* month;
  int32_t elapsedAfter;
};

// Names the row instead of dumping its bytes in test listings.
void PrintTo(const DateCase& c, std::ostream* os) { *os << c.name; }

class Turn2DateCases : public testing::TestWithParam<DateCase> {};

TEST_P(Turn2DateCases, GivesYearMonthAndBoundsElapsedTurns) {
  const DateCase& c = GetParam();
  std::string month = "stale";  // a previous call's month must never survive
  int32_t elapsed = c.elapsedBefore;
  EXPECT_EQ(Turn2Date(c.speed, c.turn, month, elapsed), c.year);
  EXPECT_EQ(month, c.month);
  EXPECT_EQ(elapsed, c.elapsedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, Turn2DateCases,
    testing::Values(
        // Normal: each change of pace, and the half-year turns at the end.
        DateCase{"NormalTurn0", kSpeedNormal, 0, 7, -4000, "", 7},
        DateCase{"NormalTurn75", kSpeedNormal, 75, 7, -1000, "", 7},
        DateCase{"NormalTurn76", kSpeedNormal, 76, 7, -975, "", 7},
        DateCase{"NormalTurn440HasNoMonth", kSpeedNormal, 440, 7, 2020, "", 7},
        DateCase{"NormalTurn441", kSpeedNormal, 441, 7, 2020, "Jul", 7},
        DateCase{"NormalTurn442", kSpeedNormal, 442, 7, 2021, "Jan", 7},
        DateCase{"NormalLastTurnKeepsElapsed", kSpeedNormal, 500, 450, 2050, "Jan", 450},
        DateCase{"NormalStart100Plus450Elapsed", kSpeedNormal, 550, 450, 2075, "Jan", 500},
        // Marathon: the quarterly and monthly stretches.
        DateCase{"MarathonTurn100", kSpeedMarathon, 100, 7, -2500, "", 7},
        DateCase{"MarathonTurn101", kSpeedMarathon, 101, 7, -2490, "", 7},
        DateCase{"MarathonTurn901", kSpeedMarathon, 901, 7, 1881, "Jul", 7},
        DateCase{"MarathonTurn1083Quarter", kSpeedMarathon, 1083, 7, 1971, "Oct", 7},
        DateCase{"MarathonTurn1344Quarterly", kSpeedMarathon, 1344, 7, 2037, "Jan", 7},
        DateCase{"MarathonTurn1345Monthly", kSpeedMarathon, 1345, 7, 2037, "Feb", 7},
        DateCase{"MarathonTurn1355", kSpeedMarathon, 1355, 7, 2037, "Dec", 7},
        DateCase{"MarathonTurn1356", kSpeedMarathon, 1356, 7, 2038, "Jan", 7},
        DateCase{"MarathonPastLastTurn", kSpeedMarathon, 1501, 7, 2050, "Feb", 1500},
        // Epic.
        DateCase{"EpicTurn140", kSpeedEpic, 140, 7, -500, "", 7},
        DateCase{"EpicTurn141", kSpeedEpic, 141, 7, -485, "", 7},
        DateCase{"EpicTurn431", kSpeedEpic, 431, 7, 1841, "", 7},
        DateCase{"EpicTurn531", kSpeedEpic, 531, 7, 1940, "Jul", 7},
        DateCase{"EpicPastLastTurn", kSpeedEpic, 751, 7, 2050, "Jul", 750},
        // Quick.
        DateCase{"QuickTurn51", kSpeedQuick, 51, 7, -960, "", 7},
        DateCase{"QuickTurn330", kSpeedQuick, 330, 7, 2050, "", 7},
        DateCase{"QuickTurn331BoundsElapsed", kSpeedQuick, 331, 7, 2051, "", 330},
        // A negative turn resets the elapsed count, whatever the speed.
        DateCase{"NegativeTurnNormal", kSpeedNormal, -1, 7, -4040, "", 0},
        DateCase{"NegativeTurnMarathon", kSpeedMarathon, -10, 7, -4150, "", 0},
        DateCase{"NegativeTurnUnknownSpeed", 4, -1, 7, kUnknownYear, "", 0},
        // An unknown speed has no calendar and no turn limit.
        DateCase{"Speed4", 4, 100, 1700, kUnknownYear, "", 1700},
        DateCase{"SpeedMinus1", -1, 100, 7, kUnknownYear, "", 7}),
    [](const testing::TestParamInfo<DateCase>& row) { return std::string(row.param.name); });

// Every turn of every speed must be a later date than the one before it; a
// wrong constant in any stretch makes dates jump back or repeat at a seam.
TEST(Turn2Date, DatesStrictlyAdvanceOverEveryTurnOfEverySpeed) {
  const auto monthIndex = [](const std::string& month) {
    for (std::size_t i = 0; i < reference::MonthNames.size(); ++i) {
      if (reference::MonthNames[i] == month) return static_cast<int>(i);
    }
    return month.empty() ? 0 : -1;
  };
  const int32_t lastTurns[] = {1500, 750, 500, 330};
  for (int32_t speed = kSpeedMarathon; speed <= kSpeedQuick; ++speed) {
    std::tuple<int32_t, int> previous{std::numeric_limits<int32_t>::min(), 0};
    for (int32_t turn = 0; turn <= lastTurns[speed]; ++turn) {
      std::string month;
      int32_t elapsed = 1;
      const int32_t year = Turn2Date(speed, turn, month, elapsed);
      const int index = monthIndex(month);
      ASSERT_GE(index, 0) << "speed " << speed << " turn " << turn << " month " << month;
      const std::tuple<int32_t, int> date{year, index};
      ASSERT_LT(previous, date) << "speed " << speed << " turn " << turn;
      ASSERT_EQ(elapsed, 1) << "speed " << speed << " turn " << turn;
      previous = date;
    }
  }
}

TEST(Turn2Date, ExtremeTurnsDoNotCrash) {
  std::string month;
  int32_t elapsed = 9;
  Turn2Date(kSpeedQuick, std::numeric_limits<int32_t>::max(), month, elapsed);
  EXPECT_EQ(elapsed, 330);
  Turn2Date(kSpeedMarathon, std::numeric_limits<int32_t>::max(), month, elapsed);
  EXPECT_EQ(elapsed, 1500);
  Turn2Date(kSpeedNormal, std::numeric_limits<int32_t>::min(), month, elapsed);
  EXPECT_EQ(elapsed, 0);
  EXPECT_EQ(month, "");
}

struct LevelCase {
  const char* name;
  int32_t level;
  const char* text;
  int32_t researchPercent;
};

// Names the row instead of dumping its bytes in test listings.
void PrintTo(const LevelCase& c, std::ostream* os) { *os << c.name; }

class DifficultyLevels : public testing::TestWithParam<LevelCase> {};

TEST_P(DifficultyLevels, NameAndResearchPercent) {
  const LevelCase& c = GetParam();
  EXPECT_EQ(LevelString(c.level), c.text);
  EXPECT_EQ(ResearchDiffCoeff(c.level), c.researchPercent);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, DifficultyLevels,
    testing::Values(LevelCase{"Settler", 0, "Settler", 60},
                    LevelCase{"Chieftain", 1, "Chieftain", 75},
                    LevelCase{"Warlord", 2, "Warlord", 90},
                    LevelCase{"Noble", 3, "Noble", 100},
                    LevelCase{"Prince", 4, "Prince", 110},
                    LevelCase{"Monarch", 5, "Monarch", 115},
                    LevelCase{"Emperor", 6, "Emperor", 120},
                    LevelCase{"Immortal", 7, "Immortal", 125},
                    LevelCase{"Deity", 8, "Deity", 130},
                    LevelCase{"AboveDeity", 9, "Unknown", 100},
                    LevelCase{"Negative", -1, "Unknown", 100},
                    LevelCase{"Int32Min", std::numeric_limits<int32_t>::min(), "Unknown", 100},
                    LevelCase{"Int32Max", std::numeric_limits<int32_t>::max(), "Unknown", 100}),
    [](const testing::TestParamInfo<LevelCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace varnak
