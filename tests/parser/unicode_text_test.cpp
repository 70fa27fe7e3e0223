#include <gtest/gtest.h>

#include "support/analyse.h"

namespace varnak {
namespace {

using fixture::SaveFixture;
using fixture::UText;

// Shown wide texts with a character above 255 are kept whole beside their 8-bit
// form, which stays the low bytes as before; texts below 256 and texts that are not
// shown add nothing.
TEST(UnicodeTexts, ShownTextsAbove255AreKeptWholeBesideTheirLowBytes) {
  SaveFixture s = SaveFixture::Basic();
  s.Header.GameName = UText::Unicode(u"Игра");
  s.Header.MapScript = "Continents";
  s.Header.AdminPassword = UText::Unicode(u"пароль");  // never shown
  s.Header.Slots[1].Name = UText::Unicode(u"Жанна");
  s.Header.Slots[1].Third = UText::Unicode(u"Ж");       // never shown
  s.Header.Slots[2].NationDescription = UText::Unicode(u"A\u0400B\U0001F600");
  s.Header.Slots[18].NationAdjective = UText::Unicode(u"\u00E9\u0101");
  s.Game.Replay.push_back({7, {}, UText::Unicode(u"<color=1,2,3>Жанна</color> основала Київ"), 37});
  s.Players[1].Tail.Messages = {{"Plain", 7, 3, 1},
                                {UText::Unicode(u"Ж<b>x</b>y"), 7, 4, 1},
                                {"\xC6", 7, 5, 1}};

  const auto m = fixture::Analyse(s);
  ASSERT_FALSE(m->Damage.Damaged);
  const WideTexts& u = m->Unicode;
  EXPECT_EQ(u.Size(), 6u);
  ASSERT_NE(u.Find(TextField::GameName), nullptr);
  EXPECT_EQ(*u.Find(TextField::GameName), "Игра");
  EXPECT_EQ(m->GameName, "\x18\x33\x40\x30");
  EXPECT_EQ(u.Find(TextField::MapScript), nullptr);

  ASSERT_NE(u.Find(TextField::SlotName, 1), nullptr);
  EXPECT_EQ(*u.Find(TextField::SlotName, 1), "Жанна");
  EXPECT_EQ(m->SlotTable[1].SlotName, "\x16\x30\x3D\x3D\x30");
  EXPECT_EQ(u.Find(TextField::SlotName, 0), nullptr);
  EXPECT_EQ(u.Find(TextField::SlotNationDescription, 1), nullptr);
  // U+0400 ends the 8-bit form (its low byte is 0) but not the whole one.
  ASSERT_NE(u.Find(TextField::SlotNationDescription, 2), nullptr);
  EXPECT_EQ(*u.Find(TextField::SlotNationDescription, 2), "AЀB\xF0\x9F\x98\x80");
  EXPECT_EQ(m->SlotTable[2].SlotNationDescription, "A");
  ASSERT_NE(u.Find(TextField::SlotNationAdjective, 18), nullptr);
  EXPECT_EQ(*u.Find(TextField::SlotNationAdjective, 18), "éā");

  const auto replay = static_cast<int32_t>(m->ReplayLog.size()) - 1;
  ASSERT_NE(u.Find(TextField::ReplayText, replay), nullptr);
  EXPECT_EQ(*u.Find(TextField::ReplayText, replay), "Жанна основала Київ");
  EXPECT_EQ(u.Find(TextField::ReplayText, replay - 1), nullptr);

  ASSERT_NE(u.Find(TextField::MessageText, 1, 1), nullptr);
  EXPECT_EQ(*u.Find(TextField::MessageText, 1, 1), "Жxy");
  EXPECT_EQ(m->MessageTable[1][1].MessageText, "\x16xy");
  EXPECT_EQ(u.Find(TextField::MessageText, 1, 2), nullptr);
  EXPECT_EQ(m->MessageTable[1][2].MessageText, "\xC6");
}

}  // namespace
}  // namespace varnak
