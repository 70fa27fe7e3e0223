#include "window_check.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>

#include <string_view>
#include <type_traits>

#include "ui/qt/history_chart_view.h"
#include "ui/qt/log_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/world_map_view.h"

namespace varnak::fixture {
namespace {

using gui::ToQt;

class Differences {
 public:
  Differences(QStringList& out, std::string_view name) : out_(out), name_(ToQt(std::string(name))) {}

  template <typename T>
  void Same(const char* what, const T& shown, const T& held) {
    if (shown == held) return;
    out_ << QStringLiteral("%1 %2: shows %3, holds %4").arg(name_, what, Text(shown), Text(held));
  }

 private:
  static QString Text(const QString& s) { return '"' + s + '"'; }
  static QString Text(const QStringList& s) { return '[' + s.join(QStringLiteral("|")) + ']'; }
  static QString Text(const QColor& c) { return c.name(); }
  static QString Text(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }
  static QString Text(int i) { return QString::number(i); }
  static QString Text(double d) { return QString::number(d); }
  template <typename T>
  static QString Text(const QList<T>& list) {
    QStringList items;
    for (const auto& item : list) items << Text(item);
    return Text(items);
  }
  static QString Text(const QPointF& p) { return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y()); }

  QStringList& out_;
  QString name_;
};

// The widget that shows each kind of control.
template <typename Control> struct WidgetOf;
template <> struct WidgetOf<ui::EditControl> { using Type = QLineEdit; };
template <> struct WidgetOf<ui::LabelControl> { using Type = QLabel; };
template <> struct WidgetOf<ui::ListControl> { using Type = QListWidget; };
template <> struct WidgetOf<ui::LogControl> { using Type = gui::LogView; };
template <> struct WidgetOf<ui::SelectControl> { using Type = QComboBox; };
template <> struct WidgetOf<ui::CheckControl> { using Type = QCheckBox; };
template <> struct WidgetOf<ui::GridControl> { using Type = QTableWidget; };
template <> struct WidgetOf<ui::ChartControl> { using Type = gui::HistoryChartView; };
template <> struct WidgetOf<ui::MapControl> { using Type = gui::WorldMapView; };

QStringList Items(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << ToQt(item);
  return list;
}

void Check(Differences& d, QLineEdit* w, const ui::EditControl& c) {
  d.Same("text", w->text(), ToQt(c.Text));
  d.Same("colour", w->palette().color(QPalette::Text), ToQt(c.FontColor));
  d.Same("read-only", w->isReadOnly(), c.ReadOnly);
  d.Same("visible", !w->isHidden(), c.Visible);
}

void Check(Differences& d, QLabel* w, const ui::LabelControl& c) {
  d.Same("text", w->text(), ToQt(c.Text));
  d.Same("colour", w->palette().color(QPalette::WindowText), ToQt(c.FontColor));
  d.Same("visible", !w->isHidden(), c.Visible);
}

void Check(Differences& d, QListWidget* w, const ui::ListControl& c) {
  QStringList shown;
  for (int i = 0; i < w->count(); ++i) shown << w->item(i)->text();
  d.Same("items", shown, Items(c.Items));
  d.Same("fixed pitch", QFontInfo(w->font()).fixedPitch(), true);
}

void Check(Differences& d, gui::LogView* w, const ui::LogControl& c) {
  const gui::LogModel& model = w->Lines();
  QStringList texts, held;
  QList<QColor> colours, heldColours;
  for (int r = 0; r < model.rowCount(); ++r) {
    texts << model.index(r).data(Qt::DisplayRole).toString();
    colours << model.index(r).data(Qt::ForegroundRole).value<QColor>();
  }
  for (const ui::LogLine& line : c.Lines) {
    held << ToQt(line.Text);
    heldColours << ToQt(line.LineColor);
  }
  d.Same("lines", texts, held);
  d.Same("line colours", colours, heldColours);
  d.Same("fixed pitch", QFontInfo(w->font()).fixedPitch(), true);
}

void Check(Differences& d, QComboBox* w, const ui::SelectControl& c) {
  QStringList shown;
  for (int i = 0; i < w->count(); ++i) shown << w->itemText(i);
  d.Same("items", shown, Items(c.Items));
  d.Same("selected", w->currentIndex(), c.Selected);
  d.Same("text", w->currentText(), ToQt(c.Text));
  d.Same("editable", w->isEditable(), c.Editable);
  d.Same("visible", !w->isHidden(), c.Visible);
}

void Check(Differences& d, QCheckBox* w, const ui::CheckControl& c) {
  d.Same("caption", w->text(), ToQt(c.Caption));
  d.Same("checked", w->isChecked(), c.Checked);
  d.Same("visible", !w->isHidden(), c.Visible);
}

void Check(Differences& d, QTableWidget* w, const ui::GridControl& c) {
  d.Same("columns", w->columnCount(), c.Columns);
  d.Same("rows below the headers", w->rowCount(), c.Rows - 1);
  QStringList headers, heldHeaders, cells, heldCells;
  QList<int> widths;
  for (int col = 0; col < c.Columns; ++col) {
    const QTableWidgetItem* header = w->horizontalHeaderItem(col);
    headers << (header ? header->text() : QString());
    heldHeaders << ToQt(c.Cell(col, 0));
    widths << w->columnWidth(col);
  }
  d.Same("headers", headers, heldHeaders);
  d.Same("column widths", widths, QList<int>(c.ColumnWidths.begin(), c.ColumnWidths.end()));
  for (int r = 1; r < c.Rows; ++r)
    for (int col = 0; col < c.Columns; ++col) {
      const QTableWidgetItem* item = w->item(r - 1, col);
      cells << (item ? item->text() : QString());
      heldCells << ToQt(c.Cell(col, r));
    }
  d.Same("cells", cells, heldCells);
}

void Check(Differences& d, gui::HistoryChartView* w, const ui::ChartControl& c) {
  d.Same("axis minimum", w->VerticalAxis()->min(), static_cast<double>(c.AxisMin));
  d.Same("axis maximum", w->VerticalAxis()->max(), static_cast<double>(c.AxisMax));
  for (int i = 0; i < ui::kSeriesCount; ++i) {
    const ui::ChartSeries& s = c.Series[static_cast<size_t>(i)];
    QLineSeries* series = w->Series(i);
    QList<QPointF> held;
    for (const auto& [x, y] : s.Points) held << QPointF(x, y);
    const std::string what = "series " + std::to_string(i + 1);
    d.Same((what + " title").c_str(), series->name(), ToQt(s.Title));
    d.Same((what + " colour").c_str(), series->pen().color(), ToQt(s.LineColor));
    d.Same((what + " pen width").c_str(), series->pen().width(), 2);
    d.Same((what + " in legend").c_str(), w->InLegend(i), s.InLegend);
    d.Same((what + " points").c_str(), series->points(), held);
  }
}

bool OnHiddenPage(const QTabWidget* pages, const QWidget* widget) {
  for (int i = 0; i < pages->count(); ++i)
    if (pages->widget(i)->isAncestorOf(widget)) return !pages->isTabVisible(i);
  return false;
}

void Check(Differences& d, gui::WorldMapView* w, const ui::MapControl& c) {
  const QImage& image = w->Canvas()->Image();
  d.Same("picture width", image.width(), static_cast<int>(c.Picture.Width));
  d.Same("picture height", image.height(), static_cast<int>(c.Picture.Height));
  int wrong = 0;
  for (int y = 0; y < image.height() && y < c.Picture.Height; ++y)
    for (int x = 0; x < image.width() && x < c.Picture.Width; ++x)
      if (image.pixelColor(x, y) != ToQt(c.Picture.Pixel(x, y))) ++wrong;
  d.Same("pixels that differ", wrong, 0);
  QStringList legend, held;
  for (int i = 0; i < w->Legend()->count(); ++i) legend << w->Legend()->item(i)->text();
  for (const ui::LegendEntry& entry : c.Legend) held << ToQt(entry.Text);
  d.Same("legend", legend, held);
}

}  // namespace

