#include "ui/qt/qt_host.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/qt/qt_text.h"

namespace varnak::gui {

std::optional<std::string> QtFormHost::ChooseSaveFile() {
  // No filter: saves come with several extensions, and a renamed one still opens.
  const QString path = QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), folder_);
  if (path.isEmpty()) return std::nullopt;
  folder_ = QFileInfo(path).absolutePath();
  return path.toStdString();  // UTF-8: the loader opens it through the wide API on Windows
}

void QtFormHost::ShowError(const std::string& message) {
  if (beforeDialog_) beforeDialog_();
  QMessageBox::critical(parent_, QCoreApplication::applicationName(), ToQt(message));
}

void QtFormHost::ShowWarning(const std::string& message) {
  if (beforeDialog_) beforeDialog_();
  QMessageBox::warning(parent_, QCoreApplication::applicationName(), ToQt(message));
}

}  // namespace varnak::gui
