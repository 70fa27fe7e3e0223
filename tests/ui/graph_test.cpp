#include <gtest/gtest.h>

#include <vector>

#include "support/case_name.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

using fixture::FormFixture;

GameModel WithHistory() {
  GameModel m = fixture::TwoPlayerModel();
  m.StartTurn = 75;
  m.ElapsedTurns = 4;
  m.ScoreHistory[0] = {};
  m.ScoreHistory[0][0] = 10;
  m.ScoreHistory[0][3] = 1000;
  m.ScoreHistory[1][1] = 400;
  m.ScoreHistory[1][4] = 5000;  // beyond the turns played: never drawn
  m.EconomyHistory[0][0] = -300;
  m.EconomyHistory[1][2] = 200;
  m.SlotTable[2].SlotName = "No Leader";  // leader -1: never drawn
  m.ScoreHistory[2][0] = 9000;
  return m;
}

TEST(HistoryGraph, DrawsPlayerZeroAloneUnlessAIIsShown) {
  FormFixture f;
  f.Show(WithHistory());
  const ui::ChartControl& c = f.Form.HistoryChart;
  EXPECT_EQ(c.Series[0].Title, "Aurelia");
  EXPECT_TRUE(c.Series[0].InLegend);
  EXPECT_EQ(c.Series[0].Points,
            (std::vector<std::pair<int32_t, int32_t>>{{75, 10}, {76, 0}, {77, 0}, {78, 1000}}));
  EXPECT_FALSE(c.Series[1].InLegend);
  EXPECT_TRUE(c.Series[1].Points.empty());
  EXPECT_EQ(c.AxisMax, 1050);
  EXPECT_EQ(c.AxisMin, -20);

  ASSERT_TRUE(f.Form.UserCheck("ShowAICheckBox", true));
  EXPECT_TRUE(c.Series[1].InLegend);
  EXPECT_EQ(c.Series[1].Title, "Brennus");
  EXPECT_EQ(c.Series[1].Points.size(), 4u);
  EXPECT_FALSE(c.Series[2].InLegend);
  EXPECT_EQ(c.Series[2].Title, "Graph03");
  EXPECT_EQ(c.AxisMax, 1050);
}

TEST(HistoryGraph, EconomyAxisReachesBelowZeroOnlyForNegativeValues) {
  FormFixture f;
  f.Show(WithHistory());
  f.Form.UserCheck("ShowAICheckBox", true);
  ASSERT_TRUE(f.Form.UserSelect("GraphSelect", 1));
  EXPECT_EQ(f.Form.HistoryChart.AxisMin, -315);
  EXPECT_EQ(f.Form.HistoryChart.AxisMax, 210);
  GameModel m = WithHistory();
  m.EconomyHistory[0][0] = 19;
  m.EconomyHistory[1][2] = 0;
  f.Show(m);
  EXPECT_EQ(f.Form.HistoryChart.AxisMin, 0);
  EXPECT_EQ(f.Form.HistoryChart.AxisMax, 19);
}

TEST(HistoryGraph, NoSelectionDrawsZeros) {
  FormFixture f;
  f.Show(WithHistory());
  f.Form.UserSelect("GraphSelect", -1);
  EXPECT_EQ(f.Form.HistoryChart.Series[0].Points.size(), 4u);
  EXPECT_EQ(f.Form.HistoryChart.Series[0].Points[3].second, 0);
  EXPECT_EQ(f.Form.HistoryChart.AxisMax, 0);
}

TEST(HistoryGraph, RestrictedViewDrawsOnlyMetPlayers) {
  FormFixture f;
  GameModel m = WithHistory();
  m.AdminPassword = "pw";
  m.TeamHasMet[0][1] = 0;
  f.Show(m);
  f.Form.ShowAICheckBox.Checked = true;  // hidden, but a script may tick it
  f.Form.UserSelect("GraphSelect", 0);
  EXPECT_FALSE(f.Form.HistoryChart.Series[1].InLegend);

  m.TeamHasMet[0][1] = 1;
  f.Show(m);
  f.Form.ShowAICheckBox.Checked = true;
  f.Form.UserSelect("GraphSelect", 0);
  EXPECT_TRUE(f.Form.HistoryChart.Series[1].InLegend);
  EXPECT_EQ(f.Form.HistoryChart.Series[1].Points.size(), 4u);
}

struct AxisCase {
  const char* name;
  int entry;                    // of GraphSelect
  std::vector<int32_t> values;  // player 0's history, one value per turn
  int32_t min, max;
};

class HistoryAxis : public testing::TestWithParam<AxisCase> {};

// The limits are integer steps that truncate toward zero; only "Economy" looks at
// the lowest value.
TEST_P(HistoryAxis, LimitsFollowTheHighestValueAndForEconomyTheLowest) {
  const AxisCase& c = GetParam();
  GameModel m = fixture::TwoPlayerModel();
  m.ElapsedTurns = static_cast<int32_t>(c.values.size());
  for (size_t j = 0; j < c.values.size(); ++j) {
    m.ScoreHistory[0][j] = c.values[j];
    m.EconomyHistory[0][j] = c.values[j];
  }
  FormFixture f;
  f.Show(m);
  ASSERT_TRUE(f.Form.UserSelect("GraphSelect", c.entry));
  EXPECT_EQ(f.Form.HistoryChart.AxisMin, c.min);
  EXPECT_EQ(f.Form.HistoryChart.AxisMax, c.max);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryAxis,
    testing::Values(AxisCase{"ScoreUpTo1000", 0, {10, 0, 1000}, -20, 1050},
                    AxisCase{"Score19TruncatesBothLimits", 0, {19}, 0, 19},
                    AxisCase{"ScoreIgnoresItsLowestValue", 0, {-500, 100}, -2, 105},
                    AxisCase{"ScoreAllBelowZeroKeepsZero", 0, {-50, -7}, 0, 0},
                    AxisCase{"EconomyBelowZero", 1, {-300, 200}, -315, 210},
                    AxisCase{"EconomyMinusOneTruncatesTowardZero", 1, {-1, 40}, -1, 42},
                    AxisCase{"EconomyWithoutNegativesStartsAtZero", 1, {5, 19}, 0, 19},
                    AxisCase{"NoTurnsPlayed", 0, {}, 0, 0}),
    fixture::CaseName());

TEST(HistoryGraph, MoreTurnsThanTheHistoryHoldsStopAtItsEnd) {
  FormFixture f;
  GameModel m = WithHistory();
  m.ElapsedTurns = 5000;
  f.Show(m);
  EXPECT_EQ(f.Form.HistoryChart.Series[0].Points.size(), static_cast<size_t>(kHistoryTurns));
}

}  // namespace
}  // namespace varnak
