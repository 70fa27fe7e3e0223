#include "drive_window.h"

#include <optional>
#include <string>

#include "parser/save_analyse.h"
#include "ui/form.h"

namespace varnak::fuzz {
namespace {

class SilentHost : public ui::FormHost {
 public:
  std::optional<std::string> ChooseSaveFile() override { return std::nullopt; }
  void ShowError(const std::string&) override {}
  void ShowWarning(const std::string&) override {}
};

}  // namespace

void DriveWindow(const SaveImage& image) {
  SilentHost host;
  ui::TForm1 form(host);
  form.ShowLoadedModel(SaveAnalyse(image, GameScoreFactors{}), "fuzz.sav", "2026-01-01 00:00:00");
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
}

}  // namespace varnak::fuzz
