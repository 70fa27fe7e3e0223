// Which code page a save's texts are written in, judged from the save itself.
#pragma once

#include <string_view>
#include <vector>

#include "model/game_model.h"
#include "saveio/codepage.h"

namespace varnak {

// At most this many records of the replay log, and of each player's messages, are
// sampled: a huge log costs no more than a small one.
inline constexpr size_t kSampledReplayTexts = 512;
inline constexpr size_t kSampledMessagesPerPlayer = 64;

// The texts the choice is made from, in this order: the game's name and map script,
// every slot's name and nation texts, the first records of the replay log, the first
// messages of every player. Texts kept whole as Unicode are left out: their low
// bytes are no code page's. The views point into `model`.
std::vector<std::string_view> SampleSaveTexts(const GameModel& model);

// Cp1251 when the sampled texts read as Cyrillic, else Cp1252 (DetectCodePage).
CodePage DetectSaveCodePage(const GameModel& model);

}  // namespace varnak
