#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "support/analyse.h"
#include "support/case_name.h"

namespace varnak {
namespace {

using fixture::SaveFixture;
using fixture::TeamFixture;

// A row of distinct values from `first` on.
template <size_t N>
std::array<int32_t, N> Running(int32_t first) {
  std::array<int32_t, N> row{};
  for (size_t i = 0; i < N; ++i) row[i] = first + static_cast<int32_t>(i);
  return row;
}

// Flags with the byte values 0, 1 and 2 in turn, shifted by `shift`.
template <size_t N>
std::array<uint8_t, N> Flags(int shift) {
  std::array<uint8_t, N> row{};
  for (size_t i = 0; i < N; ++i) row[i] = static_cast<uint8_t>((static_cast<int>(i) + shift) % 3);
  return row;
}

template <size_t N>
std::array<int32_t, N> AsRead(const std::array<uint8_t, N>& flags) {
  std::array<int32_t, N> row{};
  for (size_t i = 0; i < N; ++i) row[i] = flags[i];
  return row;
}

// A team with a distinct value in every field the analyzer keeps.
TeamFixture Distinct(int32_t base) {
  TeamFixture t;
  t.MemberCount = base + 1;
  t.AliveCount = base + 2;
  t.TotalPopulation = base + 3;
  t.TotalLand = base + 4;
  t.EspionageEver = base + 5;
  t.EspionageAgainst = Running<19>(base + 100);
  t.HasMet = Flags<19>(0);
  t.AtWar = Flags<19>(1);
  t.DefensivePact = Flags<19>(2);
  t.VassalOf = Flags<19>(4);
  t.ResearchProgress = Running<92>(base + 200);
  t.FutureTechCount = 2;
  t.HasTech = Flags<92>(0);
  t.WarAttitudeCounter = Running<19>(base + 300);
  t.PeaceAttitudeCounter = Running<19>(base + 320);
  t.RelationCounter = Running<19>(base + 340);
  t.OpenBordersCounter = Running<19>(base + 360);
  t.DefensivePactCounter = Running<19>(base + 380);
  t.ShareWarCounter = Running<19>(base + 400);
  t.WarSuccess = Running<19>(-base - 420);
  t.EnemyTradeValueA = Running<19>(base + 440);
  t.EnemyTradeValueB = Running<19>(base + 460);
  return t;
}

void ExpectTeam(const GameModel& m, size_t t, const TeamFixture& f) {
  SCOPED_TRACE(testing::Message() << "team " << t);
  EXPECT_EQ(m.TeamMemberCount[t], f.MemberCount);
  EXPECT_EQ(m.TeamAliveCount[t], f.AliveCount);
  EXPECT_EQ(m.TeamTotalPopulation[t], f.TotalPopulation);
  EXPECT_EQ(m.TeamTotalLand[t], f.TotalLand);
  EXPECT_EQ(m.TeamEspionageEver[t], f.EspionageEver);
  EXPECT_EQ(m.TeamEspionageAgainst[t], f.EspionageAgainst);
  ASSERT_TRUE(f.HasMet.has_value());
  EXPECT_EQ(m.TeamHasMet[t], AsRead(*f.HasMet));
  EXPECT_EQ(m.TeamAtWar[t], AsRead(f.AtWar));
  EXPECT_EQ(m.TeamDefensivePact[t], AsRead(f.DefensivePact));
  EXPECT_EQ(m.TeamVassalOf[t], AsRead(f.VassalOf));
  EXPECT_EQ(m.TeamResearchProgress[t], f.ResearchProgress);
  EXPECT_EQ(m.TeamFutureTechCount[t], f.FutureTechCount);
  EXPECT_EQ(m.TeamHasTech[t], AsRead(f.HasTech));
  EXPECT_EQ(m.TeamWarAttitudeCounter[t], f.WarAttitudeCounter);
  EXPECT_EQ(m.TeamPeaceAttitudeCounter[t], f.PeaceAttitudeCounter);
  EXPECT_EQ(m.TeamRelationCounter[t], f.RelationCounter);
  EXPECT_EQ(m.TeamOpenBordersCounter[t], f.OpenBordersCounter);
  EXPECT_EQ(m.TeamDefensivePactCounter[t], f.DefensivePactCounter);
  EXPECT_EQ(m.TeamShareWarCounter[t], f.ShareWarCounter);
  EXPECT_EQ(m.TeamWarSuccess[t], f.WarSuccess);
  EXPECT_EQ(m.TeamEnemyTradeValueA[t], f.EnemyTradeValueA);
  EXPECT_EQ(m.TeamEnemyTradeValueB[t], f.EnemyTradeValueB);
}

TEST(TeamRecords, ReadEveryKeptFieldIntoItsTeamsRow) {
  SaveFixture s = SaveFixture::Basic();
  s.Teams[0] = Distinct(1000);
  s.Teams[7] = Distinct(7000);
  s.Teams[18] = Distinct(18000);
  const auto m = fixture::Analyse(s);
  ExpectTeam(*m, 0, s.Teams[0]);
  ExpectTeam(*m, 7, s.Teams[7]);
  ExpectTeam(*m, 18, s.Teams[18]);
  // 61 of the 92 flag bytes are 1 or 2.
  EXPECT_EQ(m->TeamTechCount[7], 2 + 61);
  EXPECT_FALSE(m->Damage.Damaged);
}

// Other tests rely on these defaults: a team of one living player that has met
// only itself.
TEST(TeamRecords, DefaultTeamsHaveOneMemberAndHaveMetOnlyThemselves) {
  const auto m = fixture::Analyse(SaveFixture::Basic());
  for (size_t t = 0; t < kSlotCount; ++t) {
    EXPECT_EQ(m->TeamMemberCount[t], 1);
    EXPECT_EQ(m->TeamAliveCount[t], 1);
    for (size_t other = 0; other < kSlotCount; ++other)
      EXPECT_EQ(m->TeamHasMet[t][other], other == t ? 1 : 0) << t << " met " << other;
    EXPECT_EQ(m->TeamTechCount[t], 0);
  }
}

struct TechCase {
  const char* name;
  std::vector<std::pair<size_t, uint8_t>> flags;  // technology, flag byte
  int32_t futureTech;
  int32_t techCount;
};

class TechCount : public testing::TestWithParam<TechCase> {};

TEST_P(TechCount, IsFutureTechPlusTheKnownTechnologies) {
  const TechCase& c = GetParam();
  SaveFixture s = SaveFixture::Basic();
  for (const auto& [tech, flag] : c.flags) s.Teams[6].HasTech[tech] = flag;
  s.Teams[6].FutureTechCount = c.futureTech;
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->TeamFutureTechCount[6], c.futureTech);
  EXPECT_EQ(m->TeamTechCount[6], c.techCount);
  for (const auto& [tech, flag] : c.flags) EXPECT_EQ(m->TeamHasTech[6][tech], flag);
  EXPECT_EQ(m->TeamTechCount[5], 0);
}

constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Counts, TechCount,
    testing::Values(TechCase{"FutureTechOnly", {}, 3, 3},
                    TechCase{"TwoKnownTechnologies", {{0, 1}, {5, 1}}, 0, 2},
                    TechCase{"FlagByteTwoCounts", {{91, 2}, {40, 255}}, 0, 2},
                    TechCase{"NegativeFutureTech", {{1, 1}}, -5, -4},
                    TechCase{"WrapsPastTheLargestInt", {{2, 1}, {3, 1}}, kMaxInt, kMinInt + 1}),
    fixture::CaseName());

