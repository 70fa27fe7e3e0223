#include "ui/chart_readout.h"

#include "analysis/calendar.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {

std::optional<std::string> ChartReadout(const TForm1& form, int series, int32_t turn) {
  if (series < 0 || series >= kSeriesCount) return std::nullopt;
  const ChartSeries& line = form.HistoryChart.Series[static_cast<size_t>(series)];
  for (const auto& [x, y] : line.Points) {
    if (x != turn) continue;
    const GameModel& m = form.Model();
    std::string month;
    int32_t scratchElapsed = m.ElapsedTurns;  // a date shown moves no turn count
    std::string date = PlainYear(Turn2Date(m.GameSpeed, turn, month, scratchElapsed));
    if (!month.empty()) date += " " + month;  // a name from the game's table
    return Format("%s, turn %d (%s): %s %d", line.Title.c_str(), turn, date.c_str(),
                  form.GraphSelect.Text.c_str(), y);
  }
  return std::nullopt;
}

}  // namespace varnak::ui
