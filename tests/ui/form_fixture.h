// A window driven as a user would, with a host that records what the toolkit would
// show instead of showing it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "parser/post_process.h"
#include "support/analyse.h"
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
