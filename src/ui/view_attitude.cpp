// The "Attitudes" page: how the leader of AttLeaderSel1 feels about the one of
// AttLeaderSel2, term by term, with each term's bound and the sum named.
#include <utility>

#include "analysis/attitude.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {
namespace {

// What a term adds shows in its colour: green for good will, red for ill will.
void SetEColor(EditControl& box, int32_t v) {
  box.FontColor = v > 0 ? kGreen : v < 0 ? kRed : kBlack;
}

// The slot behind a selector's entry, or -1 when nothing usable is chosen.
int32_t ChosenSlot(const SelectControl& box, const PerSlot<int32_t>& selectorPlayers) {
  const int index = box.Selected;
  if (index < 0 || index >= kSlotCount) return -1;
  return selectorPlayers[static_cast<size_t>(index)];
}

std::pair<const char*, Color> Mood(int32_t sum) {
  if (sum >= 10) return {"Friendly", kGreen};
  if (sum >= 3) return {"Pleased", kBlue};
  if (sum <= -10) return {"Furious", kRed};
  if (sum <= -3) return {"Annoyed", kPurple};
  return {"Cautious", kBlack};
}

}  // namespace

void TForm1::PrintLeaderAttitude() {
  const GameModel& m = *model_;
  // Under a restricted view, a save whose first slot carries a fifth text shows no
  // relations: the page keeps what it showed.
  if (m.FirstSlotHasFifthText() && m.RestrictedView != 0) return;

  const LeaderAttitude a = ComputeLeaderAttitude(m, ChosenSlot(AttLeaderSel1, SelectorPlayers),
                                                 ChosenSlot(AttLeaderSel2, SelectorPlayers));

  auto constant = [](EditControl& box, int32_t v) {
    box.Text = Format("%6d", v);
    SetEColor(box, v);
  };
  constant(BaseAttitudeE, a.BaseAttitude);
  constant(HandicapAttitudeE, a.Handicap);
  PeaceWeightE.Text.clear();
  PeaceWeightE.FontColor = kBlack;
  WarmongerRespectE.Text.clear();
  WarmongerRespectE.FontColor = kBlack;
  if (a.TowardComputer) {
    constant(PeaceWeightE, a.PeaceWeight);
    constant(WarmongerRespectE, a.WarmongerRespect);
  }
  // Teams the tables do not have give no team size difference: it shows 0.
  constant(TeamSizeDifferenceE, a.TeamSizeDifference);

  const std::pair<EditControl*, EditControl*> rows[kAttitudeRowCount] = {
      {&RankDifferenceE, &RankDifferenceMaxE},
      {&HighRanksE, &HighRanksMaxE},
      {&WarSuccessE, &WarSuccessMaxE},
      {&CloseBordersE, &CloseBordersMaxE},
      {&WarAttitudeE, &WarAttitudeMaxE},
      {&PeaceAttitudeE, &PeaceAttitudeMaxE},
      {&SameReligionE, &SameReligionMaxE},
      {&DifferentReligionE, &DifferentReligionMaxE},
      {&BonusTradeE, &BonusTradeMaxE},
      {&OpenBordersE, &OpenBordersMaxE},
      {&DefensivePactE, &DefensivePactMaxE},
      {&RivalDefensivePactE, &RivalDefensivePactMaxE},
      {&RivalVassalE, &RivalVassalMaxE},
      {&ShareWarE, &ShareWarMaxE},
      {&FavoriteCivicE, &FavoriteCivicMaxE},
      {&TradeAttitudeE, &TradeAttitudeMaxE},
      {&EnemyTradeAttitudeE, &EnemyTradeAttitudeMaxE},
      {&ColonyAttitudeE, &ColonyAttitudeMaxE},
      {&ExtraAttitudeE, &ExtraAttitudeMaxE},
  };
  for (size_t i = 0; i < kAttitudeRowCount; ++i) {
    const AttitudeTerm& term = a.Terms[i];
    rows[i].first->Text = Format("%7.2Lf", term.Value);
    rows[i].second->Text = Format("%3d", term.Max);
    SetEColor(*rows[i].first, term.Contribution);
  }

  for (size_t k = 0; k < kMemoryKinds; ++k) {
    Memory[k].Text = Format("%7.2Lf", a.Memory[k].Value);
    SetEColor(Memory[k], a.Memory[k].Contribution);
  }

  const auto [mood, color] = Mood(a.Sum);
  SummaryAttitudeE.Text = Format("%6d", a.Sum);
  SummaryAttitudeTextE.Text = mood;
  SummaryAttitudeE.FontColor = color;
  SummaryAttitudeTextE.FontColor = color;

  Espionage1E.Text = Format("%6d", a.Espionage1);
  Espionage2E.Text = Format("%6d", a.Espionage2);
  Rank1E.Text = Format("%3d", a.Rank1);
  Rank2E.Text = Format("%3d", a.Rank2);
}

void TForm1::AttLeaderSel1Change() { PrintLeaderAttitude(); }

}  // namespace varnak::ui
