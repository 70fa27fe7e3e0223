// The game's fixed vocabulary and constants.
//
// A save stores only indices; every view turns them into names, costs, eras and
// power values through these tables. Each table is indexed from 0 and its order
// is part of the save format, so entries must never be reordered or removed.
// Look-ups are unchecked: callers validate the ranges they depend on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varnak::reference {

inline constexpr std::size_t kLeaderCount = 53;
inline constexpr std::size_t kNationCount = 36;
inline constexpr std::size_t kEraCount = 7;
inline constexpr std::size_t kTechCount = 92;
inline constexpr std::size_t kBuildingCount = 159;
inline constexpr std::size_t kPlotTypeCount = 4;
inline constexpr std::size_t kTerrainCount = 9;
inline constexpr std::size_t kFeatureCount = 6;
inline constexpr std::size_t kBonusCount = 35;
inline constexpr std::size_t kVictoryCount = 7;
inline constexpr std::size_t kGameOptionCount = 24;
inline constexpr std::size_t kMPOptionCount = 5;
inline constexpr std::size_t kMonthCount = 12;
inline constexpr std::size_t kCivicCount = 25;
inline constexpr std::size_t kWorldSizeCount = 6;
inline constexpr std::size_t kClimateCount = 5;
inline constexpr std::size_t kSeaLevelCount = 3;
inline constexpr std::size_t kGameSpeedCount = 4;
inline constexpr std::size_t kDifficultyCount = 9;
inline constexpr std::size_t kSlotStatusCount = 4;
inline constexpr std::size_t kSlotClaimCount = 3;
inline constexpr std::size_t kSessionMarkerCount = 3;

// Technology eras count from 1; era e is named by EraNames[e - 1].
inline constexpr int32_t kFirstTechEra = 1;
inline constexpr int32_t kLastTechEra = 7;
// Repeatable; how often a team researched it is kept apart from the tech flags.
inline constexpr std::size_t kFutureTech = 91;
// The Ordo scheme's "modern" technologies are those of the eras from kModernEra on;
// Robotics, the last before the future ones, counts twice.
inline constexpr int32_t kModernEra = 6;
inline constexpr std::size_t kRobotics = 90;

template <std::size_t N>
using NameList = std::array<std::string_view, N>;

struct TTechInfoRec {
  std::string_view TechName;  // also matched as a substring of player messages
  int32_t TechBaseCost;       // before difficulty, map, speed, era and team scaling
  int32_t TechEra;            // kFirstTechEra..kLastTechEra
  int32_t TechPower;          // summed over known technologies for the power figure
};

struct TBuildingInfoRec {
  std::string_view BuildingKey;  // upper case with underscores
  int32_t BuildingPower;         // per building of this type in a city
};

// Column indices of a LeaderPersonalityTable row. Memory kind k sits in
// column MemoryPercent + k.
enum PersonalityColumn : std::size_t {
  BaseAttitude = 0,
  WarmongerRespect = 1,
  WorseRankAttitude = 2,
  BetterRankAttitude = 3,
  CloseBordersLimit = 4,
  LostWarAttitude = 5,
  AtWarDivisor = 6,
  AtWarLimit = 7,
  AtPeaceDivisor = 8,
  AtPeaceLimit = 9,
  SameReligionBase = 10,
  SameReligionDivisor = 11,
  SameReligionLimit = 12,
  DifferentReligionBase = 13,
  DifferentReligionDivisor = 14,
  DifferentReligionLimit = 15,
  BonusTradeDivisor = 16,
  BonusTradeLimit = 17,
  OpenBordersDivisor = 18,
  OpenBordersLimit = 19,
  DefensivePactDivisor = 20,
  DefensivePactLimit = 21,
  ShareWarBase = 22,
  ShareWarDivisor = 23,
  ShareWarLimit = 24,
  FavoriteCivicBase = 25,
  FavoriteCivicDivisor = 26,
  FavoriteCivicLimit = 27,
  FavoriteCivic = 28,  // index into CivicCodes, kNoFavoriteCivic when none
  MemoryPercent = 29,  // memory kind 0
};

inline constexpr std::size_t kFirstMemoryColumn = MemoryPercent;
inline constexpr std::size_t kMemoryKindCount = 33;
inline constexpr std::size_t kPersonalityColumnCount = kFirstMemoryColumn + kMemoryKindCount;
inline constexpr int32_t kNoFavoriteCivic = -1;

constexpr std::size_t MemoryColumn(std::size_t memoryKind) {
  return kFirstMemoryColumn + memoryKind;
}

using PersonalityRow = std::array<int32_t, kPersonalityColumnCount>;

extern const NameList<kLeaderCount> LeaderNames;   // index = leader index
extern const NameList<kNationCount> NationNames;   // index = nation index
extern const NameList<kEraCount> EraNames;
extern const std::array<TTechInfoRec, kTechCount> TechnologyTable;
extern const std::array<TBuildingInfoRec, kBuildingCount> BuildingTypeTable;
extern const NameList<kPlotTypeCount> PlotTypeNames;
extern const NameList<kTerrainCount> TerrainNames;
extern const NameList<kFeatureCount> FeatureNames;
extern const NameList<kBonusCount> BonusNames;
extern const NameList<kVictoryCount> VictoryNames;  // 0 "Loss" is not a victory
extern const NameList<kGameOptionCount> GameOptionNames;
extern const NameList<kMPOptionCount> MPOptionNames;
extern const NameList<kMonthCount> MonthNames;      // 0 "Jan"
extern const NameList<kCivicCount> CivicCodes;
// Game settings by the index the save stores.
extern const NameList<kWorldSizeCount> WorldSizeNames;  // the game's own "Standart"
extern const NameList<kClimateCount> ClimateNames;
extern const NameList<kSeaLevelCount> SeaLevelNames;
extern const NameList<kGameSpeedCount> GameSpeedNames;  // 0 "Marathon" .. 3 "Quick"
extern const NameList<kSlotStatusCount> SlotStatusNames;
extern const NameList<kSlotClaimCount> SlotClaimNames;
// Attitude memory kinds, in the order of the personality columns from kFirstMemoryColumn.
extern const NameList<kMemoryKindCount> MemoryKindNames;

// Research cost percents of the world size, the game speed and the start era.
extern const std::array<int32_t, kWorldSizeCount> WorldSizeResearchPercent;
extern const std::array<int32_t, kGameSpeedCount> GameSpeedResearchPercent;
extern const std::array<int32_t, kEraCount> StartEraResearchPercent;
// The game score's difficulty coefficient, by difficulty level.
extern const std::array<double, kDifficultyCount> DifficultyScoreCoeff;
// Anarchy after a change of civics: a world size factor, speed and era percents.
extern const std::array<int32_t, kWorldSizeCount> AnarchyWorldFactor;
extern const std::array<int32_t, kGameSpeedCount> AnarchySpeedPercent;
extern const std::array<int32_t, kEraCount> AnarchyEraPercent;
// The Ordo scheme's culture target (points x 100), by game speed.
extern const std::array<int32_t, kGameSpeedCount> OrdoCultureMaxBySpeed;

// Texts that open the replay message of a new session, as the low bytes of the save's
// 16-bit characters: English, Russian (its Windows-1251 bytes), French.
extern const NameList<kSessionMarkerCount> SessionMarkers;
// Row = leader index, same order as LeaderNames.
extern const std::array<PersonalityRow, kLeaderCount> LeaderPersonalityTable;

}  // namespace varnak::reference
