#include "support/analyse.h"

#include <stdexcept>

#include "parser/save_analyse.h"

namespace varnak::fixture {

LoadedSave LoadBytes(const std::vector<uint8_t>& file) { return BuildSaveImage(file, "fixture.sav"); }

std::unique_ptr<GameModel> AnalyseFile(const std::vector<uint8_t>& file) {
  LoadedSave loaded = LoadBytes(file);
  if (!loaded.Ok) throw std::runtime_error(loaded.Error);
  return SaveAnalyse(loaded.Image, GameScoreFactors{});
}

std::unique_ptr<GameModel> Analyse(const SaveFixture& save, const ContainerOptions& options) {
  return AnalyseFile(WriteSaveFile(save, options));
}

}  // namespace varnak::fixture
