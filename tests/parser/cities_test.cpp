#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <limits>
#include <vector>

#include "support/analyse.h"
#include "support/case_name.h"

namespace varnak {
namespace {

using fixture::CityFixture;
using fixture::SaveFixture;

constexpr int kWalls = 3;      // power 2
constexpr int kBarracks = 7;   // power 3
constexpr int kMongolGer = 10; // power 4
constexpr int kMoai = 150;     // power 10

std::vector<uint8_t> CityBytes(const CityFixture& city, int slot) {
  fixture::ByteWriter w;
  fixture::WriteCity(w, city, slot);
  return w.Take();
}

int32_t IntAt(const std::vector<uint8_t>& bytes, size_t offset) {
  uint32_t v = 0;
  std::memcpy(&v, bytes.data() + offset, 4);  // the test machines are little-endian
  return static_cast<int32_t>(v);
}

// The fixture writer against the record's layout: with empty lists and texts a
// city holds 2,068 int32, 140 flags and the two texts' lengths.
TEST(CityWriter, LaysOutTheEmptyRecordByteForByte) {
  CityFixture c;
  c.Name = "";
  c.Culture = 777;
  c.Buildings[0] = 11;
  c.SecondBuildings[158] = 12;
  const std::vector<uint8_t> bytes = CityBytes(c, 5);
  ASSERT_EQ(bytes.size(), 2068u * 4 + 140 + 8);
  // The 19 culture values follow 159 int32 and 9 flags.
  EXPECT_EQ(IntAt(bytes, 159 * 4 + 9 + 5 * 4), 777);
  EXPECT_NE(IntAt(bytes, 159 * 4 + 9 + 4 * 4), 777);
  // The first building set follows 1,635 int32, 85 flags and the two texts.
  constexpr size_t kBuildings = 1635 * 4 + 85 + 8;
  EXPECT_EQ(IntAt(bytes, kBuildings), 11);
  EXPECT_EQ(IntAt(bytes, kBuildings + (159 + 158) * 4), 12);

  c.Name = fixture::UText::Narrow("Delhi");
  EXPECT_EQ(CityBytes(c, 5).size(), bytes.size() + 5);
  c.Name = "Delhi";
  EXPECT_EQ(CityBytes(c, 5).size(), bytes.size() + 10);
}

// Of each city the model keeps its plot, founding turn, population, name and the
// owner's culture, in file order and unsorted, whatever values they hold.
TEST(CityFields, AreKeptAtTheirOffsetsInFileOrder) {
  SaveFixture s = SaveFixture::Basic();
  auto& cities = s.Players[2].Cities;
  cities.resize(3);
  cities[0].X = 7;
  cities[0].Y = 4;
  cities[0].FoundedTurn = 0;
  cities[0].Population = 12;
  cities[0].Culture = 30;
  cities[0].Name = fixture::UText::Narrow("Th\xe8" "bes");
  cities[1].X = -1;  // off the map: kept as read
  cities[1].Y = 70000;
  cities[1].FoundedTurn = -5;
  cities[1].Population = std::numeric_limits<int32_t>::max();
  cities[1].Culture = 1500;
  cities[1].Name = "Memphis";  // wide, all below 256
  cities[2].Name = fixture::UText::Unicode(u"\u041c\u0435\u043c");  // real UTF-16
  s.Players[3].Cities.resize(1);
  s.Players[3].Cities[0].Name = "Other";

  const auto m = fixture::Analyse(s);
  const auto& kept = m->PlayerCities[2];
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[0].Name, "Th\xe8" "bes");
  EXPECT_EQ(kept[0].X, 7);
  EXPECT_EQ(kept[0].Y, 4);
  EXPECT_EQ(kept[0].FoundedTurn, 0);
  EXPECT_EQ(kept[0].Population, 12);
  EXPECT_EQ(kept[0].Culture, 30);
  EXPECT_EQ(kept[1].Name, "Memphis");
  EXPECT_EQ(kept[1].X, -1);
  EXPECT_EQ(kept[1].Y, 70000);
  EXPECT_EQ(kept[1].FoundedTurn, -5);
  EXPECT_EQ(kept[1].Population, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(kept[1].Culture, 1500);
  EXPECT_EQ(m->PlayerCityCulture[2][0], 1500);  // the sorted row is the design's, apart
  const std::string* whole = m->Unicode.Find(TextField::CityName, 2, 2);
  ASSERT_NE(whole, nullptr);
  EXPECT_EQ(*whole, "\u041c\u0435\u043c");
  ASSERT_EQ(m->PlayerCities[3].size(), 1u);
  EXPECT_EQ(m->PlayerCities[3][0].Name, "Other");
  EXPECT_TRUE(m->PlayerCities[4].empty());
  EXPECT_FALSE(m->Damage.Damaged);
}

class OwnersCulture : public testing::TestWithParam<int> {};

// Of the 19 culture values only the owner's is the city's; post-processing then
// orders the player's cities by it.
TEST_P(OwnersCulture, IsTheValueAtTheOwnersSlot) {
  const int slot = GetParam();
  SaveFixture s = SaveFixture::Basic();
  auto& cities = s.Players[static_cast<size_t>(slot)].Cities;
  cities.resize(3);
  cities[0].Culture = 700;
  cities[1].Culture = 1500;
  cities[2].Culture = 30;

  const auto m = fixture::Analyse(s);
  const auto& row = m->PlayerCityCulture[static_cast<size_t>(slot)];
  EXPECT_EQ(row[0], 1500);
  EXPECT_EQ(row[1], 700);
  EXPECT_EQ(row[2], 30);
  EXPECT_EQ(row[3], 0);
  EXPECT_EQ(m->PlayerCityCount[static_cast<size_t>(slot)], 3);
  EXPECT_EQ(m->PlayerCityCulture[3][0], 0);
  EXPECT_FALSE(m->Damage.Damaged);
}

INSTANTIATE_TEST_SUITE_P(Slots, OwnersCulture, testing::Values(0, 2, 18),
                         [](const testing::TestParamInfo<int>& p) {
                           return "Slot" + std::to_string(p.param);
                         });

struct PowerCase {
  const char* name;
  // Per city: first and second building set, as (building, count) pairs.
  std::vector<std::pair<std::vector<std::pair<int, int32_t>>, std::vector<std::pair<int, int32_t>>>>
      cities;
  int32_t power;
};

class BuildingPower : public testing::TestWithParam<PowerCase> {};

TEST_P(BuildingPower, SumsBothBuildingSetsOverAllCities) {
  SaveFixture s = SaveFixture::Basic();
  auto& cities = s.Players[2].Cities;
  for (const auto& [first, second] : GetParam().cities) {
    CityFixture& c = cities.emplace_back();
    for (const auto& [b, n] : first) c.Buildings[static_cast<size_t>(b)] = n;
    for (const auto& [b, n] : second) c.SecondBuildings[static_cast<size_t>(b)] = n;
  }
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerBuildingPower[2], GetParam().power);
  EXPECT_EQ(m->PlayerBuildingPower[0], 2);  // Roma's walls
  EXPECT_EQ(m->PlayerBuildingPower[1], 3);  // Bibracte's barracks
}

INSTANTIATE_TEST_SUITE_P(
    Buildings, BuildingPower,
    testing::Values(
        PowerCase{"NoCities", {}, 0},
        PowerCase{"TwoWallsAndOneMoreInTheSecondSet", {{{{kWalls, 2}}, {{kWalls, 1}}}}, 6},
        PowerCase{"TwoCitiesOfPowerFourAndSix",
                  {{{{kMongolGer, 1}}, {}}, {{{kBarracks, 1}}, {{kBarracks, 1}}}},
                  10},
        PowerCase{"BuildingsWithoutPowerAddNothing", {{{{0, 5}, {151, 2}}, {{158, 1}}}}, 0},
        PowerCase{"LateBuildingType", {{{}, {{kMoai, 1}}}}, 10},
        PowerCase{"NegativeCountsAreTakenAsRead", {{{{kWalls, -2}}, {}}}, -4},
        PowerCase{"ProductWraps", {{{{kWalls, 1 << 30}}, {}}}, std::numeric_limits<int32_t>::min()},
        PowerCase{"SumWraps",
                  {{{{kMoai, 214748364}}, {{kWalls, 5}}}},
                  std::numeric_limits<int32_t>::min() + 2}),
    fixture::CaseName());

struct CityLayoutCase {
  const char* name;
  void (*edit)(fixture::PlayerFixture&);
  int32_t cityCount;
  int64_t extraBytes;  // of the first city over an empty record
};

class CityLayout : public testing::TestWithParam<CityLayoutCase> {};

// Whatever the count and the records' lists and texts hold, the writer gives them
// their size and the rest of the save is read from its right place.
TEST_P(CityLayout, KeepsTheRestOfTheSaveInPlace) {
  SaveFixture s = SaveFixture::Basic();
  fixture::PlayerFixture& p = s.Players[2];
  GetParam().edit(p);
  if (!p.Cities.empty()) {
    CityFixture empty;
    empty.Name = "";
    EXPECT_EQ(static_cast<int64_t>(CityBytes(p.Cities[0], 2).size()),
              static_cast<int64_t>(CityBytes(empty, 2).size()) + GetParam().extraBytes);
  }
  s.Players[3].Head.Gold = 321;
  s.Players[3].Cities.resize(1);
  s.Players[3].Cities[0].Culture = 654;
  s.Players[3].Cities[0].Buildings[kWalls] = 1;

  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerCityCount[2], GetParam().cityCount);
  EXPECT_EQ(m->PlayerCities[2].size(), static_cast<size_t>(std::max(GetParam().cityCount, 0)));
  EXPECT_EQ(m->PlayerGold[3], 321);
  EXPECT_EQ(m->PlayerCityCulture[3][0], 654);
  EXPECT_EQ(m->PlayerBuildingPower[3], 2);
  EXPECT_FALSE(m->Damage.Damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, CityLayout,
    testing::Values(
        CityLayoutCase{"NoCities", [](fixture::PlayerFixture&) {}, 0, 0},
        CityLayoutCase{"NegativeCountReadsNoRecord",
                       [](fixture::PlayerFixture& p) { p.Head.CityCountField = -3; }, -3, 0},
        CityLayoutCase{"ListsWithElements",
                       [](fixture::PlayerFixture& p) {
                         CityFixture& c = p.Cities.emplace_back();
                         c.Name = "";
                         c.List42 = 2;
                         c.List45 = 3;
                         c.List46 = 1;
                         c.List47 = 2;
                         c.List48 = 1;
                         c.List49 = 4;
                       },
                       1, 2 * 16 + 3 * 4 + 1 * 12 + 2 * 12 + 1 * 8 + 4 * 8},
        CityLayoutCase{"NegativeListCountsReadNothing",
                       [](fixture::PlayerFixture& p) {
                         CityFixture& c = p.Cities.emplace_back();
                         c.Name = "";
                         c.List42 = -1;
                         c.List45 = -2;
                         c.List46 = -3;
                         c.List47 = -4;
                         c.List48 = -5;
                         c.List49 = -6;
                       },
                       1, 0},
        CityLayoutCase{"NarrowAndWideTexts",
                       [](fixture::PlayerFixture& p) {
                         p.Cities.resize(2);
                         p.Cities[0].Name = fixture::UText::Narrow("Delhi");
                         p.Cities[0].SecondText = "x";
                         p.Cities[1].SecondText = fixture::UText::Narrow("Agra");
                       },
                       2, 5 + 2}),
    fixture::CaseName());

// Cities beyond the table's 500 are read past: their culture is not kept and the
// next player's record is found.
TEST(CityCapacity, CitiesBeyondFiveHundredAreReadPast) {
  SaveFixture s = SaveFixture::Basic();
  auto& cities = s.Players[17].Cities;
  cities.resize(502);
  for (size_t c = 0; c < cities.size(); ++c) cities[c].Culture = static_cast<int32_t>(10 * (c + 1));
  cities[501].Buildings[kWalls] = 1;  // the city is read, only its culture has no place
  s.Players[18].Head.Gold = 999;

  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerCityCount[17], 502);
  EXPECT_EQ(m->PlayerCityCulture[17][0], 5000);
  EXPECT_EQ(m->PlayerCityCulture[17][499], 10);
  ASSERT_EQ(m->PlayerCities[17].size(), 500u);
  EXPECT_EQ(m->PlayerCities[17][499].Culture, 5000);  // unsorted: the 500th city's own
  EXPECT_TRUE(m->PlayerCities[18].empty());
  EXPECT_EQ(m->PlayerBuildingPower[17], 2);
  EXPECT_EQ(m->PlayerCityCulture[18][0], 0);
  EXPECT_EQ(m->PlayerCityCulture[18][1], 0);
  EXPECT_EQ(m->PlayerGold[18], 999);
  EXPECT_FALSE(m->Damage.Damaged);
}

TEST(CityCount, BeyondTheDataStopsWhereTheDataEnds) {
  SaveFixture s = SaveFixture::Basic();
  s.Players[1].Head.CityCountField = std::numeric_limits<int32_t>::max();
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerCityCount[1], std::numeric_limits<int32_t>::max());
  EXPECT_EQ(m->PlayerGold[1], 75);
  EXPECT_LE(m->PlayerCities[1].size(), 2u);  // what the data held, not what the count claimed
  EXPECT_TRUE(m->Damage.Damaged);
  EXPECT_EQ(m->Damage.Section, "the city records");
}

}  // namespace
}  // namespace varnak
