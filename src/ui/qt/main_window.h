// The analyzer's desktop window: Qt widgets over TForm1.
//
// The widgets hold no state of their own. Every user action goes to the TForm1 action
// that a user's action stands for (UserLoad, UserSelect, UserCheck, UserTextChanged,
// UserLeave, UserType); after it the whole window is rendered again from TForm1's
// controls.
#pragma once

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/qt/control_widgets.h"
#include "ui/qt/export_menu.h"
#include "ui/qt/qt_host.h"

class QAction;
class QFileSystemWatcher;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;

namespace varnak::ui {
class SaveFollower;
}

namespace varnak::gui {

class EncodingMenu;

class MainWindow : public QMainWindow, private ControlEvents {
 public:
  MainWindow();
  ~MainWindow() override;

  ui::TForm1& Form() { return form_; }
  QTabWidget* PageControl() const { return pages_; }

  // Opens `path` as "Load File" does once its dialog has given the file (the save named
  // on the command line and a dropped file).
  void LoadFile(const std::string& path);
  // Shows TForm1's state: the frame and the page on the screen now; every other page
  // when it is next shown.
  void Render();

  // ---- Around the design's window: menus, status bar, settings (menus.cpp, status_bar.cpp,
  // window_settings.cpp, follow_folder.cpp) ----
  ExportMenus& Exports() { return *exports_; }
  // Opens the newest save of `folder` and loads every newer one the game writes there.
  void FollowFolder(const std::string& folder);
  void StopFollowing();
  // Looks at the followed folder now, as the watcher does when it changed.
  void LookAtFollowedFolder();
  bool Following() const;
  // The status bar's parts: the file, its turn and date, the load time.
  QLabel* StatusPart(int index) const { return statusParts_[index]; }
  // Moves to the next (+1) or previous (-1) shown page, round the end.
  void StepPage(int step);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // remembers the window

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
  // Dispatch for the files beside this one; false when the action could not run now.
  bool TryAction(const std::function<void()>& action);
  QWidget* BuildTop();
  void BuildPages();
  void RenderPage(int page);
  void BuildMenus();
  void BuildStatusBar();
  void RestoreSettings();
  void RememberSettings() const;
  // After a load of `path` that took `ms`: the status bar, the recent files, the folder.
  void AfterLoad(const std::string& path, qint64 ms);
  void OpenWithDialog();
  void FillRecentMenu();
  void ShowStatus(const QString& message);

  QtFormHost host_;
  ui::TForm1 form_;
  ControlWidgets widgets_;
  QTabWidget* pages_ = nullptr;
  uint64_t revision_ = 0;               // counts the renderings of the state
  std::vector<uint64_t> pageRevision_;  // the rendering each page last showed
  std::unique_ptr<ExportMenus> exports_;
  QLabel* statusParts_[3] = {};
  QMenu* recentMenu_ = nullptr;
  QAction* followAction_ = nullptr;
  std::unique_ptr<ui::SaveFollower> follower_;
  QFileSystemWatcher* watcher_ = nullptr;
  QTimer* settle_ = nullptr;  // the pause between two looks at a save still being written
  EncodingMenu* encodingMenu_ = nullptr;
  bool busy_ = false;     // an action runs (its message box may be open)
  bool closing_ = false;  // the widgets are being destroyed
  uint32_t pageRequestShown_ = 0;  // the window's last page request that was carried out
};

}  // namespace varnak::gui
