#include "ui/qt/history_chart_view.h"

#include <QChart>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QToolButton>
#include <QToolTip>
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
    const int index = static_cast<int>(i);
    connect(series, &QLineSeries::hovered, this, [this, index](const QPointF& point, bool over) {
      if (over) {
        PointAt(index, point);
      } else {
        pointText_.clear();
        QToolTip::hideText();
      }
    });
    for (QLegendMarker* marker : chart->legend()->markers(series))
      connect(marker, &QLegendMarker::clicked, this, [this, index] { ToggleLine(index); });
  }
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);

  setRubberBand(QChartView::RectangleRubberBand);
  resetZoom_ = new QToolButton(this);
  resetZoom_->setObjectName(QStringLiteral("ResetZoom"));
  resetZoom_->setText(QStringLiteral("Reset zoom"));
  resetZoom_->hide();
  connect(resetZoom_, &QToolButton::clicked, this, [this] { ResetZoom(); });
  for (QValueAxis* axis : {horizontal_, vertical_})
    connect(axis, &QValueAxis::rangeChanged, this, [this] { ZoomChanged(); });
}

void HistoryChartView::PointAt(int index, const QPointF& value) {
  const std::optional<std::string> text =
      readout_ ? readout_(index, static_cast<int32_t>(std::lround(value.x()))) : std::nullopt;
  pointText_ = text ? ToQt(*text) : QString();
  if (pointText_.isEmpty()) QToolTip::hideText();
  else QToolTip::showText(QCursor::pos(), pointText_, this);
}

bool HistoryChartView::Zoomed() const { return chart()->isZoomed(); }

void HistoryChartView::ResetZoom() {
  if (Zoomed()) chart()->zoomReset();
}

// The ticks follow the range shown: a zoomed range keeps as many round ticks as the
// whole one.
void HistoryChartView::ZoomChanged() {
  const bool zoomed = Zoomed();
  if (resetZoom_->isVisible() != zoomed) resetZoom_->setVisible(zoomed);
  for (QValueAxis* axis : {horizontal_, vertical_}) {
    const double step = TickStep(axis->max() - axis->min(), axis == horizontal_ ? 10 : 8);
    if (axis->tickInterval() != step) axis->setTickInterval(step);
  }
}

bool HistoryChartView::LineShown(int index) const { return !hidden_[static_cast<size_t>(index)]; }

void HistoryChartView::ToggleLine(int index) {
  bool& hidden = hidden_[static_cast<size_t>(index)];
  hidden = !hidden;
  QLineSeries* series = Series(index);
  // Hiding a series hides its legend entry too; the entry stays, greyed, to click again.
  const QList<QLegendMarker*> markers = chart()->legend()->markers(series);
  const bool listed = !markers.isEmpty() && markers.front()->isVisible();
  series->setVisible(!hidden);
  for (QLegendMarker* marker : markers) {
    marker->setVisible(listed);
    QColor label = chart()->legend()->labelColor();
    label.setAlpha(hidden ? 110 : 255);
    marker->setLabelBrush(label);
    QBrush box = marker->brush();
    QColor colour = series->pen().color();
    colour.setAlpha(hidden ? 60 : 255);
    box.setColor(colour);
    marker->setBrush(box);
  }
}

void HistoryChartView::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
  if (Zoomed()) ResetZoom();
  else if (contextMenu_) contextMenu_(event->globalPos());
}

void HistoryChartView::mouseReleaseEvent(QMouseEvent* event) {
  // The chart view zooms out one step on a right-click; here it goes back all the way
  // (contextMenuEvent).
  if (event->button() == Qt::RightButton) {
    event->accept();
    return;
  }
  QChartView::mouseReleaseEvent(event);
}

void HistoryChartView::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  resetZoom_->adjustSize();
  resetZoom_->move(width() - resetZoom_->width() - 6, 6);
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
    if (series->isVisible() == hidden_[i]) series->setVisible(!hidden_[i]);
    // Showing the series shows its entry: the window decides whether it is listed.
    for (QLegendMarker* marker : chart()->legend()->markers(series)) marker->setVisible(from.InLegend);
    for (const auto& point : from.Points) {
      first = std::min(first, static_cast<double>(point.first));
      last = std::max(last, static_cast<double>(point.first));
    }
  }
  // The turns drawn set the horizontal axis; the window sets the vertical one.
  if (first > last) first = 0, last = 1;  // nothing drawn
  if (first == last) last = first + 1;
  // A zoom lasts until the window draws other limits; unzoomed, the chart shows the
  // window's limits exactly.
  const std::array<double, 4> limits = {first, last, static_cast<double>(state.AxisMin),
                                        static_cast<double>(state.AxisMax)};
  if (limits != limits_) {
    ResetZoom();
    SetLimits(horizontal_, first, last, 10);
    SetLimits(vertical_, limits[2], limits[3], 8);
    limits_ = limits;
  }
}

}  // namespace varnak::gui
