#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/case_name.h"
#include "ui/format.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

using fixture::FormFixture;

// Player 1 sits on team 2 (and slot 2 on team 1), so a view that takes the slot for
// the team shows the wrong figures. Costs are at 100% of map, speed and era; both
// players play at level 4 (110% research cost).
GameModel PlayerModel() {
  GameModel m = fixture::TwoPlayerModel();
  m.SlotTable[1].SlotTeam = 2;
  m.SlotTable[2].SlotTeam = 1;
  m.TeamHasMet[0][1] = m.TeamHasMet[1][0] = 0;
  m.TeamHasMet[0][2] = m.TeamHasMet[2][0] = 1;
  m.WorldSizePercent = m.SpeedPercent = m.EraPercent = 100;

  m.PlayerGold[1] = 1234;
  m.PlayerGoldPerTurn[1] = -7;
  m.PlayerCurrentResearch[1] = 31;  // Writing, 120 beakers at base
  m.TeamResearchProgress[2][31] = 37;
  m.PlayerCityCount[1] = 3;
  m.PlayerUnitCount[1] = 12;
  m.TeamTechCount[2] = 9;
  m.PlayerGreatPeopleCreated[1] = 5;
  m.PlayerGreatGeneralsCreated[1] = 2;
  m.PlayerGeneralPoints[1] = 45;
  m.PlayerPower[1] = 100;
  m.TeamHasTech[2][13] = 1;  // Guilds, power 8
  m.TeamHasTech[2][64] = 1;  // Bronze Working, power 8
  m.TeamHasTech[2][26] = 1;  // The Wheel, power 4
  m.TeamResearchProgress[2][13] = 50;  // research toward a known technology
  m.PlayerBuildingPower[1] = 30;
  m.PlayerTotalPopulation[1] = 21;
  m.PlayerWWPoints[1] = 77;
  m.TeamEspionageEver[2] = 555;
  m.TeamFutureTechCount[2] = 3;
  m.PlayerCivics[1] = {0, 5, 24, 25, -1};
  m.PlayerCityCulture[1][0] = 5;  // sorted to the last of three by the load
  m.PlayerCityCulture[1][1] = 12345;
  m.PlayerCityCulture[1][2] = 9000;
  // Slots 3 and 4, both on team 3, are vassals of team 2; team 2 being a vassal of
  // team 0 does not count for player 1.
  m.SlotTable[4].SlotTeam = 3;
  m.TeamVassalOf[3][2] = 1;
  m.TeamVassalOf[2][0] = 1;
  return m;
}

int RowOf(const ui::GridControl& grid, std::string_view tech) {
  for (int row = 1; row <= kTechs; ++row)
    if (grid.Cell(1, row) == tech) return row;
  return -1;
}

FormFixture& ShowPlayer1(FormFixture& f, GameModel m) {
  f.Show(std::move(m));
  f.Form.UserSelect("PlayerInfoSelect", 1);
  return f;
}

TEST(PlayerView, ShowsTheChosenPlayersFigures) {
  FormFixture f;
  const ui::TForm1& w = ShowPlayer1(f, PlayerModel()).Form;
  EXPECT_EQ(w.GoldE.Text, "   1234");
  EXPECT_EQ(w.GoldPerTurnE.Text, "     -7");
  EXPECT_EQ(w.ResearchingE.Text, "Writing");
  EXPECT_EQ(w.CurrTechBeakersE.Text, "     37/132");
  EXPECT_EQ(w.CityNumberE.Text, "     3");
  EXPECT_EQ(w.UnitNumberE.Text, "    12");
  EXPECT_EQ(w.TechNumberE.Text, "     9");
  EXPECT_EQ(w.GPCreatedE.Text, "     5");
  EXPECT_EQ(w.GeneralPointsE.Text, "  45/90");
  EXPECT_EQ(w.WWPointsE.Text, "     77");
  EXPECT_EQ(w.EspionageE.Text, "    555");
  EXPECT_EQ(w.VassalsE.Text, "     2");
  EXPECT_EQ(w.CivicsStr.Text, "Des, Bar, FRe, ?, ?");
  EXPECT_EQ(w.City1CultureE.Text, "   123.45");
  EXPECT_EQ(w.City2CultureE.Text, "    90.00");
  EXPECT_EQ(w.City3CultureE.Text, "     0.05");
}

struct PowerCase {
  const char* name;
  int32_t power;
  const char* unitPower;
};

class PlayerPower : public testing::TestWithParam<PowerCase> {};

