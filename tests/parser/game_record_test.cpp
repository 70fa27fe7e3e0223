#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "support/case_name.h"

#include "support/analyse.h"

namespace varnak {
namespace {

using fixture::SaveFixture;

TEST(GameRecord, ReadsTurnsBoundsStatusRanksAndTheReplayLog) {
  SaveFixture s = SaveFixture::Basic();
  s.Game.ElapsedTurns = 150;
  s.Game.StartTurn = 20;
  s.Game.EstimatedEndTurn = 480;
  s.Game.TurnSlice = 14899;
  s.Game.CutoffSlice = 15000;
  s.Game.Max = {410, 320, 260, 90};
  s.Game.Init = {21, 11, 6, 1};
  s.Game.DifficultyLevel = 5;
  s.Game.VictoryType = 4;
  s.Game.GameState = 2;
  s.Game.Ranks[18] = 7;
  s.Game.ReligionOwner = {0, 1, -1, 3, -1, -1, 18};
  s.Game.SessionCount = 12;

  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->ElapsedTurns, 150);
  EXPECT_EQ(m->StartTurn, 20);
  EXPECT_EQ(m->CurrentTurn, 170);
  EXPECT_EQ(m->EstimatedEndTurn, 480);
  EXPECT_EQ(m->TurnSlice, 14899);
  EXPECT_EQ(m->PlayingSeconds, 3725);
  EXPECT_EQ(m->CutoffSlice, 15000);
  EXPECT_EQ(m->MaxPopulation, 410);
  EXPECT_EQ(m->MaxLand, 320);
  EXPECT_EQ(m->MaxTech, 260);
  EXPECT_EQ(m->MaxWonders, 90);
  EXPECT_EQ(m->InitPopulation, 21);
  EXPECT_EQ(m->InitLand, 11);
  EXPECT_EQ(m->InitTech, 6);
  EXPECT_EQ(m->InitWonders, 1);
  EXPECT_EQ(m->DifficultyLevel, 5);
  EXPECT_EQ(m->VictoryType, 4);
  EXPECT_EQ(m->GameState, 2);
  EXPECT_EQ(m->SavedPlayerRank[0], 1);
  EXPECT_EQ(m->SavedPlayerRank[18], 7);
  EXPECT_EQ(m->SavedPlayerScore[1], 640);
  EXPECT_EQ(m->GameScore, 812);
  EXPECT_EQ(m->ReligionOwner, (std::array<int32_t, 7>{0, 1, -1, 3, -1, -1, 18}));
  EXPECT_EQ(m->SessionCount, 12);
  // Normal speed, turn 170: 10 (170 - 160) + 1000.
  EXPECT_EQ(m->CurrentYear, 1100);
  EXPECT_EQ(m->CurrentMonth, "");
  EXPECT_DOUBLE_EQ(m->DiffCoeff, 1.4);
  EXPECT_EQ(m->WorldSizePercent, 130);
  EXPECT_EQ(m->SpeedPercent, 100);
  EXPECT_EQ(m->EraPercent, 100);

