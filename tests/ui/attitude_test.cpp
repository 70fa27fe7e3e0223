#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/case_name.h"
#include "ui/form_fixture.h"
#include "ui/format.h"

namespace varnak {
namespace {

using fixture::FormFixture;
using fixture::TwoPlayerModel;
using ui::Color;

struct Shown {
  std::string text;
  Color color;
  friend bool operator==(const Shown&, const Shown&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Shown& s) {
    return os << '"' << s.text << "\" (" << int{s.color.R} << ',' << int{s.color.G} << ','
              << int{s.color.B} << ')';
  }
};

Shown Of(const ui::EditControl& box) { return {box.Text, box.FontColor}; }

// Brennus (slot 1, Brennus's personality) at war with Aurelia (slot 0, a human on
// Monarch), with a few memories and relations.
GameModel AtWarModel() {
  GameModel m = TwoPlayerModel();
  m.PlayerPersonality[1] = 6;
  for (size_t p = 2; p < 8; ++p) m.PlayerEverAlive[p] = 1;
  m.SavedPlayerRank[1] = 5;
  m.SavedPlayerRank[0] = 1;
  m.TeamAtWar[0][1] = m.TeamAtWar[1][0] = 1;
  m.TeamWarAttitudeCounter[1][0] = 12;
  m.PlayerMemory[1][0][5] = 3;  // Razed City, -250
  m.PlayerMemory[1][0][8] = 2;  // Give Help, 100
  m.PlayerParent[0] = -1;
  m.PlayerParent[1] = 0;
  m.PlayerExtraAttitude[1][0] = 5;
  m.TeamEspionageAgainst[1][0] = 12;
  m.TeamEspionageAgainst[0][1] = 3;
  return m;
}

TEST(AttitudePage, ShowsEveryTermWithItsBoundAndColour) {
  FormFixture f;
  f.Show(AtWarModel());
  ASSERT_TRUE(f.Form.UserSelect("AttLeaderSel1", 1));
  const ui::TForm1& w = f.Form;

  EXPECT_EQ(Of(w.BaseAttitudeE), (Shown{"    -1", ui::kRed}));
  EXPECT_EQ(Of(w.HandicapAttitudeE), (Shown{"    -1", ui::kRed}));  // Monarch
  EXPECT_EQ(Of(w.PeaceWeightE), (Shown{"", ui::kBlack}));           // toward a human
  EXPECT_EQ(Of(w.WarmongerRespectE), (Shown{"", ui::kBlack}));
  EXPECT_EQ(Of(w.TeamSizeDifferenceE), (Shown{"     0", ui::kBlack}));
  EXPECT_EQ(Of(w.AggressiveAIE), (Shown{"", ui::kGrey}));

  // -2 x 4 / 9 truncates to 0.
  EXPECT_EQ(Of(w.RankDifferenceE), (Shown{"  -0.89", ui::kBlack}));
  EXPECT_EQ(w.RankDifferenceMaxE.Text, " -2");
  EXPECT_EQ(Of(w.HighRanksE), (Shown{"   0.00", ui::kBlack}));
  EXPECT_EQ(w.HighRanksMaxE.Text, "  1");
  EXPECT_EQ(w.CloseBordersMaxE.Text, " -2");
  EXPECT_EQ(Of(w.WarAttitudeE), (Shown{"  -5.40", ui::kRed}));
  EXPECT_EQ(w.WarAttitudeMaxE.Text, " -8");
  EXPECT_EQ(w.PeaceAttitudeMaxE.Text, "  1");
  EXPECT_EQ(w.BonusTradeMaxE.Text, "  0");  // at war: not computed
  EXPECT_EQ(Of(w.RivalDefensivePactE), (Shown{"   0.00", ui::kBlack}));
  EXPECT_EQ(w.RivalDefensivePactMaxE.Text, " -4");
  EXPECT_EQ(w.RivalVassalMaxE.Text, " -6");
  EXPECT_EQ(w.ShareWarMaxE.Text, "  1");
  EXPECT_EQ(Of(w.EnemyTradeAttitudeE), (Shown{"   0.00", ui::kBlack}));  // -0 shows no sign
  EXPECT_EQ(w.TradeAttitudeMaxE.Text, "  4");
  EXPECT_EQ(Of(w.ColonyAttitudeE), (Shown{"  10.00", ui::kGreen}));
  EXPECT_EQ(w.ColonyAttitudeMaxE.Text, " 10");
  EXPECT_EQ(Of(w.ExtraAttitudeE), (Shown{"   5.00", ui::kGreen}));
  EXPECT_EQ(w.ExtraAttitudeMaxE.Text, "  0");

  EXPECT_EQ(Of(w.Memory[5]), (Shown{"  -7.50", ui::kRed}));
  EXPECT_EQ(Of(w.Memory[8]), (Shown{"   2.00", ui::kGreen}));
  EXPECT_EQ(Of(w.Memory[0]), (Shown{"   0.00", ui::kBlack}));

  // -1 - 1 - 5 + 10 + 5 - 7 + 2
  EXPECT_EQ(Of(w.SummaryAttitudeE), (Shown{"     3", ui::kBlue}));
  EXPECT_EQ(Of(w.SummaryAttitudeTextE), (Shown{"Pleased", ui::kBlue}));
  EXPECT_EQ(w.Espionage1E.Text, "    12");
  EXPECT_EQ(w.Espionage2E.Text, "     3");
  EXPECT_EQ(w.Rank1E.Text, "  5");
  EXPECT_EQ(w.Rank2E.Text, "  1");
}

TEST(AttitudePage, PeaceWeightAndWarmongerCountOnlyTowardAComputer) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.PlayerPersonality[0] = 6;  // warmonger respect 2
  m.PlayerPersonality[1] = 2;  // 0
  m.PlayerPeaceWeight[0] = 7;
  m.PlayerPeaceWeight[1] = 2;
  m.SlotTable[1].SlotDifficulty = 2;
  f.Show(m);
  ui::TForm1& w = f.Form;
  ASSERT_TRUE(w.UserSelect("AttLeaderSel2", 1));  // Aurelia toward Brennus, a computer
  EXPECT_EQ(Of(w.PeaceWeightE), (Shown{"    -1", ui::kRed}));
  EXPECT_EQ(Of(w.WarmongerRespectE), (Shown{"     0", ui::kBlack}));
  // Base -1, handicap 0, peace weight -1.
  EXPECT_EQ(w.SummaryAttitudeE.Text, "    -2");

