// The "Score Calculations" group of the Base page: the game's score of player 0.
#include "analysis/game_score.h"
#include "model/wrapping.h"
#include "ui/form.h"
#include "ui/score_boxes.h"
#include "ui/format.h"

namespace varnak::ui {

void TForm1::ClearScoreTable() {
  for (const GameScoreBox& box : GameScoreBoxes()) (this->*box.Box).Text.clear();
}

void TForm1::ScoreCalc() {
  GameModel& m = *model_;
  const GameScoreFactors& f = m.Factors;
  GameScoreResults& r = GameScoreResult;
  const int32_t pop = m.PlayerPopScoreWithVassals[0];
  const int32_t land = m.PlayerLandScoreWithVassals[0];
  const int32_t tech = m.PlayerTechScore[0];
  const int32_t wonder = m.PlayerWonderScore[0];
  r.PopScore = gScore(pop, m.MaxPopulation, f.PopCoeff);
  r.LandScore = gScore(land, m.MaxLand, f.LandCoeff);
  r.TechScore = gScore(tech, m.MaxTech, f.TechCoeff);
  r.WonderScore = gScore(wonder, m.MaxWonders, f.WonderCoeff);
  r.GameScoreSum = WrapAdd(WrapAdd(r.PopScore, r.LandScore), WrapAdd(r.TechScore, r.WonderScore));
  const int32_t end = m.EstimatedEndTurn;
  const int32_t turn = m.CurrentTurn;
  r.PopFinalScore = fScore(pop, m.InitPopulation, m.DiffCoeff, end, turn, f.PopCoeff, m.MaxPopulation);
  r.LandFinalScore = fScore(land, m.InitLand, m.DiffCoeff, end, turn, f.LandCoeff, m.MaxLand);
  r.TechFinalScore = fScore(tech, m.InitTech, m.DiffCoeff, end, turn, f.TechCoeff, m.MaxTech);
  r.WonderFinalScore =
      fScore(wonder, m.InitWonders, m.DiffCoeff, end, turn, f.WonderCoeff, m.MaxWonders);
  r.FinalScoreSum = WrapAdd(WrapAdd(r.PopFinalScore, r.LandFinalScore),
                            WrapAdd(r.TechFinalScore, r.WonderFinalScore));
  ShowBoxes(GameScoreBoxes(), GameScoreValues{m, r});
}

// Recomputes the game score group from its boxes. Each value is stored as soon as it
// is read, so a bad box keeps what came before it.
void TForm1::DiffCoeffEChange() {
  StoreInputs(GameScoreBoxes(), GameScoreValues{*model_, GameScoreResult});
  ScoreCalc();
}

}  // namespace varnak::ui
