// Difficulty of a team and what a technology costs a player.
#pragma once

#include <cstdint>

#include "model/game_model.h"

namespace varnak {

// Average difficulty of the team's living players (truncated); 3 when it has none.
int32_t GetTeamHandicap(const GameModel& model, int32_t team);

// Research cost of technology `tech` (0..91) for `player`, in the game's integer
// steps; each division truncates.
int32_t TechCost(const GameModel& model, int32_t tech, int32_t player);

// Sets the research cost percents of the world size, speed and start era; a setting
// outside its table leaves its percent as it was.
void SetResearchFactors(GameModel& model);

}  // namespace varnak
