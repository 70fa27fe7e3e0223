// What the window asks of the desktop: the file-open dialog and the message boxes.
#pragma once

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
  void ShowError(const std::string& message) override;    // QMessageBox::critical
  void ShowWarning(const std::string& message) override;  // QMessageBox::warning

 private:
  QWidget* parent_;
  std::function<void()> beforeDialog_;
  QString folder_;  // where the last chosen file was
};

}  // namespace varnak::gui
