// The menu bar: File, View and Help, around the design's window.
#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTabWidget>
#include <QtGlobal>

#include "saveio/save_loader.h"
#include "ui/recent_files.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/startup.h"

namespace varnak::gui {
namespace {

const QString kRecentKey = QStringLiteral("RecentFiles");

ui::RecentFiles StoredRecentFiles() {
  std::vector<std::string> paths;
  for (const QString& path : QSettings().value(kRecentKey).toStringList()) paths.push_back(path.toStdString());
  return ui::RecentFiles(paths);
}

void StoreRecentFiles(const ui::RecentFiles& recent) {
  QStringList paths;
  for (const std::string& path : recent.Paths()) paths.append(ToQt(path));
  QSettings().setValue(kRecentKey, paths);
}

QString AboutText() {
  return QStringLiteral("<p><b>%1</b><br>version %2</p><p>Qt %3 (built with %4)<br>%5</p>")
      .arg(QString::fromUtf8(kApplicationTitle), QStringLiteral(VARNAK_VERSION), QString::fromLatin1(qVersion()),
           QStringLiteral(QT_VERSION_STR), ToQt(InflaterVersions()));
}

}  // namespace

void RememberRecentFile(const std::string& path) {
  ui::RecentFiles recent = StoredRecentFiles();
  recent.Opened(path);
  StoreRecentFiles(recent);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* open = file->addAction(QStringLiteral("&Open..."), this, [this] { OpenWithDialog(); });
  open->setShortcut(QKeySequence::Open);
  recentMenu_ = file->addMenu(QStringLiteral("Open &Recent"));
  recentMenu_->setObjectName(QStringLiteral("OpenRecentMenu"));
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  followAction_ = file->addAction(QStringLiteral("&Follow Save Folder"));
  followAction_->setObjectName(QStringLiteral("FollowSaveFolder"));
  followAction_->setCheckable(true);
  connect(followAction_, &QAction::triggered, this, [this](bool on) {
    if (!on) {
      StopFollowing();
      return;
    }
    // The folder of the save shown; without one, the user names it.
    QString folder;
    if (form_.LastLoad().File) folder = QFileInfo(ToQt(*form_.LastLoad().File)).absolutePath();
    if (folder.isEmpty())
      folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Follow Save Folder"), LastFolder());
    if (folder.isEmpty()) followAction_->setChecked(false);
    else FollowFolder(folder.toStdString());
  });
  QMenu* exportMenu = file->addMenu(QStringLiteral("&Export"));
  exportMenu->setObjectName(QStringLiteral("ExportMenu"));
  connect(exportMenu, &QMenu::aboutToShow, this, [this, exportMenu] {
    exportMenu->clear();
    const std::vector<std::string> names = exports_->NamesOn(pages_->currentWidget());
    for (const std::string& name : names) {
      if (&name != &names.front()) exportMenu->addSeparator();
      exports_->AddActions(exportMenu, name, true);
    }
    if (names.empty()) exportMenu->addAction(QStringLiteral("Nothing to export on this page"))->setEnabled(false);
  });
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("&Quit"), this, [this] { close(); });
  quit->setShortcut(QKeySequence::Quit);

  // One entry per page, from the window's own page list.
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName(QStringLiteral("ViewMenu"));
  auto* shownPage = new QActionGroup(this);
  for (int i = 0; i < pages_->count(); ++i) {
    QAction* page = view->addAction(pages_->tabText(i), this, [this, i] { pages_->setCurrentIndex(i); });
    page->setCheckable(true);
    shownPage->addAction(page);
  }
  connect(view, &QMenu::aboutToShow, this, [this, shownPage] {
    const QList<QAction*> pages = shownPage->actions();
    for (int i = 0; i < pages.size(); ++i) {
      pages[i]->setText(pages_->tabText(i));
      pages[i]->setVisible(pages_->isTabVisible(i));
      pages[i]->setChecked(pages_->currentIndex() == i);
    }
  });
  view->addSeparator();
  QAction* previous = view->addAction(QStringLiteral("&Previous Page"), this, [this] { StepPage(-1); });
  previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  QAction* next = view->addAction(QStringLiteral("&Next Page"), this, [this] { StepPage(+1); });
  next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&About"), this,
                  [this] { QMessageBox::about(this, QStringLiteral("About"), AboutText()); });
}

void MainWindow::StepPage(int step) {
  const int count = pages_->count();
  for (int i = 1; i < count; ++i) {
    const int page = ((pages_->currentIndex() + step * i) % count + count) % count;
    if (pages_->isTabVisible(page)) {
      pages_->setCurrentIndex(page);
      return;
    }
  }
}

void MainWindow::FillRecentMenu() {
  ui::RecentFiles recent = StoredRecentFiles();
  const std::vector<std::string> gone = recent.DropMissing();
  StoreRecentFiles(recent);
  recentMenu_->clear();
  for (const std::string& path : recent.Paths())
    recentMenu_->addAction(ToQt(path), this, [this, path] { LoadFile(path); });
  if (recent.Paths().empty()) recentMenu_->addAction(QStringLiteral("No saves yet"))->setEnabled(false);
  if (gone.size() == 1)
    ShowStatus(QStringLiteral("%1 is no longer there: it left Open Recent").arg(ToQt(gone.front())));
  else if (!gone.empty())
    ShowStatus(QStringLiteral("%1 saves are no longer there: they left Open Recent").arg(gone.size()));
}

}  // namespace varnak::gui
