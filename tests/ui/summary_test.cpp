#include <gtest/gtest.h>

#include "support/case_name.h"
#include "ui/form_fixture.h"
#include "ui/format.h"

namespace varnak {
namespace {

using fixture::FormFixture;
using fixture::TwoPlayerModel;

TEST(BasePage, ShowsTurnDateTimeScoreStatusAndDifficulty) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.CurrentTurn = 441;
  m.EstimatedEndTurn = 500;
  m.CurrentYear = 2020;
  m.CurrentMonth = "Jul";
  m.PlayingSeconds = 3725;
  m.GameScore = 812;
  m.DifficultyLevel = 4;
  m.TurnLimit = 460;
  m.TurnSlice = 107;
  m.CutoffSlice = 100;  // a difference of -7: -1 second
  m.SessionCount = 12;
  f.Show(m);
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(w.Edit3.Text, " 441/500");
  EXPECT_EQ(w.Edit4.Text, " 2020AD Jul");
  EXPECT_EQ(w.Edit5.Text, "     1:02:05");
  EXPECT_EQ(w.Edit6.Text, "   812");
  EXPECT_EQ(w.Edit7.Text, "Incomplete");
  EXPECT_EQ(w.Edit8.Text, "Prince");
  EXPECT_EQ(w.TurnLimitE.Text, "         460");
  EXPECT_EQ(w.TurnTimeLeftE.Text, "     0:00:-01");
  EXPECT_EQ(w.Edit9.Text, "    12");
  EXPECT_EQ(w.NickE.Text, "Aurelia");
  EXPECT_EQ(w.LeaderE.Text, "Julius Caesar");
  EXPECT_EQ(w.CountryE.Text, "Rome");
}

struct YearCase {
  const char* name;
  int32_t year;
  const char* padded;  // Edit4, month empty
  const char* plain;   // StartTurnDateE of start turn 0... shown with the start turn's own date
};

class YearRules : public testing::TestWithParam<YearCase> {};

TEST_P(YearRules, PaddedOnTheBasePagePlainOnTheMapPage) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.CurrentYear = GetParam().year;
  f.Show(m);
  EXPECT_EQ(f.Form.Edit4.Text, std::string(GetParam().padded) + " ");
  EXPECT_EQ(ui::PlainYear(GetParam().year), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(Years, YearRules,
                         testing::Values(YearCase{"BeforeCommonEra", -4000, " 4000BC", "4000BC"},
                                         YearCase{"YearZero", 0, "   1AD", "1AD"},
                                         YearCase{"AfterCommonEra", 375, "  375AD", "375AD"}),
                         fixture::CaseName());

struct StatusCase {
  const char* name;
  int32_t state, victory;
  const char* text;
};

class GameStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(GameStatus, NamesTheVictoryOfAFinishedGame) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.GameState = GetParam().state;
  m.VictoryType = GetParam().victory;
  f.Show(m);
  EXPECT_EQ(f.Form.Edit7.Text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(States, GameStatus,
                         testing::Values(StatusCase{"NotFinished", 0, 4, "Incomplete"},
                                         StatusCase{"Loss", 1, -1, "Loss"},
                                         StatusCase{"Space", 2, 5, "Space"},
                                         StatusCase{"Diplomatic", 1, 6, "Diplomatic"},
                                         StatusCase{"ZeroIsUnknown", 1, 0, "Unknown"},
                                         StatusCase{"SevenIsUnknown", 1, 7, "Unknown"}),
                         fixture::CaseName());

TEST(MapPage, ShowsSettingsMapHeaderAndOptionLists) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.SaveFlag = 1;
  m.GameType = 2;
  m.GameName = "Jeu \xE9t\xE9";  // Latin-1 bytes
  m.MapScript = "Fractal";
  m.WorldSize = 5;
  m.Climate = 9;
  m.SeaLevel = 1;
  m.StartEra = 6;
  m.GameSpeed = 0;
  m.Calendar = 3;
  m.MapWidth = 60;
  m.MapHeight = 40;
  m.LatitudeA = 90;
  m.LatitudeB = -90;
  m.LandTileCount = 720;
  m.OwnedTileCount = 310;
  m.WrapX = 1;
  m.StartTurn = 100;
  m.PitbossTurnTime = 24;
  m.VictoryConditions = {1, 1, 0, 1, 0, 0, 1};
  m.GameOptions[0] = 1;
  m.GameOptions[23] = 2;
  m.MPOptions[4] = 1;
  f.Show(m);
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(w.SaveFlagE.Text, "       1");
  EXPECT_EQ(w.GameTypeE.Text, "       2");
  EXPECT_EQ(w.GameNameE.Text, "Jeu \u00E9t\u00E9");
  EXPECT_EQ(w.MapScriptE.Text, "Fractal");
  EXPECT_EQ(w.WorldSizeE.Text, "Huge");
  EXPECT_EQ(w.ClimateE.Text, "Unknown");
  EXPECT_EQ(w.SeaLevelE.Text, "Medium");
  EXPECT_EQ(w.EraE.Text, "Future");
  EXPECT_EQ(w.GameSpeedE.Text, "Marathon");
  EXPECT_EQ(w.CalenderE.Text, "       3");
  EXPECT_EQ(w.MapSizeE.Text, "  60 x 40");
  EXPECT_EQ(w.LatitudesE.Text, "  -90 ; 90");
  EXPECT_EQ(w.LandTilesE.Text, "     720");
  EXPECT_EQ(w.OwnedTilesE.Text, "     310");
  EXPECT_EQ(w.WrapXE.Text, " Yes");
  EXPECT_EQ(w.WrapYE.Text, "  No");
  // Marathon, turn 100: 15 x 100 - 4000.
  EXPECT_EQ(w.StartTurnDateE.Text, "   100/2500BC ");
  EXPECT_EQ(w.PitbossTurnTimeE.Text, "      24");
  EXPECT_EQ(w.VictoryConditionBox.Items, (std::vector<std::string>{"Time", "Domination", "Diplomatic"}));
  EXPECT_EQ(w.GameOptionBox.Items, (std::vector<std::string>{"Advanced Start", "No Espionage"}));
  EXPECT_EQ(w.MPOptionBox.Items, (std::vector<std::string>{"Turn Timer"}));
}

TEST(LeadersGrid, ShowsMetPlayersAndOnlyTheNameOfANegativeLeader) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.MaxPopulation = 100;
  m.PlayerPopScore[0] = 20;  // score 1000
  m.PlayerOwnedLand[0] = 1;
  m.LandTileCount = 3;
  m.PlayerLandShare[0] = 100.0 / 3;
  m.PlayerTotalPopulation[0] = 30;
  m.PlayerTotalPopulation[1] = 10;
  m.PlayerLandScore[0] = 8;
  m.SlotTable[2].SlotName = "Nameless";  // leader -1
  m.PlayerAlive[1] = 0;
  f.Show(m);
  const ui::GridControl& g = f.Form.LeadersGrid;
  EXPECT_EQ(g.Cell(0, 0), "\u2116");
  EXPECT_EQ(g.Cell(0, 1), " 1");
  EXPECT_EQ(g.Cell(1, 1), "Aurelia");
  EXPECT_EQ(g.Cell(2, 1), "Julius Caesar");
  EXPECT_EQ(g.Cell(3, 1), "   1000");
  EXPECT_EQ(g.Cell(4, 1), "    1 ( 33.33%)");
  EXPECT_EQ(g.Cell(5, 1), "   30 ( 75.00%)");
  EXPECT_EQ(g.Cell(6, 1), "Roman Empire");
  EXPECT_EQ(g.Cell(7, 1), "Roman");
  EXPECT_EQ(g.Cell(8, 1), "      0");
  EXPECT_EQ(g.Cell(9, 1), "      8");
  EXPECT_EQ(g.Cell(3, 2), "      0");  // dead
  EXPECT_EQ(g.Cell(1, 3), "Nameless");
  EXPECT_EQ(g.Cell(2, 3), " ");
  EXPECT_EQ(g.Cell(1, 4), "");  // an empty slot shows its empty name
  EXPECT_EQ(g.Cell(2, 4), " ");
  EXPECT_EQ(g.Cell(0, 19), "19");
}

TEST(TeamsGrid, ListsPlayersByTeamWithVassalsAndSlotCodes) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.SlotTable[1].SlotTeam = 0;  // both on team 0
  m.SlotTable[1].SlotStatus = 7;
  m.SlotTable[1].SlotClaim = 9;
  m.SlotTable[0].SlotClaim = 2;
  m.SlotTable[3].SlotName = "Cyra";
  m.SlotTable[3].SlotLeader = 10;
  m.SlotTable[3].SlotDifficulty = 12;
  m.TeamVassalOf[3][0] = 1;
  m.TeamVassalOf[3][2] = 1;
  m.TeamHasMet[0][3] = 1;
  m.TeamTotalLand[0] = 30;
  m.LandTileCount = 0;
  f.Show(m);
  const ui::GridControl& g = f.Form.TeamsGrid;
  EXPECT_EQ(g.Cell(0, 1), " 0");
  EXPECT_EQ(g.Cell(1, 1), "Aurelia");
  EXPECT_EQ(g.Cell(3, 1), "    0/30 (  0.00%)");  // no land tiles: nothing to share
  EXPECT_EQ(g.Cell(6, 1), "Prince");
  EXPECT_EQ(g.Cell(7, 1), "Human");
  EXPECT_EQ(g.Cell(8, 1), "Assigned");
  EXPECT_EQ(g.Cell(9, 1), "Yes");
  EXPECT_EQ(g.Cell(1, 2), "Brennus");
  EXPECT_EQ(g.Cell(7, 2), "Closed");
  EXPECT_EQ(g.Cell(8, 2), "Unassigned");
  EXPECT_EQ(g.Cell(9, 2), "No");
  // Team 1 has no player left and uses no row; the empty slot 2 on team 2 does.
  EXPECT_EQ(g.Cell(0, 3), " 2");
  EXPECT_EQ(g.Cell(1, 3), "");
  EXPECT_EQ(g.Cell(2, 3), " ");
  EXPECT_EQ(g.Cell(0, 4), " 3");
  EXPECT_EQ(g.Cell(1, 4), "Cyra");
  EXPECT_EQ(g.Cell(5, 4), "    2");  // the higher of two masters
  EXPECT_EQ(g.Cell(6, 4), "Unknown");
}

