#include <gtest/gtest.h>

#include <limits>

#include "analysis/attitude.h"
#include "support/case_name.h"

namespace varnak {
namespace {

size_t At(int32_t i) { return static_cast<size_t>(i); }

constexpr int32_t kAlexander = 1;  // worse rank -2, close borders -4, favourite civic 6
constexpr int32_t kAsoka = 2;      // better rank 3

// Brennus (slot 1, team 1, Alexander's personality) looks at Aurelia (slot 0, team 0),
// a human. Every other slot is unnamed and on its own team; only teams 0 and 1 live.
GameModel Pair() {
  GameModel m;
  for (int32_t p = 0; p < kSlotCount; ++p) {
    m.SlotTable[At(p)].SlotTeam = p;
    m.SlotTable[At(p)].SlotDifficulty = 2;
    m.TeamMemberCount[At(p)] = 1;
    m.PlayerParent[At(p)] = -1;
  }
  m.SlotTable[0].SlotName = "Aurelia";
  m.SlotTable[0].SlotStatus = 3;
  m.SlotTable[1].SlotName = "Brennus";
  m.SlotTable[1].SlotStatus = 1;
  m.PlayerPersonality[0] = 24;
  m.PlayerPersonality[1] = kAlexander;
  for (int32_t p = 0; p < 2; ++p) {
    m.PlayerAlive[At(p)] = m.PlayerEverAlive[At(p)] = 1;
    m.TeamAliveCount[At(p)] = 1;
  }
  m.TeamHasMet[0][1] = m.TeamHasMet[1][0] = 1;
  return m;
}

LeaderAttitude Of(const GameModel& m) { return ComputeLeaderAttitude(m, 1, 0); }

void AtWar(GameModel& m, int32_t a, int32_t b) { m.TeamAtWar[At(a)][At(b)] = m.TeamAtWar[At(b)][At(a)] = 1; }

void AliveTeam(GameModel& m, int32_t team) {
  m.TeamAliveCount[At(team)] = 1;
  m.TeamHasMet[1][At(team)] = m.TeamHasMet[At(team)][1] = 1;
  m.TeamHasMet[0][At(team)] = m.TeamHasMet[At(team)][0] = 1;
}

TEST(AttitudeCounts, CountOnlyLivingMetTeamsOtherThanTheOneAsked) {
  GameModel m = Pair();
  for (int32_t t : {2, 3, 4}) AliveTeam(m, t);
  m.TeamAliveCount[5] = 0;
  for (int32_t t : {1, 2, 3, 4, 5}) m.TeamDefensivePact[0][At(t)] = 1;
  m.TeamHasMet[0][3] = 0;           // pact with a team not met
  m.TeamDefensivePact[0][0] = 1;    // with itself
  EXPECT_EQ(DefensivePactCount(m, 0), 3);  // teams 1, 2, 4

  m.TeamVassalOf[2][0] = 1;  // 2 is a vassal of 0
  m.TeamVassalOf[0][4] = 1;  // 0 is a vassal of 4: counts for 4, not for 0
  m.TeamVassalOf[3][0] = 1;  // not met
  m.TeamVassalOf[5][0] = 1;  // dead
  EXPECT_EQ(VassalCount(m, 0), 1);
  EXPECT_EQ(VassalCount(m, 4), 1);

  EXPECT_EQ(DefensivePactCount(m, 19), 0);
  EXPECT_EQ(VassalCount(m, -1), 0);
  EXPECT_EQ(TeamsAliveCount(m), 5);
}

TEST(AttitudeCounts, MinorTeamsCivicsAndNationsEverAlive) {
  GameModel m = Pair();
  m.SlotTable[2].SlotMinor = 1;
  EXPECT_TRUE(isTeamMinor(m, 2));
  m.SlotTable[3].SlotTeam = 2;  // a second, non-minor slot makes the team a nation
  EXPECT_FALSE(isTeamMinor(m, 2));
  EXPECT_TRUE(isTeamMinor(m, 3));   // no slot left on it
  EXPECT_FALSE(isTeamMinor(m, 0));

  m.PlayerCivics[1] = {0, 6, 11, 16, 20};
  EXPECT_TRUE(isPlayerCivic(m, 1, 20));
  EXPECT_FALSE(isPlayerCivic(m, 1, 7));
  EXPECT_FALSE(isPlayerCivic(m, 19, 0));

  m.PlayerEverAlive[17] = m.PlayerEverAlive[18] = 1;  // the last slot is no nation
  EXPECT_EQ(CivPlayersEverAlive(m), 3);
}

TEST(AttitudeConstants, BaseDifficultyPeaceWeightWarmongerAndTeamSize) {
  GameModel m = Pair();
  m.PlayerPersonality[1] = 52;  // Zara Yaqob: base 2, warmonger 1
  m.SlotTable[0].SlotDifficulty = 5;
  m.SlotTable[0].SlotStatus = 1;
  m.PlayerPeaceWeight[1] = 7;
  m.PlayerPeaceWeight[0] = 2;
  m.PlayerPersonality[0] = 2;   // Asoka: warmonger 0
  m.TeamMemberCount[1] = 1;
  m.TeamMemberCount[0] = 3;
  LeaderAttitude a = Of(m);
  EXPECT_EQ(a.BaseAttitude, 2);
  EXPECT_EQ(a.Handicap, -1);
  EXPECT_TRUE(a.TowardComputer);
  EXPECT_EQ(a.PeaceWeight, -1);
  EXPECT_EQ(a.WarmongerRespect, 0);
  EXPECT_EQ(a.TeamSizeDifference, -2);

  m.SlotTable[0].SlotDifficulty = 0;
  m.SlotTable[0].SlotStatus = 3;  // a human: no peace weight, no warmonger respect
  std::swap(m.TeamMemberCount[0], m.TeamMemberCount[1]);  // a bigger team of ours: 0
  a = Of(m);
  EXPECT_EQ(a.Handicap, 2);
  EXPECT_FALSE(a.TowardComputer);
  EXPECT_EQ(a.TeamSizeDifference, 0);
  // Base 2 and handicap 2; every other term is 0.
  EXPECT_EQ(a.Sum, 4);
}

TEST(AttitudeLeaders, AnUnnamedSlotStandsForTheLastButKeepsItsTeam) {
  GameModel m = Pair();
  m.SlotTable[1].SlotName.clear();
  m.SlotTable[18].SlotName = "Barbarians";
  m.SavedPlayerRank[18] = 9;
  m.SlotTable[1].SlotTeam = 4;
  m.TeamEspionageAgainst[4][0] = 55;
  m.TeamEspionageAgainst[0][4] = 66;
  const LeaderAttitude a = Of(m);
  EXPECT_EQ(a.Leader1, 18);
  EXPECT_EQ(a.Personality1, 0);  // slot 18's personality
  EXPECT_EQ(a.Team1, 4);
  EXPECT_EQ(a.Rank1, 9);
  EXPECT_EQ(a.Espionage1, 55);
  EXPECT_EQ(a.Espionage2, 66);
}

TEST(AttitudeLeaders, NoChoiceMeansSlotOneTowardSlotZero) {
  GameModel m = Pair();
  m.SavedPlayerRank[1] = 3;
  m.SavedPlayerRank[0] = 7;
  for (auto [l1, l2] : {std::pair{-1, 4}, std::pair{4, 19}, std::pair{25, -3}}) {
    const LeaderAttitude a = ComputeLeaderAttitude(m, l1, l2);
    EXPECT_EQ(a.Leader1, 1);
    EXPECT_EQ(a.Leader2, 0);
    EXPECT_EQ(a.Rank1, 3);
  }
}

TEST(AttitudeLeaders, APersonalityTheTableLacksReadsAsTheFirstRow) {
  GameModel m = Pair();
  for (int32_t personality : {53, -4, std::numeric_limits<int32_t>::max()}) {
    m.PlayerPersonality[1] = personality;
    m.PlayerPersonality[0] = personality;
    const LeaderAttitude a = Of(m);
    EXPECT_EQ(a.Personality1, 0);
    EXPECT_EQ(a.Personality2, 0);
    EXPECT_EQ(a.Terms[AtWarRow].Max, -3);  // the first row has no war divisor
  }
}

TEST(AttitudeTeams, TeamsTheTablesLackCountNothing) {
  GameModel m = Pair();
  m.SlotTable[0].SlotTeam = 19;
  m.TeamMemberCount[1] = 0;
  m.PlayerBonusTradeCounter[1][0] = 100;
  m.PlayerTradeValueB[1][0] = 100;
  m.PlayerPower[0] = m.PlayerPower[1] = 10;
  const LeaderAttitude a = Of(m);
  EXPECT_EQ(a.TeamSizeDifference, 0);
  for (size_t row : {WarSuccessRow, AtWarRow, AtPeaceRow, BonusTradeRow, OpenBordersRow,
                     DefensivePactRow, RivalDefensivePactRow, RivalVassalRow, ShareWarRow,
                     TradeRow, RivalTradeRow}) {
    EXPECT_EQ(a.Terms[row].Value, 0.0L) << row;
  }
  // The bounds that do not depend on the teams stay.
  EXPECT_EQ(a.Terms[AtWarRow].Max, -8);
  EXPECT_EQ(a.Terms[AtPeaceRow].Max, 1);
  EXPECT_EQ(a.Terms[BonusTradeRow].Max, 0);
  EXPECT_EQ(a.Terms[TradeRow].Max, 4);
  EXPECT_EQ(a.Espionage1, 0);
}

TEST(AttitudeMemory, EachKindIsTheCountTimesItsPercent) {
  GameModel m = Pair();
  auto& memory = m.PlayerMemory[1][0];
  memory[1] = 3;   // Declared War On Friend, -100
  memory[5] = 3;   // Razed City, -250
  memory[32] = 1;  // Liberated Cities, 150
  memory[26] = 5;  // Traded Tech to Us: Alexander's own 10
  m.PlayerMemory[0][1][8] = 9;  // the other way round: not counted
  const LeaderAttitude a = Of(m);
  EXPECT_EQ(a.Memory[1].Value, -3.0L);
  EXPECT_EQ(a.Memory[5].Value, -7.5L);
  EXPECT_EQ(a.Memory[5].Contribution, -7);
  EXPECT_EQ(a.Memory[32].Value, 1.5L);
  EXPECT_EQ(a.Memory[26].Value, 0.5L);
  EXPECT_EQ(a.Memory[8].Value, 0.0L);
  // -3 - 7 + 1 + 0; every other term is 0.
  EXPECT_EQ(a.Sum, -9);
}

TEST(AttitudeMemory, ProductsOfHugeCountsWrap) {
  GameModel m = Pair();
  m.PlayerMemory[1][0][32] = 2147483647;  // x 150 wraps to -150
  const LeaderAttitude a = Of(m);
  EXPECT_EQ(a.Memory[32].Value, -1.5L);
  EXPECT_EQ(a.Memory[32].Contribution, -1);
}

struct TermCase {
  const char* name;
  void (*setup)(GameModel&);
  AttitudeRow row;
  long double value;
  int32_t max, contribution;
};

class AttitudeTerms : public testing::TestWithParam<TermCase> {};

TEST_P(AttitudeTerms, ValueBoundAndContribution) {
  const TermCase& c = GetParam();
  GameModel m = Pair();
  c.setup(m);
  const AttitudeTerm t = Of(m).Terms[c.row];
  EXPECT_EQ(t.Value, c.value);
  EXPECT_EQ(t.Max, c.max);
  EXPECT_EQ(t.Contribution, c.contribution);
}

void EightEverAlive(GameModel& m) {
  for (int32_t p = 0; p < 8; ++p) m.PlayerEverAlive[At(p)] = 1;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AttitudeTerms,
    testing::Values(
        TermCase{"WorseRankTruncatesTowardZero",
                 [](GameModel& m) {
                   EightEverAlive(m);
                   m.SavedPlayerRank[1] = 5;
                   m.SavedPlayerRank[0] = 1;
                 },
                 RankDifferenceRow, -8.0L / 9, -2, 0},
        TermCase{"WorseRankStopsAtItsBound",
                 [](GameModel& m) { m.SavedPlayerRank[1] = 18; }, RankDifferenceRow, -2, -2, -2},
        TermCase{"BetterRankStopsAtItsBound",
                 [](GameModel& m) {
                   m.PlayerPersonality[1] = kAsoka;
                   m.SavedPlayerRank[1] = 1;
                   m.SavedPlayerRank[0] = 5;
                 },
                 RankDifferenceRow, 3, 3, 3},
        TermCase{"NoNationEverAliveCountsAsOne",
                 [](GameModel& m) {
                   m.PlayerEverAlive = {};
                   m.PlayerPersonality[1] = kAsoka;
                   m.SavedPlayerRank[0] = 1;
                 },
                 RankDifferenceRow, 3.0L / 2, 3, 1},
        TermCase{"HighRanksWhenBothAreInTheUpperHalf",
                 [](GameModel& m) {
                   EightEverAlive(m);
                   m.SavedPlayerRank[1] = 4;
                   m.SavedPlayerRank[0] = 7;
                 },
                 HighRanksRow, 1, 1, 1},
        TermCase{"NoHighRanksWhenOneIsBelowHalf",
                 [](GameModel& m) {
                   EightEverAlive(m);
                   m.SavedPlayerRank[1] = 3;
                   m.SavedPlayerRank[0] = 7;
                 },
                 HighRanksRow, 0, 1, 0},
        TermCase{"LostWar",
                 [](GameModel& m) {
                   m.TeamWarSuccess[0][1] = 5;
                   m.TeamWarSuccess[1][0] = 4;
                 },
                 WarSuccessRow, -1, -1, -1},
        TermCase{"EvenWar",
                 [](GameModel& m) { m.TeamWarSuccess[0][1] = m.TeamWarSuccess[1][0] = 4; },
                 WarSuccessRow, 0, -1, 0},
        TermCase{"CloseBordersAsHeld",
                 [](GameModel& m) { m.PlayerCloseBordersAttitude[1][0] = -3; }, CloseBordersRow,
                 -3, -4, -3},
        TermCase{"CloseBordersNotHeld",
                 [](GameModel& m) { m.PlayerCloseBordersAttitude[1][0] = 2147483647; },
                 CloseBordersRow, 0, -4, 0},
        TermCase{"AtWar",
                 [](GameModel& m) {
                   AtWar(m, 0, 1);
                   m.TeamWarAttitudeCounter[1][0] = 12;
                 },
                 AtWarRow, 12.0L / -5 - 3, -8, -5},
        TermCase{"WarMemoryInPeace", [](GameModel& m) { m.TeamWarAttitudeCounter[1][0] = 12; },
                 AtWarRow, 12.0L / -5, -8, -2},
        TermCase{"AtPeaceEvenAtWar",
                 [](GameModel& m) {
                   AtWar(m, 0, 1);
                   m.TeamPeaceAttitudeCounter[1][0] = 45;
                 },
                 AtPeaceRow, 45.0L / 60, 1, 0},
        TermCase{"AtPeaceStopsAtItsLimit",
                 [](GameModel& m) { m.TeamPeaceAttitudeCounter[1][0] = 90; }, AtPeaceRow, 1, 1, 1},
        TermCase{"SameReligionOwnedByLeaderOne",
                 [](GameModel& m) {
                   m.PlayerStateReligionCount[0] = m.PlayerStateReligionCount[1] = 2;
                   m.PlayerStateReligion[0] = m.PlayerStateReligion[1] = 2;
                   m.ReligionOwner[2] = 1;
                   m.PlayerSameReligionCounter[1][0] = 25;
                 },
                 SameReligionRow, 25.0L / 10 + 2, 6, 4},
        TermCase{"SameReligionBeyondTheOwnerTable",
                 [](GameModel& m) {
                   m.PlayerStateReligionCount[0] = m.PlayerStateReligionCount[1] = 1;
                   m.PlayerStateReligion[0] = m.PlayerStateReligion[1] = 9;
                   m.PlayerSameReligionCounter[1][0] = 70;
                 },
                 SameReligionRow, 4 + 1, 5, 5},
        TermCase{"SameReligionNotYetState",
                 [](GameModel& m) {
                   m.PlayerStateReligionCount[1] = 1;
                   m.PlayerStateReligion[0] = m.PlayerStateReligion[1] = 2;
                   m.PlayerSameReligionCounter[1][0] = 25;
                 },
                 SameReligionRow, 0, 0, 0},
        TermCase{"DifferentReligionOwnedByLeaderOne",
                 [](GameModel& m) {
                   m.PlayerStateReligionCount[0] = m.PlayerStateReligionCount[1] = 1;
                   m.PlayerStateReligion[1] = 1;
                   m.PlayerStateReligion[0] = 3;
                   m.ReligionOwner[1] = 1;
                   m.PlayerDifferentReligionCounter[1][0] = 7;
                 },
                 DifferentReligionRow, -1 - 2, -3, -3},
        TermCase{"DifferentReligionSmallCounter",
                 [](GameModel& m) {
                   m.PlayerStateReligionCount[0] = m.PlayerStateReligionCount[1] = 1;
                   m.PlayerStateReligion[1] = 1;
                   m.PlayerStateReligion[0] = 3;
                   m.PlayerDifferentReligionCounter[1][0] = 2;
                 },
                 DifferentReligionRow, 2.0L / -5 - 1, -2, -1},
        TermCase{"DifferentReligionBeyondTheOwnerTable",
                 [](GameModel& m) {
                   m.PlayerStateReligionCount[0] = m.PlayerStateReligionCount[1] = 1;
                   m.PlayerStateReligion[1] = 9;  // no owner entry: nobody owns it
                   m.PlayerStateReligion[0] = 3;
                   m.PlayerDifferentReligionCounter[1][0] = 2;
                 },
                 DifferentReligionRow, 2.0L / -5 - 1, -2, -1},
        TermCase{"DifferentReligionNeedsTwoReligions",
                 [](GameModel& m) {
                   m.PlayerStateReligionCount[0] = m.PlayerStateReligionCount[1] = 1;
                   m.PlayerStateReligion[1] = 1;
                   m.PlayerStateReligion[0] = -1;
                 },
                 DifferentReligionRow, 0, 0, 0},
        TermCase{"BonusTrade", [](GameModel& m) { m.PlayerBonusTradeCounter[1][0] = 120; },
                 BonusTradeRow, 2, 2, 2},
        TermCase{"OpenBorders", [](GameModel& m) { m.TeamOpenBordersCounter[1][0] = 30; },
                 OpenBordersRow, 30.0L / 25, 2, 1},
        TermCase{"DefensivePactCounter", [](GameModel& m) { m.TeamDefensivePactCounter[1][0] = 6; },
                 DefensivePactRow, 6.0L / 12, 2, 0},
        TermCase{"MasterAndVassalEvenAtWar",
                 [](GameModel& m) {
                   AtWar(m, 0, 1);
                   m.TeamVassalOf[0][1] = 1;
                 },
                 DefensivePactRow, 2, 2, 2},
        TermCase{"RivalDefensivePacts",
                 [](GameModel& m) {
                   for (int32_t team : {2, 3}) {
                     AliveTeam(m, team);
                     m.TeamDefensivePact[0][At(team)] = 1;
                   }
                 },
                 RivalDefensivePactRow, -4, -4, -4},
        TermCase{"RivalDefensivePactsAmongFewTeams",
                 [](GameModel& m) {
                   AliveTeam(m, 2);
                   m.TeamDefensivePact[0][2] = 1;
                 },
                 RivalDefensivePactRow, -4, -4, -4},
        TermCase{"RivalDefensivePactsAmongMany",
                 [](GameModel& m) {
                   for (int32_t team : {2, 3, 4, 5}) AliveTeam(m, team);
                   m.TeamDefensivePact[0][2] = 1;
                 },
                 RivalDefensivePactRow, -1, -4, -1},
        TermCase{"NoRivalPactWhenInPactTogether",
                 [](GameModel& m) {
                   AliveTeam(m, 2);
                   m.TeamDefensivePact[0][2] = 1;
                   m.TeamDefensivePact[1][0] = 1;
                 },
                 RivalDefensivePactRow, 0, -4, 0},
        TermCase{"NoRivalPactBetweenMasterAndVassal",
                 [](GameModel& m) {
                   AliveTeam(m, 2);
                   m.TeamDefensivePact[0][2] = 1;
                   m.TeamVassalOf[1][0] = 1;
                 },
                 RivalDefensivePactRow, 0, -4, 0},
        TermCase{"RivalVassalShareOfPower",
                 [](GameModel& m) {
                   AliveTeam(m, 2);
                   m.PlayerAlive[2] = 1;
                   m.TeamVassalOf[2][0] = 1;
                   m.PlayerPower[0] = 100;
                   m.PlayerPower[1] = 50;
                   m.PlayerPower[2] = 50;
                   m.PlayerPower[3] = 1000;  // not alive
                 },
                 RivalVassalRow, -900.0L / 200, -6, -4},
        TermCase{"RivalVassalWithoutPower",
                 [](GameModel& m) {
                   AliveTeam(m, 2);
                   m.PlayerAlive[2] = 1;
                   m.TeamVassalOf[2][0] = 1;
                 },
                 RivalVassalRow, 0, -6, 0},
        TermCase{"NoRivalVassalWithoutVassals",
                 [](GameModel& m) { m.PlayerPower[0] = 100; }, RivalVassalRow, 0, -6, 0},
        TermCase{"NoRivalVassalForOurMaster",
                 [](GameModel& m) {
                   AliveTeam(m, 2);
                   m.PlayerAlive[2] = 1;
                   m.TeamVassalOf[2][0] = 1;
                   m.TeamVassalOf[1][0] = 1;
                   m.PlayerPower[0] = 100;
                 },
                 RivalVassalRow, 0, -6, 0},
        TermCase{"ShareWarAgainstACommonEnemy",
                 [](GameModel& m) {
                   AliveTeam(m, 2);
                   AtWar(m, 0, 2);
                   AtWar(m, 1, 2);
                   m.TeamShareWarCounter[1][0] = 12;
                 },
                 ShareWarRow, 12.0L / 8 + 1, 5, 2},
        TermCase{"ShareWarMinorEnemyDoesNotCount",
                 [](GameModel& m) {
                   AliveTeam(m, 2);
                   m.SlotTable[2].SlotMinor = 1;
                   AtWar(m, 0, 2);
                   AtWar(m, 1, 2);
                 },
                 ShareWarRow, 0, 5, 0},
        TermCase{"ShareWarLastTeamIsNotLookedAt",
                 [](GameModel& m) {
                   AliveTeam(m, 18);
                   AtWar(m, 0, 18);
                   AtWar(m, 1, 18);
                 },
                 ShareWarRow, 0, 5, 0},
        TermCase{"FavoriteCivicOfBoth",
                 [](GameModel& m) {
                   m.PlayerCivics[1] = {0, 6, 0, 0, 0};
                   m.PlayerCivics[0] = {6, 1, 1, 1, 1};
                   m.PlayerFavoriteCivicCounter[1][0] = 15;
                 },
                 FavoriteCivicRow, 15.0L / 10 + 1, 3, 2},
        TermCase{"FavoriteCivicOfOneOnly",
                 [](GameModel& m) {
                   m.PlayerCivics[1] = {0, 6, 0, 0, 0};
                   m.PlayerFavoriteCivicCounter[1][0] = 15;
                 },
                 FavoriteCivicRow, 0, 0, 0},
        TermCase{"NoFavoriteCivic",
                 [](GameModel& m) {
                   m.PlayerPersonality[1] = 0;
                   m.PlayerCivics[1] = m.PlayerCivics[0] = {-1, -1, -1, -1, -1};
                 },
                 FavoriteCivicRow, 0, 0, 0},
        TermCase{"TradeKeepsOnlyWhatIsOwed",
                 [](GameModel& m) {
                   m.PlayerTradeValueA[1][0] = 30;
                   m.PlayerTradeValueA[0][1] = 50;
                   m.PlayerTradeValueB[1][0] = 20;
                   m.TeamRelationCounter[1][0] = 3;
                 },
                 TradeRow, 1, 4, 1},
        TermCase{"TradeStopsAtFour",
                 [](GameModel& m) {
                   m.PlayerTradeValueB[1][0] = 200;
                   m.TeamRelationCounter[1][0] = 3;
                 },
                 TradeRow, 4, 4, 4},
        TermCase{"TradeWithoutDivisor",
                 [](GameModel& m) {
                   m.PlayerTradeValueB[1][0] = 200;
                   m.TeamRelationCounter[1][0] = -1;
                 },
                 TradeRow, 0, 4, 0},
        TermCase{"RivalTradeDividesRealValues",
                 [](GameModel& m) {
                   m.TeamEnemyTradeValueA[1][0] = 10;
                   m.TeamEnemyTradeValueB[1][0] = 10;
                   m.TeamRelationCounter[1][0] = 1;
                 },
                 RivalTradeRow, -(10.0L / 3 + 10) / 20, -4, 0},
        TermCase{"RivalTradeStopsAtMinusFour",
                 [](GameModel& m) { m.TeamEnemyTradeValueB[1][0] = 1000; }, RivalTradeRow, -4, -4,
                 -4},
        TermCase{"RivalTradeWithRelationCounterMinusOne",
                 [](GameModel& m) {
                   m.TeamEnemyTradeValueB[1][0] = 1000;
                   m.TeamRelationCounter[1][0] = -1;
                 },
                 RivalTradeRow, 0, -4, 0},
        TermCase{"RivalTradeWithoutDivisor",
                 [](GameModel& m) {
                   m.TeamEnemyTradeValueB[1][0] = 1000;
                   m.TeamRelationCounter[1][0] = 2147483647;  // (counter + 1) x 10 wraps to 0
                 },
                 RivalTradeRow, 0, -4, 0},
        TermCase{"ColonyOfLeaderTwo", [](GameModel& m) { m.PlayerParent[1] = 0; },
                 ColonyAttitudeRow, 10, 10, 10},
        TermCase{"ExtraAttitude", [](GameModel& m) { m.PlayerExtraAttitude[1][0] = -7; },
                 ExtraAttitudeRow, -7, 0, -7}),
    fixture::CaseName());

TEST(AttitudeWar, SilencesThePeaceRowsButNotAtPeace) {
  GameModel m = Pair();
  AliveTeam(m, 2);
  AtWar(m, 0, 2);
  AtWar(m, 1, 2);
  AtWar(m, 0, 1);
  m.PlayerBonusTradeCounter[1][0] = 120;
  m.TeamOpenBordersCounter[1][0] = 30;
  m.TeamDefensivePactCounter[1][0] = 30;
  m.TeamShareWarCounter[1][0] = 12;
  m.TeamPeaceAttitudeCounter[1][0] = 45;
  const LeaderAttitude a = Of(m);
  for (size_t row : {BonusTradeRow, OpenBordersRow, DefensivePactRow, ShareWarRow})
    EXPECT_EQ(a.Terms[row].Value, 0.0L) << row;
  EXPECT_EQ(a.Terms[BonusTradeRow].Max, 0);
  EXPECT_EQ(a.Terms[OpenBordersRow].Max, 0);
  EXPECT_EQ(a.Terms[DefensivePactRow].Max, 0);
  EXPECT_EQ(a.Terms[ShareWarRow].Max, 1);  // the base alone: the counter part did not run
  EXPECT_EQ(a.Terms[AtPeaceRow].Value, 45.0L / 60);
}

TEST(AttitudeRivals, TowardItselfLeavesOutTheVassalAndRivalRows) {
  GameModel m = Pair();
  AliveTeam(m, 2);
  m.TeamVassalOf[1][1] = 1;
  m.TeamVassalOf[2][1] = 1;
  m.TeamDefensivePact[1][2] = 1;
  m.PlayerPower[1] = 10;
  const LeaderAttitude a = ComputeLeaderAttitude(m, 1, 1);
  EXPECT_EQ(a.Terms[DefensivePactRow].Value, 0.0L);
  EXPECT_EQ(a.Terms[RivalDefensivePactRow].Value, 0.0L);
  EXPECT_EQ(a.Terms[RivalVassalRow].Value, 0.0L);
}

}  // namespace
}  // namespace varnak