TEST(TechCount, AllTechnologiesKnown) {
  SaveFixture s = SaveFixture::Basic();
  s.Teams[2].HasTech.fill(1);
  s.Teams[2].FutureTechCount = 4;
  EXPECT_EQ(fixture::Analyse(s)->TeamTechCount[2], 96);
}

struct LayoutCase {
  const char* name;
  std::array<int32_t, 11> blockCounts;
  int32_t listCount;
};

class TeamLayout : public testing::TestWithParam<LayoutCase> {};

// The variable block and the later list decide where the counters and the next
// record lie.
TEST_P(TeamLayout, KeepsLaterFieldsInPlace) {
  const LayoutCase& c = GetParam();
  SaveFixture s = SaveFixture::Basic();
  s.Teams[3] = Distinct(3000);
  s.Teams[3].BlockCounts = c.blockCounts;
  s.Teams[3].ListCount = c.listCount;
  s.Teams[4] = Distinct(4000);
  const auto m = fixture::Analyse(s);
  ExpectTeam(*m, 3, s.Teams[3]);
  ExpectTeam(*m, 4, s.Teams[4]);
  EXPECT_FALSE(m->Damage.Damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TeamLayout,
    testing::Values(LayoutCase{"CountsTwoZeroMinusOneOne", {2, 0, -1, 1}, 0},
                    LayoutCase{"EveryCountSet", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 6},
                    LayoutCase{"NegativeCountsReadNothing",
                               {-1, -100, kMinInt, -2, -3, -4, -5, -6, -7, -8, -9},
                               kMinInt},
                    LayoutCase{"OnlyTheLastCount", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40}, -1},
                    LayoutCase{"LongList", {}, 700}),
    fixture::CaseName());

TEST(TeamRecords, ABodyEndingInsideARecordSaysWhereAndReadsZerosAfter) {
  SaveFixture s = SaveFixture::Basic();
  s.Teams[2] = Distinct(2000);
  fixture::ByteWriter before;
  fixture::WriteGameRecord(before, s.Game);
  fixture::WriteMap(before, s.Map);
  std::vector<uint8_t> body = fixture::WriteBody(s);
  // No trailer: the data ends inside team 2's record, after its espionage points.
  body.resize(before.Size() + 2 * fixture::kEmptyTeamRecordBytes + 4 * 25);
  const auto m = fixture::AnalyseFile(fixture::WrapSave(fixture::WriteHeader(s), body,
                                                        fixture::ContainerOptions{{}, 0, {}, -1}));
  EXPECT_TRUE(m->Damage.Damaged);
  EXPECT_EQ(m->Damage.Section, "the team records");
  EXPECT_EQ(m->TeamHasMet[1][1], 1);
  EXPECT_EQ(m->TeamMemberCount[2], 2001);
  EXPECT_EQ(m->TeamEspionageEver[2], 2005);
  EXPECT_EQ(m->TeamEspionageAgainst[2][0], 0);  // past the data: zero
  EXPECT_EQ(m->TeamMemberCount[18], 0);
  EXPECT_EQ(m->TeamHasMet[18][18], 0);
}

// The writer's records have the game's size, so layout tests test the reader.
TEST(TeamFixtureWriter, WritesRecordsOfTheGamesSize) {
  auto size = [](const TeamFixture& team) {
    fixture::ByteWriter w;
    fixture::WriteTeam(w, team, 0);
    return w.Size();
  };
  EXPECT_EQ(size(TeamFixture{}), 4506u);
  EXPECT_EQ(fixture::kEmptyTeamRecordBytes, 4u * 1045 + 326);
  TeamFixture lists;
  lists.BlockCounts = {2, 0, -1, 1};
  lists.ListCount = 3;
  EXPECT_EQ(size(lists), 4506u + 4 * (3 + 3));
}

}  // namespace
}  // namespace varnak
