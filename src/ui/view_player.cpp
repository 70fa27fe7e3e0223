// The "Player" page: one player's treasury, research, power split, standing and
// technology grid.
#include <algorithm>
#include <string>

#include "analysis/cost.h"
#include "model/wrapping.h"
#include "reference/reference_tables.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {
namespace {

size_t At(int32_t i) { return static_cast<size_t>(i); }

// A civic the code table does not have shows as "?", keeping the line short.
std::string CivicCode(int32_t civic) {
  return civic >= 0 && At(civic) < reference::CivicCodes.size()
             ? std::string(reference::CivicCodes[At(civic)])
             : "?";
}

}  // namespace

int32_t TForm1::SlotShownBy(const SelectControl& box) const {
  // The position stands for the slot itself. A hidden selector (a restricted view)
  // cannot be changed, so it stands for position 0: a script that chooses an entry
  // there learns nothing more. A position without a named slot shows the last slot.
  int32_t p = box.Visible ? box.Selected : 0;
  if (p < 0) p = 0;
  if (!ValidSlot(p) || model_->SlotTable[At(p)].SlotName.empty()) p = kSlotCount - 1;
  return p;
}

void TForm1::PrintPlayerInfo() {
  const GameModel& m = *model_;
  const int32_t p = SlotShownBy(PlayerInfoSelect);
  const int32_t t = m.GetTeam(p);
  const bool teamKnown = ValidSlot(t);
  const size_t ps = At(p);

  if (m.FirstSlotHasFifthText()) return;

  GoldE.Text = Format("%7d", m.PlayerGold[ps]);
  GoldPerTurnE.Text = Format("%7d", m.PlayerGoldPerTurn[ps]);

  // Research toward a technology the table does not have is shown as nothing done
  // of nothing to do.
  const int32_t k = m.PlayerCurrentResearch[ps];
  if (k >= 0 && k < kTechs) {
    ResearchingE.Text = std::string(reference::TechnologyTable[At(k)].TechName);
    const int32_t done = teamKnown ? m.TeamResearchProgress[At(t)][At(k)] : 0;
    CurrTechBeakersE.Text = Format("%7d/%d", done, TechCost(m, k, p));
  } else {
    ResearchingE.Text = "Unknown";
    CurrTechBeakersE.Text = Format("%7d/%d", 0, 0);
  }

  CityNumberE.Text = Format("%6d", m.PlayerCityCount[ps]);
  UnitNumberE.Text = Format("%6d", m.PlayerUnitCount[ps]);
  TechNumberE.Text = Format("%6d", teamKnown ? m.TeamTechCount[At(t)] : 0);
  GPCreatedE.Text = Format("%6d", m.PlayerGreatPeopleCreated[ps]);
  GeneralPointsE.Text = Format("%4d/%d", m.PlayerGeneralPoints[ps],
                               WrapMul(WrapAdd(m.PlayerGreatGeneralsCreated[ps], 1), 30));

  // Power splits into technologies, buildings, population and, what is left, units.
  PowerE.Text = Format("%5d", m.PlayerPower[ps]);
  int32_t techPower = 0;
  if (teamKnown)
    for (int32_t j = 0; j < kTechs; ++j)
      if (m.TeamHasTech[At(t)][At(j)] != 0)
        techPower = WrapAdd(techPower, reference::TechnologyTable[At(j)].TechPower);
  const int32_t popPower = m.PlayerTotalPopulation[ps] / 2;
  const int32_t buildingPower = m.PlayerBuildingPower[ps];
  PowerBE.Text = Format("%4d", buildingPower);
  PowerPE.Text = Format("%4d", popPower);
  PowerSE.Text = Format("%3d", techPower);
  const int32_t unitPower =
      std::max(0, WrapSub(WrapSub(WrapSub(m.PlayerPower[ps], techPower), buildingPower), popPower));
  PowerUE.Text = Format("%5d", unitPower);

  WWPointsE.Text = Format("%7d", m.PlayerWWPoints[ps]);
  EspionageE.Text = Format("%7d", teamKnown ? m.TeamEspionageEver[At(t)] : 0);

  std::string civics;
  for (int c = 0; c < kCivicCategories; ++c) {
    if (c > 0) civics += ", ";
    civics += CivicCode(m.PlayerCivics[ps][static_cast<size_t>(c)]);
  }
  CivicsStr.Text = civics;

  // The player counts itself when its team has met itself, so its rank is one more
  // than the number of met players with a higher score.
  int32_t met = 0;
  int32_t notBelow = 0;
  const int32_t named = std::min(m.NamedPlayerCount, kSlotCount);
  for (int32_t i = 0; i < named; ++i) {
    if (!m.TeamsHaveMet(t, m.GetTeam(i))) continue;
    ++met;
    if (m.PlayerScore[ps] >= m.PlayerScore[At(i)]) ++notBelow;
  }
  const int32_t rank = met - notBelow + 1;
  if (p == kSlotCount - 1) ++met;
  RankMetE.Text = Format("%4d/%d", rank, met);

  int32_t vassals = 0;
  for (int32_t i = 0; i < kSlotCount; ++i)
    if (m.TeamIsVassalOf(m.GetTeam(i), t)) ++vassals;
  VassalsE.Text = Format("%6d", vassals);

  for (int32_t n = 0; n < kTechs; ++n) {
    const int32_t j = TechDisplayOrder[At(n)].Tech;
    const reference::TTechInfoRec& tech = reference::TechnologyTable[At(j)];
    const int row = n + 1;
    TechGrid.Cell(1, row) = std::string(tech.TechName);
    TechGrid.Cell(2, row) = std::string(reference::EraNames[At(tech.TechEra - reference::kFirstTechEra)]);
    TechGrid.Cell(3, row) = Format("%7d", TechCost(m, j, p));
    TechGrid.Cell(4, row) = Format("%7d", tech.TechPower);
    const bool known = teamKnown && m.TeamHasTech[At(t)][At(j)] != 0;
    const int32_t progress = teamKnown ? m.TeamResearchProgress[At(t)][At(j)] : 0;
    TechGrid.Cell(5, row) = known ? "Yes" : progress == 0 ? "No" : Format("%7d", progress);
  }
  if (teamKnown && m.TeamFutureTechCount[At(t)] > 0)
    TechGrid.Cell(5, kTechs) = Format("%d", m.TeamFutureTechCount[At(t)]);

  EditControl* cultures[] = {&City1CultureE, &City2CultureE, &City3CultureE};
  for (size_t c = 0; c < 3; ++c)
    cultures[c]->Text = Format("%9.2f", m.PlayerCityCulture[ps][c] / 100.0);
}

void TForm1::PlayerInfoSelectChange() { PrintPlayerInfo(); }

}  // namespace varnak::ui