// Technologies 20, buildings 30, population 21 / 2 = 10; units get what is left.
TEST_P(PlayerPower, SplitsIntoTechnologiesBuildingsUnitsAndPopulation) {
  GameModel m = PlayerModel();
  m.PlayerPower[1] = GetParam().power;
  FormFixture f;
  const ui::TForm1& w = ShowPlayer1(f, std::move(m)).Form;
  EXPECT_EQ(w.PowerE.Text, ui::Format("%5d", GetParam().power));
  EXPECT_EQ(w.PowerSE.Text, " 20");
  EXPECT_EQ(w.PowerBE.Text, "  30");
  EXPECT_EQ(w.PowerPE.Text, "  10");
  EXPECT_EQ(w.PowerUE.Text, GetParam().unitPower);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlayerPower,
                         testing::Values(PowerCase{"UnitsGetTheRest", 100, "   40"},
                                         PowerCase{"NothingLeft", 60, "    0"},
                                         PowerCase{"ShortfallShowsZero", 50, "    0"}),
                         fixture::CaseName());

TEST(PlayerView, TechnologyGridShowsCostPowerAndKnowledge) {
  FormFixture f;
  const ui::GridControl& g = ShowPlayer1(f, PlayerModel()).Form.TechGrid;
  // Row 1 is the cheapest Ancient technology, row 92 Future Tech.
  EXPECT_EQ(g.Cell(1, 1), "Fishing");
  EXPECT_EQ(g.Cell(2, 1), "Ancient");
  EXPECT_EQ(g.Cell(3, 1), "     44");
  EXPECT_EQ(g.Cell(4, 1), "      0");
  EXPECT_EQ(g.Cell(5, 1), "No");
  const int guilds = RowOf(g, "Guilds");
  ASSERT_GT(guilds, 0);
  EXPECT_EQ(g.Cell(2, guilds), "Medieval");
  EXPECT_EQ(g.Cell(3, guilds), "   1100");
  EXPECT_EQ(g.Cell(4, guilds), "      8");
  EXPECT_EQ(g.Cell(5, guilds), "Yes");  // known, though research toward it is recorded
  const int writing = RowOf(g, "Writing");
  ASSERT_GT(writing, 0);
  EXPECT_EQ(g.Cell(5, writing), "     37");
  EXPECT_EQ(g.Cell(1, 92), "Future Tech");
  EXPECT_EQ(g.Cell(2, 92), "Future");
  EXPECT_EQ(g.Cell(3, 92), "  11000");
  EXPECT_EQ(g.Cell(5, 92), "3");  // future technologies researched
  EXPECT_EQ(g.Cell(0, 92), "92");
}

struct ResearchCase {
  const char* name;
  int32_t research;
  const char* researching;
  const char* beakers;
};

class PlayerResearch : public testing::TestWithParam<ResearchCase> {};

TEST_P(PlayerResearch, NamesTheTechnologyAndItsProgress) {
  GameModel m = PlayerModel();
  m.PlayerCurrentResearch[1] = GetParam().research;
  m.TeamResearchProgress[2][0] = 11;
  m.TeamResearchProgress[2][91] = 99;
  FormFixture f;
  const ui::TForm1& w = ShowPlayer1(f, std::move(m)).Form;
  EXPECT_EQ(w.ResearchingE.Text, GetParam().researching);
  EXPECT_EQ(w.CurrTechBeakersE.Text, GetParam().beakers);
}

// A technology the table does not have shows nothing done of nothing to do.
INSTANTIATE_TEST_SUITE_P(
    Cases, PlayerResearch,
    testing::Values(ResearchCase{"FirstTechnology", 0, "Mysticism", "     11/55"},
                    ResearchCase{"LastTechnology", 91, "Future Tech", "     99/11000"},
                    ResearchCase{"PastTheTable", 92, "Unknown", "      0/0"},
                    ResearchCase{"Negative", -1, "Unknown", "      0/0"}),
    fixture::CaseName());

// Named slots 0, 1 and 3 (slot 2 has no name); gold tells the slot shown.
GameModel GoldBySlotModel() {
  GameModel m = fixture::TwoPlayerModel();
  m.SlotTable[3].SlotName = "Cyra";
  m.TeamHasMet[0][3] = 1;
  for (int32_t p = 0; p < kSlotCount; ++p) m.PlayerGold[static_cast<size_t>(p)] = 100 + p;
  return m;
}

struct SelectCase {
  const char* name;
  bool restricted;
  int position;
  const char* gold;
};

class PlayerChoice : public testing::TestWithParam<SelectCase> {};

TEST_P(PlayerChoice, TakesTheSelectorPositionAsTheSlot) {
  GameModel m = GoldBySlotModel();
  if (GetParam().restricted) m.AdminPassword = "secret";
  FormFixture f;
  f.Show(std::move(m));
  ASSERT_EQ(f.Form.PlayerInfoSelect.Visible, !GetParam().restricted);
  f.Form.UserSelect("PlayerInfoSelect", GetParam().position);
  EXPECT_EQ(f.Form.GoldE.Text, GetParam().gold);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlayerChoice,
    testing::Values(SelectCase{"NothingSelectedShowsSlot0", false, -1, "    100"},
                    SelectCase{"PositionIsTheSlot", false, 1, "    101"},
                    // Position 2 lists slot 3, but stands for slot 2, which has no name.
                    SelectCase{"PositionOfAnUnnamedSlotShowsSlot18", false, 2, "    118"},
                    SelectCase{"HiddenSelectorShowsPosition0", true, 1, "    100"}),
    fixture::CaseName());

