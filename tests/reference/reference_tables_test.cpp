#include "reference/reference_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <numeric>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnak::reference {
namespace {

struct NamedList {
  const char* name;
  std::span<const std::string_view> entries;
};

std::vector<NamedList> AllNameLists() {
  return {
      {"LeaderNames", LeaderNames},         {"NationNames", NationNames},
      {"EraNames", EraNames},               {"PlotTypeNames", PlotTypeNames},
      {"TerrainNames", TerrainNames},       {"FeatureNames", FeatureNames},
      {"BonusNames", BonusNames},           {"VictoryNames", VictoryNames},
      {"GameOptionNames", GameOptionNames}, {"MPOptionNames", MPOptionNames},
      {"MonthNames", MonthNames},           {"CivicCodes", CivicCodes},
  };
}

bool IsPlainText(std::string_view text) {
  return !text.empty() && text.front() != ' ' && text.back() != ' ' &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

// The sizes the save format fixes: a table that gains or loses a row stops the build.
static_assert(LeaderNames.size() == 53);
static_assert(NationNames.size() == 36);
static_assert(EraNames.size() == 7);
static_assert(TechnologyTable.size() == 92);
static_assert(BuildingTypeTable.size() == 159);
static_assert(PlotTypeNames.size() == 4);
static_assert(TerrainNames.size() == 9);
static_assert(FeatureNames.size() == 6);
static_assert(BonusNames.size() == 35);
static_assert(VictoryNames.size() == 7);
static_assert(GameOptionNames.size() == 24);
static_assert(MPOptionNames.size() == 5);
static_assert(MonthNames.size() == 12);
static_assert(CivicCodes.size() == 25);
static_assert(LeaderPersonalityTable.size() == 53);
static_assert(kPersonalityColumnCount == 62);
static_assert(MemoryColumn(26) == 55);

// A forgotten entry leaves an empty text at the end of its fixed-size list, and a
// duplicate usually means one was typed twice in place of another.
TEST(ReferenceTables, EveryNameIsNonEmptyPrintableAsciiAndUniqueInItsList) {
  for (const NamedList& list : AllNameLists()) {
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
      const std::string_view entry = list.entries[i];
      EXPECT_TRUE(IsPlainText(entry)) << list.name << "[" << i << "] = '" << entry << "'";
      EXPECT_TRUE(seen.insert(entry).second) << list.name << " repeats '" << entry << "'";
    }
  }
}

struct SpotCase {
  const char* name;
  std::string_view actual;
  std::string_view expected;
};

// Names the row instead of dumping its bytes in test listings.
void PrintTo(const SpotCase& c, std::ostream* os) { *os << c.name; }

class ReferenceSpotValues : public testing::TestWithParam<SpotCase> {};

TEST_P(ReferenceSpotValues, HoldsTheGameValue) {
  EXPECT_EQ(GetParam().actual, GetParam().expected);
}

// Both ends of each list, plus entries whose position other code relies on.
INSTANTIATE_TEST_SUITE_P(
    Names, ReferenceSpotValues,
    testing::Values(
        SpotCase{"FirstLeaderIsBarbarian", LeaderNames[0], "Barbarian"},
        SpotCase{"Leader9", LeaderNames[9], "Churchill"},
        SpotCase{"Leader40", LeaderNames[40], "Franklin Roosevelt"},
        SpotCase{"LastLeader", LeaderNames[52], "Zara Yaqob"},
        SpotCase{"FirstNation", NationNames[0], "America"},
        SpotCase{"LastNation", NationNames[35], "Barbarian"},
        SpotCase{"FirstEra", EraNames[0], "Ancient"},
        SpotCase{"LastEra", EraNames[6], "Future"},
        SpotCase{"FutureTech", TechnologyTable[kFutureTech].TechName, "Future Tech"},
        SpotCase{"FirstTech", TechnologyTable[0].TechName, "Mysticism"},
        SpotCase{"Tech59", TechnologyTable[59].TechName, "Hunting"},
        SpotCase{"FirstBuilding", BuildingTypeTable[0].BuildingKey, "PALACE"},
        SpotCase{"Building105", BuildingTypeTable[105].BuildingKey, "HEROIC_EPIC"},
        SpotCase{"LastBuilding", BuildingTypeTable[158].BuildingKey, "APOSTOLIC_PALACE"},
        SpotCase{"LastPlotType", PlotTypeNames[3], "Water"},
        SpotCase{"LastTerrain", TerrainNames[8], "Hill"},
        SpotCase{"LastFeature", FeatureNames[5], "Fallout"},
        SpotCase{"LastBonus", BonusNames[34], "Movies"},
        SpotCase{"VictoryZeroIsLoss", VictoryNames[0], "Loss"},
        SpotCase{"LastVictory", VictoryNames[6], "Diplomatic"},
        SpotCase{"LastGameOption", GameOptionNames[23], "No Espionage"},
        SpotCase{"LastMPOption", MPOptionNames[4], "Turn Timer"},
        SpotCase{"FirstMonth", MonthNames[0], "Jan"},
        SpotCase{"July", MonthNames[6], "Jul"},
        SpotCase{"LastMonth", MonthNames[11], "Dec"},
        SpotCase{"LastCivic", CivicCodes[24], "FRe"}),
    [](const testing::TestParamInfo<SpotCase>& row) { return std::string(row.param.name); });

TEST(TechnologyTable, EveryRowHasANameAnEraWithANameAndAPositiveCost) {
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < TechnologyTable.size(); ++i) {
    const TTechInfoRec& tech = TechnologyTable[i];
    EXPECT_TRUE(IsPlainText(tech.TechName)) << "tech " << i;
    EXPECT_TRUE(names.insert(tech.TechName).second) << "tech " << i << " repeats a name";
    EXPECT_GE(tech.TechEra, kFirstTechEra) << "tech " << i;
    EXPECT_LE(tech.TechEra, kLastTechEra) << "tech " << i;
    EXPECT_GT(tech.TechBaseCost, 0) << "tech " << i;
    EXPECT_GE(tech.TechPower, 0) << "tech " << i;
  }
  EXPECT_EQ(static_cast<std::size_t>(kLastTechEra - kFirstTechEra + 1), EraNames.size());
}

