#include "ui/qt/control_widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <type_traits>

#include "ui/qt/history_chart_view.h"
#include "ui/qt/log_view.h"
#include "ui/qt/look.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/world_map_view.h"

namespace varnak::gui {
namespace {

constexpr int kEveryPage = -2;

// Reports a box as left when the focus moves on to another control of the window,
// whether or not its text changed: QLineEdit::editingFinished comes only after an edit.
// Focus that goes to another window (a message box, another program) has not left it.
class LeaveWatcher : public QObject {
 public:
  LeaveWatcher(ControlEvents& events, QObject* parent) : QObject(parent), events_(events) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        events_.Left(FromQt(watched->objectName()));
    }
    return false;
  }

 private:
  ControlEvents& events_;
};

QLineEdit* MakeEdit(const std::string& name, ControlEvents& events) {
  auto* edit = new QLineEdit();
  // A file dropped on a box opens it (the window takes the drop), it is not typed in.
  edit->setAcceptDrops(false);
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   [&events, name](const QString& text) { events.TextEdited(name, FromQt(text)); });
  // Enter takes the box's text as leaving it does, without moving on.
  QObject::connect(edit, &QLineEdit::returnPressed, edit, [&events, name] { events.Left(name); });
  edit->installEventFilter(new LeaveWatcher(events, edit));
  return edit;
}

QComboBox* MakeSelect(const std::string& name, const ui::SelectControl& state, ControlEvents& events) {
  auto* box = new QComboBox();
  QObject::connect(box, &QComboBox::activated, box,
                   [&events, name](int index) { events.Chosen(name, index); });
  if (state.Editable) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);  // what the user types is what the box holds
    box->lineEdit()->setAcceptDrops(false);
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box,
                     [&events, name](const QString& text) { events.Typed(name, FromQt(text)); });
  }
  return box;
}

QCheckBox* MakeCheck(const std::string& name, ControlEvents& events) {
  auto* box = new QCheckBox();
  QObject::connect(box, &QCheckBox::clicked, box,
                   [&events, name](bool checked) { events.Clicked(name, checked); });
  return box;
}

QTableWidget* MakeGrid(const ui::GridControl& state) {
  auto* grid = new QTableWidget(state.Rows - 1, state.Columns);  // row 0 holds the headers
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  grid->horizontalHeader()->setMinimumSectionSize(8);  // the "№" column is narrow
  grid->horizontalHeader()->setHighlightSections(false);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setWordWrap(false);
  grid->setAlternatingRowColors(true);
  return grid;
}

// The grids whose rows the window sorts by a header and opens by a double-click.
void ReportSortingAndOpening(QTableWidget* grid, const std::string& name, ControlEvents& events) {
  grid->horizontalHeader()->setSectionsClickable(true);
  QObject::connect(grid->horizontalHeader(), &QHeaderView::sectionClicked, grid,
                   [&events, name](int column) { events.HeaderClicked(name, column); });
  QObject::connect(grid, &QTableWidget::cellDoubleClicked, grid,
                   [&events, name](int row, int) { events.RowOpened(name, row + 1); });
}

QListWidget* MakeList() {
  auto* list = new QListWidget();
  list->setFont(FixedPitchFont());
  list->setTextElideMode(Qt::ElideNone);
  return list;
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  if (palette.color(role) == colour) return;
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

void SetShown(QWidget* widget, bool visible) {
  if (widget->isHidden() == visible) widget->setHidden(!visible);
}

void Render(QLineEdit* edit, const ui::EditControl& state) {
  const QString text = ToQt(state.Text);
  if (edit->text() != text) edit->setText(text);
  if (edit->isReadOnly() != state.ReadOnly) {
    edit->setReadOnly(state.ReadOnly);
    // Boxes that only show results look like the window behind them.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(
                                         state.ReadOnly ? QPalette::Window : QPalette::Base));
    edit->setPalette(palette);
  }
  SetTextColour(edit, QPalette::Text, ToQt(state.FontColor));
  SetShown(edit, state.Visible);
}

void Render(QLabel* label, const ui::LabelControl& state) {
  const QString text = ToQt(state.Text);
  if (label->text() != text) label->setText(text);
  SetTextColour(label, QPalette::WindowText, ToQt(state.FontColor));
  SetShown(label, state.Visible);
}

