#include "ui/qt/log_view.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>

#include "ui/qt/look.h"
#include "ui/qt/qt_text.h"

namespace varnak::gui {

int LogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(lines_.size())) return {};
  const ui::LogLine& line = lines_[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole: return ToQt(line.Text);
    case Qt::ForegroundRole: return ToQt(line.LineColor);
    case Qt::SizeHintRole: return rowSize_;
    default: return {};
  }
}

bool LogModel::Holds(const std::vector<ui::LogLine>& lines) const {
  return lines.size() == lines_.size() &&
         std::equal(lines.begin(), lines.end(), lines_.begin(),
                    [](const ui::LogLine& a, const ui::LogLine& b) {
                      return a.LineColor == b.LineColor && a.Text == b.Text;
                    });
}

void LogModel::SetLines(const std::vector<ui::LogLine>& lines, const QSize& rowSize) {
  beginResetModel();
  lines_ = lines;
  rowSize_ = rowSize;
  endResetModel();
}

int LogModel::LongestLine(const std::vector<ui::LogLine>& lines) {
  size_t longest = 0;
  for (const ui::LogLine& line : lines) {
    // UTF-8: every byte that does not continue a character starts one.
    const size_t chars = static_cast<size_t>(std::count_if(
        line.Text.begin(), line.Text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    longest = std::max(longest, chars);
  }
  return static_cast<int>(std::min<size_t>(longest, 100000));
}

LogView::LogView(QWidget* parent) : QListView(parent) {
  setFont(FixedPitchFont());
  setModel(&model_);
  setUniformItemSizes(true);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void LogView::Show(const std::vector<ui::LogLine>& lines) {
  if (model_.Holds(lines)) return;  // every action renders the window, most leave the logs alone
  const QFontMetrics metrics(font());
  const int width = metrics.horizontalAdvance(QLatin1Char('M')) * LogModel::LongestLine(lines) + 8;
  model_.SetLines(lines, QSize(width, metrics.lineSpacing() + 2));
}

void LogView::keyPressEvent(QKeyEvent* event) {
  if (!event->matches(QKeySequence::Copy)) {
    QListView::keyPressEvent(event);
    return;
  }
  QModelIndexList chosen = selectionModel()->selectedRows();
  std::sort(chosen.begin(), chosen.end());
  QStringList texts;
  for (const QModelIndex& index : chosen) texts << index.data().toString();
  QApplication::clipboard()->setText(texts.join(QLatin1Char('\n')));
}

}  // namespace varnak::gui