QStringList WindowDifferences(gui::MainWindow& window) {
  QStringList out;
  ui::TForm1& form = window.Form();
  Differences caption(out, "window");
  caption.Same("caption", window.windowTitle(), ToQt(form.Caption));
  QTabWidget* pages = window.PageControl();
  Differences tabs(out, "page control");
  tabs.Same("pages", pages->count(), ui::kPageCount);
  for (int i = 0; i < ui::kPageCount && i < pages->count(); ++i) {
    const ui::Page& page = form.Pages[static_cast<size_t>(i)];
    tabs.Same("page caption", pages->tabText(i), ToQt(page.Caption));
    tabs.Same("page visible", pages->isTabVisible(i), page.Visible);
  }
  // The window renders a page as it comes on the screen: show each one as a user would.
  const int current = pages->currentIndex();
  for (int i = 0; i < pages->count(); ++i) {
    if (!pages->isTabVisible(i)) continue;
    pages->setCurrentIndex(i);
    QApplication::processEvents();
  }
  pages->setCurrentIndex(current);
  form.ForEachControl([&](std::string_view name, const auto& control) {
    using W = typename WidgetOf<std::decay_t<decltype(control)>>::Type;
    const QString objectName = ToQt(std::string(name));
    const QList<W*> found = window.findChildren<W*>(objectName);
    if (found.size() != 1) {
      out << QStringLiteral("%1: %2 widgets of its kind by that name").arg(objectName).arg(found.size());
      return;
    }
    if (OnHiddenPage(pages, found.front())) return;  // nobody sees it
    Differences d(out, name);
    Check(d, found.front(), control);
  });
  return out;
}

}  // namespace varnak::fixture
