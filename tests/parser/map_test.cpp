#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/analyse.h"
#include "support/case_name.h"

namespace varnak {
namespace {

using fixture::MapFixture;
using fixture::PlotFixture;
using fixture::SaveFixture;

// The team records follow the map: values put there show whether the map
// section left the cursor on their first field.
void MarkTeams(SaveFixture& s) {
  s.Teams[0].MemberCount = 3;
  s.Teams[0].TotalLand = 77;
  s.Teams[18].EnemyTradeValueB[18] = -41;
}

void ExpectTeamsInPlace(const GameModel& m) {
  EXPECT_EQ(m.TeamMemberCount[0], 3);
  EXPECT_EQ(m.TeamTotalLand[0], 77);
  EXPECT_EQ(m.TeamEnemyTradeValueB[18][18], -41);
  EXPECT_FALSE(m.Damage.Damaged);
}

PlotFixture Plot(int x, int y, uint8_t owner, int16_t type, int16_t terrain = 0,
                 int16_t feature = -1, int16_t bonus = -1) {
  PlotFixture p;
  p.X = static_cast<int16_t>(x);
  p.Y = static_cast<int16_t>(y);
  p.Owner = owner;
  p.PlotType = type;
  p.TerrainType = terrain;
  p.FeatureType = feature;
  p.BonusType = bonus;
  return p;
}

void ExpectPlot(const GameModel& m, int x, int y, std::vector<int16_t> codes) {
  const TPlotRec& p = m.PlotTable.At(y, x);
  EXPECT_EQ((std::vector<int16_t>{p.PlotType, p.TerrainType, p.FeatureType, p.BonusType}), codes)
      << "plot " << x << "," << y;
}

TEST(Map, ReadsTheHeaderAndTheTypeCodesOfEveryPlot) {
  SaveFixture s = SaveFixture::Basic();
  MarkTeams(s);
  MapFixture& map = s.Map;
  map.Width = 5;
  map.Height = 3;
  map.LandTileCount = 9;
  map.OwnedTileCount = 4;
  map.LatitudeA = 80;
  map.LatitudeB = -70;
  map.WrapX = 0;
  map.WrapY = 1;
  map.At(0, 0) = Plot(0, 0, 1, 1, 2, 4, 4);      // hill desert, forest, iron
  map.At(4, 2) = Plot(4, 2, 0, 3, 6, -1, 15);    // ocean with fish
  map.At(2, 1) = Plot(2, 1, 18, 0, 7, -1, -1);   // peak
  map.At(3, 1) = Plot(3, 1, 1, 2, 1, 3, 17);     // flood plains, rice

  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->MapWidth, 5);
  EXPECT_EQ(m->MapHeight, 3);
  EXPECT_EQ(m->LandTileCount, 9);
  EXPECT_EQ(m->OwnedTileCount, 4);
  EXPECT_EQ(m->LatitudeA, 80);
  EXPECT_EQ(m->LatitudeB, -70);
  EXPECT_EQ(m->WrapX, 0);
  EXPECT_EQ(m->WrapY, 1);
  EXPECT_EQ(m->PlotCount, 15);
  EXPECT_EQ(m->PlotTable.Columns, 5);
  EXPECT_EQ(m->PlotTable.Rows, 3);
  ExpectPlot(*m, 0, 0, {1, 2, 4, 4});
  ExpectPlot(*m, 4, 2, {3, 6, -1, 15});
  ExpectPlot(*m, 2, 1, {0, 7, -1, -1});
  ExpectPlot(*m, 3, 1, {2, 1, 3, 17});
  ExpectPlot(*m, 1, 2, {2, 0, -1, -1});  // a default plot

