#include "ui/qt/page_kit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/qt/log_view.h"
#include "ui/qt/look.h"

namespace varnak::gui {

int PageKit::BoxWidth(int chars) {
  const QFontMetrics metrics(WindowFont());
  return metrics.horizontalAdvance(QString(chars, QLatin1Char('0'))) + 12;
}

int PageKit::BoxHeight() { return QFontMetrics(WindowFont()).height() + 7; }

QLineEdit* PageKit::Num(const char* name, int chars) const {
  QLineEdit* edit = W.Edit(name);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit->setFixedSize(BoxWidth(chars), BoxHeight());
  return edit;
}

QLineEdit* PageKit::Text(const char* name, int chars) const {
  QLineEdit* edit = W.Edit(name);
  if (chars > 0) edit->setFixedWidth(BoxWidth(chars));
  edit->setFixedHeight(BoxHeight());
  return edit;
}

QComboBox* PageKit::Select(const char* name, int chars) const {
  QComboBox* box = W.Select(name);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(chars);
  return box;
}

QLabel* PageKit::Caption(const char* text, Qt::Alignment align) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(align);
  return label;
}

QLabel* PageKit::Heading(const char* text) {
  return Caption(text, Qt::AlignHCenter | Qt::AlignBottom);
}

QGroupBox* PageKit::Group(const char* title, QGridLayout* layout) {
  auto* group = new QGroupBox(QString::fromUtf8(title));
  layout->setContentsMargins(6, 4, 6, 6);
  group->setLayout(layout);
  return group;
}

QGridLayout* PageKit::NewGrid(int rowSpacing) {
  auto* grid = new QGridLayout();
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(rowSpacing);
  return grid;
}

QHBoxLayout* PageKit::Row(std::initializer_list<QWidget*> widgets, bool stretch) {
  auto* row = new QHBoxLayout();
  row->setSpacing(4);
  row->setContentsMargins(0, 0, 0, 0);
  for (QWidget* widget : widgets) row->addWidget(widget);
  if (stretch) row->addStretch(1);
  return row;
}

QWidget* PageKit::LogWithHeadings(const char* name) const {
  LogView* log = W.Log(name);
  const QFontMetrics metrics(log->font());
  const int ch = metrics.horizontalAdvance(QLatin1Char('M'));
  // A line reads "%4d" turn, a 7-character year, the month, then the event.
  auto heading = [&](const char* text, int chars) {
    QLabel* label = Caption(text, Qt::AlignLeft | Qt::AlignBottom);
    label->setFont(log->font());
    if (chars > 0) label->setFixedWidth(chars * ch);
    return label;
  };
  QHBoxLayout* headings = Row({heading("Turn", 5), heading("Date", 11), heading("Event", 0)});
  headings->setSpacing(0);
  headings->setContentsMargins(log->frameWidth() + 3, 0, 0, 0);

  auto* box = new QWidget();
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(1);
  column->addLayout(headings);
  column->addWidget(log, 1);
  return box;
}

}  // namespace varnak::gui
