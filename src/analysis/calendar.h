// Turn numbers to in-game dates, and difficulty levels to names and research
// cost percentages.
#pragma once

#include <cstdint>
#include <string>

namespace varnak {

// Game speeds as stored in the save.
inline constexpr int32_t kSpeedMarathon = 0;
inline constexpr int32_t kSpeedEpic = 1;
inline constexpr int32_t kSpeedNormal = 2;
inline constexpr int32_t kSpeedQuick = 3;

// Returned by Turn2Date for a speed it has no calendar for.
inline constexpr int32_t kUnknownYear = -9999;

// Returns the year of `turn` at game `speed` (negative = before the common era)
// and sets `month` to its month text, empty where the calendar counts whole
// years. Also bounds the elapsed-turn count that walks the per-turn history
// tables: a negative turn resets it to 0, a turn past the speed's last turn
// sets it to that last turn. An unknown speed yields kUnknownYear and an empty
// month.
int32_t Turn2Date(int32_t speed, int32_t turn, std::string& month, int32_t& elapsedTurns);

// "Settler" .. "Deity" for levels 0..8, "Unknown" otherwise.
std::string LevelString(int32_t level);

// Research cost percent of a difficulty level; 100 for a level outside 0..8.
int32_t ResearchDiffCoeff(int32_t level);

}  // namespace varnak
