// PrintData: the Base, Map, Leaders, Teams, Replay and Terrain pages, the session
// count, the player selectors; then the other views and the two score calculations.
#include <string_view>

#include "analysis/calendar.h"
#include "analysis/session_marker.h"
#include "model/refill.h"
#include "model/wrapping.h"
#include "reference/reference_tables.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {
namespace {

size_t At(int32_t i) { return static_cast<size_t>(i); }

// A name from a table, or "Unknown" for an index the table does not have.
template <size_t N>
std::string NameOf(const std::array<std::string_view, N>& table, int32_t index) {
  return index >= 0 && At(index) < N ? std::string(table[At(index)]) : "Unknown";
}

// The same with another text for an index the table does not have.
template <size_t N>
std::string NameOr(const std::array<std::string_view, N>& table, int32_t index, const char* other) {
  return index >= 0 && At(index) < N ? std::string(table[At(index)]) : other;
}

std::string GameStatus(const GameModel& m) {
  if (m.GameState == 0) return "Incomplete";
  // A lost game stores -1; 0, "Loss" by the table's index, is no outcome the game writes.
  if (m.VictoryType == -1) return std::string(reference::VictoryNames[0]);
  if (m.VictoryType == 0) return "Unknown";
  return NameOf(reference::VictoryNames, m.VictoryType);
}

// A team's share of the world in percent. A divisor of 0 or less leaves nothing to
// share: the share shows 0.
double SharePercent(int32_t part, int32_t whole) {
  return whole > 0 ? static_cast<double>(WrapMul(part, 100)) / whole : 0.0;
}

Color ReplayColor(const TReplayMsgRec& msg) {
  if (IsSessionText(msg.Text)) return kPurple;
  return GameMessageColor(msg.Kind);
}

}  // namespace

void TForm1::ClearLeadersGrid() {
  for (int row = 1; row < 20; ++row) {
    LeadersGrid.Cell(0, row) = Format("%2d", row);
    for (int c = 1; c < 11; ++c) LeadersGrid.Cell(c, row) = " ";
    for (int c = 0; c < 10; ++c) TeamsGrid.Cell(c, row) = " ";
  }
}

void TForm1::PrintData() {
  PrintSummary();

  DrawPlayerLog();
  DrawGraph();
  PrintPlayerInfo();
  PrintLeaderAttitude();

  const GameModel& m = *model_;
  const bool analysis = m.AnalysisPagesShown();
  if (analysis) {
    ScoreCalc();
    OrdoScoreCalc();
  }
  for (int page = kFirstAnalysisPage; page < kPageCount; ++page) Pages[static_cast<size_t>(page)].Visible = analysis;
  Pages[kWorldPage].Visible = Pages[kCitiesPage].Visible = m.WorldPagesShown();

  CountTerrain();
  DrawWorldMap();
  PrintCitiesPage();
}

void TForm1::PrintSummary() {
  PrintBasePage();
  PrintMapPage();
  PrintPlayerGrids();
  PrintReplayPage();
  FillPlayerSelectors();
}

// "Base": the game's state and player 0's names.
void TForm1::PrintBasePage() {
  const GameModel& m = *model_;
  Edit3.Text = Format("%4d/%3d", m.CurrentTurn, m.EstimatedEndTurn);
  Edit4.Text = PaddedYear(m.CurrentYear) + " " + m.CurrentMonth;
  Edit5.Text = HoursMinutesSeconds(m.PlayingSeconds);
  Edit6.Text = Format("%6d", m.GameScore);
  Edit8.Text = LevelString(m.DifficultyLevel);
  Edit7.Text = GameStatus(m);
  TurnLimitE.Text = Format("%12d", m.TurnLimit);
  TurnTimeLeftE.Text = HoursMinutesSeconds(WrapSub(m.CutoffSlice, m.TurnSlice) / 4);
  Edit9.Text = Format("%6d", m.SessionCount);
  const TLeaderInfoRec& first = m.SlotTable[0];
  NickE.Text = ShowText(first.SlotName, TextField::SlotName, 0);
  LeaderE.Text = NameOf(reference::LeaderNames, first.SlotLeader);
  CountryE.Text = NameOf(reference::NationNames, first.SlotNation);
}

