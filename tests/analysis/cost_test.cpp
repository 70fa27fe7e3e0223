#include <gtest/gtest.h>

#include "analysis/cost.h"

namespace varnak {
namespace {

// Three players: 0 and 1 alive on team 0, 2 alive alone on team 2; the rest dead.
GameModel ThreeTeams() {
  GameModel m;
  for (int p = 0; p < kSlotCount; ++p) m.SlotTable[static_cast<size_t>(p)].SlotTeam = p;
  m.SlotTable[1].SlotTeam = 0;
  m.SlotTable[0].SlotDifficulty = 5;
  m.SlotTable[1].SlotDifficulty = 2;
  m.SlotTable[2].SlotDifficulty = 8;
  m.PlayerAlive[0] = m.PlayerAlive[1] = m.PlayerAlive[2] = 1;
  m.TeamMemberCount[0] = 2;
  m.TeamMemberCount[2] = 1;
  m.WorldSizePercent = 100;
  m.SpeedPercent = 100;
  m.EraPercent = 100;
  return m;
}

TEST(TeamHandicap, AveragesLivingMembersAndDefaultsToNoble) {
  GameModel m = ThreeTeams();
  EXPECT_EQ(GetTeamHandicap(m, 0), 3);  // (5 + 2) / 2, truncated
  EXPECT_EQ(GetTeamHandicap(m, 2), 8);
  EXPECT_EQ(GetTeamHandicap(m, 5), 3);  // nobody alive there
  m.PlayerAlive[1] = 2;                 // any non-zero flag counts as alive
  EXPECT_EQ(GetTeamHandicap(m, 0), 3);
  m.PlayerAlive[1] = 0;
  EXPECT_EQ(GetTeamHandicap(m, 0), 5);
}

TEST(TechCost, ScalesByDifficultyMapSpeedEraAndTeamSize) {
  GameModel m = ThreeTeams();
  // Mysticism, base 50. Team 2 plays Deity: 130 %.
  EXPECT_EQ(TechCost(m, 0, 2), 65);
  // Team 0: Noble 100 %, two members pay (2 - 1) x 50 + 100 = 150 %.
  EXPECT_EQ(TechCost(m, 0, 0), 75);
  // A team of three pays 200 %.
  m.TeamMemberCount[0] = 3;
  EXPECT_EQ(TechCost(m, 0, 1), 100);
  // Each step truncates: Future Tech 10000 at Huge (150), Quick (67), Future era (40).
  m.WorldSizePercent = 150;
  m.SpeedPercent = 67;
  m.EraPercent = 40;
  // 10000 * 130 / 100 = 13000; * 150 / 100 = 19500; * 67 / 100 = 13065; * 40 / 100 = 5226.
  EXPECT_EQ(TechCost(m, 91, 2), 5226);
}

TEST(TechCost, AbsurdFactorsWrapInsteadOfOverflowing) {
  GameModel m = ThreeTeams();
  m.TeamMemberCount[2] = 2147483647;
  EXPECT_NO_FATAL_FAILURE((void)TechCost(m, 91, 2));
  m.SlotTable[2].SlotTeam = 400;  // a team beyond the table counts as a team of one
  EXPECT_EQ(TechCost(m, 0, 2), 65);
}

}  // namespace
}  // namespace varnak
