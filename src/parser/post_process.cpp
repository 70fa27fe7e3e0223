#include "parser/post_process.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "analysis/game_score.h"
#include "analysis/ordo_score.h"
#include "model/wrapping.h"
#include "parser/sections.h"
#include "reference/reference_tables.h"

namespace varnak {
namespace {

int32_t Half(int32_t x) { return x / 2; }


size_t Index(int32_t i) { return static_cast<size_t>(i); }

void SetDisplayNames(GameModel& m) {
  for (int p = 0; p < kSlotCount; ++p) {
    TLeaderInfoRec& slot = m.SlotTable[Index(p)];
    // A leader beyond the name table has no name to give; the slot stays unnamed.
    if (slot.SlotName.empty() && slot.SlotLeader >= 0 &&
        Index(slot.SlotLeader) < reference::kLeaderCount)
      slot.SlotName = reference::LeaderNames[Index(slot.SlotLeader)];
  }
  int32_t named = 0;
  for (int p = 0; p < kSlotCount; ++p)
    if (!m.SlotTable[Index(p)].SlotName.empty()) ++named;
  if (!m.SlotTable[kSlotCount - 1].SlotName.empty()) --named;
  m.NamedPlayerCount = named;
}

void SetPopulationShares(GameModel& m) {
  int32_t world = 0;
  for (int32_t pop : m.PlayerTotalPopulation) world = WrapAdd(world, pop);
  m.WorldPopulation = world;
  if (world <= 0) return;
  for (size_t p = 0; p < kSlotCount; ++p)
    m.PlayerPopulationShare[p] =
        static_cast<double>(static_cast<long double>(WrapMul(m.PlayerTotalPopulation[p], 100)) /
                            world);
}

void SortCityCulture(GameModel& m) {
  for (size_t s = 0; s < kSlotCount; ++s) {
    const int32_t n = std::min(m.PlayerCityCount[s], kCityCapacity);
    if (n < 2) continue;
    auto& row = m.PlayerCityCulture[s];
    std::sort(row.begin(), row.begin() + n, std::greater<>());
  }
}

void SetOrdoInputs(GameModel& m) {
  const auto& culture = m.PlayerCityCulture[0];
  const int32_t top3 = WrapAdd(WrapAdd(culture[0], culture[1]), culture[2]);
  const double average = static_cast<double>(static_cast<long double>(top3) / 3);
  // The default rounding mode rounds halves to the even neighbour.
  m.OrdoCultureCurr = TruncToInt32(std::nearbyint(static_cast<long double>(average) / 100));

  m.OrdoMTechCurr = OrdoModernTechPoints(m);

  m.OrdoTurnCurr = WrapAdd(m.ElapsedTurns, m.StartTurn);
  m.OrdoTurnMax = m.EstimatedEndTurn;
  m.OrdoCultureMax = OrdoCultureMaximum(m.GameSpeed);
}

void CountTeamVassals(GameModel& m) {
  PerSlot<int32_t> vassalPop{};
  PerSlot<int32_t> vassalLand{};
  for (size_t t = 0; t < kSlotCount; ++t) {
    m.TeamScoredPopulation[t] = m.TeamTotalPopulation[t];
    m.TeamScoredLand[t] = m.TeamTotalLand[t];
    m.TeamScore[t] = 0;
  }
  // In team order: a team that is both master and vassal keeps the result of
  // whichever of the two steps comes last, as the game does.
  for (size_t s = 0; s < kSlotCount; ++s) {
    for (size_t p = 0; p < kSlotCount; ++p) {
      if (m.TeamVassalOf[p][s] == 0) continue;
      vassalPop[s] = WrapAdd(vassalPop[s], Half(m.TeamTotalPopulation[p]));
      vassalLand[s] = WrapAdd(vassalLand[s], Half(m.TeamTotalLand[p]));
      m.TeamScoredPopulation[p] = Half(m.TeamTotalPopulation[p]);
      m.TeamScoredLand[p] = Half(m.TeamTotalLand[p]);
    }
    m.TeamScoredPopulation[s] = WrapAdd(m.TeamScoredPopulation[s], vassalPop[s]);
    m.TeamScoredLand[s] = WrapAdd(m.TeamScoredLand[s], vassalLand[s]);
  }
}

void ScorePlayers(GameModel& m) {
  PerSlot<int32_t> vassalPop{};
  PerSlot<int32_t> vassalLand{};
  for (size_t s = 0; s < kSlotCount; ++s) {
    m.PlayerPopScoreWithVassals[s] = m.PlayerPopScore[s];
    m.PlayerLandScoreWithVassals[s] = m.PlayerLandScore[s];
  }
  for (int32_t s = 0; s < kSlotCount; ++s) {
    const size_t si = Index(s);
    const int32_t masterTeam = m.GetTeam(s);
    for (int32_t p = 0; p < kSlotCount; ++p) {
      const size_t pi = Index(p);
      if (m.PlayerAlive[pi] == 0 || !m.TeamIsVassalOf(m.GetTeam(p), masterTeam)) continue;
      vassalPop[si] = WrapAdd(vassalPop[si], Half(m.PlayerPopScore[pi]));
      vassalLand[si] = WrapAdd(vassalLand[si], Half(m.PlayerLandScore[pi]));
      m.PlayerPopScoreWithVassals[pi] = Half(m.PlayerPopScore[pi]);
      m.PlayerLandScoreWithVassals[pi] = Half(m.PlayerLandScore[pi]);
    }
    // Each member of the master team gets the vassals' halves shared by its size.
    const int32_t members = ValidTeam(masterTeam) ? m.TeamMemberCount[Index(masterTeam)] : 1;
    const int32_t share = std::max(members, 1);
    m.PlayerPopScoreWithVassals[si] = WrapAdd(m.PlayerPopScoreWithVassals[si], vassalPop[si] / share);
    m.PlayerLandScoreWithVassals[si] =
        WrapAdd(m.PlayerLandScoreWithVassals[si], vassalLand[si] / share);
    m.PlayerScore[si] = gPlayerScore(m, s);
    if (ValidTeam(masterTeam))
      m.TeamScore[Index(masterTeam)] = WrapAdd(m.TeamScore[Index(masterTeam)], m.PlayerScore[si]);
  }
}

}  // namespace

void DeriveTotals(GameModel& m) {
  m.RestrictedView = !m.AdminPassword.empty() && m.GameState < 1 ? 1 : 0;
  SetDisplayNames(m);
  SetPopulationShares(m);
  SortCityCulture(m);
  SetOrdoInputs(m);
  CountTeamVassals(m);
  ScorePlayers(m);
}

namespace parser {

void PostProcess(ParseContext& ctx) { DeriveTotals(ctx.Model); }

}  // namespace parser
}  // namespace varnak