  // Player 0 owns only water, which is not land.
  EXPECT_EQ(m->PlayerOwnedLand[0], 0);
  EXPECT_EQ(m->PlayerOwnedLand[1], 2);
  EXPECT_EQ(m->PlayerOwnedLand[18], 1);
  EXPECT_DOUBLE_EQ(m->PlayerLandShare[1], 200.0 / 9);
  EXPECT_DOUBLE_EQ(m->PlayerLandShare[18], 100.0 / 9);
  EXPECT_EQ(m->PlayerLandShare[0], 0.0);
  ExpectTeamsInPlace(*m);
}

struct OwnerCase {
  const char* name;
  uint8_t owner;
  int16_t plotType;
  int32_t counted;
};

class PlotOwnership : public testing::TestWithParam<OwnerCase> {};

TEST_P(PlotOwnership, CountsLandOfPlayersOnlyAndStoresTheCodesWhatever) {
  const OwnerCase& c = GetParam();
  SaveFixture s = SaveFixture::Basic();
  s.Map.At(3, 2) = Plot(3, 2, c.owner, c.plotType, 5);
  const auto m = fixture::Analyse(s);
  int32_t total = 0;
  for (int32_t n : m->PlayerOwnedLand) total += n;
  EXPECT_EQ(total, c.counted);
  if (c.owner < kSlotCount) {
    EXPECT_EQ(m->PlayerOwnedLand[c.owner], c.counted);
  }
  ExpectPlot(*m, 3, 2, {c.plotType, 5, -1, -1});
  EXPECT_EQ(m->PlotTable.At(2, 3).Owner, c.owner);  // kept as read, players or not
  EXPECT_EQ(m->PlotTable.At(2, 4).Owner, fixture::kNoOwner);
}

INSTANTIATE_TEST_SUITE_P(Owners, PlotOwnership,
                         testing::Values(OwnerCase{"MountainOfPlayerZero", 0, 0, 1},
                                         OwnerCase{"HillOfPlayerSeven", 7, 1, 1},
                                         OwnerCase{"FlatOfTheLastSlot", 18, 2, 1},
                                         OwnerCase{"WaterIsNotLand", 4, 3, 0},
                                         OwnerCase{"UnknownTypeFive", 4, 5, 0},
                                         OwnerCase{"NegativeType", 4, -1, 0},
                                         OwnerCase{"OwnerNineteen", 19, 2, 0},
                                         OwnerCase{"NobodyIs255", 255, 0, 0}),
                         fixture::CaseName());

struct ShareCase {
  const char* name;
  int32_t landTiles;
  int ownedPlots;  // flat plots of player 2
  double share;
};

class LandShare : public testing::TestWithParam<ShareCase> {};

TEST_P(LandShare, IsOwnedLandInPercentOfTheLandTiles) {
  const ShareCase& c = GetParam();
  SaveFixture s = SaveFixture::Basic();
  s.Map.LandTileCount = c.landTiles;
  for (int i = 0; i < c.ownedPlots; ++i) s.Map.At(i % 8, i / 8).Owner = 2;
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerOwnedLand[2], c.ownedPlots);
  EXPECT_DOUBLE_EQ(m->PlayerLandShare[2], c.share);
  EXPECT_EQ(m->PlayerLandShare[3], 0.0);
}

INSTANTIATE_TEST_SUITE_P(Shares, LandShare,
                         testing::Values(ShareCase{"OneOfThree", 3, 1, 100.0 / 3},
                                         ShareCase{"AllOfTheLand", 48, 48, 100.0},
                                         ShareCase{"MoreThanTheLandTiles", 2, 5, 250.0},
                                         ShareCase{"ZeroLandTilesGiveNoShare", 0, 5, 0.0},
                                         ShareCase{"NegativeLandTilesGiveNoShare", -4, 5, 0.0}),
                         fixture::CaseName());

struct LayoutCase {
  const char* name;
  void (*edit)(MapFixture&);
};

class MapLayout : public testing::TestWithParam<LayoutCase> {};

