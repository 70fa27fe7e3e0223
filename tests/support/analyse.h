// Runs a fixture through the real load path: container, inflate, parser.
#pragma once

#include <memory>

#include "model/game_model.h"
#include "saveio/save_loader.h"
#include "support/save_fixture.h"

namespace varnak::fixture {

LoadedSave LoadBytes(const std::vector<uint8_t>& file);
std::unique_ptr<GameModel> Analyse(const SaveFixture& save, const ContainerOptions& options = {});
std::unique_ptr<GameModel> AnalyseFile(const std::vector<uint8_t>& file);

}  // namespace varnak::fixture
