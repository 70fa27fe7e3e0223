// The bundled sample saves, loaded as the window loads them.
#include <gtest/gtest.h>

#include <string>

#include "analysis/text_sample.h"
#include "saveio/codepage.h"
#include "support/code_page_text.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

using fixture::Cp1251;

struct Loaded {
  fixture::FormFixture f;
  explicit Loaded(const char* path) {
    f.Host.NextFile = path;
    f.Form.UserLoad();
  }
  const GameModel& Model() const { return f.Form.Model(); }
};

TEST(RussianSample, LoadsWithoutWarningAndKeepsItsTextsInWindows1251) {
  Loaded ru(VARNAK_RUSSIAN_SAMPLE_SAVE);
  EXPECT_TRUE(ru.f.Form.LastLoad().Ok);
  EXPECT_TRUE(ru.f.Form.LastLoad().Warnings.empty());
  EXPECT_TRUE(ru.f.Host.Errors.empty());
  const GameModel& m = ru.Model();

  EXPECT_EQ(m.SlotTable[0].SlotName, "\xC2\xEB\xE0\xE4\xE8\xEC\xE8\xF0");  // Владимир
  EXPECT_EQ(m.SlotTable[0].SlotNationDescription, Cp1251("Римская империя"));
  EXPECT_EQ(m.SlotTable[3].SlotNationAdjective, Cp1251("викингская"));
  EXPECT_EQ(m.SlotTable[18].SlotName, Cp1251("Варвары"));
  EXPECT_EQ(m.GameName, Cp1251("Пробная игра"));
  EXPECT_EQ(m.ReplayLog[0].Text, Cp1251("Сессия 1: Владимир вошёл в игру"));
  EXPECT_EQ(m.ReplayLog[3].Text, Cp1251("Святослав основывает столицу"));
  EXPECT_EQ(m.MessageTable[0][0].MessageText, Cp1251("Вы открыли: Обработка бронзы!"));
  EXPECT_EQ(m.MessageTable[0][10].MessageText, Cp1251("Город Рим вырос до размера 6"));

  // Жанна is real UTF-16, and so is every line that names her; her 8-bit form stays
  // the low bytes.
  EXPECT_EQ(m.SlotTable[2].SlotName, "\x16\x30\x3D\x3D\x30");
  ASSERT_NE(m.Unicode.Find(TextField::SlotName, 2), nullptr);
  EXPECT_EQ(*m.Unicode.Find(TextField::SlotName, 2), "Жанна");
  ASSERT_NE(m.Unicode.Find(TextField::ReplayText, 4), nullptr);
  EXPECT_EQ(*m.Unicode.Find(TextField::ReplayText, 4), "Жанна основывает столицу");
  EXPECT_EQ(m.Unicode.Size(), 3u);  // her nick, her capital, her religion

  EXPECT_EQ(ToUtf8(m.SlotTable[5].SlotName, DetectSaveCodePage(m)), "Мстислав");
}

// The Cyrillic session marker finds the sessions that "Session" finds in the
// English sample: the two are the same game.
TEST(RussianSample, HasTheSessionsOfTheEnglishOne) {
  Loaded en(VARNAK_SAMPLE_SAVE);
  Loaded ru(VARNAK_RUSSIAN_SAMPLE_SAVE);
  EXPECT_EQ(ru.Model().SessionTurns, en.Model().SessionTurns);
  EXPECT_EQ(ru.Model().SessionTurns[5], 150);
  EXPECT_EQ(ru.Model().SessionList.size(), en.Model().SessionList.size());
}

TEST(Samples, EachReadsInTheCodePageItWasWrittenIn) {
  EXPECT_EQ(DetectSaveCodePage(Loaded(VARNAK_SAMPLE_SAVE).Model()), CodePage::Cp1252);
  EXPECT_EQ(DetectSaveCodePage(Loaded(VARNAK_RUSSIAN_SAMPLE_SAVE).Model()), CodePage::Cp1251);
}

}  // namespace
}  // namespace varnak
