#include "analysis/cost.h"

#include "analysis/calendar.h"
#include "model/wrapping.h"
#include "reference/reference_tables.h"

namespace varnak {

namespace {

template <typename Table>
void SetFrom(const Table& table, int32_t index, int32_t& percent) {
  if (index >= 0 && static_cast<size_t>(index) < table.size()) percent = table[static_cast<size_t>(index)];
}

}  // namespace

void SetResearchFactors(GameModel& m) {
  SetFrom(reference::WorldSizeResearchPercent, m.WorldSize, m.WorldSizePercent);
  SetFrom(reference::GameSpeedResearchPercent, m.GameSpeed, m.SpeedPercent);
  SetFrom(reference::StartEraResearchPercent, m.StartEra, m.EraPercent);
}

int32_t GetTeamHandicap(const GameModel& model, int32_t team) {
  int32_t sum = 0;
  int32_t count = 0;
  for (int j = 0; j < kSlotCount; ++j) {
    if (model.PlayerAlive[static_cast<size_t>(j)] != 0 && model.GetTeam(j) == team) {
      sum = WrapAdd(sum, model.SlotTable[static_cast<size_t>(j)].SlotDifficulty);
      ++count;
    }
  }
  return count == 0 ? 3 : sum / count;
}

int32_t TechCost(const GameModel& model, int32_t tech, int32_t player) {
  const int32_t t = model.GetTeam(player);
  const int32_t c = ResearchDiffCoeff(GetTeamHandicap(model, t));
  int32_t x = WrapMul(c, reference::TechnologyTable[static_cast<size_t>(tech)].TechBaseCost) / 100;
  x = WrapMul(model.WorldSizePercent, x) / 100;
  x = WrapMul(model.SpeedPercent, x) / 100;
  x = WrapMul(model.EraPercent, x) / 100;
  // A team index outside the table (a damaged slot) counts as a team of one.
  const int32_t members =
      ValidTeam(t) ? model.TeamMemberCount[static_cast<size_t>(t)] : 1;
  const int32_t percent = WrapAdd(WrapMul(WrapSub(members, 1), model.TeamTechCostPercent), 100);
  return WrapMul(percent, x) / 100;
}

}  // namespace varnak
