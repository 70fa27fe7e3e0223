// The GameModel: everything one load of a save yields.
//
// A fresh model is built for every load, so no value of an earlier file can show
// after a later one. Tables keep the capacities the game's format implies; the
// parser reads past whatever does not fit instead of writing outside a table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/wide_texts.h"
#include "reference/reference_tables.h"

namespace varnak {

inline constexpr int kSlotCount = 19;           // player slots and teams 0..18
inline constexpr int kSlotRecords = 20;         // slot 19 is never filled
inline constexpr int kTechs = static_cast<int>(reference::kTechCount);
inline constexpr int kReligions = 7;
inline constexpr int kVictoryConditions = 7;
inline constexpr int kGameOptions = 24;
inline constexpr int kMPOptions = 5;
inline constexpr int kSessionTurnCapacity = 4096;
inline constexpr int32_t kNoSessionTurn = 9999;
inline constexpr int kReplayCapacity = 65536;   // records actually kept
inline constexpr int kMessageCapacity = 65537;  // messages kept per player
inline constexpr int kPlotTableSide = 500;
inline constexpr int kCityCapacity = 500;
inline constexpr int kHistoryTurns = 1501;      // turn indexes 0..1500
inline constexpr int kHistoryWritable = 1500;   // only 0..1499 come from the file
inline constexpr int kMemoryKinds = static_cast<int>(reference::kMemoryKindCount);
inline constexpr int kCivicCategories = 5;

// Player slots and teams share one range; an index outside it (a damaged save's team,
// say) has no row in any table.
constexpr bool ValidSlot(int32_t i) { return i >= 0 && i < kSlotCount; }
constexpr bool ValidTeam(int32_t t) { return ValidSlot(t); }

template <typename T>
using PerSlot = std::array<T, kSlotCount>;
template <typename T>
using SlotBySlot = std::array<std::array<T, kSlotCount>, kSlotCount>;
template <typename T>
using PerTech = std::array<T, kTechs>;

// One player setup slot of the save header.
struct TLeaderInfoRec {
  std::string SlotName;
  std::string SlotNationDescription;
  std::string ThirdText;
  std::string SlotNationAdjective;
  std::string SlotFifthText;
  std::string SixthText;
  std::string SeventhText;
  int32_t Flag = 0;
  std::string NinthText;
  int32_t SlotNation = 0;
  int32_t SlotLeader = 0;
  int32_t SlotTeam = 0;
  int32_t SlotDifficulty = 0;
  int32_t SlotKept1 = 0;
  int32_t SlotKept2 = 0;
  int32_t SlotStatus = 0;
  int32_t SlotClaim = 0;
  int32_t SlotPlayable = 0;
  int32_t SlotMinor = 0;
};

struct TReplayMsgRec {
  int32_t Turn = 0;
  std::array<int32_t, 4> Kept{};
  std::string Text;  // markup already removed
  int32_t Kind = 0;
};

struct TMessageRec {
  std::string MessageText;  // markup already removed
  int32_t MessageColor = 0;
  int32_t MessageTurn = 0;
  int32_t MessageKind = 0;
};

inline constexpr uint8_t kNoPlotOwner = 255;  // what the game writes for "nobody"

struct TPlotRec {
  int16_t PlotType = 0;
  int16_t TerrainType = 0;
  int16_t FeatureType = 0;
  int16_t BonusType = 0;
  uint8_t Owner = kNoPlotOwner;  // a player 0..18; anything from 19 up is nobody
};

// One city as its owner's record gives it.
struct TCityRec {
  std::string Name;
  int32_t X = 0;  // plot column and row, as read (they may lie off the map)
  int32_t Y = 0;
  int32_t FoundedTurn = 0;
  int32_t Population = 0;
  int32_t Culture = 0;  // the owner's culture in the city, in hundredths
};

// The map's plots, [row y][column x]. Only the part of the map that fits the
// game's 500 x 500 table is held, and only as much of it as the map covers.
struct PlotGrid {
  int32_t Columns = 0;
  int32_t Rows = 0;
  std::vector<TPlotRec> Cells;

