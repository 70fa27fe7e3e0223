// File > Follow Save Folder: the desktop watches the folder and says when to look; the
// follower (ui/save_follower.h) decides what to load.
#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <QTimer>

#include "ui/save_follower.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_text.h"

namespace varnak::gui {
namespace {

// A game writes an autosave in well under this; a save that changed since the last
// look is looked at again after it.
constexpr int kSettleMilliseconds = 700;

}  // namespace

bool MainWindow::Following() const { return follower_ != nullptr; }

void MainWindow::FollowFolder(const std::string& folder) {
  StopFollowing();
  // The newest save there is what the user wants to see first.
  const std::optional<ui::SaveSighting> newest = ui::NewestSave(folder);
  if (newest && form_.LastLoad().File != newest->Path) LoadFile(newest->Path);
  const std::optional<std::string> shown = form_.LastLoad().Ok ? form_.LastLoad().File : std::nullopt;
  follower_ = std::make_unique<ui::SaveFollower>(folder, shown);
  watcher_ = new QFileSystemWatcher(this);
  settle_ = new QTimer(this);
  settle_->setSingleShot(true);
  settle_->setInterval(kSettleMilliseconds);
  connect(settle_, &QTimer::timeout, this, [this] { LookAtFollowedFolder(); });
  auto changed = [this] { settle_->start(); };
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, changed);
  watcher_->addPath(ToQt(folder));
  if (newest) watcher_->addPath(ToQt(newest->Path));
  followAction_->setChecked(true);
  ShowStatus(QStringLiteral("Following %1").arg(ToQt(folder)));
}

void MainWindow::StopFollowing() {
  follower_.reset();
  delete watcher_;
  watcher_ = nullptr;
  delete settle_;
  settle_ = nullptr;
  if (followAction_ != nullptr) followAction_->setChecked(false);
}

void MainWindow::LookAtFollowedFolder() {
  if (!follower_) return;
  ui::FollowResult result;
  QElapsedTimer timer;
  timer.start();
  if (!TryAction([&] { result = follower_->Follow(form_); })) {  // the user is in the middle of an action: look once it is over
    settle_->start();
    return;
  }
  if (result.Loaded) AfterLoad(*form_.LastLoad().File, timer.elapsed());
  if (!result.Status.empty()) ShowStatus(ToQt(result.Status));
  // A rewritten file need not touch the folder's own entry: watch the newest save too.
  if (const std::optional<ui::SaveSighting> newest = ui::NewestSave(follower_->Folder()))
    if (!watcher_->files().contains(ToQt(newest->Path))) watcher_->addPath(ToQt(newest->Path));
  if (result.LookAgain) settle_->start();
  if (result.Report) QMessageBox::warning(this, QCoreApplication::applicationName(), ToQt(*result.Report));
}

}  // namespace varnak::gui
