// The "Graph" page's line chart: 19 line series, a legend of the series the window
// lists, and a vertical axis whose limits the window sets.
#pragma once

#include <QChartView>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "ui/controls.h"

class QLineSeries;
class QValueAxis;

namespace varnak::gui {

class HistoryChartView : public QChartView {
 public:
  explicit HistoryChartView(QWidget* parent = nullptr);

  void Show(const ui::ChartControl& chart);

  QLineSeries* Series(int index) const { return series_[static_cast<size_t>(index)]; }
  bool InLegend(int index) const;
  QValueAxis* VerticalAxis() const { return vertical_; }
  QValueAxis* HorizontalAxis() const { return horizontal_; }

 private:
  std::array<QLineSeries*, ui::kSeriesCount> series_{};
  // The points each series holds, to leave an unchanged series alone.
  std::array<std::vector<std::pair<int32_t, int32_t>>, ui::kSeriesCount> shown_;
  QValueAxis* horizontal_ = nullptr;
  QValueAxis* vertical_ = nullptr;
};

}  // namespace varnak::gui
