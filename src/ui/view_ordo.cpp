// The "Score Calculations" group of the Ordo page: player 0's game by the Ordo scheme.
#include <iterator>
#include <string>

#include "analysis/calendar.h"
#include "analysis/ordo_score.h"
#include "model/wrapping.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {

void TForm1::OrdoScoreCalc() {
  const GameModel& m = *model_;
  const OrdoFactors& f = Ordo;
  OrdoResults& r = OrdoResult;
  const int32_t t = m.OrdoTurnCurr;
  const int32_t limit = m.OrdoTurnMax;
  const int32_t pop = m.PlayerPopScoreWithVassals[0];
  const int32_t land = m.PlayerLandScoreWithVassals[0];
  const int32_t tech = m.PlayerTechScore[0];
  const int32_t wonder = m.PlayerWonderScore[0];

  r.OrdoPopFinal = cScore(f.OrdoPopFactor, t, pop, m.MaxPopulation, limit);
  r.OrdoLandFinal = cScore(f.OrdoLandFactor, t, land, m.MaxLand, limit);
  r.OrdoTechFinal = cScore(f.OrdoTechFactor, t, tech, m.MaxTech, limit);
  r.OrdoWonderFinal = cScore(f.OrdoWonderFactor, t, wonder, m.MaxWonders, limit);
  // Both culture values are scored a hundredth as large, as reals, so no fraction
  // of the current value is lost.
  r.OrdoCultureFinal = cScore(f.OrdoCultureFactor, t, m.OrdoCultureCurr / 100.0,
                              m.OrdoCultureMax / 100.0, limit);
  r.OrdoMTechFinal = cScore(f.OrdoMTechFactor, t, m.OrdoMTechCurr, f.OrdoMTechMax, limit);
  // The turn part's target is the turn limit as stored, even when the exponent
  // falls back to 1500 turns: a limit of 0 scores -1.
  r.OrdoTurnFinal = cScore(f.OrdoTurnFactor, t, t, limit, limit);
  const int32_t parts[] = {r.OrdoPopFinal,     r.OrdoLandFinal,  r.OrdoTechFinal,
                           r.OrdoWonderFinal,  r.OrdoCultureFinal, r.OrdoMTechFinal,
                           r.OrdoTurnFinal};
  r.OrdoSumFinal = 0;
  for (const int32_t part : parts) r.OrdoSumFinal = WrapAdd(r.OrdoSumFinal, part);

  auto show = [](EditControl& box, int32_t v) { box.Text = Format("%7d", v); };
  show(OrdoPopCurrE, pop);
  show(OrdoLandCurrE, land);
  show(OrdoTechCurrE, tech);
  show(OrdoWonderCurrE, wonder);
  show(OrdoCultureCurrE, m.OrdoCultureCurr);
  show(OrdoMTechCurrE, m.OrdoMTechCurr);
  show(OrdoTurnCurrE, t);
  show(OrdoPopMaxE, m.MaxPopulation);
  show(OrdoLandMaxE, m.MaxLand);
  show(OrdoTechMaxE, m.MaxTech);
  show(OrdoWonderMaxE, m.MaxWonders);
  show(OrdoCultureMaxE, m.OrdoCultureMax);
  show(OrdoMTechMaxE, f.OrdoMTechMax);
  show(OrdoTurnMaxE, limit);
  show(OrdoPopFactorE, f.OrdoPopFactor);
  show(OrdoLandFactorE, f.OrdoLandFactor);
  show(OrdoTechFactorE, f.OrdoTechFactor);
  show(OrdoWonderFactorE, f.OrdoWonderFactor);
  show(OrdoCultureFactorE, f.OrdoCultureFactor);
  show(OrdoMTechFactorE, f.OrdoMTechFactor);
  show(OrdoTurnFactorE, f.OrdoTurnFactor);
  EditControl* finals[] = {&OrdoPopFinalE,     &OrdoLandFinalE,  &OrdoTechFinalE,
                           &OrdoWonderFinalE,  &OrdoCultureFinalE, &OrdoMTechFinalE,
                           &OrdoTurnFinalE};
  EditControl* percents[] = {&OrdoPopPercentE,     &OrdoLandPercentE,  &OrdoTechPercentE,
                             &OrdoWonderPercentE,  &OrdoCulturePercentE, &OrdoMTechPercentE,
                             &OrdoTurnPercentE};
  for (size_t i = 0; i < std::size(parts); ++i) show(*finals[i], parts[i]);
  // With nothing (or less) to share, the shares of the last positive sum stay.
  if (r.OrdoSumFinal > 0) {
    for (size_t i = 0; i < std::size(parts); ++i)
      percents[i]->Text =
          Format("%7.2Lf", static_cast<long double>(WrapMul(parts[i], 100)) / r.OrdoSumFinal);
  }
  show(OrdoSumFinalE, r.OrdoSumFinal);

  // The date shown does not move the turn count the graph draws.
  int32_t scratchElapsed = m.ElapsedTurns;
  std::string month;
  const int32_t year = Turn2Date(m.GameSpeed, t, month, scratchElapsed);
  OrdoDateE.Text = PaddedYear(year) + " " + month;
}

// Each value is stored as soon as it is read, so a bad box keeps what came before it.
void TForm1::OrdoPopCurrEExit() {
  GameModel& m = *model_;
  OrdoFactors& f = Ordo;
  m.PlayerPopScoreWithVassals[0] = StrToInt(OrdoPopCurrE.Text);
  m.PlayerLandScoreWithVassals[0] = StrToInt(OrdoLandCurrE.Text);
  m.PlayerTechScore[0] = StrToInt(OrdoTechCurrE.Text);
  m.PlayerWonderScore[0] = StrToInt(OrdoWonderCurrE.Text);
  m.OrdoCultureCurr = StrToInt(OrdoCultureCurrE.Text);
  m.OrdoMTechCurr = StrToInt(OrdoMTechCurrE.Text);
  m.OrdoTurnCurr = StrToInt(OrdoTurnCurrE.Text);
  m.MaxPopulation = StrToInt(OrdoPopMaxE.Text);
  m.MaxLand = StrToInt(OrdoLandMaxE.Text);
  m.MaxTech = StrToInt(OrdoTechMaxE.Text);
  m.MaxWonders = StrToInt(OrdoWonderMaxE.Text);
  m.OrdoCultureMax = StrToInt(OrdoCultureMaxE.Text);
  f.OrdoMTechMax = StrToInt(OrdoMTechMaxE.Text);
  m.OrdoTurnMax = StrToInt(OrdoTurnMaxE.Text);
  f.OrdoPopFactor = StrToInt(OrdoPopFactorE.Text);
  f.OrdoLandFactor = StrToInt(OrdoLandFactorE.Text);
  f.OrdoTechFactor = StrToInt(OrdoTechFactorE.Text);
  f.OrdoWonderFactor = StrToInt(OrdoWonderFactorE.Text);
  f.OrdoCultureFactor = StrToInt(OrdoCultureFactorE.Text);
  f.OrdoMTechFactor = StrToInt(OrdoMTechFactorE.Text);
  f.OrdoTurnFactor = StrToInt(OrdoTurnFactorE.Text);
  OrdoScoreCalc();
}

}  // namespace varnak::ui
