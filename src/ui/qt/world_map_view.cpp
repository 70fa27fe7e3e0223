#include "ui/qt/world_map_view.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/qt/qt_text.h"

namespace varnak::gui {
namespace {

constexpr double kMaxScale = 64.0;
constexpr double kFocusScale = 16.0;
constexpr double kWheelStep = 1.25;  // per notch of the wheel

bool SamePicture(const QImage& image, const ui::MapPicture& picture) {
  if (image.width() != picture.Width || image.height() != picture.Height) return false;
  const auto rowBytes = static_cast<size_t>(picture.Width) * 3;
  for (int y = 0; y < image.height(); ++y)
    if (std::memcmp(image.constScanLine(y), picture.Rgb.data() + static_cast<size_t>(y) * rowBytes, rowBytes) != 0)
      return false;
  return true;
}

QImage ToImage(const ui::MapPicture& picture) {
  if (picture.Width <= 0 || picture.Height <= 0) return {};
  QImage image(picture.Width, picture.Height, QImage::Format_RGB888);
  const auto rowBytes = static_cast<size_t>(picture.Width) * 3;
  for (int y = 0; y < picture.Height; ++y)
    std::memcpy(image.scanLine(y), picture.Rgb.data() + static_cast<size_t>(y) * rowBytes, rowBytes);
  return image;
}

}  // namespace

MapCanvas::MapCanvas(QLabel* hoverLine, Describe describe)
    : hoverLine_(hoverLine), describe_(std::move(describe)) {
  setObjectName(QStringLiteral("WorldMapCanvas"));
  setMouseTracking(true);
  setMinimumSize(200, 150);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setCursor(Qt::OpenHandCursor);
}

void MapCanvas::Show(const ui::MapControl& map) {
  if (!SamePicture(image_, map.Picture)) {
    const bool newSize = image_.width() != map.Picture.Width || image_.height() != map.Picture.Height;
    image_ = ToImage(map.Picture);
    if (newSize) fitted_ = true;  // another map: show it whole
    if (fitted_) Fit();
    hoverLine_->clear();
  }
  cities_ = map.Cities;
  if (map.FocusSerial != focusSerial_) {
    focusSerial_ = map.FocusSerial;
    focusX_ = map.FocusX;
    focusY_ = map.FocusY;
    focusPending_ = true;
  }
  // A request made while the page was hidden waits until the canvas has its size.
  if (focusPending_ && isVisible() && width() > 0) {
    focusPending_ = false;
    CentreOn(focusX_, focusY_);
  }
  update();
}

void MapCanvas::Fit() {
  fitted_ = true;
  if (image_.isNull() || width() <= 0 || height() <= 0) return;
  scale_ = std::min(width() / static_cast<double>(image_.width()), height() / static_cast<double>(image_.height()));
  origin_ = QPointF((width() - scale_ * image_.width()) / 2, (height() - scale_ * image_.height()) / 2);
  update();
}

void MapCanvas::ZoomAt(QPointF at, double factor) {
  if (image_.isNull()) return;
  const double fit = std::min(width() / static_cast<double>(image_.width()), height() / static_cast<double>(image_.height()));
  const double scale = std::clamp(scale_ * factor, std::min(fit, 1.0), kMaxScale);
  // The point of the picture under the cursor stays under it.
  const QPointF onPicture = (at - origin_) / scale_;
  scale_ = scale;
  origin_ = at - onPicture * scale_;
  fitted_ = false;
  update();
}

void MapCanvas::CentreOn(int32_t column, int32_t row) {
  if (image_.isNull()) return;
  scale_ = std::max(scale_, kFocusScale);
  fitted_ = false;
  const QPointF middle(width() / 2.0, height() / 2.0);
  origin_ = QPointF(0, 0);
  origin_ = middle - PixelOf(column, row);
  update();
}

QPointF MapCanvas::PixelOf(int32_t column, int32_t row) const {
  const int32_t top = image_.height() - 1 - row;  // north up: the last row on top
  return origin_ + QPointF((column + 0.5) * scale_, (top + 0.5) * scale_);
}

bool MapCanvas::PlotAt(QPointF at, int32_t& column, int32_t& row) const {
  if (image_.isNull()) return false;
  const QPointF p = (at - origin_) / scale_;
  if (p.x() < 0 || p.y() < 0 || p.x() >= image_.width() || p.y() >= image_.height()) return false;
  column = static_cast<int32_t>(p.x());
  row = image_.height() - 1 - static_cast<int32_t>(p.y());
  return true;
}

void MapCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Dark));
  if (image_.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);  // plots stay crisp squares
  painter.drawImage(QRectF(origin_, QSizeF(image_.width() * scale_, image_.height() * scale_)), image_);

  const double radius = std::clamp(scale_ * 0.35, 2.5, 8.0);
  const bool named = scale_ >= kNamesFrom;
  painter.setRenderHint(QPainter::Antialiasing, true);
  QFont font = painter.font();
  font.setBold(true);
  painter.setFont(font);
  for (const ui::MapCity& city : cities_) {
    const QPointF at = PixelOf(city.X, city.Y);
    if (!rect().adjusted(-200, -50, 200, 50).contains(at.toPoint())) continue;
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, radius, radius);
    if (!named) continue;
    const QString name = ToQt(city.Name);
    const QPointF textAt = at + QPointF(radius + 3, -radius - 2);
    painter.setPen(Qt::black);  // a dark rim keeps the name readable on any colour
    for (const QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
      painter.drawText(textAt + d, name);
    painter.setPen(Qt::white);
    painter.drawText(textAt, name);
  }
}

