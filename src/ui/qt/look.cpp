#include "ui/qt/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <set>

namespace varnak::gui {
namespace {

class ColumnDelegate : public QStyledItemDelegate {
 public:
  ColumnDelegate(std::set<int> right, QObject* parent)
      : QStyledItemDelegate(parent), right_(std::move(right)) {}

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (right_.contains(index.column())) {
      option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
      option->textElideMode = Qt::ElideNone;  // cut from the left: the padding goes first
    }
  }

 private:
  std::set<int> right_;
};

// Cells keep one pixel of margin instead of three: the columns are as narrow as the
// window makes them.
class GridStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_FocusFrameHMargin) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

constexpr int kPointSize = 8;

}  // namespace

QFont WindowFont() {
  QFont font = QApplication::font();
  font.setPointSize(kPointSize);
  return font;
}

QFont FixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(kPointSize);
  return font;
}

void AlignRight(QTableWidget* grid, std::initializer_list<int> columns) {
  grid->setItemDelegate(new ColumnDelegate(std::set<int>(columns), grid));
  auto* style = new GridStyle();
  style->setParent(grid);
  grid->setStyle(style);
}

}  // namespace varnak::gui