  ASSERT_TRUE(w.UserSelect("AttLeaderSel2", 0));  // toward herself, a human
  EXPECT_EQ(Of(w.PeaceWeightE), (Shown{"", ui::kBlack}));
  EXPECT_EQ(Of(w.WarmongerRespectE), (Shown{"", ui::kBlack}));
}

TEST(AttitudePage, SelectorsNameSlotsThroughTheirEntries) {
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.SlotTable[1].SlotName.clear();  // not listed: entry 1 is slot 2
  m.SlotTable[1].SlotLeader = -1;   // nor named after its leader
  m.SlotTable[2].SlotName = "Cyra";
  m.SlotTable[18].SlotName = "Barbarians";
  m.SavedPlayerRank = {1, 4, 7};
  m.SavedPlayerRank[18] = 9;
  f.Show(m);
  ui::TForm1& w = f.Form;
  ASSERT_EQ(w.AttLeaderSel1.Items, (std::vector<std::string>{"Aurelia", "Cyra", "Barbarians"}));
  EXPECT_EQ(w.Rank1E.Text, "  1");  // both boxes start on their first entry
  EXPECT_EQ(w.Rank2E.Text, "  1");

  ASSERT_TRUE(w.UserSelect("AttLeaderSel1", 1));
  EXPECT_EQ(w.Rank1E.Text, "  7");
  EXPECT_EQ(w.Rank2E.Text, "  1");
  ASSERT_TRUE(w.UserSelect("AttLeaderSel2", 2));
  EXPECT_EQ(w.Rank2E.Text, "  9");

  // No entry chosen: slot 1 toward slot 0, and the unnamed slot 1 stands for slot 18.
  ASSERT_TRUE(w.UserSelect("AttLeaderSel2", -1));
  EXPECT_EQ(w.Rank1E.Text, "  9");
  EXPECT_EQ(w.Rank2E.Text, "  1");
}

TEST(AttitudePage, ARestrictedSaveWithAFifthTextKeepsWhatThePageShowed) {
  FormFixture f;
  f.Show(AtWarModel());
  GameModel restricted = AtWarModel();
  restricted.AdminPassword = "secret";
  restricted.GameState = 0;
  restricted.SlotTable[0].SlotFifthText = "x";
  restricted.PlayerExtraAttitude[0][0] = 40;
  f.Show(restricted);
  ui::TForm1& w = f.Form;
  ASSERT_TRUE(w.UserSelect("AttLeaderSel1", 0));
  // Still the first model's Aurelia toward herself.
  EXPECT_EQ(w.ExtraAttitudeE.Text, "   0.00");
  EXPECT_EQ(w.SummaryAttitudeTextE.Text, "Cautious");

  // Neither the fifth text alone nor the restricted view alone stops it.
  restricted.AdminPassword.clear();
  f.Show(restricted);
  EXPECT_EQ(w.ExtraAttitudeE.Text, "  40.00");
  restricted.AdminPassword = "secret";
  restricted.SlotTable[0].SlotFifthText.clear();
  restricted.PlayerExtraAttitude[0][0] = 41;
  f.Show(restricted);
  EXPECT_EQ(w.ExtraAttitudeE.Text, "  41.00");
}

struct MoodCase {
  const char* name;
  int32_t sum;
  const char* text;
  Color color;
};

class AttitudeMood : public testing::TestWithParam<MoodCase> {};

TEST_P(AttitudeMood, NamesTheSumInItsColour) {
  const MoodCase& c = GetParam();
  FormFixture f;
  GameModel m = TwoPlayerModel();  // the first personality row: every term 0
  m.SlotTable[0].SlotDifficulty = 2;
  m.PlayerParent[0] = -1;
  m.PlayerExtraAttitude[0][0] = c.sum;
  f.Show(m);
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(Of(w.SummaryAttitudeE), (Shown{ui::Format("%6d", c.sum), c.color}));
  EXPECT_EQ(Of(w.SummaryAttitudeTextE), (Shown{c.text, c.color}));
}

INSTANTIATE_TEST_SUITE_P(Sums, AttitudeMood,
                         testing::Values(MoodCase{"Ten", 10, "Friendly", ui::kGreen},
                                         MoodCase{"Three", 3, "Pleased", ui::kBlue},
                                         MoodCase{"Two", 2, "Cautious", ui::kBlack},
                                         MoodCase{"MinusTwo", -2, "Cautious", ui::kBlack},
                                         MoodCase{"MinusThree", -3, "Annoyed", ui::kPurple},
                                         MoodCase{"MinusTen", -10, "Furious", ui::kRed}),
                         fixture::CaseName());

}  // namespace
}  // namespace varnak
