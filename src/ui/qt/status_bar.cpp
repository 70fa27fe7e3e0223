// The status bar: the save shown (file, turn and date, load time) and a word on what
// happened (a followed save loaded, recent files gone).
#include <QLabel>
#include <QFileInfo>
#include <QStatusBar>

#include "ui/status_line.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_text.h"

namespace varnak::gui {

void RememberRecentFile(const std::string& path);  // menus.cpp

void MainWindow::BuildStatusBar() {
  const char* names[3] = {"StatusFile", "StatusTurn", "StatusLoadTime"};
  for (int i = 0; i < 3; ++i) {
    statusParts_[i] = new QLabel();
    statusParts_[i]->setObjectName(QString::fromLatin1(names[i]));
    statusBar()->addPermanentWidget(statusParts_[i]);
  }
}

void MainWindow::ShowStatus(const QString& message) { statusBar()->showMessage(message, 15000); }

void MainWindow::AfterLoad(const std::string& path, qint64 ms) {
  if (form_.LastLoad().File != path) return;
  const std::optional<ui::StatusLine> line = ui::StatusAfterLoad(form_, ms);
  if (!line) return;
  statusParts_[0]->setText(ToQt(line->File));
  statusParts_[0]->setToolTip(ToQt(path));
  statusParts_[1]->setText(ToQt(line->TurnAndDate));
  statusParts_[2]->setText(ToQt(line->LoadTime));
  RememberRecentFile(path);
  SetLastFolder(QFileInfo(ToQt(path)).absolutePath());
}

}  // namespace varnak::gui
