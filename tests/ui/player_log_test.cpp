#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_name.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

using fixture::FormFixture;

GameModel WithMessages() {
  GameModel m = fixture::TwoPlayerModel();
  m.MessageTable[0] = {
      {"Aurelia founded Roma", 2, 12, 0},
      {"A swordsman defeated an archer", 36, 13, 5},
      {"Roma grew", 8, 14, 3},
      {"", 2, 15, 0},
      {"Olive", 33, 16, 1},
      {"Gray", 34, 17, 1},
      {"Other", 99, 18, 1},
  };
  m.PlayerMessageCount[0] = 7;
  m.MessageTable[18] = {{"barbarian news", 37, 3, 0}};
  return m;
}

TEST(PlayerLog, ListsMessagesWithoutCombatsAndCityEventsByDefault) {
  FormFixture f;
  f.Show(WithMessages());
  const auto& lines = f.Form.PlayerLog.Lines;
  ASSERT_EQ(lines.size(), 4u);
  // Normal speed, turn 12: 3520 BC, empty month: two spaces before the text.
  EXPECT_EQ(lines[0].Text, "  12 3520BC  Aurelia founded Roma");
  EXPECT_EQ(lines[0].LineColor, ui::kBlack);
  EXPECT_EQ(lines[1].LineColor, ui::kOlive);
  EXPECT_EQ(lines[2].LineColor, ui::kGrey);
  EXPECT_EQ(lines[3].LineColor, ui::kBlack);
}

TEST(PlayerLog, FiltersBringKindsBackInTheirPlacesAndKindWinsOverColour) {
  FormFixture f;
  f.Show(WithMessages());
  ASSERT_TRUE(f.Form.UserCheck("ShowCombatsCheckBox", true));
  auto& lines = f.Form.PlayerLog.Lines;
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1].Text, "  13 3480BC  A swordsman defeated an archer");
  EXPECT_EQ(lines[1].LineColor, ui::kPurple);
  f.Form.UserCheck("ShowCityEventsCheckBox", true);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2].LineColor, ui::kGreen);  // colour code 8 would be red
}

TEST(PlayerLog, AnUnnamedSlotShowsSlot18) {
  FormFixture f;
  f.Show(WithMessages());
  f.Form.PlayerLogSelect.Items.push_back("extra");
  f.Form.UserSelect("PlayerLogSelect", 2);  // slot 2 has no name
  ASSERT_EQ(f.Form.PlayerLog.Lines.size(), 1u);
  EXPECT_EQ(f.Form.PlayerLog.Lines[0].Text, "   3 3880BC  barbarian news");
  EXPECT_EQ(f.Form.PlayerLog.Lines[0].LineColor, ui::kGreen);
}

TEST(PlayerLog, AFifthTextInSlotZeroShowsNotAvailable) {
  FormFixture f;
  GameModel m = WithMessages();
  m.SlotTable[0].SlotFifthText = "locked";
  f.Show(m);
  ASSERT_EQ(f.Form.PlayerLog.Lines.size(), 1u);
  EXPECT_EQ(f.Form.PlayerLog.Lines[0].Text, "Not Available");
  EXPECT_EQ(f.Form.PlayerLog.Lines[0].LineColor, ui::kRed);
}


// Named slots 0, 1 and 3, each with one message that says whose log it is.
GameModel OneMessageEach() {
  GameModel m = fixture::TwoPlayerModel();
  m.SlotTable[3].SlotName = "Cyra";
  m.TeamHasMet[0][3] = 1;
  for (size_t p = 0; p < kSlotCount; ++p) {
    m.MessageTable[p] = {{"log of slot " + std::to_string(p), 2, 1, 0}};
    m.PlayerMessageCount[p] = 1;
  }
  return m;
}

struct ChoiceCase {
  const char* name;
  bool restricted;
  int position;
  const char* line;
};

class PlayerLogChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(PlayerLogChoice, TakesTheSelectorPositionAsTheSlot) {
  GameModel m = OneMessageEach();
  if (GetParam().restricted) m.AdminPassword = "secret";
  FormFixture f;
  f.Show(std::move(m));
  ASSERT_EQ(f.Form.PlayerLogSelect.Visible, !GetParam().restricted);
  ASSERT_TRUE(f.Form.UserSelect("PlayerLogSelect", GetParam().position));
  ASSERT_EQ(f.Form.PlayerLog.Lines.size(), 1u);
  EXPECT_EQ(f.Form.PlayerLog.Lines[0].Text, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlayerLogChoice,
    testing::Values(ChoiceCase{"NothingSelectedShowsSlot0", false, -1, "   1 3960BC  log of slot 0"},
                    ChoiceCase{"PositionIsTheSlot", false, 1, "   1 3960BC  log of slot 1"},
                    // Position 2 lists slot 3, but stands for slot 2, which has no name.
                    ChoiceCase{"UnnamedSlotShowsSlot18", false, 2, "   1 3960BC  log of slot 18"},
                    // A restricted view hides the selector; what a script chooses there
                    // does not reach the log.
                    ChoiceCase{"HiddenSelectorShowsPosition0", true, 1,
                               "   1 3960BC  log of slot 0"}),
    fixture::CaseName());

// Player 0's log of `messages`, with both filters open.
const std::vector<ui::LogLine>& UnfilteredLog(FormFixture& f, std::vector<TMessageRec> messages) {
  GameModel m = fixture::TwoPlayerModel();
  m.PlayerMessageCount[0] = static_cast<int32_t>(messages.size());
  m.MessageTable[0] = std::move(messages);
  f.Show(std::move(m));
  f.Form.UserCheck("ShowCombatsCheckBox", true);
  f.Form.UserCheck("ShowCityEventsCheckBox", true);
  return f.Form.PlayerLog.Lines;
}

struct ColourCase {
  const char* name;
  int32_t code, kind;
  ui::Color color;
};

class PlayerLogColour : public testing::TestWithParam<ColourCase> {};

TEST_P(PlayerLogColour, ComesFromTheCodeUnlessTheKindNamesOne) {
  FormFixture f;
  const auto& lines = UnfilteredLog(f, {{"news", GetParam().code, 20, GetParam().kind}});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].LineColor, GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PlayerLogColour,
    testing::Values(ColourCase{"Code2IsBlack", 2, 1, ui::kBlack},
                    ColourCase{"Code8IsRed", 8, 1, ui::kRed},
                    ColourCase{"Code33IsOlive", 33, 1, ui::kOlive},
                    ColourCase{"Code34IsGray", 34, 1, ui::kGrey},
                    ColourCase{"Code36IsBlue", 36, 1, ui::kBlue},
                    ColourCase{"Code37IsGreen", 37, 1, ui::kGreen},
                    ColourCase{"Code38IsRed", 38, 1, ui::kRed},
                    ColourCase{"OtherCodeIsBlack", 7, 1, ui::kBlack},
                    ColourCase{"CombatInBlueIsPurple", 36, 5, ui::kPurple},
                    ColourCase{"CityEventInRedIsGreen", 38, 3, ui::kGreen}),
    fixture::CaseName());

TEST(PlayerLog, AMessageWithoutTextIsNeverShown) {
  FormFixture f;
  const auto& lines =
      UnfilteredLog(f, {{"", 36, 10, 5}, {"", 8, 11, 3}, {"", 2, 12, 1}, {"kept", 2, 13, 1}});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Text, "  13 3480BC  kept");
}

}  // namespace
}  // namespace varnak