// "Map": settings, map header, option lists.
void TForm1::PrintMapPage() {
  const GameModel& m = *model_;
  // Dates shown by the views do not move the turn count the graph draws.
  int32_t scratchElapsed = m.ElapsedTurns;
  SaveFlagE.Text = Format("%8d", m.SaveFlag);
  GameTypeE.Text = Format("%8d", m.GameType);
  GameNameE.Text = ShowText(m.GameName, TextField::GameName);
  MapScriptE.Text = ShowText(m.MapScript, TextField::MapScript);
  WorldSizeE.Text = NameOf(reference::WorldSizeNames, m.WorldSize);
  ClimateE.Text = NameOf(reference::ClimateNames, m.Climate);
  SeaLevelE.Text = NameOf(reference::SeaLevelNames, m.SeaLevel);
  EraE.Text = NameOf(reference::EraNames, m.StartEra);
  GameSpeedE.Text = NameOf(reference::GameSpeedNames, m.GameSpeed);
  CalenderE.Text = Format("%8d", m.Calendar);
  MapSizeE.Text = Format("%4d x %d", m.MapWidth, m.MapHeight);
  LatitudesE.Text = Format("%5d ; %d", m.LatitudeB, m.LatitudeA);
  LandTilesE.Text = Format("%8d", m.LandTileCount);
  OwnedTilesE.Text = Format("%8d", m.OwnedTileCount);
  WrapXE.Text = m.WrapX != 0 ? " Yes" : "  No";
  WrapYE.Text = m.WrapY != 0 ? " Yes" : "  No";
  {
    std::string month;
    const int32_t year = Turn2Date(m.GameSpeed, m.StartTurn, month, scratchElapsed);
    StartTurnDateE.Text =
        Format("%6d/%s %s", m.StartTurn, PlainYear(year).c_str(), month.c_str());
  }
  PitbossTurnTimeE.Text = Format("%8d", m.PitbossTurnTime);
  MaxCityEliminationE.Text = Format("%8d", m.MaxCityElimination);
  AdvancedStartPointsE.Text = Format("%8d", m.AdvancedStartPoints);

  GameOptionBox.Items.clear();
  for (size_t i = 0; i < m.GameOptions.size(); ++i)
    if (m.GameOptions[i] != 0) GameOptionBox.Items.emplace_back(reference::GameOptionNames[i]);
  MPOptionBox.Items.clear();
  for (size_t i = 0; i < m.MPOptions.size(); ++i)
    if (m.MPOptions[i] != 0) MPOptionBox.Items.emplace_back(reference::MPOptionNames[i]);
  VictoryConditionBox.Items.clear();
  for (size_t i = 1; i < m.VictoryConditions.size(); ++i)
    if (m.VictoryConditions[i] != 0) VictoryConditionBox.Items.emplace_back(reference::VictoryNames[i]);
}

