// Answers the window's modal dialogs in a test: records every message box and closes
// it, and answers each file-open dialog with the next queued file (or cancels it).
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <vector>

namespace varnak::fixture {

struct ShownBox {
  QMessageBox::Icon Icon;
  QString Title;
  QString Text;
};

class DialogWatcher : public QObject {
 public:
  DialogWatcher();

  // The file the next open dialog chooses.
  void ChooseNext(const QString& file) { files_.append(file); }
  // The boxes shown since the last call.
  std::vector<ShownBox> TakeBoxes();
  int DialogsAnswered() const { return dialogs_; }

 private:
  void Answer();

  QTimer timer_;
  QStringList files_;
  std::vector<ShownBox> boxes_;
  int dialogs_ = 0;
};

}  // namespace varnak::fixture
