// What the window asks of the desktop: the file-open dialog and the message boxes.
#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "ui/form.h"

class QWidget;

namespace varnak::gui {

class QtFormHost : public ui::FormHost {
 public:
  // `beforeDialog` runs before a message box opens, so that the box stands over a
  // window that already shows what the action did.
  QtFormHost(QWidget* parent, std::function<void()> beforeDialog)
      : parent_(parent), beforeDialog_(std::move(beforeDialog)) {}

  std::optional<std::string> ChooseSaveFile() override;
  // How many files the open dialog has given, and the milliseconds since the last:
  // the time a load took, without the time the user spent choosing.
  int FilesChosen() const { return chosen_; }
  qint64 SinceChosen() const { return sinceChosen_.elapsed(); }
  void ShowError(const std::string& message) override;    // QMessageBox::critical
  void ShowWarning(const std::string& message) override;  // QMessageBox::warning

 private:
  QWidget* parent_;
  std::function<void()> beforeDialog_;
  int chosen_ = 0;
  QElapsedTimer sinceChosen_;
};

// The folder of the save opened last, kept between runs: the open dialog starts there.
QString LastFolder();
void SetLastFolder(const QString& folder);

}  // namespace varnak::gui
