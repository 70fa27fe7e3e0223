#include "analysis/text_sample.h"

#include <algorithm>

namespace varnak {

std::vector<std::string_view> SampleSaveTexts(const GameModel& m) {
  std::vector<std::string_view> texts;
  const WideTexts& unicode = m.Unicode;
  auto add = [&](const std::string& text, TextField field, int32_t row = 0, int32_t item = 0) {
    if (text.empty()) return;
    if (!unicode.Empty() && unicode.Find(field, row, item) != nullptr) return;
    texts.push_back(text);
  };
  add(m.GameName, TextField::GameName);
  add(m.MapScript, TextField::MapScript);
  for (int32_t p = 0; p < kSlotCount; ++p) {
    const TLeaderInfoRec& slot = m.SlotTable[static_cast<size_t>(p)];
    add(slot.SlotName, TextField::SlotName, p);
    add(slot.SlotNationDescription, TextField::SlotNationDescription, p);
    add(slot.SlotNationAdjective, TextField::SlotNationAdjective, p);
  }
  const size_t replay = std::min(m.ReplayLog.size(), kSampledReplayTexts);
  for (size_t i = 0; i < replay; ++i) add(m.ReplayLog[i].Text, TextField::ReplayText, static_cast<int32_t>(i));
  for (int32_t p = 0; p < kSlotCount; ++p) {
    const std::vector<TMessageRec>& messages = m.MessageTable[static_cast<size_t>(p)];
    const size_t n = std::min(messages.size(), kSampledMessagesPerPlayer);
    for (size_t j = 0; j < n; ++j) add(messages[j].MessageText, TextField::MessageText, p, static_cast<int32_t>(j));
  }
  return texts;
}

CodePage DetectSaveCodePage(const GameModel& model) { return DetectCodePage(SampleSaveTexts(model)); }

}  // namespace varnak
