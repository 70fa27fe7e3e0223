// What the window remembers between runs: its size and place, and the page shown.
#include <QSettings>
#include <QTabWidget>

#include "ui/qt/main_window.h"

namespace varnak::gui {

void MainWindow::RestoreSettings() {
  const QSettings settings;
  restoreGeometry(settings.value(QStringLiteral("Window/Geometry")).toByteArray());
  const int page = settings.value(QStringLiteral("Window/Page"), 0).toInt();
  if (page >= 0 && page < pages_->count() && pages_->isTabVisible(page)) pages_->setCurrentIndex(page);
}

void MainWindow::RememberSettings() const {
  QSettings settings;
  settings.setValue(QStringLiteral("Window/Geometry"), saveGeometry());
  settings.setValue(QStringLiteral("Window/Page"), pages_->currentIndex());
}

}  // namespace varnak::gui
