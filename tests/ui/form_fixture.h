// A window driven as a user would, with a host that records what the toolkit would
// show instead of showing it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "parser/post_process.h"
#include "support/analyse.h"
#include "support/two_players.h"
#include "ui/form.h"

namespace varnak::fixture {

class RecordingHost : public ui::FormHost {
 public:
  std::optional<std::string> NextFile;
  std::vector<std::string> Errors;
  std::vector<std::string> Warnings;
  std::optional<std::string> ChooseSaveFile() override { return NextFile; }
  void ShowError(const std::string& message) override { Errors.push_back(message); }
  void ShowWarning(const std::string& message) override { Warnings.push_back(message); }
};

// Two named, living players on teams 0 and 1 that have met; slots 2..18 empty,
// each on its own team. Normal speed, 100 turns played.
inline GameModel TwoPlayerModel() {
  GameModel m;
  for (int p = 0; p < kSlotCount; ++p) {
    auto& slot = m.SlotTable[static_cast<size_t>(p)];
    slot.SlotTeam = p;
    slot.SlotLeader = -1;
    slot.SlotStatus = 2;
    m.TeamMemberCount[static_cast<size_t>(p)] = 1;
    m.TeamHasMet[static_cast<size_t>(p)][static_cast<size_t>(p)] = 1;
  }
  for (const auto& [p, who] : {std::pair{0, kAurelia}, std::pair{1, kBrennus}}) {
    auto& a = m.SlotTable[static_cast<size_t>(p)];
    a.SlotName = who.Name;
    a.SlotLeader = who.Leader;
    a.SlotNation = who.Nation;
    a.SlotNationDescription = who.NationDescription;
    a.SlotNationAdjective = who.NationAdjective;
    a.SlotTeam = who.Team;
    a.SlotDifficulty = who.Difficulty;
    a.SlotStatus = who.Status;
  }
  m.SlotTable[0].SlotPlayable = 1;
  m.TeamHasMet[0][1] = m.TeamHasMet[1][0] = 1;
  m.PlayerAlive[0] = m.PlayerAlive[1] = 1;
  m.PlayerEverAlive[0] = m.PlayerEverAlive[1] = 1;
  m.TeamAliveCount[0] = m.TeamAliveCount[1] = 1;
  m.GameSpeed = 2;
  m.ElapsedTurns = 100;
  m.CurrentTurn = 100;
  m.EstimatedEndTurn = 500;
  m.SessionCount = 1;
  return m;
}

struct FormFixture {
  RecordingHost Host;
  ui::TForm1 Form{Host};

  // Loads a fixture save through the real path: file, dialog, load, views.
  void Load(const SaveFixture& save, const std::string& name = "fixture.sav") {
    const std::string path = TempPath(name);
    WriteFile(path, WriteSaveFile(save));
    Host.NextFile = path;
    Form.UserLoad();
  }
  // Shows a model stated by hand, with its derived totals, as a load would.
  void Show(GameModel model) {
    DeriveTotals(model);
    Form.ShowLoadedModel(std::make_unique<GameModel>(std::move(model)), "model.sav",
                         "2026-01-01 00:00:00");
  }
};

}  // namespace varnak::fixture
