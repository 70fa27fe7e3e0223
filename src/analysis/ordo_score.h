// The Ordo score: each part is worth more the earlier its target is reached.
#pragma once

#include <cstdint>

#include "model/game_model.h"

namespace varnak {

// One part of the Ordo score: factor * current / target^(turn / turnLimit), rounded
// to the nearest integer with halves to the even neighbour. A turn limit of 0 or
// less stands for 1500 turns. When the power is not above 0 (a target of 0, or a
// negative target with a fractional exponent, which has no real power) the part
// is -1. A result that no int32 holds saturates.
int32_t cScore(int32_t factor, int32_t turn, double current, double target, int32_t turnLimit);

// The culture target (points x 100) of a game speed; 50000 for a speed the table lacks.
int32_t OrdoCultureMaximum(int32_t gameSpeed);

// Ten points per modern technology player 0's team knows (Robotics counting twice)
// and per future technology it researched.
int32_t OrdoModernTechPoints(const GameModel& model);

}  // namespace varnak
