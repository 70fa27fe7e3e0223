#include "ui/qt/qt_host.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

#include "ui/qt/qt_text.h"

namespace varnak::gui {

std::optional<std::string> QtFormHost::ChooseSaveFile() {
  // No filter: saves come with several extensions, and a renamed one still opens.
  const QString path = QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), LastFolder());
  if (path.isEmpty()) return std::nullopt;
  SetLastFolder(QFileInfo(path).absolutePath());
  ++chosen_;
  sinceChosen_.start();
  return path.toStdString();  // UTF-8: the loader opens it through the wide API on Windows
}

QString LastFolder() { return QSettings().value(QStringLiteral("LastFolder")).toString(); }

void SetLastFolder(const QString& folder) { QSettings().setValue(QStringLiteral("LastFolder"), folder); }

void QtFormHost::ShowError(const std::string& message) {
  if (beforeDialog_) beforeDialog_();
  QMessageBox::critical(parent_, QCoreApplication::applicationName(), ToQt(message));
}

void QtFormHost::ShowWarning(const std::string& message) {
  if (beforeDialog_) beforeDialog_();
  QMessageBox::warning(parent_, QCoreApplication::applicationName(), ToQt(message));
}

}  // namespace varnak::gui