TEST(TechnologyTable, ErasCountFromOneIntoEraNames) {
  const auto eraName = [](const TTechInfoRec& tech) {
    return EraNames[static_cast<std::size_t>(tech.TechEra - kFirstTechEra)];
  };
  EXPECT_EQ(eraName(TechnologyTable[kFutureTech]), "Future");
  EXPECT_EQ(eraName(TechnologyTable[0]), "Ancient");      // Mysticism
  EXPECT_EQ(eraName(TechnologyTable[90]), "Modern");      // Robotics
  EXPECT_EQ(eraName(TechnologyTable[55]), "Future");      // Stealth
  EXPECT_EQ(eraName(TechnologyTable[15]), "Renaissance"); // Nationalism
}

// Totals over the whole table catch a mistyped cell anywhere in it; single
// rows pin the columns to the right fields.
TEST(TechnologyTable, CostsAndPowersMatchTheGame) {
  int32_t costTotal = 0;
  int32_t powerTotal = 0;
  for (const TTechInfoRec& tech : TechnologyTable) {
    costTotal += tech.TechBaseCost;
    powerTotal += tech.TechPower;
  }
  EXPECT_EQ(costTotal, 224920);
  EXPECT_EQ(powerTotal, 232);

  const TTechInfoRec& gunpowder = TechnologyTable[73];
  EXPECT_EQ(gunpowder.TechName, "Gunpowder");
  EXPECT_EQ(gunpowder.TechBaseCost, 1200);
  EXPECT_EQ(gunpowder.TechEra, 4);
  EXPECT_EQ(gunpowder.TechPower, 12);
  EXPECT_EQ(TechnologyTable[kFutureTech].TechBaseCost, 10000);
  EXPECT_EQ(TechnologyTable[25].TechBaseCost, 40);  // Fishing
}

TEST(BuildingTypeTable, KeysAreUniqueUpperCaseIdentifiersAndPowersMatchTheGame) {
  std::set<std::string_view> keys;
  int32_t powerTotal = 0;
  for (std::size_t i = 0; i < BuildingTypeTable.size(); ++i) {
    const TBuildingInfoRec& building = BuildingTypeTable[i];
    EXPECT_FALSE(building.BuildingKey.empty()) << "building " << i;
    EXPECT_TRUE(std::all_of(building.BuildingKey.begin(), building.BuildingKey.end(),
                            [](char c) {
                              return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
                            }))
        << "building " << i << " '" << building.BuildingKey << "'";
    EXPECT_TRUE(keys.insert(building.BuildingKey).second) << "building " << i;
    powerTotal += building.BuildingPower;
  }
  EXPECT_EQ(powerTotal, 125);
  EXPECT_EQ(BuildingTypeTable[10].BuildingPower, 4);   // MONGOL_GER
  EXPECT_EQ(BuildingTypeTable[145].BuildingPower, 10); // GREAT_WALL
  EXPECT_EQ(BuildingTypeTable[146].BuildingPower, 4);  // STATUE_OF_ZEUS
}

