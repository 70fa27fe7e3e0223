// The "Score Calculations" group of the Ordo page: player 0's game by the Ordo scheme.
#include "analysis/ordo_score.h"
#include "model/wrapping.h"
#include "ui/form.h"
#include "ui/score_boxes.h"
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

  ShowBoxes(OrdoBoxes(), OrdoValues{*model_, Ordo, r});
}

// Recomputes the Ordo score from its boxes. Each value is stored as soon as it is
// read, so a bad box keeps what came before it.
void TForm1::OrdoPopCurrEExit() {
  StoreInputs(OrdoBoxes(), OrdoValues{*model_, Ordo, OrdoResult});
  OrdoScoreCalc();
}

}  // namespace varnak::ui
