#include "dialog_watcher.h"

#include <QApplication>
#include <QFileDialog>

namespace varnak::fixture {

DialogWatcher::DialogWatcher() {
  timer_.setInterval(5);
  connect(&timer_, &QTimer::timeout, this, [this] { Answer(); });
  timer_.start();
}

std::vector<ShownBox> DialogWatcher::TakeBoxes() {
  std::vector<ShownBox> taken;
  taken.swap(boxes_);
  return taken;
}

void DialogWatcher::Answer() {
  QWidget* modal = QApplication::activeModalWidget();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    boxes_.push_back({box->icon(), box->windowTitle(), box->text()});
    box->done(QMessageBox::Ok);
  } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
    ++dialogs_;
    if (files_.isEmpty()) {
      dialog->reject();
    } else {
      dialog->selectFile(files_.takeFirst());
      QMetaObject::invokeMethod(dialog, "accept");
    }
  }
}

}  // namespace varnak::fixture