// Whatever the skipped lists of a plot and after the plots hold, the next plot
// and the team records are read from their right place.
TEST_P(MapLayout, KeepsLaterFieldsInPlace) {
  SaveFixture s = SaveFixture::Basic();
  MarkTeams(s);
  GetParam().edit(s.Map);
  s.Map.At(4, 2) = Plot(4, 2, 6, 1, 3, 4, 21);
  s.Map.At(7, 5) = Plot(7, 5, 6, 2, 2, 2, 30);
  const auto m = fixture::Analyse(s);
  ExpectPlot(*m, 4, 2, {1, 3, 4, 21});
  ExpectPlot(*m, 7, 5, {2, 2, 2, 30});
  EXPECT_EQ(m->PlayerOwnedLand[6], 2);
  ExpectTeamsInPlace(*m);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, MapLayout,
    testing::Values(
        LayoutCase{"EveryPlotListHoldsElements",
                   [](MapFixture& map) {
                     PlotFixture& p = map.At(3, 2);
                     p.ByteCountLists = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
                     p.Text = "river";
                     p.ShortList = 3;
                     p.ByteBlocks = {2, 0, 5};
                     p.ShortBlocks = {1, 3};
                     p.PairList = 2;
                   }},
        // Read as signed bytes these counts would be negative and read nothing.
        LayoutCase{"ByteCountsAboveTheSignedRange",
                   [](MapFixture& map) {
                     PlotFixture& p = map.At(3, 2);
                     p.ByteCountLists = {200, 255, 128, 255, 129, 255, 250, 255, 160, 255, 255, 201};
                     p.ByteBlocks.assign(255, 1);
                     p.ShortBlocks.assign(200, 2);
                   }},
        LayoutCase{"NegativeCountsReadNothing",
                   [](MapFixture& map) {
                     PlotFixture& p = map.At(3, 2);
                     p.ShortList = -3;
                     p.ByteBlocks = {-5, 2, -2147483647 - 1};
                     p.ShortBlocks = {-1, 1};
                     p.PairList = -1;
                     map.ClosingListCount = -7;
                     map.ClosingRecordCount = -2;
                   }},
        LayoutCase{"NarrowText",
                   [](MapFixture& map) { map.At(3, 2).Text = fixture::UText::Narrow("Mount Ash"); }},
        LayoutCase{"NoClosingLists",
                   [](MapFixture& map) {
                     map.ClosingListCount = 0;
                     map.ClosingRecordCount = 0;
                   }},
        LayoutCase{"LongClosingLists",
                   [](MapFixture& map) {
                     map.ClosingListCount = 40;
                     map.ClosingRecordCount = 3;
                   }}),
    fixture::CaseName());

// The map's sides decide how many plot records are read and how much of the table
// they span; the records are counted whether or not they have a cell to go to.
struct SidesCase {
  const char* name;
  int32_t width;
  int32_t height;
  void (*records)(MapFixture&);  // the records beyond the fixture's own, if any
  int32_t plotCount;
  int32_t columns;
  int32_t rows;
  void (*expect)(const GameModel&);  // what else the case pins
};

class MapSides : public testing::TestWithParam<SidesCase> {};

TEST_P(MapSides, ReadAsManyRecordsAsTheSidesSayAndStoreWhatFits) {
  const SidesCase& c = GetParam();
  SaveFixture s = SaveFixture::Basic();
  MarkTeams(s);
  s.Map.Width = c.width;
  s.Map.Height = c.height;
  if (c.records != nullptr) c.records(s.Map);
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlotCount, c.plotCount);
  EXPECT_EQ(m->PlotTable.Columns, c.columns);
  EXPECT_EQ(m->PlotTable.Rows, c.rows);
  if (c.expect != nullptr) c.expect(*m);
  ExpectTeamsInPlace(*m);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, MapSides,
    testing::Values(
        SidesCase{"ZeroWidthMeansNoPlotRecords", 0, 6,
                  [](MapFixture& map) { map.LandTileCount = 0; }, 0, 0, 6,
                  [](const GameModel& m) { EXPECT_TRUE(m.PlotTable.Cells.empty()); }},
        // Two negative sides give a positive number of records; none has a cell.
        SidesCase{"NegativeSidesReadTheirProductOfRecordsAndStoreNone", -3, -4,
                  [](MapFixture& map) {
                    map.Plots.emplace();
                    for (int i = 0; i < 12; ++i) map.Add(Plot(i % 3, i / 3, 5, 2));
                  },
                  12, 0, 0, [](const GameModel& m) { EXPECT_EQ(m.PlayerOwnedLand[5], 12); }},
        // 2^32 records wrap to none at all.
        SidesCase{"PlotCountIsTheWrappedProductOfTheSides", 65536, 65536,
                  [](MapFixture& map) { map.Plots.emplace(); }, 0, kPlotTableSide, kPlotTableSide,
                  nullptr},
        // The table holds 500 columns; the map's 501st is read, counted and not stored.
        SidesCase{"AMapWiderThanTheTableKeepsTheColumnsThatFit", 501, 1,
                  [](MapFixture& map) {
                    map.At(499, 0) = Plot(499, 0, 3, 0, 7);
                    map.At(500, 0) = Plot(500, 0, 3, 1, 8);
                  },
                  501, kPlotTableSide, 1,
                  [](const GameModel& m) {
                    ExpectPlot(m, 499, 0, {0, 7, -1, -1});
                    EXPECT_EQ(m.PlayerOwnedLand[3], 2);
                  }}),
    fixture::CaseName());