// "Leaders" and "Teams".
void TForm1::PrintPlayerGrids() {
  const GameModel& m = *model_;
  const bool restricted = m.RestrictedView > 0;
  const bool namesOnly = m.FirstSlotHasFifthText() && restricted;
  ClearLeadersGrid();
  for (int32_t i = 0; i < kSlotCount; ++i) {
    const TLeaderInfoRec& slot = m.SlotTable[At(i)];
    const int row = i + 1;
    if (namesOnly) {
      LeadersGrid.Cell(1, row) = PlayerName(i);
      continue;
    }
    if (!m.MetByTeam0(i) && m.RestrictedView != 0) continue;
    LeadersGrid.Cell(1, row) = PlayerName(i);
    if (slot.SlotLeader < 0) continue;
    LeadersGrid.Cell(2, row) = NameOf(reference::LeaderNames, slot.SlotLeader);
    LeadersGrid.Cell(3, row) = m.PlayerAlive[At(i)] != 0 ? Format("%7d", m.PlayerScore[At(i)]) : "      0";
    LeadersGrid.Cell(4, row) = Format("%5d (%6.2f%%)", m.PlayerOwnedLand[At(i)], m.PlayerLandShare[At(i)]);
    LeadersGrid.Cell(5, row) =
        Format("%5d (%6.2f%%)", m.PlayerTotalPopulation[At(i)], m.PlayerPopulationShare[At(i)]);
    LeadersGrid.Cell(6, row) = ShowText(slot.SlotNationDescription, TextField::SlotNationDescription, i);
    LeadersGrid.Cell(7, row) = ShowText(slot.SlotNationAdjective, TextField::SlotNationAdjective, i);
    LeadersGrid.Cell(8, row) = Format("%7d", slot.SlotTeam);
    LeadersGrid.Cell(9, row) = Format("%7d", m.PlayerLandScore[At(i)]);
  }

  int row = 1;
  for (int32_t t = 0; t < kSlotCount; ++t) {
    for (int32_t p = 0; p < kSlotCount; ++p) {
      const TLeaderInfoRec& slot = m.SlotTable[At(p)];
      if (slot.SlotTeam != t) continue;
      TeamsGrid.Cell(0, row) = Format("%2d", t);
      if (namesOnly) {
        TeamsGrid.Cell(1, row) = ShowText(slot.SlotName, TextField::SlotName, p);
      } else if (m.TeamsHaveMet(0, t) || m.RestrictedView == 0) {
        TeamsGrid.Cell(1, row) = ShowText(slot.SlotName, TextField::SlotName, p);
        if (slot.SlotLeader >= 0) {
          TeamsGrid.Cell(2, row) = m.PlayerAlive[At(p)] != 0
                                       ? Format("%5d/%d", m.PlayerScore[At(p)], m.TeamScore[At(t)])
                                       : "      0";
          TeamsGrid.Cell(3, row) = Format("%5d/%d (%6.2f%%)", m.PlayerOwnedLand[At(p)],
                                          m.TeamScoredLand[At(t)],
                                          SharePercent(m.TeamScoredLand[At(t)], m.LandTileCount));
          TeamsGrid.Cell(4, row) =
              Format("%5d/%d (%6.2f%%)", m.PlayerTotalPopulation[At(p)], m.TeamScoredPopulation[At(t)],
                     SharePercent(m.TeamScoredPopulation[At(t)], m.WorldPopulation));
          for (int32_t j = kSlotCount - 1; j >= 0; --j) {
            if (m.TeamVassalOf[At(t)][At(j)] != 0) {
              TeamsGrid.Cell(5, row) = Format("%5d", j);
              break;
            }
          }
          TeamsGrid.Cell(6, row) = LevelString(slot.SlotDifficulty);
          TeamsGrid.Cell(7, row) = NameOr(reference::SlotStatusNames, slot.SlotStatus, "Closed");
          TeamsGrid.Cell(8, row) = NameOr(reference::SlotClaimNames, slot.SlotClaim, "Unassigned");
          TeamsGrid.Cell(9, row) = slot.SlotPlayable != 0 ? "Yes" : "No";
        }
      }
      ++row;
    }
  }
}

void TForm1::PrintReplayPage() {
  const GameModel& m = *model_;
  // Dates shown by the views do not move the turn count the graph draws.
  int32_t scratchElapsed = m.ElapsedTurns;
  {
    Refill<LogLine> lines(ReplayList.Lines);
    if (m.RestrictedView == 0) {
      lines.Reserve(m.ReplayLog.size());
      std::string month;
      std::string shown;
      for (size_t i = 0; i < m.ReplayLog.size(); ++i) {
        const TReplayMsgRec& msg = m.ReplayLog[i];
        if (msg.Text.empty()) continue;
        const int32_t year = Turn2Date(m.GameSpeed, msg.Turn, month, scratchElapsed);
        shown.clear();
        AppendShownText(shown, msg.Text, TextField::ReplayText, static_cast<int32_t>(i));
        LogLine& line = lines.Slot();
        line.Fields = WriteLogLine(line.Text, msg.Turn, year, month, shown);
        line.LineColor = ReplayColor(msg);
        lines.Keep();
      }
    }
  }
}

