#include "ui/qt/export_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>

#include <type_traits>

#include "ui/export_csv.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_text.h"

namespace varnak::gui {

ExportMenus::ExportMenus(ui::TForm1& form, const ControlWidgets& widgets, QWidget* window)
    : form_(form), widgets_(widgets), window_(window) {
  form.ForEachControl([&](std::string_view name, const auto& control) {
    if constexpr (ui::kHasCsv<std::decay_t<decltype(control)>>) names_.emplace_back(name);
  });
  for (const std::string& name : names_) {
    QWidget* widget = widgets_.Widget(name);
    auto open = [this, name](const QPoint& global) {
      QMenu menu(window_);
      AddActions(&menu, name, false);
      menu.exec(global);
    };
    // The chart's right-click also resets a zoom: it decides when the menu opens.
    if (auto* chart = dynamic_cast<HistoryChartView*>(widget)) {
      chart->SetContextMenu(open);
      continue;
    }
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, widget,
                     [open](const QPoint&) { open(QCursor::pos()); });
  }
}

std::vector<std::string> ExportMenus::NamesOn(const QWidget* page) const {
  std::vector<std::string> names;
  for (const std::string& name : names_)
    if (page != nullptr && page->isAncestorOf(widgets_.Widget(name))) names.push_back(name);
  return names;
}

void ExportMenus::AddActions(QMenu* menu, const std::string& name, bool named) const {
  const QString what = named ? QStringLiteral(" ") + ToQt(name) : QString();
  QAction* copy = menu->addAction(QStringLiteral("Copy%1 as CSV").arg(what));
  QObject::connect(copy, &QAction::triggered, menu, [this, name] { CopyCsv(name); });
  QAction* csv = menu->addAction(QStringLiteral("Export%1 to CSV...").arg(what));
  QObject::connect(csv, &QAction::triggered, menu, [this, name] { AskAndSave(name, false); });
  if (dynamic_cast<HistoryChartView*>(widgets_.Widget(name)) != nullptr) {
    QAction* png = menu->addAction(QStringLiteral("Save%1 as PNG...").arg(what));
    QObject::connect(png, &QAction::triggered, menu, [this, name] { AskAndSave(name, true); });
  }
}

void ExportMenus::CopyCsv(const std::string& name) const {
  QApplication::clipboard()->setText(ToQt(ui::CsvOfControl(form_, name).value_or(std::string())));
}

bool ExportMenus::SaveCsv(const std::string& name, const QString& path) const {
  const std::optional<std::string> problem =
      ui::WriteWholeFile(path.toStdString(), ui::CsvOfControl(form_, name).value_or(std::string()));
  if (problem) QMessageBox::warning(window_, QCoreApplication::applicationName(), ToQt(*problem));
  return !problem;
}

bool ExportMenus::SavePng(const std::string& name, const QString& path) const {
  if (widgets_.Widget(name)->grab().save(path, "PNG")) return true;
  QMessageBox::warning(window_, QCoreApplication::applicationName(),
                       QStringLiteral("Cannot write '%1'.").arg(path));
  return false;
}

void ExportMenus::AskAndSave(const std::string& name, bool png) const {
  const QString suffix = png ? QStringLiteral("png") : QStringLiteral("csv");
  const QString start = QDir(LastFolder()).filePath(ToQt(name) + QLatin1Char('.') + suffix);
  const QString filter = png ? QStringLiteral("PNG pictures (*.png)") : QStringLiteral("CSV files (*.csv)");
  const QString path = QFileDialog::getSaveFileName(window_, QStringLiteral("Export"), start, filter);
  if (path.isEmpty()) return;
  if (png) SavePng(name, path);
  else SaveCsv(name, path);
}

}  // namespace varnak::gui
