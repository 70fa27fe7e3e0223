// SaveAnalyse: walks a save image section by section into a fresh GameModel.
//
// Failure policy of this layer: the parser never fails. It fills what it can; when
// the body ends before the parser does, the rest reads as zeros, every loop stops,
// and model.Damage says where the data ran out.
#pragma once

#include <memory>

#include "model/game_model.h"
#include "saveio/save_image.h"

namespace varnak {

// `previous`, when given, is the model this one replaces: its logs lend their
// records' memory to the new model and are left empty. A window that opens one save
// after another so writes into memory it already has instead of allocating every
// record anew (and having fresh memory mapped in, which costs more than reading).
std::unique_ptr<GameModel> SaveAnalyse(const SaveImage& image, const GameScoreFactors& factors,
                                       GameModel* previous = nullptr);

}  // namespace varnak