void MapCanvas::resizeEvent(QResizeEvent*) {
  if (fitted_) Fit();
  if (focusPending_ && isVisible()) {
    focusPending_ = false;
    CentreOn(focusX_, focusY_);
  }
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0) ZoomAt(event->position(), std::pow(kWheelStep, notches));
  event->accept();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragFrom_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    origin_ += event->position() - dragFrom_;
    dragFrom_ = event->position();
    fitted_ = false;
    update();
  }
  Hover(event->position());
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
}

void MapCanvas::leaveEvent(QEvent*) { hoverLine_->clear(); }

void MapCanvas::Hover(QPointF at) {
  int32_t column = 0, row = 0;
  const QString text = PlotAt(at, column, row) ? ToQt(describe_(column, row)) : QString();
  if (hoverLine_->text() != text) hoverLine_->setText(text);
}

QImage MapCanvas::Shown() {
  QImage shown(size(), QImage::Format_RGB32);
  render(&shown);
  return shown;
}

bool MapCanvas::SaveShown(const QString& path) { return Shown().save(path, "PNG"); }

void MapCanvas::contextMenuEvent(QContextMenuEvent* event) {
  if (image_.isNull()) return;
  QMenu menu(this);
  QAction* save = menu.addAction(QStringLiteral("Save Picture as PNG..."));
  if (menu.exec(event->globalPos()) != save) return;
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Picture"), QStringLiteral("world.png"),
                                                    QStringLiteral("PNG pictures (*.png)"));
  if (!path.isEmpty()) SaveShown(path);
}

WorldMapView::WorldMapView(MapCanvas::Describe describe) {
  hoverLine_ = new QLabel();
  hoverLine_->setObjectName(QStringLiteral("WorldMapHover"));
  hoverLine_->setTextFormat(Qt::PlainText);
  hoverLine_->setMinimumHeight(hoverLine_->fontMetrics().height() + 4);
  canvas_ = new MapCanvas(hoverLine_, std::move(describe));
  auto* fit = new QPushButton(QStringLiteral("Fit"));
  fit->setObjectName(QStringLiteral("WorldMapFit"));
  connect(fit, &QPushButton::clicked, canvas_, [this] { canvas_->Fit(); });
  legend_ = new QListWidget();
  legend_->setObjectName(QStringLiteral("WorldMapLegend"));
  legend_->setFlow(QListView::LeftToRight);
  legend_->setWrapping(true);
  legend_->setResizeMode(QListView::Adjust);
  legend_->setSelectionMode(QAbstractItemView::NoSelection);
  legend_->setFixedHeight(4 * (legend_->fontMetrics().height() + 6) + 6);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  layout->addWidget(canvas_, 1);
  auto* under = new QHBoxLayout();
  under->addWidget(hoverLine_, 1);
  under->addWidget(fit);
  layout->addLayout(under);
  layout->addWidget(legend_);
}

void WorldMapView::Show(const ui::MapControl& map) {
  canvas_->Show(map);
  const bool same = shownLegend_.size() == map.Legend.size() &&
                    std::equal(shownLegend_.begin(), shownLegend_.end(), map.Legend.begin(),
                               [](const ui::LegendEntry& a, const ui::LegendEntry& b) {
                                 return a.Text == b.Text && a.Swatch == b.Swatch;
                               });
  if (same) return;
  shownLegend_ = map.Legend;
  legend_->clear();
  const int side = legend_->fontMetrics().height() - 2;
  for (const ui::LegendEntry& entry : map.Legend) {
    QPixmap swatch(side, side);
    swatch.fill(ToQt(entry.Swatch));
    QPainter frame(&swatch);
    frame.setPen(Qt::darkGray);
    frame.drawRect(0, 0, side - 1, side - 1);
    frame.end();
    legend_->addItem(new QListWidgetItem(QIcon(swatch), ToQt(entry.Text)));
  }
}

}  // namespace varnak::gui
