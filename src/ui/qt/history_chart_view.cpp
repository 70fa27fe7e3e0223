#include "ui/qt/history_chart_view.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/qt/qt_text.h"

namespace varnak::gui {
namespace {

constexpr int kLineWidth = 2;

// A round step (1, 2 or 5 times a power of ten) that cuts `span` into about `parts`.
double TickStep(double span, int parts) {
  if (span <= 0) return 1;
  const double raw = span / parts;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (raw <= m * power) return std::max(1.0, m * power);
  return std::max(1.0, 10 * power);
}

// Ticks at round values inside limits that stay exactly as given.
void SetLimits(QValueAxis* axis, double low, double high, int parts) {
  // The axis makes a graphics item for every tick at each of the two changes: a wide
  // new range under the old, fine interval would ask for hundreds of thousands of
  // them for a moment. A coarser interval goes first, a finer one last.
  const double step = TickStep(high - low, parts);
  if (step >= axis->tickInterval()) {
    axis->setTickInterval(step);
    axis->setRange(low, high);
  } else {
    axis->setRange(low, high);
    axis->setTickInterval(step);
  }
}

}  // namespace

HistoryChartView::HistoryChartView(QWidget* parent) : QChartView(parent) {
  auto* chart = new QChart();
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(4, 4, 4, 4));
  // Some players' lines are white or pale yellow: a grey plot area keeps them visible.
  chart->setPlotAreaBackgroundBrush(QColor(214, 214, 214));
  chart->setPlotAreaBackgroundVisible(true);
  chart->legend()->setAlignment(Qt::AlignRight);

  horizontal_ = new QValueAxis(chart);
  vertical_ = new QValueAxis(chart);
  for (QValueAxis* axis : {horizontal_, vertical_}) {
    axis->setLabelFormat(QStringLiteral("%d"));  // whole numbers, no locale separators
    axis->setMinorTickCount(0);
    axis->setTickInterval(1);
    axis->setTickAnchor(0);
    axis->setTickType(QValueAxis::TicksDynamic);
  }
  chart->addAxis(horizontal_, Qt::AlignBottom);
  chart->addAxis(vertical_, Qt::AlignLeft);
  SetLimits(horizontal_, 0, 1, 10);
  SetLimits(vertical_, 0, 0, 8);

  for (size_t i = 0; i < series_.size(); ++i) {
    auto* series = new QLineSeries(chart);
    series->setPointsVisible(false);
    series->setPointLabelsVisible(false);
    chart->addSeries(series);
    series->attachAxis(horizontal_);
    series->attachAxis(vertical_);
    series_[i] = series;
  }
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
}

bool HistoryChartView::InLegend(int index) const {
  const QList<QLegendMarker*> markers = chart()->legend()->markers(Series(index));
  return !markers.isEmpty() && markers.front()->isVisible();
}

void HistoryChartView::Show(const ui::ChartControl& state) {
  double first = std::numeric_limits<double>::infinity();
  double last = -std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < series_.size(); ++i) {
    const ui::ChartSeries& from = state.Series[i];
    QLineSeries* series = series_[i];
    const QString title = ToQt(from.Title);
    if (series->name() != title) series->setName(title);
    const QColor colour = ToQt(from.LineColor);
    if (series->pen().color() != colour || series->pen().width() != kLineWidth) {
      QPen pen(colour);
      pen.setWidth(kLineWidth);
      series->setPen(pen);
    }
    if (from.Points != shown_[i]) {
      // One replace() of the whole list: appending point by point redraws every time.
      QList<QPointF> points;
      points.reserve(static_cast<qsizetype>(from.Points.size()));
      for (const auto& [x, y] : from.Points) points.append(QPointF(x, y));
      series->replace(points);
      shown_[i] = from.Points;
    }
    for (QLegendMarker* marker : chart()->legend()->markers(series)) marker->setVisible(from.InLegend);
    for (const auto& point : from.Points) {
      first = std::min(first, static_cast<double>(point.first));
      last = std::max(last, static_cast<double>(point.first));
    }
  }
  // The turns drawn set the horizontal axis; the window sets the vertical one.
  if (first > last) first = 0, last = 1;  // nothing drawn
  if (first == last) last = first + 1;
  if (horizontal_->min() != first || horizontal_->max() != last) SetLimits(horizontal_, first, last, 10);
  if (vertical_->min() != state.AxisMin || vertical_->max() != state.AxisMax)
    SetLimits(vertical_, state.AxisMin, state.AxisMax, 8);
}

}  // namespace varnak::gui