bool SameItems(const std::vector<std::string>& items, int count, auto&& itemText) {
  if (static_cast<int>(items.size()) != count) return false;
  for (int i = 0; i < count; ++i)
    if (itemText(i) != ToQt(items[static_cast<size_t>(i)])) return false;
  return true;
}

QStringList ToQtList(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) list.append(ToQt(item));
  return list;
}

void Render(QListWidget* list, const ui::ListControl& state) {
  if (SameItems(state.Items, list->count(), [&](int i) { return list->item(i)->text(); })) return;
  list->clear();
  list->addItems(ToQtList(state.Items));
}

void Render(QComboBox* box, const ui::SelectControl& state) {
  const QSignalBlocker blocker(box);
  if (!SameItems(state.Items, box->count(), [&](int i) { return box->itemText(i); })) {
    box->clear();
    box->addItems(ToQtList(state.Items));
  }
  if (QLineEdit* typed = box->lineEdit()) {
    const int cursor = typed->cursorPosition();
    if (box->currentIndex() != state.Selected) box->setCurrentIndex(state.Selected);
    const QString text = ToQt(state.Text);
    if (typed->text() != text) {
      box->setEditText(text);
      typed->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
  } else if (box->currentIndex() != state.Selected) {
    box->setCurrentIndex(state.Selected);
  }
  SetShown(box, state.Visible);
}

void Render(QCheckBox* box, const ui::CheckControl& state) {
  const QSignalBlocker blocker(box);
  const QString caption = ToQt(state.Caption);
  if (box->text() != caption) box->setText(caption);
  if (box->isChecked() != state.Checked) box->setChecked(state.Checked);
  SetShown(box, state.Visible);
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid->item(row, column);
  if (item == nullptr) grid->setItem(row, column, new QTableWidgetItem(text));
  else if (item->text() != text) item->setText(text);
}

void Render(QTableWidget* grid, const ui::GridControl& state, std::vector<int>& appliedWidths) {
  if (grid->rowCount() != state.Rows - 1) grid->setRowCount(state.Rows - 1);
  if (grid->columnCount() != state.Columns) grid->setColumnCount(state.Columns);
  for (int c = 0; c < state.Columns; ++c) {
    const QString header = ToQt(state.Cell(c, 0));
    const QTableWidgetItem* item = grid->horizontalHeaderItem(c);
    if (item == nullptr || item->text() != header)
      grid->setHorizontalHeaderItem(c, new QTableWidgetItem(header));
  }
  // Widths the user dragged stay until the window sets other ones.
  if (appliedWidths != state.ColumnWidths) {
    for (size_t c = 0; c < state.ColumnWidths.size(); ++c)
      grid->setColumnWidth(static_cast<int>(c), state.ColumnWidths[c]);
    appliedWidths = state.ColumnWidths;
  }
  for (int r = 1; r < state.Rows; ++r)
    for (int c = 0; c < state.Columns; ++c) SetCell(grid, r - 1, c, ToQt(state.Cell(c, r)));
}

}  // namespace

ControlWidgets::ControlWidgets(ui::TForm1& form, ControlEvents& events) {
  form.ForEachControl([&](std::string_view view, auto& control) {
    using C = std::decay_t<decltype(control)>;
    const std::string name(view);
    QWidget* widget = nullptr;
    if constexpr (std::is_same_v<C, ui::EditControl>) widget = MakeEdit(name, events);
    else if constexpr (std::is_same_v<C, ui::LabelControl>) widget = new QLabel();
    else if constexpr (std::is_same_v<C, ui::ListControl>) widget = MakeList();
    else if constexpr (std::is_same_v<C, ui::LogControl>) widget = new LogView();
    else if constexpr (std::is_same_v<C, ui::SelectControl>) widget = MakeSelect(name, control, events);
    else if constexpr (std::is_same_v<C, ui::CheckControl>) widget = MakeCheck(name, events);
    else if constexpr (std::is_same_v<C, ui::GridControl>) widget = MakeGrid(control);
    else if constexpr (std::is_same_v<C, ui::ChartControl>) widget = new HistoryChartView();
    else if constexpr (std::is_same_v<C, ui::MapControl>)
      widget = new WorldMapView([&form](int32_t x, int32_t y) { return form.PlotDescription(x, y); });
    else static_assert(!sizeof(C), "a kind of control without a widget");
    widget->setObjectName(ToQt(name));
    widgets_.emplace(name, widget);
    if (&control == static_cast<const void*>(&form.CitiesGrid))
      ReportSortingAndOpening(static_cast<QTableWidget*>(widget), name, events);
  });
}

