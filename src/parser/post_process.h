// The totals derived from a freshly read model: restricted view, display names,
// population shares, city culture order, the Ordo inputs, vassal shares and scores.
#pragma once

#include "model/game_model.h"

namespace varnak {

void DeriveTotals(GameModel& model);

}  // namespace varnak
