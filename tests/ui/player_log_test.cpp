#include <gtest/gtest.h>

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

}  // namespace
}  // namespace varnak