TEST(RestrictedView, HidesUnmetPlayersTheReplayAndTwoSelectors) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.AdminPassword = "pw";
  m.TeamHasMet[0][1] = 0;
  m.SlotTable[2].SlotName = "Cyra";
  m.SlotTable[2].SlotLeader = 10;
  m.TeamHasMet[0][2] = 1;
  m.ReplayLog = {{5, {}, "Aurelia founded Roma", 2}};
  f.Form.ShowAICheckBox.Checked = true;
  f.Show(m);
  const ui::TForm1& w = f.Form;
  EXPECT_TRUE(w.ReplayList.Lines.empty());
  EXPECT_EQ(w.LeadersGrid.Cell(1, 2), " ");
  EXPECT_EQ(w.LeadersGrid.Cell(1, 3), "Cyra");
  EXPECT_EQ(w.AttLeaderSel1.Items, (std::vector<std::string>{"Aurelia", "Cyra"}));
  EXPECT_EQ(w.SelectorPlayers[1], 2);
  EXPECT_FALSE(w.PlayerLogSelect.Visible);
  EXPECT_FALSE(w.PlayerInfoSelect.Visible);
  EXPECT_FALSE(w.ShowAICheckBox.Visible);
  EXPECT_FALSE(w.ShowAICheckBox.Checked);
  m.GameState = 1;  // a finished game shows everything
  m.ReplayLog = {{5, {}, "Aurelia founded Roma", 2}};
  FormFixture g;
  g.Show(m);
  EXPECT_TRUE(g.Form.PlayerInfoSelect.Visible);
  EXPECT_EQ(g.Form.ReplayList.Lines.size(), 1u);
}

