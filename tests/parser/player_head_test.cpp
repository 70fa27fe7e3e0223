#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/analyse.h"
#include "support/case_name.h"

namespace varnak {
namespace {

using fixture::PlayerHeadFixture;
using fixture::SaveFixture;

std::vector<uint8_t> HeadBytes(const PlayerHeadFixture& head, int32_t cityCount = 0) {
  fixture::ByteWriter w;
  fixture::WritePlayerHead(w, head, cityCount);
  return w.Take();
}

int32_t IntAt(const std::vector<uint8_t>& bytes, size_t offset) {
  uint32_t v = 0;
  std::memcpy(&v, bytes.data() + offset, 4);  // the test machines are little-endian
  return static_cast<int32_t>(v);
}

// The last record of the save: its head is found only if every record, city and
// tail before it was read to its last byte.
TEST(PlayerHead, ReadsEveryKeptFieldOfTheLastRecord) {
  SaveFixture s = SaveFixture::Basic();
  PlayerHeadFixture& h = s.Players[18].Head;
  h.TotalPopulation = 31;
  h.Gold = -7;
  h.GoldPerTurn = 44;
  h.GreatPeopleCreated = 5;
  h.GreatGeneralsCreated = 2;
  h.WWPoints = 17;
  h.StateReligionCount = 3;
  h.Power = 412;
  h.PopScore = 301;
  h.LandScore = 302;
  h.WonderScore = 303;
  h.TechScore = 304;
  h.GeneralPoints = 29;
  h.Alive = 1;
  h.EverAlive = 3;  // flags keep the byte as read
  h.Personality = 52;
  h.StateReligion = 6;
  h.Parent = 4;
  h.Research = {{40, 1}};
  h.Civics = {4, 9, 14, 19, 24};
  h.Text = "Barbarian";
  h.CityCountField = 0;

  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerTotalPopulation[18], 31);
  EXPECT_EQ(m->PlayerGold[18], -7);
  EXPECT_EQ(m->PlayerGoldPerTurn[18], 44);
  EXPECT_EQ(m->PlayerGreatPeopleCreated[18], 5);
  EXPECT_EQ(m->PlayerGreatGeneralsCreated[18], 2);
  EXPECT_EQ(m->PlayerWWPoints[18], 17);
  EXPECT_EQ(m->PlayerStateReligionCount[18], 3);
  EXPECT_EQ(m->PlayerPower[18], 412);
  EXPECT_EQ(m->PlayerPopScore[18], 301);
  EXPECT_EQ(m->PlayerLandScore[18], 302);
  EXPECT_EQ(m->PlayerWonderScore[18], 303);
  EXPECT_EQ(m->PlayerTechScore[18], 304);
  EXPECT_EQ(m->PlayerGeneralPoints[18], 29);
  EXPECT_EQ(m->PlayerAlive[18], 1);
  EXPECT_EQ(m->PlayerEverAlive[18], 3);
  EXPECT_EQ(m->PlayerPersonality[18], 52);
  EXPECT_EQ(m->PlayerStateReligion[18], 6);
  EXPECT_EQ(m->PlayerParent[18], 4);
  EXPECT_EQ(m->PlayerCurrentResearch[18], 40);
  EXPECT_EQ(m->PlayerCivics[18], (std::array<int32_t, 5>{4, 9, 14, 19, 24}));
  EXPECT_EQ(m->PlayerCityCount[18], 0);

  // The first record and a slot that never played.
  EXPECT_EQ(m->PlayerGold[0], 230);
  EXPECT_EQ(m->PlayerPersonality[0], 24);
  EXPECT_EQ(m->PlayerCityCount[0], 2);
  EXPECT_EQ(m->PlayerGold[1], 75);
  EXPECT_EQ(m->PlayerStateReligion[1], 1);
  EXPECT_EQ(m->PlayerAlive[5], 0);
  EXPECT_EQ(m->PlayerStateReligion[5], -1);
  EXPECT_EQ(m->PlayerParent[5], -1);
  EXPECT_FALSE(m->Damage.Damaged);
}

// The fixture writer against the record's layout: with every list empty and an
// empty text a head holds 1,373 int32, 156 flags and the text's length.
TEST(PlayerHeadWriter, LaysOutTheEmptyHeadByteForByte) {
  PlayerHeadFixture h;
  h.RecordFlag = 7;
  h.TotalPopulation = 11;
  h.Power = 12;
  h.Alive = 1;
  h.EverAlive = 1;
  h.Personality = 13;
  h.Research = {{0, 1}, {91, 2}};
  h.Civics = {21, 22, 23, 24, 25};
  const std::vector<uint8_t> bytes = HeadBytes(h, 14);
  ASSERT_EQ(bytes.size(), 1373u * 4 + 156 + 4);
  EXPECT_EQ(IntAt(bytes, 0), 7);
  EXPECT_EQ(IntAt(bytes, 3 * 4), 11);
  EXPECT_EQ(IntAt(bytes, 87 * 4), 12);
  EXPECT_EQ(bytes[93 * 4], 1);      // alive
  EXPECT_EQ(bytes[93 * 4 + 1], 1);  // ever alive
  EXPECT_EQ(IntAt(bytes, 93 * 4 + 9 + 4), 13);
  // The research flags follow 1,236 int32, 62 flags and the text's length.
  constexpr size_t kResearch = 1236 * 4 + 62 + 4;
  EXPECT_EQ(bytes[kResearch], 1);
  EXPECT_EQ(bytes[kResearch + 1], 0);
  EXPECT_EQ(bytes[kResearch + 91], 2);
  EXPECT_EQ(IntAt(bytes, kResearch + 92 + 2), 21);
  EXPECT_EQ(IntAt(bytes, kResearch + 92 + 2 + 16), 25);
  EXPECT_EQ(IntAt(bytes, bytes.size() - 4), 14);
}

struct ResearchCase {
  const char* name;
  std::vector<fixture::ResearchFlag> flags;
  int32_t research;
};

class ResearchFlags : public testing::TestWithParam<ResearchCase> {};

TEST_P(ResearchFlags, GiveTheTechnologyBeingResearched) {
  SaveFixture s = SaveFixture::Basic();
  s.Players[0].Head.Research = GetParam().flags;
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerCurrentResearch[0], GetParam().research);
  EXPECT_EQ(m->PlayerCivics[0], (std::array<int32_t, 5>{1, 5, 10, 15, 20}));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ResearchFlags,
    testing::Values(ResearchCase{"OneFlag", {{7, 1}}, 7},
                    ResearchCase{"LastSetFlagWins", {{3, 1}, {7, 1}}, 7},
                    ResearchCase{"NoFlagKeepsTheStartUpValue", {}, 0},
                    ResearchCase{"AnyNonZeroByteCounts", {{12, 2}}, 12},
                    ResearchCase{"TechnologyOrderDecidesWhichIsLast", {{30, 255}, {2, 1}}, 30},
                    ResearchCase{"LastTechnology", {{91, 1}}, 91}),
    fixture::CaseName());

