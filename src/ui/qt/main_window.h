// The analyzer's desktop window: Qt widgets over TForm1.
//
// The widgets hold no state of their own. Every user action goes to the TForm1 action
// that a user's action stands for (UserLoad, UserSelect, UserCheck, UserTextChanged,
// UserLeave, UserType); after it the whole window is rendered again from TForm1's
// controls.
#pragma once

#include <QMainWindow>

#include <string>

#include "ui/form.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/qt_host.h"

class QTabWidget;

namespace varnak::gui {

class MainWindow : public QMainWindow, private ControlEvents {
 public:
  MainWindow();
  ~MainWindow() override;

  ui::TForm1& Form() { return form_; }
  QTabWidget* PageControl() const { return pages_; }

  // Opens `path` as "Load File" does once its dialog has given the file (the save named
  // on the command line and a dropped file).
  void LoadFile(const std::string& path);
  // Copies TForm1's state into every widget.
  void Render();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void TextEdited(const std::string& name, const std::string& text) override;
  void Left(const std::string& name) override;
  void Chosen(const std::string& name, int index) override;
  void Typed(const std::string& name, const std::string& text) override;
  void Clicked(const std::string& name, bool checked) override;
  void HeaderClicked(const std::string& grid, int column) override;
  void RowOpened(const std::string& grid, int row) override;

  // Runs one user action on the window, then renders it.
  template <typename Action>
  void Dispatch(Action&& action);
  QWidget* BuildTop();
  void BuildPages();

  QtFormHost host_;
  ui::TForm1 form_;
  ControlWidgets widgets_;
  QTabWidget* pages_ = nullptr;
  bool busy_ = false;     // an action runs (its message box may be open)
  bool closing_ = false;  // the widgets are being destroyed
  uint32_t pageRequestShown_ = 0;  // the window's last page request that was carried out
};

}  // namespace varnak::gui