TEST(Replay, ColoursLinesByKindAndSessionsPurple) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.ReplayLog = {
      {12, {}, "Aurelia founded Roma", 2},   {13, {}, "grey", 34},  {14, {}, "blue", 36},
      {15, {}, "green", 37},                 {16, {}, "red", 38},   {17, {}, "", 38},
      {18, {}, "Session 2 started", 38},     {19, {}, "other", 99},
      {20, {}, "\xD1\xE5\xF1\xF1\xE8\xFF 3", 2},
  };
  f.Show(m);
  const auto& lines = f.Form.ReplayList.Lines;
  ASSERT_EQ(lines.size(), 8u);  // the empty text is left out
  // Normal speed, turn 12: 40 x 12 - 4000.
  EXPECT_EQ(lines[0].Text, "  12 3520BC  Aurelia founded Roma");
  EXPECT_EQ(lines[0].LineColor, ui::kBlack);
  EXPECT_EQ(lines[1].LineColor, ui::kGrey);
  EXPECT_EQ(lines[2].LineColor, ui::kBlue);
  EXPECT_EQ(lines[3].LineColor, ui::kGreen);
  EXPECT_EQ(lines[4].LineColor, ui::kRed);
  EXPECT_EQ(lines[5].LineColor, ui::kPurple);
  EXPECT_EQ(lines[6].LineColor, ui::kBlack);
  EXPECT_EQ(lines[7].LineColor, ui::kPurple);
  // The Cyrillic session marker is a strong sign of a Russian save: shown in Windows-1251.
  EXPECT_EQ(lines[7].Text, "  20 3200BC  Сессия 3");
}

