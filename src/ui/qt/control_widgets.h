// One Qt widget for every named control of the window, found by the control's name
// (which is also the widget's objectName), and the step that copies the window's state
// into them.
//
// The widgets only show state and report what the user did; every decision stays in
// TForm1. Rendering never fires the user-event callbacks.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTableWidget;
class QWidget;

namespace varnak::gui {

class HistoryChartView;
class LogView;
class WorldMapView;

// What the user did to a control, by the control's name.
class ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  virtual void TextEdited(const std::string& name, const std::string& text) = 0;
  virtual void Left(const std::string& name) = 0;              // focus moved to another control
  virtual void Chosen(const std::string& name, int index) = 0;  // an entry picked, the same one too
  virtual void Typed(const std::string& name, const std::string& text) = 0;  // editable drop-down
  virtual void Clicked(const std::string& name, bool checked) = 0;
  virtual void HeaderClicked(const std::string& grid, int column) = 0;  // a grid that sorts
  virtual void RowOpened(const std::string& grid, int row) = 0;  // double-click; row 1 is the first below the headers
};

class ControlWidgets {
 public:
  // Creates the widgets without a parent; the pages take them into their layouts.
  ControlWidgets(ui::TForm1& form, ControlEvents& events);
  ControlWidgets(const ControlWidgets&) = delete;
  ControlWidgets& operator=(const ControlWidgets&) = delete;

  QLineEdit* Edit(std::string_view name) const;
  QLabel* Label(std::string_view name) const;
  QListWidget* List(std::string_view name) const;
  LogView* Log(std::string_view name) const;
  QComboBox* Select(std::string_view name) const;
  QCheckBox* Check(std::string_view name) const;
  QTableWidget* Grid(std::string_view name) const;
  HistoryChartView* Chart(std::string_view name) const;
  QWidget* Widget(std::string_view name) const;  // of any kind
  WorldMapView* Map(std::string_view name) const;

  // Names of the widgets that no page has placed (a layout fault).
  std::vector<std::string> Unplaced() const;

  // Copies the state of every control into its widget.
  void Render(ui::TForm1& form);
  // The same for the window's frame and the one page `page` of `pages` only: the widgets
  // of a page nobody looks at are left as they were (FindPages must have run).
  void Render(ui::TForm1& form, int page);
  // Learns which page of `pages` holds each widget, once the pages have placed them.
  void FindPages(const QTabWidget* pages);

 private:
  template <typename W>
  W* Get(std::string_view name) const;

  std::unordered_map<std::string, QWidget*> widgets_;
  std::unordered_map<std::string, std::vector<int>> gridWidths_;  // as last set from the state
  std::unordered_map<std::string, int> pageOf_;  // -1: on the frame, shown with every page
};

}  // namespace varnak::gui