struct HeadLayoutCase {
  const char* name;
  void (*edit)(PlayerHeadFixture&);
  int64_t extraBytes;  // over the same head before the edit
};

class PlayerHeadLayout : public testing::TestWithParam<HeadLayoutCase> {};

// Whatever the head's lists and text hold, the writer gives them their size and
// the reader finds the number of cities, the cities and the next record in place.
TEST_P(PlayerHeadLayout, KeepsTheCitiesAndTheNextRecordInPlace) {
  SaveFixture s = SaveFixture::Basic();
  const auto plain = static_cast<int64_t>(HeadBytes(s.Players[0].Head).size());
  GetParam().edit(s.Players[0].Head);
  EXPECT_EQ(static_cast<int64_t>(HeadBytes(s.Players[0].Head).size()), plain + GetParam().extraBytes);

  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerCivics[0], (std::array<int32_t, 5>{1, 5, 10, 15, 20}));
  EXPECT_EQ(m->PlayerCityCount[0], 2);
  EXPECT_EQ(m->PlayerCityCulture[0][0], 4200);
  EXPECT_EQ(m->PlayerCityCulture[0][1], 850);
  EXPECT_EQ(m->PlayerBuildingPower[0], 2);
  EXPECT_EQ(m->PlayerGold[1], 75);
  EXPECT_EQ(m->PlayerCityCount[1], 1);
  EXPECT_FALSE(m->Damage.Damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PlayerHeadLayout,
    testing::Values(
        HeadLayoutCase{"ListsOfIntegers",
                       [](PlayerHeadFixture& h) {
                         h.List46 = 3;
                         h.List47 = 1;
                       },
                       16},
        // "entry 0" wide, "entry 1" 8-bit.
        HeadLayoutCase{"ListOfTexts", [](PlayerHeadFixture& h) { h.List48 = 2; }, 4 + 14 + 4 + 7},
        HeadLayoutCase{"ListsWithFourAlwaysThere",
                       [](PlayerHeadFixture& h) {
                         h.List49 = 3;
                         h.List51 = 2;
                       },
                       20},
        // Elements with 0, 1 and 2 pairs: 39, 41 and 43 int32.
        HeadLayoutCase{"ListOfRecordsWithPairs", [](PlayerHeadFixture& h) { h.List50 = 3; }, 123 * 4},
        HeadLayoutCase{"NegativeCountsReadNothing",
                       [](PlayerHeadFixture& h) {
                         h.List46 = -1;
                         h.List47 = -9;
                         h.List48 = -4;
                         h.List49 = -2;
                         h.List50 = -7;
                         h.List51 = -1;
                       },
                       0},
        HeadLayoutCase{"WideTextOfEightCharacters", [](PlayerHeadFixture& h) { h.Text = "Augustus"; }, 4},
        HeadLayoutCase{"NarrowText", [](PlayerHeadFixture& h) { h.Text = fixture::UText::Narrow("Rome"); },
                       -8}),
    fixture::CaseName());

struct EndCase {
  const char* name;
  void (*edit)(PlayerHeadFixture&);
};

class PlayerHeadPastTheData : public testing::TestWithParam<EndCase> {};

// A count that reaches past the data ends the load where the data ends, inside
// the player records, instead of running on.
TEST_P(PlayerHeadPastTheData, StopsAtTheEndOfTheData) {
  SaveFixture s = SaveFixture::Basic();
  GetParam().edit(s.Players[3].Head);
  const auto m = fixture::Analyse(s);
  EXPECT_TRUE(m->Damage.Damaged);
  EXPECT_EQ(m->Damage.Section, "the player records");
  EXPECT_EQ(m->PlayerGold[0], 230);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, PlayerHeadPastTheData,
    testing::Values(EndCase{"ListOfTexts", [](PlayerHeadFixture& h) { h.List48Field = 100000000; }},
                    EndCase{"ListOfRecords", [](PlayerHeadFixture& h) { h.List50Field = 2147483647; }}),
    fixture::CaseName());

}  // namespace
}  // namespace varnak