  ASSERT_EQ(m->ReplayCount, 3);
  ASSERT_EQ(m->ReplayLog.size(), 3u);
  EXPECT_EQ(m->ReplayLog[1].Turn, 12);
  EXPECT_EQ(m->ReplayLog[1].Kept, (std::array<int32_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ(m->ReplayLog[1].Text, "Aurelia founded Roma");
  EXPECT_EQ(m->ReplayLog[1].Kind, 38);
  EXPECT_FALSE(m->Damage.Damaged);
}

struct LayoutCase {
  const char* name;
  void (*edit)(SaveFixture&);
};

class GameRecordLayout : public testing::TestWithParam<LayoutCase> {};

// Whatever the optional fields and skipped lists hold, the fields after them are
// read from their right place.
TEST_P(GameRecordLayout, KeepsLaterFieldsInPlace) {
  SaveFixture s = SaveFixture::Basic();
  GetParam().edit(s);
  s.Game.SessionCount = 31;
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->ElapsedTurns, 100);
  EXPECT_EQ(m->StartTurn, 0);
  EXPECT_EQ(m->SavedPlayerRank[1], 2);
  EXPECT_EQ(m->GameScore, 812);
  ASSERT_EQ(m->ReplayLog.size(), 3u);
  EXPECT_EQ(m->ReplayLog[2].Turn, 40);
  EXPECT_EQ(m->SessionCount, 31);
  EXPECT_FALSE(m->Damage.Damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GameRecordLayout,
    testing::Values(LayoutCase{"FirstFieldZeroAddsTwentyIntegers", [](SaveFixture& s) { s.Game.F = 0; }},
                    LayoutCase{"FirstFieldNegative", [](SaveFixture& s) { s.Game.F = -1; }},
                    LayoutCase{"FirstFieldOne", [](SaveFixture& s) { s.Game.F = 1; }},
                    LayoutCase{"ShortListsWithElements",
                               [](SaveFixture& s) {
                                 s.Game.List35 = 2;
                                 s.Game.List36 = 3;
                                 s.Game.List37 = 4;
                                 s.Game.List38 = 5;
                                 s.Game.List39 = 1;
                                 s.Game.List40 = 4;
                                 s.Game.List41 = 2;
                                 s.Game.List42 = 3;
                               }},
                    LayoutCase{"NegativeListCountsReadNothing",
                               [](SaveFixture& s) {
                                 s.Game.List35 = -1;
                                 s.Game.List37 = -5;
                                 s.Game.List38 = -2;
                                 s.Game.List42 = -9;
                               }},
                    LayoutCase{"ListsAfterTheReplayLog",
                               [](SaveFixture& s) {
                                 s.Game.List47 = 3;
                                 s.Game.List48 = 2;
                                 s.Game.List49 = 1;
                                 s.Game.List50 = 6;
                                 s.BodyTail = {1, 2, 3, 4};
                               }}),
    fixture::CaseName());

struct SliceCase {
  const char* name;
  int32_t slice;
  int32_t seconds;
};

class PlayingTime : public testing::TestWithParam<SliceCase> {};

TEST_P(PlayingTime, RoundsQuarterSecondsAsTheGameDoes) {
  SaveFixture s = SaveFixture::Basic();
  s.Game.TurnSlice = GetParam().slice;
  EXPECT_EQ(fixture::Analyse(s)->PlayingSeconds, GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Slices, PlayingTime,
                         testing::Values(SliceCase{"Nine", 9, 2}, SliceCase{"Ten", 10, 3},
                                         SliceCase{"Eleven", 11, 3}, SliceCase{"Twelve", 12, 3},
                                         SliceCase{"Zero", 0, 0},
                                         SliceCase{"MinusTen", -10, -2}),
                         fixture::CaseName());

struct SettingCase {
  const char* name;
  int32_t version, speed, worldSize, era, level;
  int32_t gameSpeed, speedPercent, worldPercent, eraPercent;
  double diffCoeff;
  int32_t year;  // of turn 100
};

class GameSettings : public testing::TestWithParam<SettingCase> {};

TEST_P(GameSettings, GiveSpeedCalendarAndResearchFactors) {
  const SettingCase& c = GetParam();
  SaveFixture s = SaveFixture::Basic();
  s.Header.SaveVersion = c.version;
  s.Header.GameSpeed = c.speed;
  s.Header.WorldSize = c.worldSize;
  s.Header.StartEra = c.era;
  s.Game.DifficultyLevel = c.level;
  s.Game.ElapsedTurns = 100;
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->GameSpeed, c.gameSpeed);
  EXPECT_EQ(m->SpeedPercent, c.speedPercent);
  EXPECT_EQ(m->WorldSizePercent, c.worldPercent);
  EXPECT_EQ(m->EraPercent, c.eraPercent);
  EXPECT_DOUBLE_EQ(m->DiffCoeff, c.diffCoeff);
  EXPECT_EQ(m->CurrentYear, c.year);
}

// Values outside the known ones give the start-up factors: a fresh load never
// shows what an earlier file left.
INSTANTIATE_TEST_SUITE_P(
    Settings, GameSettings,
    testing::Values(
        SettingCase{"Version101SpeedOneIsNormal", 101, 1, 0, 0, 0, 2, 100, 100, 100, 0.4, -375},
        SettingCase{"Version101SpeedZeroIsEpic", 101, 0, 1, 1, 1, 1, 150, 110, 90, 0.6, -1500},
        SettingCase{"Version102SpeedOneIsEpic", 102, 1, 2, 2, 2, 1, 150, 120, 80, 0.8, -1500},
        SettingCase{"Marathon", 302, 0, 3, 3, 3, 0, 300, 130, 70, 1.0, -2500},
        SettingCase{"Quick", 302, 3, 4, 4, 4, 3, 67, 140, 60, 1.2, 800},
        SettingCase{"LastKnownValues", 302, 2, 5, 6, 8, 2, 100, 150, 40, 2.0, -375},
        SettingCase{"UnknownValuesKeepStartUpFactors", 302, 4, 6, 7, 9, 4, 0, 0, 0, 0.0, -9999},
        SettingCase{"NegativeValues", 302, -1, -1, -1, -1, -1, 0, 0, 0, 0.0, -9999}),
    fixture::CaseName());

struct ExtremeCase {
  const char* name;
  int32_t version, speed, elapsed, start;
  int32_t currentTurn, gameSpeed;
};

class ExtremeTurns : public testing::TestWithParam<ExtremeCase> {};

// Turns and speeds are unchecked values from the file: their sums wrap as the
// game's own int32 arithmetic does, and the date of a turn no speed knows is unknown.
TEST_P(ExtremeTurns, WrapAsTheGameDoes) {
  const ExtremeCase& c = GetParam();
  SaveFixture s = SaveFixture::Basic();
  s.Header.SaveVersion = c.version;
  s.Header.GameSpeed = c.speed;
  s.Game.ElapsedTurns = c.elapsed;
  s.Game.StartTurn = c.start;
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->CurrentTurn, c.currentTurn);
  EXPECT_EQ(m->GameSpeed, c.gameSpeed);
  EXPECT_FALSE(m->Damage.Damaged);
}

constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Extremes, ExtremeTurns,
    testing::Values(
        ExtremeCase{"TurnSumPastTheLargestInt", 302, 2, 1509949445, 1526726661, -1258291190, 2},
        ExtremeCase{"TurnSumBelowTheSmallestInt", 302, 2, kIntMin, -1, kIntMax, 2},
        ExtremeCase{"Version101LargestSpeed", 101, kIntMax, 10, 0, 10, kIntMin}),
    fixture::CaseName());

TEST(ReplayLog, TextOfOnlyMarkupBecomesEmptyButKeepsItsRecord) {
  SaveFixture s = SaveFixture::Basic();
  s.Game.Replay = {{3, {}, "<img=x><color=1>", 36}, {4, {}, "a<b>c>d", 37}};
  const auto m = fixture::Analyse(s);
  ASSERT_EQ(m->ReplayLog.size(), 2u);
  EXPECT_EQ(m->ReplayLog[0].Text, "");
  EXPECT_EQ(m->ReplayLog[0].Kind, 36);
  EXPECT_EQ(m->ReplayLog[1].Text, "ac>d");
}

TEST(ReplayLog, RecordsBeyondTheCapacityAreReadPast) {
  SaveFixture s = SaveFixture::Basic();
  s.Game.Replay.clear();
  for (int i = 0; i < kReplayCapacity + 3; ++i) s.Game.Replay.push_back({i, {}, "x", 2});
  s.Game.SessionCount = 77;
  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->ReplayCount, kReplayCapacity);
  ASSERT_EQ(m->ReplayLog.size(), static_cast<size_t>(kReplayCapacity));
  EXPECT_EQ(m->ReplayLog.back().Turn, kReplayCapacity - 1);
  EXPECT_EQ(m->SessionCount, 77);
  EXPECT_FALSE(m->Damage.Damaged);
}

