// The "Graph" page's line chart: 19 line series, a legend of the series the window
// lists, and a vertical axis whose limits the window sets.
//
// Beyond that, as a chart on a desktop reads: the pointer over a line shows what that
// point is (the text comes from the window, see SetReadout); dragging a rectangle
// zooms in, a right-click or the "Reset zoom" button goes back to the window's
// limits; a click on a legend entry hides or shows that player's line.
#pragma once

#include <QChartView>

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"

class QLineSeries;
class QToolButton;
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

  // The text for the point of a series at a turn, or nothing where it has none.
  using Readout = std::function<std::optional<std::string>(int series, int32_t turn)>;
  void SetReadout(Readout readout) { readout_ = std::move(readout); }
  // What the pointer shows now (also as a tooltip); empty when it is over no line.
  const QString& PointText() const { return pointText_; }
  // Shows the text for the point of `series` nearest to `value` (chart coordinates).
  void PointAt(int series, const QPointF& value);

  void SetContextMenu(std::function<void(const QPoint& global)> open) { contextMenu_ = std::move(open); }

  bool Zoomed() const;
  void ResetZoom();
  // The line of a series as the legend left it: hidden by a click on its entry.
  bool LineShown(int index) const;
  void ToggleLine(int index);

 protected:
  // A right-click on a zoomed chart resets the zoom; on a chart at the window's limits
  // it opens the context menu (SetContextMenu).
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ZoomChanged();

  std::array<QLineSeries*, ui::kSeriesCount> series_{};
  // The points each series holds, to leave an unchanged series alone.
  std::array<std::vector<std::pair<int32_t, int32_t>>, ui::kSeriesCount> shown_;
  QValueAxis* horizontal_ = nullptr;
  QValueAxis* vertical_ = nullptr;
  QToolButton* resetZoom_ = nullptr;
  Readout readout_;
  std::function<void(const QPoint&)> contextMenu_;
  // The window's limits last set: first and last turn, axis minimum and maximum (none yet).
  std::array<double, 4> limits_ = {kNone, kNone, kNone, kNone};
  static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  QString pointText_;
  std::array<bool, ui::kSeriesCount> hidden_{};  // by the user, through the legend
};

}  // namespace varnak::gui
