// What the page builders share: the named widgets, sized by the characters they show,
// and the fixed captions beside them.
#pragma once

#include <QString>

#include <QGridLayout>

#include <initializer_list>
#include <span>
#include <string>

#include "ui/qt/control_widgets.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace varnak::gui {

class PageKit {
 public:
  explicit PageKit(const ControlWidgets& widgets) : W(widgets) {}

  // A box for a number `chars` characters wide, right-aligned so that the numbers of a
  // column line up.
  QLineEdit* Num(const char* name, int chars) const;
  // A box for a text, `chars` characters wide (0: as wide as its place).
  QLineEdit* Text(const char* name, int chars = 0) const;
  QComboBox* Select(const char* name, int chars) const;

  // A fixed caption; `text` is UTF-8 and stands as it is, spaces included.
  static QLabel* Caption(const char* text, Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter);
  static QLabel* Heading(const char* text);  // a column heading, centred
  static QGroupBox* Group(const char* title, QGridLayout* layout);
  static QGridLayout* NewGrid(int rowSpacing = 3);
  // A row of widgets side by side, packed to the left.
  static QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretch = true);

  // The width of `chars` digits in the window's font, with the box's frame.
  static int BoxWidth(int chars);
  static int BoxHeight();
  // A log with the captions "Turn", "Date" and "Event" above the columns of its lines.
  QWidget* LogWithHeadings(const char* log) const;

  const ControlWidgets& W;
};

// Puts the boxes of a score group that stand in its grid at their rows and columns.
template <typename Box>
void AddScoreBoxes(const PageKit& kit, QGridLayout* grid, std::span<const Box> boxes) {
  for (const Box& box : boxes) {
    if (box.Row < 0) continue;
    const std::string name(box.Name);
    if (box.Span > 1)  // a date, wider than a number
      grid->addWidget(kit.Num(name.c_str(), 11), box.Row, box.Column, 1, box.Span, Qt::AlignLeft);
    else
      grid->addWidget(kit.Num(name.c_str(), 8), box.Row, box.Column);
  }
}

// One builder per page; each returns the page's content.
QWidget* BuildBasePage(const PageKit& kit);
QWidget* BuildMapPage(const PageKit& kit);
QWidget* BuildLeadersPage(const PageKit& kit);
QWidget* BuildTeamsPage(const PageKit& kit);
QWidget* BuildReplayPage(const PageKit& kit);
QWidget* BuildGraphPage(const PageKit& kit);
QWidget* BuildPlayerLogPage(const PageKit& kit);
QWidget* BuildReloadsPage(const PageKit& kit);
QWidget* BuildPlayerPage(const PageKit& kit);
QWidget* BuildOrdoPage(const PageKit& kit);
QWidget* BuildAttitudesPage(const PageKit& kit);
QWidget* BuildTerrainPage(const PageKit& kit);
QWidget* BuildWorldPage(const PageKit& kit);
QWidget* BuildCitiesPage(const PageKit& kit);

}  // namespace varnak::gui
