#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analysis/text_sample.h"
#include "support/analyse.h"
#include "support/code_page_text.h"

namespace varnak {
namespace {

using fixture::Cp1251;
using fixture::SaveFixture;
using fixture::UText;

bool Holds(const std::vector<std::string_view>& texts, const std::string& text) {
  return std::any_of(texts.begin(), texts.end(), [&](std::string_view t) { return t.data() == text.data(); });
}

// Names and nation texts all come; the logs only up to their bound, from their start;
// a text kept whole as Unicode never.
TEST(TextSample, TakesEveryNameAndTheStartOfEachLog) {
  SaveFixture s = SaveFixture::Basic();
  s.Header.Slots[2].Name = UText::Unicode(u"Жанна");
  s.Header.Slots[2].NationAdjective = "Gallic";
  s.Game.Replay.clear();
  for (int i = 0; i < 2000; ++i) s.Game.Replay.push_back({i, {}, "Turn " + std::to_string(i), 2});
  s.Players[1].Tail.Messages.clear();
  for (int i = 0; i < 300; ++i) s.Players[1].Tail.Messages.push_back({"Message " + std::to_string(i), 7, i, 1});
  const auto m = fixture::Analyse(s);
  ASSERT_EQ(m->ReplayLog.size(), 2000u);
  ASSERT_EQ(m->MessageTable[1].size(), 300u);

  const std::vector<std::string_view> texts = SampleSaveTexts(*m);
  EXPECT_TRUE(Holds(texts, m->GameName));
  EXPECT_TRUE(Holds(texts, m->SlotTable[1].SlotNationDescription));
  EXPECT_TRUE(Holds(texts, m->SlotTable[2].SlotNationAdjective));
  EXPECT_FALSE(Holds(texts, m->SlotTable[2].SlotName));
  size_t replay = 0, messages = 0;
  for (const TReplayMsgRec& rec : m->ReplayLog) replay += Holds(texts, rec.Text) ? 1u : 0u;
  for (const TMessageRec& rec : m->MessageTable[1]) messages += Holds(texts, rec.MessageText) ? 1u : 0u;
  EXPECT_EQ(replay, kSampledReplayTexts);
  EXPECT_TRUE(Holds(texts, m->ReplayLog.front().Text));
  EXPECT_EQ(messages, kSampledMessagesPerPlayer);
  EXPECT_TRUE(Holds(texts, m->MessageTable[1].front().MessageText));
}

TEST(TextSample, ASaveReadsInTheCodePageOfItsTexts) {
  SaveFixture s = SaveFixture::Basic();
  EXPECT_EQ(DetectSaveCodePage(*fixture::Analyse(s)), CodePage::Cp1252);
  s.Header.Slots[0].Name = Cp1251("Владимир");
  s.Header.Slots[0].NationDescription = Cp1251("Российская империя");
  s.Header.Slots[0].NationAdjective = Cp1251("российская");
  EXPECT_EQ(DetectSaveCodePage(*fixture::Analyse(s)), CodePage::Cp1251);
}

}  // namespace
}  // namespace varnak