TEST(DamagedBody, EndsCleanlyAndSaysWhereTheDataRanOut) {
  SaveFixture s = SaveFixture::Basic();
  fixture::ByteWriter record;
  fixture::WriteGameRecord(record, s.Game);
  auto body = fixture::WriteBody(s);
  body.resize(record.Size() - 40);  // inside the replay log
  const auto m = fixture::AnalyseFile(fixture::WrapSave(fixture::WriteHeader(s), body,
                                                        fixture::ContainerOptions{{}, 0, {}, -1}));
  EXPECT_TRUE(m->Damage.Damaged);
  EXPECT_EQ(m->Damage.Section, "the replay log");
  EXPECT_EQ(m->ElapsedTurns, 100);
  EXPECT_EQ(m->SessionCount, 0);  // read past the data: zero
}

TEST(DamagedBody, AHugeReplayCountOnLittleDataStopsAtTheEnd) {
  SaveFixture s = SaveFixture::Basic();
  s.Game.ReplayCountField = 2147483647;
  const auto m = fixture::Analyse(s);
  EXPECT_TRUE(m->Damage.Damaged);
  EXPECT_EQ(m->ReplayCount, kReplayCapacity);
  // The rest of the body is read as replay records, at least 28 bytes each.
  EXPECT_LE(m->ReplayLog.size(), fixture::WriteBody(s).size() / 28);
}

TEST(DamagedBody, EmptyBodyReadsAsZeros) {
  SaveFixture s = SaveFixture::Basic();
  const auto m = fixture::AnalyseFile(
      fixture::WrapSave(fixture::WriteHeader(s), {}, fixture::ContainerOptions{{}, 0, {}, -1}));
  EXPECT_TRUE(m->Damage.Damaged);
  EXPECT_EQ(m->Damage.Section, "the game record");
  EXPECT_EQ(m->SlotTable[0].SlotName, "Aurelia");
  EXPECT_EQ(m->ElapsedTurns, 0);
  EXPECT_TRUE(m->ReplayLog.empty());
}

}  // namespace
}  // namespace varnak
