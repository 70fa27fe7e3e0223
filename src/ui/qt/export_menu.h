// Taking a control away: every grid, list and log and the chart can be copied as CSV,
// exported to a CSV file (and the chart saved as PNG), from its context menu and from
// File > Export for the page shown. The CSV is the window's own (ui/export_csv.h).
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/qt/control_widgets.h"

class QMenu;
class QWidget;

namespace varnak::gui {

class ExportMenus {
 public:
  // Gives every control with a CSV its context menu.
  ExportMenus(ui::TForm1& form, const ControlWidgets& widgets, QWidget* window);

  // The names of the controls with a CSV that `page` holds, in the window's order.
  std::vector<std::string> NamesOn(const QWidget* page) const;
  // Adds the actions for control `name` to `menu`: copy, export to CSV, and for the
  // chart, save as PNG.
  void AddActions(QMenu* menu, const std::string& name, bool named) const;

  void CopyCsv(const std::string& name) const;
  // Writes the control to `path`; false, after telling the user why, when it cannot.
  bool SaveCsv(const std::string& name, const QString& path) const;
  bool SavePng(const std::string& name, const QString& path) const;

 private:
  void AskAndSave(const std::string& name, bool png) const;

  ui::TForm1& form_;
  const ControlWidgets& widgets_;
  QWidget* window_;
  std::vector<std::string> names_;  // the controls with a CSV
};

}  // namespace varnak::gui
