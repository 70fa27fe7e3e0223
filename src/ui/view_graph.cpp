// The "Graph" page: one line per player of the chosen history.
#include <algorithm>

#include "model/wrapping.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {
namespace {

const GameModel::History* HistoryOf(const GameModel& m, int entry) {
  switch (entry) {
    case 0: return &m.ScoreHistory;
    case 1: return &m.EconomyHistory;
    case 2: return &m.IndustryHistory;
    case 3: return &m.AgricultureHistory;
    case 4: return &m.PowerHistory;
    case 5: return &m.CultureHistory;
    case 6: return &m.EspionageHistory;
    case 7: return &m.ScienceHistory;
    default: return nullptr;
  }
}

}  // namespace

void TForm1::DrawGraph() {
  const GameModel& m = *model_;
  if (m.FirstSlotHasFifthText()) return;
  const int entry = GraphSelect.Selected;
  const GameModel::History* history = HistoryOf(m, entry);
  // The history rows hold kHistoryTurns values; a damaged save may claim more turns.
  const int32_t turns = std::clamp(m.ElapsedTurns, 0, kHistoryTurns);
  int32_t lo = 0;
  int32_t hi = 0;
  for (int32_t i = 0; i < kSlotCount; ++i) {
    const TLeaderInfoRec& slot = m.SlotTable[static_cast<size_t>(i)];
    ChartSeries& series = HistoryChart.Series[static_cast<size_t>(i)];
    series.Points.clear();
    const bool met = m.TeamsHaveMet(0, slot.SlotTeam);
    const bool shown = i == 0 || (ShowAICheckBox.Checked && slot.SlotLeader >= 0 &&
                                  (m.RestrictedView == 0 || met));
    series.InLegend = shown;
    if (!shown) continue;
    series.Title = ShowText(slot.SlotName, TextField::SlotName, i);
    series.Points.reserve(static_cast<size_t>(turns));
    for (int32_t j = 0; j < turns; ++j) {
      const int32_t v = history != nullptr ? (*history)[static_cast<size_t>(i)][static_cast<size_t>(j)] : 0;
      series.Points.emplace_back(WrapAdd(m.StartTurn, j), v);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
  }
  HistoryChart.AxisMax = WrapMul(hi, 105) / 100;
  if (entry == 1)
    HistoryChart.AxisMin = lo < 0 ? WrapMul(lo, 105) / 100 : 0;
  else
    HistoryChart.AxisMin = WrapSub(0, WrapMul(2, hi)) / 100;
}

void TForm1::GraphSelectChange() { DrawGraph(); }

}  // namespace varnak::ui
