// The "Score Calculations" group of the Base page: the game's score of player 0.
#include "analysis/game_score.h"
#include "model/wrapping.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {

void TForm1::ClearScoreTable() {
  for (EditControl* box :
       {&InitPopE, &InitLandE, &InitTechE, &InitWonderE, &CurrPopScoreE, &CurrLandScoreE,
        &CurrTechScoreE, &CurrWonderScoreE, &MaxPopScoreE, &MaxLandScoreE, &MaxTechScoreE,
        &MaxWonderScoreE, &PopCoeffE, &LandCoeffE, &TechCoeffE, &WonderCoeffE, &PopScoreE,
        &LandScoreE, &TechScoreE, &WonderScoreE, &GameScoreSumE, &PopFinalScoreE,
        &LandFinalScoreE, &TechFinalScoreE, &WonderFinalScoreE, &FinalScoreSumE, &DiffCoeffE,
        &Edit13, &VassalPopScoredE, &VassalLandScoredE})
    box->Text.clear();
}

void TForm1::ScoreCalc() {
  const GameModel& m = *model_;
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

  auto show = [](EditControl& box, int32_t v) { box.Text = Format("%7d", v); };
  show(InitPopE, m.InitPopulation);
  show(InitLandE, m.InitLand);
  show(InitTechE, m.InitTech);
  show(InitWonderE, m.InitWonders);
  show(CurrPopScoreE, m.PlayerPopScore[0]);
  show(CurrLandScoreE, m.PlayerLandScore[0]);
  show(CurrTechScoreE, tech);
  show(CurrWonderScoreE, wonder);
  show(MaxPopScoreE, m.MaxPopulation);
  show(MaxLandScoreE, m.MaxLand);
  show(MaxTechScoreE, m.MaxTech);
  show(MaxWonderScoreE, m.MaxWonders);
  show(PopCoeffE, f.PopCoeff);
  show(LandCoeffE, f.LandCoeff);
  show(TechCoeffE, f.TechCoeff);
  show(WonderCoeffE, f.WonderCoeff);
  show(PopScoreE, r.PopScore);
  show(LandScoreE, r.LandScore);
  show(TechScoreE, r.TechScore);
  show(WonderScoreE, r.WonderScore);
  show(GameScoreSumE, r.GameScoreSum);
  show(PopFinalScoreE, r.PopFinalScore);
  show(LandFinalScoreE, r.LandFinalScore);
  show(TechFinalScoreE, r.TechFinalScore);
  show(WonderFinalScoreE, r.WonderFinalScore);
  show(FinalScoreSumE, r.FinalScoreSum);
  DiffCoeffE.Text = Format("%7.1f", m.DiffCoeff);
  show(Edit13, r.FinalScoreSum);
  show(VassalPopScoredE, WrapSub(pop, m.PlayerPopScore[0]));
  show(VassalLandScoredE, WrapSub(land, m.PlayerLandScore[0]));
}

// Each value is stored as soon as it is read, so a bad box keeps what came before it.
void TForm1::DiffCoeffEChange() {
  GameModel& m = *model_;
  GameScoreFactors& f = m.Factors;
  m.DiffCoeff = StrToFloat(DiffCoeffE.Text);
  m.InitPopulation = StrToInt(InitPopE.Text);
  m.InitLand = StrToInt(InitLandE.Text);
  m.InitTech = StrToInt(InitTechE.Text);
  m.InitWonders = StrToInt(InitWonderE.Text);
  m.PlayerPopScore[0] = StrToInt(CurrPopScoreE.Text);
  m.PlayerLandScore[0] = StrToInt(CurrLandScoreE.Text);
  m.PlayerTechScore[0] = StrToInt(CurrTechScoreE.Text);
  m.PlayerWonderScore[0] = StrToInt(CurrWonderScoreE.Text);
  m.MaxPopulation = StrToInt(MaxPopScoreE.Text);
  m.MaxLand = StrToInt(MaxLandScoreE.Text);
  m.MaxTech = StrToInt(MaxTechScoreE.Text);
  m.MaxWonders = StrToInt(MaxWonderScoreE.Text);
  f.PopCoeff = StrToInt(PopCoeffE.Text);
  f.LandCoeff = StrToInt(LandCoeffE.Text);
  f.TechCoeff = StrToInt(TechCoeffE.Text);
  f.WonderCoeff = StrToInt(WonderCoeffE.Text);
  m.PlayerPopScoreWithVassals[0] = WrapAdd(StrToInt(VassalPopScoredE.Text), m.PlayerPopScore[0]);
  m.PlayerLandScoreWithVassals[0] =
      WrapAdd(StrToInt(VassalLandScoredE.Text), m.PlayerLandScore[0]);
  ScoreCalc();
}

}  // namespace varnak::ui