// Slots 0..4 named on teams 0..4; teams 0..3 have all met, team 4 has met only
// itself. Each score is the technology part alone.
GameModel RankModel() {
  GameModel m = fixture::TwoPlayerModel();
  m.MaxTech = 2000;  // score = technology score at the default factor
  const int32_t scores[] = {500, 400, 400, 300, 900};
  for (size_t p = 0; p < 5; ++p) {
    m.SlotTable[p].SlotName = "Player" + std::to_string(p);
    m.PlayerAlive[p] = 1;
    m.PlayerTechScore[p] = scores[p];
    for (size_t q = 0; q < 4; ++q)
      if (p < 4) m.TeamHasMet[p][q] = 1;
  }
  return m;
}

struct RankCase {
  const char* name;
  int position;
  const char* rankMet;
};

class PlayerRank : public testing::TestWithParam<RankCase> {};

TEST_P(PlayerRank, CountsMetPlayersWithAHigherScore) {
  FormFixture f;
  f.Show(RankModel());
  f.Form.UserSelect("PlayerInfoSelect", GetParam().position);
  EXPECT_EQ(f.Form.RankMetE.Text, GetParam().rankMet);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlayerRank,
                         testing::Values(RankCase{"Highest", 0, "   1/4"},
                                         RankCase{"TiedSecond", 1, "   2/4"},
                                         RankCase{"OtherTiedSecond", 2, "   2/4"},
                                         RankCase{"Lowest", 3, "   4/4"},
                                         RankCase{"AloneUnmetPlayersDoNotCount", 4, "   1/1"}),
                         fixture::CaseName());

// Slot 18 is outside the named slots it is compared with, so it adds itself.
TEST(PlayerView, Slot18CountsItselfAmongTheMetPlayers) {
  GameModel m = fixture::TwoPlayerModel();
  m.MaxTech = 2000;
  m.SlotTable[3].SlotName = "Cyra";
  m.PlayerAlive[18] = 1;
  m.PlayerTechScore[0] = 500;
  m.PlayerTechScore[1] = 400;
  m.PlayerTechScore[18] = 450;
  m.TeamHasMet[18][0] = m.TeamHasMet[18][1] = 1;
  FormFixture f;
  f.Show(std::move(m));
  f.Form.UserSelect("PlayerInfoSelect", 2);  // slot 2 has no name
  EXPECT_EQ(f.Form.RankMetE.Text, "   2/3");
}

struct TeamCase {
  const char* name;
  int32_t team;
};

class PlayerOutsideTheTeams : public testing::TestWithParam<TeamCase> {};

// A damaged slot whose team the tables do not have: the team's figures count as
// nothing, the player's own figures still show.
TEST_P(PlayerOutsideTheTeams, ShowsTheTeamFiguresAsNothing) {
  GameModel m = PlayerModel();
  m.SlotTable[1].SlotTeam = GetParam().team;
  FormFixture f;
  const ui::TForm1& w = ShowPlayer1(f, std::move(m)).Form;
  EXPECT_EQ(w.GoldE.Text, "   1234");
  EXPECT_EQ(w.CurrTechBeakersE.Text, "      0/132");
  EXPECT_EQ(w.TechNumberE.Text, "     0");
  EXPECT_EQ(w.EspionageE.Text, "      0");
  EXPECT_EQ(w.PowerSE.Text, "  0");
  EXPECT_EQ(w.PowerUE.Text, "   60");
  EXPECT_EQ(w.RankMetE.Text, "   1/0");
  EXPECT_EQ(w.VassalsE.Text, "     0");
  for (int row = 1; row <= kTechs; ++row) EXPECT_EQ(w.TechGrid.Cell(5, row), "No") << row;
}

INSTANTIATE_TEST_SUITE_P(Cases, PlayerOutsideTheTeams,
                         testing::Values(TeamCase{"PastTheTable", kSlotCount},
                                         TeamCase{"Negative", -1}),
                         fixture::CaseName());

TEST(PlayerView, AFifthTextInSlot0LeavesThePageAsItWas) {
  FormFixture f;
  ShowPlayer1(f, PlayerModel());
  GameModel other = PlayerModel();
  other.SlotTable[0].SlotFifthText = "x";
  other.PlayerGold[1] = 999;
  other.PlayerCivics[1] = {1, 1, 1, 1, 1};
  other.TeamHasTech[2] = {};
  ShowPlayer1(f, std::move(other));
  EXPECT_EQ(f.Form.GoldE.Text, "   1234");
  EXPECT_EQ(f.Form.CivicsStr.Text, "Des, Bar, FRe, ?, ?");
  EXPECT_EQ(f.Form.TechGrid.Cell(5, RowOf(f.Form.TechGrid, "Guilds")), "Yes");
}

}  // namespace
}  // namespace varnak
