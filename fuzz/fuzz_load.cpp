// Feeds arbitrary bytes through the whole road of a load: container and inflate,
// SaveAnalyse, and the window's start-up, PrintData and every view and handler.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "parser/save_analyse.h"
#include "saveio/save_loader.h"
#include "ui/form.h"

namespace {

class SilentHost : public varnak::ui::FormHost {
 public:
  std::optional<std::string> ChooseSaveFile() override { return std::nullopt; }
  void ShowError(const std::string&) override {}
  void ShowWarning(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  varnak::LoadedSave loaded = varnak::BuildSaveImage(std::span<const uint8_t>(data, size), "fuzz.sav");
  if (!loaded.Ok) return 0;
  SilentHost host;
  varnak::ui::TForm1 form(host);
  form.ShowLoadedModel(varnak::SaveAnalyse(loaded.Image, varnak::GameScoreFactors{}), "fuzz.sav",
                       "2026-01-01 00:00:00");
  // Every view once more through the events a user has.
  form.UserCheck("ShowAICheckBox", true);
  form.UserCheck("ShowCombatsCheckBox", true);
  form.UserCheck("ShowCityEventsCheckBox", true);
  for (int entry = 0; entry < 8; ++entry) form.UserSelect("GraphSelect", entry);
  const int players = static_cast<int>(form.PlayerInfoSelect.Items.size());
  for (int p = -1; p <= players; ++p) {
    form.UserSelect("PlayerInfoSelect", p);
    form.UserSelect("PlayerLogSelect", p);
    form.UserSelect("AttLeaderSel1", p);
    form.UserSelect("AttLeaderSel2", players - 1 - p);
  }
  form.UserLeave("DiffCoeffE");
  form.UserLeave("OrdoPopCurrE");
  form.UserEdit("Edit11", "  0");
  return 0;
}
