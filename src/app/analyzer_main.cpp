// Until the window exists: load a save and print what was read.
#include <cstdio>
#include <string>

#include "parser/save_analyse.h"
#include "saveio/save_loader.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: varnak-analyzer SAVE\n");
    return 2;
  }
  const std::string path = argv[1];
  varnak::LoadedSave loaded = varnak::LoadSaveFile(path);
  if (!loaded.Ok) {
    std::fprintf(stderr, "%s\n", loaded.Error.c_str());
    return 1;
  }
  auto m = varnak::SaveAnalyse(loaded.Image, varnak::GameScoreFactors{});
  std::printf("Path: %s\n", path.c_str());
  std::printf("Save version %d, game \"%s\", map script \"%s\"\n", m->SaveVersion,
              m->GameName.c_str(), m->MapScript.c_str());
  std::printf("Current turn %d/%d, year %d %s, game score %d\n", m->CurrentTurn,
              m->EstimatedEndTurn, m->CurrentYear, m->CurrentMonth.c_str(), m->GameScore);
  for (int p = 0; p < varnak::kSlotCount; ++p) {
    const auto& slot = m->SlotTable[static_cast<size_t>(p)];
    if (!slot.SlotName.empty())
      std::printf("  slot %2d: %s (team %d)\n", p, slot.SlotName.c_str(), slot.SlotTeam);
  }
  std::printf("Replay messages: %zu, sessions: %d\n", m->ReplayLog.size(), m->SessionCount);
  if (m->Damage.Damaged)
    std::printf("The save looks damaged: the data ends at 0x%llX, inside %s.\n",
                static_cast<unsigned long long>(m->Damage.Offset), m->Damage.Section.c_str());
  return 0;
}
