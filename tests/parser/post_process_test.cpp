#include <gtest/gtest.h>

#include "parser/post_process.h"
#include "support/case_name.h"

namespace varnak {
namespace {

// Each slot in its own team, all dead and unnamed: a blank to state a case on.
GameModel Blank() {
  GameModel m;
  for (int p = 0; p < kSlotCount; ++p) {
    m.SlotTable[static_cast<size_t>(p)].SlotTeam = p;
    m.SlotTable[static_cast<size_t>(p)].SlotLeader = -1;
    m.TeamMemberCount[static_cast<size_t>(p)] = 1;
  }
  return m;
}

TEST(RestrictedView, NeedsAnAdminPasswordAndAnUnfinishedGame) {
  GameModel m = Blank();
  DeriveTotals(m);
  EXPECT_EQ(m.RestrictedView, 0);
  m.AdminPassword = "pw";
  DeriveTotals(m);
  EXPECT_EQ(m.RestrictedView, 1);
  m.GameState = 1;
  DeriveTotals(m);
  EXPECT_EQ(m.RestrictedView, 0);
}

TEST(DisplayNames, UnnamedSlotsTakeTheirLeadersName) {
  GameModel m = Blank();
  m.SlotTable[0].SlotName = "Aurelia";
  m.SlotTable[1].SlotLeader = 9;
  m.SlotTable[2].SlotLeader = 53;  // beyond the leader names: stays unnamed
  m.SlotTable[18].SlotName = "Barbarians";
  DeriveTotals(m);
  EXPECT_EQ(m.SlotTable[0].SlotName, "Aurelia");
  EXPECT_EQ(m.SlotTable[1].SlotName, "Churchill");
  EXPECT_EQ(m.SlotTable[2].SlotName, "");
  EXPECT_EQ(m.SlotTable[3].SlotName, "");
  EXPECT_EQ(m.SlotTable[19].SlotName, "");
  EXPECT_EQ(m.NamedPlayerCount, 2);  // slot 18 does not count
  m.SlotTable[5].SlotName = "Cyra";
  DeriveTotals(m);
  EXPECT_EQ(m.NamedPlayerCount, 3);
}

TEST(PopulationShares, AreShareOfTheWorldTotal) {
  GameModel m = Blank();
  DeriveTotals(m);
  EXPECT_EQ(m.WorldPopulation, 0);
  EXPECT_EQ(m.PlayerPopulationShare[0], 0.0);
  m.PlayerTotalPopulation[0] = 30;
  m.PlayerTotalPopulation[1] = 10;
  DeriveTotals(m);
  EXPECT_EQ(m.WorldPopulation, 40);
  EXPECT_DOUBLE_EQ(m.PlayerPopulationShare[0], 75.0);
  EXPECT_DOUBLE_EQ(m.PlayerPopulationShare[1], 25.0);
  EXPECT_DOUBLE_EQ(m.PlayerPopulationShare[2], 0.0);
}

TEST(CityCulture, IsSortedDescendingWithinTheCityCount) {
  GameModel m = Blank();
  m.PlayerCityCount[0] = 4;
  m.PlayerCityCulture[0] = {};
  m.PlayerCityCulture[0][0] = 500;
  m.PlayerCityCulture[0][1] = 12000;
  m.PlayerCityCulture[0][2] = 3000;
  m.PlayerCityCulture[0][3] = 7000;
  m.PlayerCityCulture[0][4] = 99999;  // beyond the count: left alone
  m.PlayerCityCount[1] = 900;         // beyond the table: sorted within its 500 entries
  m.PlayerCityCulture[1][499] = 5;
  DeriveTotals(m);
  EXPECT_EQ(std::vector<int32_t>(m.PlayerCityCulture[0].begin(), m.PlayerCityCulture[0].begin() + 5),
            (std::vector<int32_t>{12000, 7000, 3000, 500, 99999}));
  EXPECT_EQ(m.PlayerCityCulture[1][0], 5);
  EXPECT_EQ(m.OrdoCultureCurr, 73);  // 22000 / 3 / 100 = 73.3
}

struct CultureCase {
  const char* name;
  std::array<int32_t, 3> top;
  int32_t count;
  int32_t expected;
};

class OrdoCulture : public testing::TestWithParam<CultureCase> {};

TEST_P(OrdoCulture, AveragesTheThreeBestCitiesInHundredsRoundingHalfToEven) {
  GameModel m = Blank();
  m.PlayerCityCount[0] = GetParam().count;
  for (size_t c = 0; c < 3; ++c) m.PlayerCityCulture[0][c] = GetParam().top[c];
  DeriveTotals(m);
  EXPECT_EQ(m.OrdoCultureCurr, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, OrdoCulture,
                         testing::Values(CultureCase{"SingleCity", {9000, 0, 0}, 1, 30},
                                         CultureCase{"HalfRoundsDownToEven", {250, 250, 250}, 3, 2},
                                         CultureCase{"HalfRoundsUpToEven", {350, 350, 350}, 3, 4},
                                         CultureCase{"NoCities", {0, 0, 0}, 0, 0}),
                         fixture::CaseName());

TEST(OrdoInputs, ModernTechnologiesTurnsAndCultureTarget) {
  GameModel m = Blank();
  m.TeamHasTech[0][90] = 1;  // Robotics, era 6: counted and again as the bonus
  m.TeamHasTech[0][23] = 1;  // Mass Media, era 6
  m.TeamHasTech[0][24] = 2;  // Ecology, era 6, flag byte 2
  m.TeamHasTech[0][55] = 1;  // Stealth, era 7
  m.TeamHasTech[0][0] = 1;   // Mysticism, era 1: not modern
  m.TeamHasTech[1][57] = 1;  // another team's: not counted
  m.TeamFutureTechCount[0] = 2;
  m.ElapsedTurns = 330;
  m.StartTurn = 10;
  m.EstimatedEndTurn = 500;
  m.GameSpeed = 1;
  DeriveTotals(m);
  EXPECT_EQ(m.OrdoMTechCurr, 70);
  EXPECT_EQ(m.OrdoTurnCurr, 340);
  EXPECT_EQ(m.OrdoTurnMax, 500);
  EXPECT_EQ(m.OrdoCultureMax, 75000);
  m.GameSpeed = 7;
  DeriveTotals(m);
  EXPECT_EQ(m.OrdoCultureMax, 50000);
}

TEST(Vassals, TeamsCountTheirVassalsAtHalf) {
  GameModel m = Blank();
  m.TeamTotalPopulation[1] = 100;
  m.TeamTotalLand[1] = 50;
  m.TeamTotalPopulation[3] = 41;
  m.TeamTotalLand[3] = 9;
  m.TeamVassalOf[3][1] = 1;
  DeriveTotals(m);
  EXPECT_EQ(m.TeamScoredPopulation[1], 120);
  EXPECT_EQ(m.TeamScoredLand[1], 54);
  EXPECT_EQ(m.TeamScoredPopulation[3], 20);
  EXPECT_EQ(m.TeamScoredLand[3], 4);
}

TEST(Vassals, MasterPlayersShareTheVassalsHalvesByTeamSize) {
  GameModel m = Blank();
  m.MaxPopulation = 100;
  m.MaxLand = 100;
  // Players 0 and 1 form team 0; player 2 (team 2) is their vassal.
  m.SlotTable[1].SlotTeam = 0;
  m.TeamMemberCount[0] = 2;
  m.TeamVassalOf[2][0] = 1;
  m.PlayerAlive[0] = m.PlayerAlive[1] = m.PlayerAlive[2] = 1;
  m.PlayerPopScore[0] = 40;
  m.PlayerPopScore[1] = 20;
  m.PlayerPopScore[2] = 10;
  m.PlayerLandScore[2] = 7;
  // A dead vassal player gives nothing and keeps its parts whole.
  m.SlotTable[3].SlotTeam = 2;
  m.PlayerPopScore[3] = 50;
  DeriveTotals(m);
  EXPECT_EQ(m.PlayerPopScoreWithVassals[0], 42);  // 40 + (10 / 2) div 2
  EXPECT_EQ(m.PlayerPopScoreWithVassals[1], 22);
  EXPECT_EQ(m.PlayerPopScoreWithVassals[2], 5);
  EXPECT_EQ(m.PlayerLandScoreWithVassals[0], 1);  // 7 / 2 = 3, div 2
  EXPECT_EQ(m.PlayerLandScoreWithVassals[2], 3);
  EXPECT_EQ(m.PlayerPopScoreWithVassals[3], 50);
  // Scores: 5000 x parts / 100 + 2000 x land / 100.
  EXPECT_EQ(m.PlayerScore[0], 2100 + 20);
  EXPECT_EQ(m.PlayerScore[1], 1100 + 20);
  // The vassal is scored on the halves its master's turn left it.
  EXPECT_EQ(m.PlayerScore[2], 250 + 60);
  EXPECT_EQ(m.PlayerScore[3], 0);
  EXPECT_EQ(m.TeamScore[0], 2120 + 1120);
  EXPECT_EQ(m.TeamScore[2], 310);
}

TEST(Vassals, TeamIndexesOutsideTheTableCountNowhere) {
  GameModel m = Blank();
  m.SlotTable[0].SlotTeam = 19;
  m.SlotTable[1].SlotTeam = -3;
  m.PlayerAlive[0] = m.PlayerAlive[1] = 1;
  m.PlayerPopScore[0] = 10;
  m.MaxPopulation = 10;
  DeriveTotals(m);
  EXPECT_EQ(m.PlayerScore[0], 5000);
  for (int32_t score : m.TeamScore) EXPECT_EQ(score, 0);
}

}  // namespace
}  // namespace varnak