// The four player selectors and the slot behind each of their entries.
void TForm1::FillPlayerSelectors() {
  const GameModel& m = *model_;
  for (SelectControl* box : {&PlayerLogSelect, &PlayerInfoSelect, &AttLeaderSel1, &AttLeaderSel2})
    box->Clear();
  size_t k = 0;
  for (int32_t i = 0; i < kSlotCount; ++i) {
    const std::string& name = m.SlotTable[At(i)].SlotName;
    if (name.empty() || (!m.MetByTeam0(i) && m.RestrictedView != 0)) continue;
    SelectorPlayers[k++] = i;
  }
  for (SelectControl* box : {&PlayerLogSelect, &PlayerInfoSelect, &AttLeaderSel1, &AttLeaderSel2})
    box->Items.resize(k);
  NamePlayerSelectors();
  for (SelectControl* box : {&PlayerLogSelect, &PlayerInfoSelect, &AttLeaderSel1, &AttLeaderSel2})
    if (box->Selected < 0 && !box->Items.empty()) box->Select(0);
}

// Each entry shows its player's name; what is chosen stays chosen.
void TForm1::NamePlayerSelectors() {
  const GameModel& m = *model_;
  for (SelectControl* box : {&PlayerLogSelect, &PlayerInfoSelect, &AttLeaderSel1, &AttLeaderSel2}) {
    for (size_t k = 0; k < box->Items.size(); ++k) {
      const int32_t slot = SelectorPlayers[k];
      box->Items[k] = ShowText(m.SlotTable[At(slot)].SlotName, TextField::SlotName, slot);
    }
    if (box->Selected >= 0) box->Text = box->Items[At(box->Selected)];
  }
}

// After the code page changed: the views that show the save's texts, written from the
// model and from what the user chose, as a load wrote them; the user's inputs and
// choices, and the scores computed from them, stay as they are.
void TForm1::PrintSaveTexts() {
  PrintBasePage();
  PrintMapPage();
  PrintPlayerGrids();
  PrintReplayPage();
  NamePlayerSelectors();
  DrawGraph();
  DrawPlayerLog();
  DrawWorldMap();  // the legend and the city names
  PrintCitiesPage();
}

void TForm1::CountTerrain() {
  const GameModel& m = *model_;
  PlotTypeCounts = {};
  TerrainTypeCounts = {};
  FeatureTypeCounts = {};
  BonusTypeCounts = {};
  auto count = [](auto& counts, int16_t code) {
    if (code >= 0 && static_cast<size_t>(code) < counts.size()) ++counts[static_cast<size_t>(code)];
  };
  for (const TPlotRec& plot : m.PlotTable.Cells) {
    count(PlotTypeCounts, plot.PlotType);
    count(TerrainTypeCounts, plot.TerrainType);
    count(FeatureTypeCounts, plot.FeatureType);
    count(BonusTypeCounts, plot.BonusType);
  }
  auto show = [](GridControl& grid, const auto& counts) {
    for (size_t i = 0; i < counts.size(); ++i)
      grid.Cell(1, static_cast<int>(i) + 1) = Format("%4d", counts[i]);
  };
  show(PlotTypeGrid, PlotTypeCounts);
  show(TerrainTypeGrid, TerrainTypeCounts);
  show(FeatureTypeGrid, FeatureTypeCounts);
  show(BonusTypeGrid, BonusTypeCounts);
}

}  // namespace varnak::ui