TEST(AnalysisPages, AreHiddenForAFifthTextOrAGameTypeAbove2) {
  for (int variant = 0; variant < 3; ++variant) {
    FormFixture f;
    GameModel m = TwoPlayerModel();
    if (variant == 0) m.SlotTable[0].SlotFifthText = "x";
    if (variant == 1) m.SlotTable[1].SlotFifthText = "y";
    if (variant == 2) m.GameType = 3;
    f.Show(m);
    for (int page = 0; page < ui::kPageCount; ++page)
      EXPECT_EQ(f.Form.Pages[static_cast<size_t>(page)].Visible, page < 2) << variant << page;
    EXPECT_EQ(f.Form.PopScoreE.Text, "");  // no score calculation ran
  }
  FormFixture shown;
  shown.Show(TwoPlayerModel());
  for (const ui::Page& page : shown.Form.Pages) EXPECT_TRUE(page.Visible);
}

TEST(TerrainPage, CountsKnownCodesOnly) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.MapWidth = 3;
  m.MapHeight = 2;
  m.PlotTable.Resize(3, 2);
  m.PlotTable.At(0, 0) = {0, 0, -1, -1};
  m.PlotTable.At(0, 1) = {2, 8, 5, 34};
  m.PlotTable.At(0, 2) = {3, 6, -1, 15};
  m.PlotTable.At(1, 0) = {3, 6, 9, 35};
  m.PlotTable.At(1, 1) = {7, 9, 0, 15};
  m.PlotTable.At(1, 2) = {2, 1, 4, -1};
  f.Show(m);
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(w.PlotTypeGrid.Cell(0, 4), "Water");
  EXPECT_EQ(w.PlotTypeGrid.Cell(1, 1), "   1");
  EXPECT_EQ(w.PlotTypeGrid.Cell(1, 3), "   2");
  EXPECT_EQ(w.PlotTypeGrid.Cell(1, 4), "   2");
  EXPECT_EQ(w.TerrainTypeGrid.Cell(1, 7), "   2");  // Ocean
  EXPECT_EQ(w.TerrainTypeGrid.Cell(1, 9), "   1");  // Hill
  EXPECT_EQ(w.FeatureTypeGrid.Cell(1, 1), "   1");
  EXPECT_EQ(w.FeatureTypeGrid.Cell(1, 6), "   1");
  EXPECT_EQ(w.BonusTypeGrid.Cell(1, 16), "   2");  // Fish
  EXPECT_EQ(w.BonusTypeGrid.Cell(1, 35), "   1");  // Movies
}

TEST(PlayerSelectors, ListNamedPlayersAndChooseTheFirst) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.SlotTable[5].SlotName = "Cyra";
  f.Form.AttLeaderSel2.Items = {"old"};
  f.Show(m);
  for (const ui::SelectControl* box :
       {&f.Form.PlayerLogSelect, &f.Form.PlayerInfoSelect, &f.Form.AttLeaderSel1, &f.Form.AttLeaderSel2}) {
    EXPECT_EQ(box->Items, (std::vector<std::string>{"Aurelia", "Brennus", "Cyra"}));
    EXPECT_EQ(box->Selected, 0);
  }
  EXPECT_EQ(f.Form.SelectorPlayers[2], 5);
}

}  // namespace
}  // namespace varnak
