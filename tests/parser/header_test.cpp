#include <gtest/gtest.h>

#include "support/case_name.h"

#include "support/analyse.h"

namespace varnak {
namespace {

using fixture::SaveFixture;

TEST(SaveHeader, ReadsSettingsAndTheSlotTableFieldByField) {
  SaveFixture s = SaveFixture::Basic();
  s.Header.GameName = "Long War";
  s.Header.AdminPassword = "secret";
  s.Header.MapScript = "Fractal";
  s.Header.WorldSize = 5;
  s.Header.Climate = 2;
  s.Header.SeaLevel = 0;
  s.Header.StartEra = 1;
  s.Header.Calendar = 4;
  s.Header.TurnLimit = 460;
  s.Header.PitbossTurnTime = 24;
  s.Header.MaxCityElimination = 3;
  s.Header.AdvancedStartPoints = 600;
  s.Header.GameOptions[4] = 1;
  s.Header.GameOptions[23] = 1;
  s.Header.MPOptions[1] = 1;
  s.Header.Slots[18].Name = "Barbarians";
  s.Header.Slots[18].Minor = 1;
  s.Header.Slots[1].Fifth = "x";
  s.Header.Slots[1].Playable = 2;

  const auto m = fixture::Analyse(s);
  EXPECT_EQ(m->SaveVersion, 302);
  EXPECT_EQ(m->GameName, "Long War");
  EXPECT_EQ(m->AdminPassword, "secret");
  EXPECT_EQ(m->MapScript, "Fractal");
  EXPECT_EQ(m->WorldSize, 5);
  EXPECT_EQ(m->Climate, 2);
  EXPECT_EQ(m->SeaLevel, 0);
  EXPECT_EQ(m->StartEra, 1);
  EXPECT_EQ(m->GameSpeed, 2);
  EXPECT_EQ(m->Calendar, 4);
  EXPECT_EQ(m->TurnLimit, 460);
  EXPECT_EQ(m->PitbossTurnTime, 24);
  EXPECT_EQ(m->MaxCityElimination, 3);
  EXPECT_EQ(m->AdvancedStartPoints, 600);
  EXPECT_EQ(m->VictoryConditions, (std::array<int32_t, 7>{0, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(m->GameOptions[4], 1);
  EXPECT_EQ(m->GameOptions[23], 1);
  EXPECT_EQ(m->MPOptions, (std::array<int32_t, 5>{0, 1, 0, 0, 0}));

  const TLeaderInfoRec& a = m->SlotTable[0];
  EXPECT_EQ(a.SlotName, "Aurelia");
  EXPECT_EQ(a.SlotNationDescription, "Roman Empire");
  EXPECT_EQ(a.SlotNationAdjective, "Roman");
  EXPECT_EQ(a.SlotNation, 28);
  EXPECT_EQ(a.SlotLeader, 24);
  EXPECT_EQ(a.SlotDifficulty, 4);
  EXPECT_EQ(a.SlotStatus, 3);
  EXPECT_EQ(a.SlotClaim, 2);
  EXPECT_EQ(a.SlotPlayable, 1);
  EXPECT_EQ(m->SlotTable[1].SlotFifthText, "x");  // one character, read as wide
  EXPECT_EQ(m->SlotTable[1].SlotPlayable, 2);
  EXPECT_EQ(m->SlotTable[18].SlotName, "Barbarians");
  EXPECT_EQ(m->SlotTable[18].SlotMinor, 1);
  EXPECT_EQ(m->GetTeam(7), 7);
  EXPECT_TRUE(m->SlotTable[19].SlotName.empty());
  // The body was read from its own offset: the game record is right.
  EXPECT_EQ(m->GameScore, 812);
  EXPECT_FALSE(m->Damage.Damaged);
}

struct HeaderCase {
  const char* name;
  void (*edit)(SaveFixture&);
  void (*check)(const GameModel&);
};

class SaveHeaderCase : public testing::TestWithParam<HeaderCase> {};

TEST_P(SaveHeaderCase, KeepsTheFieldsAfterItInPlace) {
  SaveFixture s = SaveFixture::Basic();
  GetParam().edit(s);
  const auto m = fixture::Analyse(s);
  GetParam().check(*m);
  EXPECT_EQ(m->SlotTable[1].SlotName, "Brennus");
  EXPECT_EQ(m->SlotTable[1].SlotTeam, 1);
  EXPECT_EQ(m->GameScore, 812);
  EXPECT_FALSE(m->Damage.Damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SaveHeaderCase,
    testing::Values(
        HeaderCase{"SaveFlagZeroReads23Options",
                   [](SaveFixture& s) {
                     s.Header.SaveFlag = 0;
                     s.Header.GameOptions[22] = 1;
                     s.Header.GameOptions[23] = 1;  // not written
                   },
                   [](const GameModel& m) {
                     EXPECT_EQ(m.GameOptions[22], 1);
                     EXPECT_EQ(m.GameOptions[23], 0);
                   }},
        HeaderCase{"NoSkippedIntegersWhenCountAIsZero", [](SaveFixture& s) { s.Header.CountA = 0; },
                   [](const GameModel& m) { EXPECT_EQ(m.WorldSize, 3); }},
        HeaderCase{"NegativeCountAReadsNothing", [](SaveFixture& s) { s.Header.CountA = -4; },
                   [](const GameModel& m) { EXPECT_EQ(m.Calendar, 0); }},
        HeaderCase{"NoVictoryFlags",
                   [](SaveFixture& s) { s.Header.VictoryConditions.clear(); },
                   [](const GameModel& m) {
                     EXPECT_EQ(m.VictoryConditions, (std::array<int32_t, 7>{}));
                   }},
        HeaderCase{"MoreThanSevenVictoryFlagsKeepsTheFirstSeven",
                   [](SaveFixture& s) {
                     s.Header.VictoryConditions = {1, 0, 1, 0, 1, 0, 1, 1, 1, 1};
                   },
                   [](const GameModel& m) {
                     EXPECT_EQ(m.VictoryConditions, (std::array<int32_t, 7>{1, 0, 1, 0, 1, 0, 1}));
                   }},
        HeaderCase{"BytesAfterTheSlotTableAreNotRead",
                   [](SaveFixture& s) { s.Header.Padding = {9, 8, 7, 6, 5, 4, 3, 2, 1}; },
                   [](const GameModel& m) { EXPECT_EQ(m.SlotTable[0].SlotName, "Aurelia"); }},
        HeaderCase{"EightBitTexts",
                   [](SaveFixture& s) {
                     s.Header.GameName = fixture::UText::Narrow("Narrow Game");
                     s.Header.Slots[0].NationDescription = fixture::UText::Narrow("Rome");
                   },
                   [](const GameModel& m) {
                     EXPECT_EQ(m.GameName, "Narrow Game");
                     EXPECT_EQ(m.SlotTable[0].SlotNationDescription, "Rome");
                   }}),
    fixture::CaseName());

}  // namespace
}  // namespace varnak