  void Resize(int32_t columns, int32_t rows) {
    Columns = columns;
    Rows = rows;
    Cells.assign(static_cast<size_t>(columns) * static_cast<size_t>(rows), TPlotRec{});
  }
  bool Holds(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < Columns && y < Rows; }
  TPlotRec& At(int32_t y, int32_t x) {
    return Cells[static_cast<size_t>(y) * static_cast<size_t>(Columns) + static_cast<size_t>(x)];
  }
  const TPlotRec& At(int32_t y, int32_t x) const {
    return Cells[static_cast<size_t>(y) * static_cast<size_t>(Columns) + static_cast<size_t>(x)];
  }
};

struct SessionListEntry {
  int32_t Number = 0;
  int32_t Year = 0;
  std::string Month;
};

// Factors of the game score that the user sets; they outlive a load.
struct GameScoreFactors {
  int32_t PopCoeff = 5000;
  int32_t LandCoeff = 2000;
  int32_t TechCoeff = 2000;
  int32_t WonderCoeff = 1000;
};

// Where the body ran out, when it did.
struct ParseDamage {
  bool Damaged = false;
  int64_t Offset = 0;      // offset in the save image where the data ends
  std::string Section;     // what was being read, e.g. "the team records"
};

struct GameModel {
  // ---- Save header and player setup ----
  int32_t SaveVersion = 0;
  int32_t SaveFlag = 0;
  int32_t GameType = 0;
  std::string GameName;
  std::string AdminPassword;
  std::string MapScript;
  int32_t WorldSize = 0;
  int32_t Climate = 0;
  int32_t SeaLevel = 0;
  int32_t StartEra = 0;
  int32_t GameSpeed = 0;
  int32_t Calendar = 0;
  int32_t TurnLimit = 0;
  int32_t PitbossTurnTime = 0;
  int32_t MaxCityElimination = 0;
  int32_t AdvancedStartPoints = 0;
  std::array<int32_t, kVictoryConditions> VictoryConditions{};
  std::array<int32_t, kGameOptions> GameOptions{};
  std::array<int32_t, kMPOptions> MPOptions{};
  std::array<TLeaderInfoRec, kSlotRecords> SlotTable{};

  int32_t GetTeam(int32_t player) const { return SlotTable[static_cast<size_t>(player)].SlotTeam; }

  // Whether team `a` has met team `b`; a team the tables do not have has met nobody.
  bool TeamsHaveMet(int32_t a, int32_t b) const {
    return ValidTeam(a) && ValidTeam(b) && TeamHasMet[static_cast<size_t>(a)][static_cast<size_t>(b)] != 0;
  }
  // Whether team `vassal` is a vassal of team `master`; never for a team the tables lack.
  bool TeamIsVassalOf(int32_t vassal, int32_t master) const {
    return ValidTeam(vassal) && ValidTeam(master) &&
           TeamVassalOf[static_cast<size_t>(vassal)][static_cast<size_t>(master)] != 0;
  }
  // Whether team 0 has met the team of `player`: a restricted view shows only them.
  bool MetByTeam0(int32_t player) const { return TeamsHaveMet(0, GetTeam(player)); }
  // A fifth text in slot 0 marks a save whose player may not see the others' details.
  bool FirstSlotHasFifthText() const { return !SlotTable[0].SlotFifthText.empty(); }
  // The analysis pages (from "Leaders" on) are shown only for a plain game whose first
  // two slots carry no fifth text.
  bool AnalysisPagesShown() const {
    return SlotTable[0].SlotFifthText.empty() && SlotTable[1].SlotFifthText.empty() && GameType < 3;
  }
  // The map and the cities ("World", "Cities") are an analysis view too, and a
  // restricted view is a game in progress whose map the player may not see.
  bool WorldPagesShown() const { return AnalysisPagesShown() && RestrictedView == 0; }