// ---- Leader personalities -------------------------------------------------

constexpr std::size_t kBarbarian = 0;
constexpr std::size_t kCatherine = 7;
constexpr std::size_t kGandhi = 15;
constexpr std::size_t kKublaiKhan = 26;
constexpr std::size_t kLouisXIV = 28;
constexpr std::size_t kQinShiHuang = 37;
constexpr std::size_t kSuryavarman = 46;
constexpr std::size_t kTokugawa = 47;

int32_t Memory(std::size_t leader, std::size_t kind) {
  return LeaderPersonalityTable[leader][MemoryColumn(kind)];
}

TEST(LeaderPersonalityTable, BarbarianHasNoAttitudeConstantsAndNoFavoriteCivic) {
  const PersonalityRow& row = LeaderPersonalityTable[kBarbarian];
  for (std::size_t column = 0; column < FavoriteCivic; ++column) {
    EXPECT_EQ(row[column], 0) << "column " << column;
  }
  EXPECT_EQ(row[FavoriteCivic], kNoFavoriteCivic);
  // Its memory row is the common one.
  EXPECT_EQ(Memory(kBarbarian, 0), -300);
  EXPECT_EQ(Memory(kBarbarian, 5), -250);
  EXPECT_EQ(Memory(kBarbarian, 18), 50);
  EXPECT_EQ(Memory(kBarbarian, 26), 10);
  EXPECT_EQ(Memory(kBarbarian, 29), 200);
  EXPECT_EQ(Memory(kBarbarian, 32), 150);
}

TEST(LeaderPersonalityTable, EveryRealLeaderSharesTheCommonColumns) {
  struct Shared {
    PersonalityColumn column;
    int32_t value;
  };
  constexpr Shared kShared[] = {
      {LostWarAttitude, -1},      {AtWarDivisor, -5},          {AtWarLimit, 5},
      {AtPeaceDivisor, 60},       {AtPeaceLimit, 1},           {SameReligionBase, 1},
      {SameReligionDivisor, 10},  {DifferentReligionDivisor, -5},
      {DifferentReligionLimit, -1}, {BonusTradeDivisor, 50},   {BonusTradeLimit, 2},
      {OpenBordersDivisor, 25},   {OpenBordersLimit, 2},       {DefensivePactDivisor, 12},
      {DefensivePactLimit, 2},    {ShareWarBase, 1},           {ShareWarDivisor, 8},
      {FavoriteCivicBase, 1},     {FavoriteCivicDivisor, 10},
  };
  for (std::size_t leader = 1; leader < kLeaderCount; ++leader) {
    for (const Shared& shared : kShared) {
      EXPECT_EQ(LeaderPersonalityTable[leader][shared.column], shared.value)
          << LeaderNames[leader] << " column " << static_cast<std::size_t>(shared.column);
    }
    const int32_t civic = LeaderPersonalityTable[leader][FavoriteCivic];
    EXPECT_GE(civic, 0) << LeaderNames[leader];
    EXPECT_LT(civic, static_cast<int32_t>(kCivicCount)) << LeaderNames[leader];
  }
}

struct CellCase {
  const char* name;
  std::size_t leader;
  std::size_t column;
  int32_t expected;
};

// Names the row instead of dumping its bytes in test listings.
void PrintTo(const CellCase& c, std::ostream* os) { *os << c.name; }

class LeaderOwnValues : public testing::TestWithParam<CellCase> {};