TEST(Map, RecordsOffTheMapAreCountedButNotStored) {
  SaveFixture s = SaveFixture::Basic();
  MarkTeams(s);
  s.Map.At(0, 0) = Plot(-1, 0, 4, 2, 3);
  s.Map.At(1, 0) = Plot(8, 0, 4, 2, 3);   // one column beyond the map
  s.Map.At(2, 0) = Plot(0, 6, 4, 2, 3);   // one row beyond the map
  s.Map.At(3, 0) = Plot(3, -32768, 4, 2, 3);
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->PlayerOwnedLand[4], 4);
  for (int x = 0; x < 4; ++x) ExpectPlot(*m, x, 0, {0, 0, 0, 0});  // no record wrote them
  for (int x = 0; x < 4; ++x) EXPECT_EQ(m->PlotTable.At(0, x).Owner, kNoPlotOwner);
  ExpectPlot(*m, 4, 0, {2, 0, -1, -1});
  ExpectTeamsInPlace(*m);
}

TEST(Map, TheLaterOfTwoRecordsForOnePlotWinsAndBothCount) {
  SaveFixture s = SaveFixture::Basic();
  MarkTeams(s);
  s.Map.At(0, 0) = Plot(0, 0, 2, 2, 1);
  s.Map.At(1, 0) = Plot(0, 0, 2, 1, 4, 4);
  const auto m = fixture::Analyse(s);
  ExpectPlot(*m, 0, 0, {1, 4, 4, -1});
  ExpectPlot(*m, 1, 0, {0, 0, 0, 0});
  EXPECT_EQ(m->PlayerOwnedLand[2], 2);
  ExpectTeamsInPlace(*m);
}

struct DamageCase {
  const char* name;
  void (*edit)(MapFixture&);
  const char* section;
};

class MapDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(MapDamage, StopsAtTheEndOfTheDataAndSaysWhere) {
  SaveFixture s = SaveFixture::Basic();
  GetParam().edit(s.Map);
  const auto m = fixture::Analyse(s);
  EXPECT_TRUE(m->Damage.Damaged);
  EXPECT_EQ(m->Damage.Section, GetParam().section);
  EXPECT_EQ(m->MapWidth, s.Map.Width);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, MapDamage,
    testing::Values(
        // About two thousand million records announced, three written.
        DamageCase{"HugePlotCount",
                   [](MapFixture& map) {
                     map.Width = 46340;
                     map.Height = 46340;
                     map.Plots.emplace();
                     for (int x = 0; x < 3; ++x) map.Add(Plot(x, 0, 1, 2));
                   },
                   "the plot records"},
        DamageCase{"HugeClosingList",
                   [](MapFixture& map) { map.ClosingListCountField = 2147483647; },
                   "the lists after the plots"}),
    fixture::CaseName());

// The writer's records have the game's sizes, so layout tests test the reader.
TEST(MapFixtureWriter, WritesRecordsOfTheGamesSizes) {
  auto size = [](const MapFixture& map) {
    fixture::ByteWriter w;
    fixture::WriteMap(w, map);
    return w.Size();
  };
  MapFixture none;
  none.Width = 0;
  none.ClosingListCount = 0;
  none.ClosingRecordCount = 0;
  // 324 + 6 + 70 int32 and two flags; the closing lists' two counts and four values.
  EXPECT_EQ(size(none), 4u * (324 + 6 + 1 + 70) + 2 + 4 * (1 + 4 + 1));

  MapFixture onePlot = none;
  onePlot.Width = 1;
  onePlot.Height = 1;
  EXPECT_EQ(size(onePlot) - size(none), fixture::kEmptyPlotRecordBytes);
  // Nine int32, twenty int16, nine single bytes, twelve byte counts, the text's
  // count, two int32 counts and two byte counts.
  EXPECT_EQ(fixture::kEmptyPlotRecordBytes, 4u * 9 + 2 * 20 + 9 + 12 + 4 + 4 * 2 + 2);

  MapFixture oneRecord = none;
  oneRecord.ClosingRecordCount = 1;
  EXPECT_EQ(size(oneRecord) - size(none), fixture::kClosingRecordBytes);
  EXPECT_EQ(fixture::kClosingRecordBytes, 4u * (1 + 8 + 266 + 38 + 57 + 779 + 779 + 35 + 25) + 1);
}

}  // namespace
}  // namespace varnak