template <typename W>
W* ControlWidgets::Get(std::string_view name) const {
  const auto found = widgets_.find(std::string(name));
  W* widget = found == widgets_.end() ? nullptr : dynamic_cast<W*>(found->second);
  if (widget == nullptr) qFatal("the window has no control %.*s of that kind", static_cast<int>(name.size()), name.data());
  return widget;
}

QLineEdit* ControlWidgets::Edit(std::string_view name) const { return Get<QLineEdit>(name); }
QLabel* ControlWidgets::Label(std::string_view name) const { return Get<QLabel>(name); }
QListWidget* ControlWidgets::List(std::string_view name) const { return Get<QListWidget>(name); }
LogView* ControlWidgets::Log(std::string_view name) const { return Get<LogView>(name); }
QComboBox* ControlWidgets::Select(std::string_view name) const { return Get<QComboBox>(name); }
QCheckBox* ControlWidgets::Check(std::string_view name) const { return Get<QCheckBox>(name); }
QTableWidget* ControlWidgets::Grid(std::string_view name) const { return Get<QTableWidget>(name); }
HistoryChartView* ControlWidgets::Chart(std::string_view name) const { return Get<HistoryChartView>(name); }
QWidget* ControlWidgets::Widget(std::string_view name) const { return Get<QWidget>(name); }
WorldMapView* ControlWidgets::Map(std::string_view name) const { return Get<WorldMapView>(name); }

std::vector<std::string> ControlWidgets::Unplaced() const {
  std::vector<std::string> names;
  for (const auto& [name, widget] : widgets_)
    if (widget->parent() == nullptr) names.push_back(name);
  return names;
}

void ControlWidgets::FindPages(const QTabWidget* pages) {
  std::unordered_map<const QWidget*, int> pageWidgets;
  for (int i = 0; i < pages->count(); ++i) pageWidgets.emplace(pages->widget(i), i);
  for (const auto& [name, widget] : widgets_) {
    int page = -1;
    for (const QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
      const auto found = pageWidgets.find(up);
      if (found != pageWidgets.end()) {
        page = found->second;
        break;
      }
    }
    pageOf_[name] = page;
  }
}

void ControlWidgets::Render(ui::TForm1& form) { Render(form, kEveryPage); }

void ControlWidgets::Render(ui::TForm1& form, int page) {
  form.ForEachControl([&](std::string_view view, const auto& control) {
    using C = std::decay_t<decltype(control)>;
    const std::string name(view);
    if (page != kEveryPage) {
      const auto on = pageOf_.find(name);
      if (on != pageOf_.end() && on->second != -1 && on->second != page) return;
    }
    QWidget* widget = widgets_.at(name);
    if constexpr (std::is_same_v<C, ui::EditControl>) gui::Render(static_cast<QLineEdit*>(widget), control);
    else if constexpr (std::is_same_v<C, ui::LabelControl>) gui::Render(static_cast<QLabel*>(widget), control);
    else if constexpr (std::is_same_v<C, ui::ListControl>) gui::Render(static_cast<QListWidget*>(widget), control);
    else if constexpr (std::is_same_v<C, ui::LogControl>) static_cast<LogView*>(widget)->Show(control.Lines);
    else if constexpr (std::is_same_v<C, ui::SelectControl>) gui::Render(static_cast<QComboBox*>(widget), control);
    else if constexpr (std::is_same_v<C, ui::CheckControl>) gui::Render(static_cast<QCheckBox*>(widget), control);
    else if constexpr (std::is_same_v<C, ui::GridControl>)
      gui::Render(static_cast<QTableWidget*>(widget), control, gridWidths_[name]);
    else if constexpr (std::is_same_v<C, ui::ChartControl>) static_cast<HistoryChartView*>(widget)->Show(control);
    else if constexpr (std::is_same_v<C, ui::MapControl>) static_cast<WorldMapView*>(widget)->Show(control);
  });
}

}  // namespace varnak::gui