  // ---- Session scan ----
  std::array<int32_t, kSessionTurnCapacity> SessionTurns{};
  std::vector<SessionListEntry> SessionList;

  // ---- Game record and replay log ----
  int32_t ElapsedTurns = 0;
  int32_t StartTurn = 0;
  int32_t CurrentTurn = 0;
  int32_t EstimatedEndTurn = 0;
  int32_t TurnSlice = 0;
  int32_t PlayingSeconds = 0;
  int32_t CutoffSlice = 0;
  int32_t MaxPopulation = 0;
  int32_t MaxLand = 0;
  int32_t MaxTech = 0;
  int32_t MaxWonders = 0;
  int32_t InitPopulation = 0;
  int32_t InitLand = 0;
  int32_t InitTech = 0;
  int32_t InitWonders = 0;
  int32_t DifficultyLevel = 0;
  int32_t VictoryType = 0;
  int32_t GameState = 0;
  int32_t CurrentYear = 0;
  std::string CurrentMonth;
  int32_t GameScore = 0;
  int32_t PreSessionCount = 0;
  int32_t SessionCount = 0;
  int32_t WorldSizePercent = 0;
  int32_t SpeedPercent = 0;
  int32_t EraPercent = 0;
  int32_t TeamTechCostPercent = 50;
  double DiffCoeff = 0.0;
  PerSlot<int32_t> SavedPlayerRank{};
  PerSlot<int32_t> SavedPlayerScore{};
  std::array<int32_t, kReligions> ReligionOwner{};
  int32_t ReplayCount = 0;
  std::vector<TReplayMsgRec> ReplayLog;  // ReplayCount records

  // ---- Map ----
  int32_t MapWidth = 0;
  int32_t MapHeight = 0;
  int32_t LandTileCount = 0;
  int32_t OwnedTileCount = 0;
  int32_t LatitudeA = 0;
  int32_t LatitudeB = 0;
  int32_t WrapX = 0;
  int32_t WrapY = 0;
  int32_t PlotCount = 0;
  PlotGrid PlotTable;
  PerSlot<int32_t> PlayerOwnedLand{};
  PerSlot<double> PlayerLandShare{};

  // ---- Teams ----
  PerSlot<int32_t> TeamMemberCount{};
  PerSlot<int32_t> TeamAliveCount{};
  PerSlot<int32_t> TeamTotalPopulation{};
  PerSlot<int32_t> TeamTotalLand{};
  PerSlot<int32_t> TeamEspionageEver{};
  SlotBySlot<int32_t> TeamEspionageAgainst{};
  SlotBySlot<int32_t> TeamHasMet{};
  SlotBySlot<int32_t> TeamAtWar{};
  SlotBySlot<int32_t> TeamDefensivePact{};
  SlotBySlot<int32_t> TeamVassalOf{};
  PerSlot<PerTech<int32_t>> TeamResearchProgress{};
  PerSlot<int32_t> TeamFutureTechCount{};
  PerSlot<PerTech<int32_t>> TeamHasTech{};
  PerSlot<int32_t> TeamTechCount{};
  SlotBySlot<int32_t> TeamWarAttitudeCounter{};
  SlotBySlot<int32_t> TeamPeaceAttitudeCounter{};
  SlotBySlot<int32_t> TeamRelationCounter{};
  SlotBySlot<int32_t> TeamOpenBordersCounter{};
  SlotBySlot<int32_t> TeamDefensivePactCounter{};
  SlotBySlot<int32_t> TeamShareWarCounter{};
  SlotBySlot<int32_t> TeamWarSuccess{};
  SlotBySlot<int32_t> TeamEnemyTradeValueA{};
  SlotBySlot<int32_t> TeamEnemyTradeValueB{};

