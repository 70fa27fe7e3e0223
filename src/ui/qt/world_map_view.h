// The World page's map: the window's picture scaled with square plots, wheel zoom
// around the cursor, drag to pan, "Fit", city markers (named when zoomed in far
// enough), a line under the map that describes the plot under the cursor, and the
// legend. What a plot is and what its colours mean comes from the window.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace varnak::gui {

// The picture itself, drawn at a scale of `Scale()` pixels per plot.
class MapCanvas : public QWidget {
 public:
  // `describe` gives the line shown for a plot (column, row of the plot table).
  using Describe = std::function<std::string(int32_t, int32_t)>;
  MapCanvas(QLabel* hoverLine, Describe describe);

  void Show(const ui::MapControl& map);
  void Fit();
  // Zooms by `factor` keeping the plot under `at` (widget pixels) where it is.
  void ZoomAt(QPointF at, double factor);
  // Puts the plot (column, row) in the middle, zoomed in far enough to name cities.
  void CentreOn(int32_t column, int32_t row);
  double Scale() const { return scale_; }
  const QImage& Image() const { return image_; }  // one pixel per plot
  // The plot under widget pixel `at`: column and row of the plot table; false off the map.
  bool PlotAt(QPointF at, int32_t& column, int32_t& row) const;
  // Widget pixel of the middle of plot (column, row).
  QPointF PixelOf(int32_t column, int32_t row) const;
  // The picture as it stands on the screen, markers and names included.
  QImage Shown();
  bool SaveShown(const QString& path);

  // From this many pixels per plot on, cities carry their names.
  static constexpr double kNamesFrom = 12.0;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Hover(QPointF at);

  QLabel* hoverLine_;
  Describe describe_;
  QImage image_;
  std::vector<ui::MapCity> cities_;
  double scale_ = 1.0;
  QPointF origin_;  // widget pixel of the picture's top left corner
  bool fitted_ = false;   // follows the size of the widget until the user zooms or pans
  bool dragging_ = false;
  QPointF dragFrom_;
  uint32_t focusSerial_ = 0;
  bool focusPending_ = false;
  int32_t focusX_ = 0, focusY_ = 0;
};

// The whole map control: "Fit", the canvas, the hover line and the legend.
class WorldMapView : public QWidget {
 public:
  explicit WorldMapView(MapCanvas::Describe describe);
  void Show(const ui::MapControl& map);
  MapCanvas* Canvas() const { return canvas_; }
  QLabel* HoverLine() const { return hoverLine_; }
  QListWidget* Legend() const { return legend_; }

 private:
  QLabel* hoverLine_;
  MapCanvas* canvas_;
  QListWidget* legend_;
  std::vector<ui::LegendEntry> shownLegend_;
};

}  // namespace varnak::gui