TEST_P(LeaderOwnValues, HoldsTheLeadersValue) {
  const CellCase& c = GetParam();
  EXPECT_EQ(LeaderPersonalityTable[c.leader][c.column], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, LeaderOwnValues,
    testing::Values(
        CellCase{"GandhiBaseAttitude", 15, BaseAttitude, 2},
        CellCase{"AlexanderWarmongerRespect", 1, WarmongerRespect, 2},
        CellCase{"MontezumaWorseRankAttitude", 32, WorseRankAttitude, -3},
        CellCase{"MansaMusaBetterRankAttitude", 29, BetterRankAttitude, 4},
        CellCase{"WillemCloseBordersLimit", 51, CloseBordersLimit, -1},
        CellCase{"ZaraYaqobSameReligionLimit", 52, SameReligionLimit, 7},
        CellCase{"BrennusDifferentReligionBase", 6, DifferentReligionBase, -2},
        CellCase{"DeGaulleShareWarLimit", 12, ShareWarLimit, 6},
        CellCase{"SaladinFavoriteCivicLimit", 41, FavoriteCivicLimit, 1},
        CellCase{"AsokaFavoriteCivic", 2, FavoriteCivic, 24},
        CellCase{"LincolnFavoriteCivic", 27, FavoriteCivic, 14},
        CellCase{"BarbarianKind26", 0, MemoryColumn(26), 10},
        CellCase{"AsokaKind26", 2, MemoryColumn(26), 5},
        CellCase{"BoudicaKind26", 5, MemoryColumn(26), 15},
        CellCase{"MansaMusaKind26", 29, MemoryColumn(26), 20},
        CellCase{"PeterKind26", 36, MemoryColumn(26), 20},
        CellCase{"ZaraYaqobKind26", 52, MemoryColumn(26), 5}),
    [](const testing::TestParamInfo<CellCase>& row) { return std::string(row.param.name); });

// Column totals over all 53 rows catch a mistyped cell of the per-leader values.
TEST(LeaderPersonalityTable, PerLeaderColumnTotalsMatchTheGame) {
  struct Total {
    std::size_t column;
    int32_t sum;
  };
  constexpr Total kTotals[] = {
      {BaseAttitude, 8},         {WarmongerRespect, 51},   {WorseRankAttitude, -45},
      {BetterRankAttitude, 55},  {CloseBordersLimit, -141}, {SameReligionLimit, 209},
      {DifferentReligionBase, -48}, {ShareWarLimit, 169},  {FavoriteCivicLimit, 185},
      {FavoriteCivic, 539},      {MemoryColumn(26), 520},
  };
  for (const Total& total : kTotals) {
    int32_t sum = 0;
    for (const PersonalityRow& row : LeaderPersonalityTable) sum += row[total.column];
    EXPECT_EQ(sum, total.sum) << "column " << total.column;
  }
}

// Leaders outside the list keep the common memory row (which the barbarians
// hold) in every kind but 26; listed leaders deviate in exactly the listed kinds.
TEST(LeaderPersonalityTable, MemoryDeviatesFromTheCommonRowOnlyWhereTheGameSaysSo) {
  struct Deviation {
    int32_t value;
    std::vector<std::size_t> kinds;
  };
  const std::vector<std::pair<std::size_t, std::vector<Deviation>>> kDeviations = {
      {kCatherine, {{-200, {7, 9, 11, 13, 15, 17, 19, 23}}}},
      {kGandhi, {{-200, {1, 4}}, {0, {9, 11, 13, 15, 17, 19, 20, 22, 23}}}},
      {kKublaiKhan, {{-200, {9, 11, 13, 15, 17, 19, 23}}}},
      {kLouisXIV, {{-200, {9, 11, 13, 15, 23}}}},
      {kQinShiHuang, {{-200, {9, 11, 13, 15, 23}}}},
      {kSuryavarman, {{-200, {9, 11, 13, 15, 17, 19, 23}}}},
      {kTokugawa, {{-200, {9, 11, 13, 15, 17, 19, 23}}}},
  };
  constexpr std::size_t kPerLeaderKind = 26;

  for (std::size_t leader = 0; leader < kLeaderCount; ++leader) {
    std::vector<int32_t> expected(kMemoryKindCount);
    for (std::size_t kind = 0; kind < kMemoryKindCount; ++kind) {
      expected[kind] = Memory(kBarbarian, kind);
    }
    for (const auto& [who, deviations] : kDeviations) {
      if (who != leader) continue;
      for (const Deviation& deviation : deviations) {
        for (std::size_t kind : deviation.kinds) expected[kind] = deviation.value;
      }
    }
    for (std::size_t kind = 0; kind < kMemoryKindCount; ++kind) {
      if (kind == kPerLeaderKind) continue;
      EXPECT_EQ(Memory(leader, kind), expected[kind])
          << LeaderNames[leader] << " memory kind " << kind;
    }
  }
  // Kinds next to the deviations stay common, so a list shifted by one shows.
  EXPECT_EQ(Memory(kCatherine, 8), 100);
  EXPECT_EQ(Memory(kGandhi, 21), 0);
  EXPECT_EQ(Memory(kGandhi, 7), -100);
  EXPECT_EQ(Memory(kLouisXIV, 17), -100);
}

}  // namespace
}  // namespace varnak::reference