  // ---- Players: record head ----
  PerSlot<int32_t> PlayerTotalPopulation{};
  PerSlot<int32_t> PlayerGold{};
  PerSlot<int32_t> PlayerGoldPerTurn{};
  PerSlot<int32_t> PlayerGreatPeopleCreated{};
  PerSlot<int32_t> PlayerGreatGeneralsCreated{};
  PerSlot<int32_t> PlayerWWPoints{};
  PerSlot<int32_t> PlayerStateReligionCount{};
  PerSlot<int32_t> PlayerPower{};
  PerSlot<int32_t> PlayerPopScore{};
  PerSlot<int32_t> PlayerLandScore{};
  PerSlot<int32_t> PlayerWonderScore{};
  PerSlot<int32_t> PlayerTechScore{};
  PerSlot<int32_t> PlayerGeneralPoints{};
  PerSlot<int32_t> PlayerAlive{};
  PerSlot<int32_t> PlayerEverAlive{};
  PerSlot<int32_t> PlayerPersonality{};
  PerSlot<int32_t> PlayerStateReligion{};
  PerSlot<int32_t> PlayerParent{};
  PerSlot<int32_t> PlayerCurrentResearch{};
  PerSlot<std::array<int32_t, kCivicCategories>> PlayerCivics{};
  PerSlot<int32_t> PlayerCityCount{};
  PerSlot<int32_t> PlayerBuildingPower{};
  PerSlot<PerTech<int32_t>> TechAcquiredTurn{};

  // ---- Cities ----
  PerSlot<std::array<int32_t, kCityCapacity>> PlayerCityCulture{};  // sorted by the end of the load
  // The cities in file order, at most kCityCapacity per player; their culture stays
  // beside them, unsorted.
  PerSlot<std::vector<TCityRec>> PlayerCities{};

  // ---- Players: record tail ----
  PerSlot<int32_t> PlayerUnitCount{};
  PerSlot<int32_t> PlayerMessageCount{};
  PerSlot<int32_t> PlayerPeaceWeight{};
  PerSlot<std::vector<TMessageRec>> MessageTable{};  // at most kMessageCapacity each
  using History = PerSlot<std::array<int32_t, kHistoryTurns>>;
  History ScoreHistory{};
  History EconomyHistory{};
  History IndustryHistory{};
  History AgricultureHistory{};
  History PowerHistory{};
  History CultureHistory{};
  History EspionageHistory{};
  History ScienceHistory{};
  SlotBySlot<int32_t> PlayerSameReligionCounter{};
  SlotBySlot<int32_t> PlayerDifferentReligionCounter{};
  SlotBySlot<int32_t> PlayerFavoriteCivicCounter{};
  SlotBySlot<int32_t> PlayerBonusTradeCounter{};
  SlotBySlot<int32_t> PlayerTradeValueA{};
  SlotBySlot<int32_t> PlayerTradeValueB{};
  SlotBySlot<int32_t> PlayerExtraAttitude{};
  PerSlot<PerSlot<std::array<int32_t, kMemoryKinds>>> PlayerMemory{};
  SlotBySlot<int32_t> PlayerCloseBordersAttitude{};

  // ---- Derived at the end of the load ----
  int32_t RestrictedView = 0;
  int32_t NamedPlayerCount = 0;
  int32_t WorldPopulation = 0;
  PerSlot<double> PlayerPopulationShare{};
  int32_t OrdoCultureCurr = 0;
  int32_t OrdoMTechCurr = 0;
  int32_t OrdoTurnCurr = 0;
  int32_t OrdoCultureMax = 0;
  int32_t OrdoTurnMax = 0;
  PerSlot<int32_t> TeamScoredPopulation{};
  PerSlot<int32_t> TeamScoredLand{};
  PerSlot<int32_t> PlayerPopScoreWithVassals{};
  PerSlot<int32_t> PlayerLandScoreWithVassals{};
  PerSlot<int32_t> PlayerScore{};
  PerSlot<int32_t> TeamScore{};

  // ---- Shown texts with a character above 255, whole ----
  WideTexts Unicode;

  // ---- Settings the user owns; carried from load to load ----
  GameScoreFactors Factors;

  // ---- How the read went ----
  ParseDamage Damage;
};

}  // namespace varnak
