// The game's score formula: one part's game score, its final score, and a player's
// whole game score.
//
// Real-valued steps run in extended precision (long double); each value the game
// stores is rounded to a double at that point, so results match the game's to the
// last digit.
#pragma once

#include <cstdint>

#include "model/game_model.h"

namespace varnak {

// Drops the fraction; NaN gives 0 and values beyond int32 saturate, since a real
// that no int32 can hold must not become undefined behaviour.
int32_t TruncToInt32(long double value);

// One part's game score: Trunc(factor * current / maximal), 0 when maximal <= 0.
int32_t gScore(int32_t current, int32_t maximal, int32_t factor);

// One part's final score, from the expected value at this turn.
int32_t fScore(int32_t current, int32_t initial, double difficultyCoeff, int32_t endTurn,
               int32_t turn, int32_t factor, int32_t maximal);

// Sets the difficulty coefficient of the save's level; a level outside the table
// leaves it as it was.
void SetDifficultyCoefficient(GameModel& model);

// A player's game score with vassals counted; 0 for a player who is not alive.
int32_t gPlayerScore(const GameModel& model, int32_t player);

}  // namespace varnak
