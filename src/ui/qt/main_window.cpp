#include "ui/qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QDropEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>
#include <optional>

#include "ui/chart_readout.h"
#include "ui/save_follower.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/encoding_menu.h"
#include "ui/qt/look.h"
#include "ui/qt/page_kit.h"
#include "ui/qt/qt_text.h"

namespace varnak::gui {
namespace {

// The window's size at start: every page is laid out for it.
constexpr int kWidth = 777;
constexpr int kHeight = 627;

using PageBuilder = QWidget* (*)(const PageKit&);
PageBuilder BuilderOf(ui::PageId page) {
  switch (page) {
    case ui::kBasePage: return BuildBasePage;
    case ui::kMapPage: return BuildMapPage;
    case ui::kLeadersPage: return BuildLeadersPage;
    case ui::kTeamsPage: return BuildTeamsPage;
    case ui::kReplayPage: return BuildReplayPage;
    case ui::kGraphPage: return BuildGraphPage;
    case ui::kPlayerLogPage: return BuildPlayerLogPage;
    case ui::kReloadsPage: return BuildReloadsPage;
    case ui::kPlayerPage: return BuildPlayerPage;
    case ui::kOrdoPage: return BuildOrdoPage;
    case ui::kAttitudesPage: return BuildAttitudesPage;
    case ui::kTerrainPage: return BuildTerrainPage;
    case ui::kWorldPage: return BuildWorldPage;
    case ui::kCitiesPage: return BuildCitiesPage;
  }
  return nullptr;
}

// The first local file among the dropped ones.
std::optional<std::string> DroppedSave(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile().toStdString();  // UTF-8, as the loader takes paths everywhere
  return std::nullopt;
}

}  // namespace

MainWindow::MainWindow()
    : host_(this, [this] { Render(); }), form_(host_), widgets_(form_, *this) {
  setFont(WindowFont());
  resize(kWidth, kHeight);
  setAcceptDrops(true);

  auto* central = new QWidget();
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 4, 6, 6);
  layout->setSpacing(4);
  layout->addWidget(BuildTop());
  // The grids take their column widths from the first rendering; the pages size
  // themselves by those widths.
  widgets_.Render(form_);
  BuildPages();
  layout->addWidget(pages_, 1);
  setCentralWidget(central);

  const std::vector<std::string> unplaced = widgets_.Unplaced();
  if (!unplaced.empty()) qFatal("no page shows the control %s", unplaced.front().c_str());

  exports_ = std::make_unique<ExportMenus>(form_, widgets_, this);
  widgets_.Chart("HistoryChart")->SetReadout(
      [this](int series, int32_t turn) { return ui::ChartReadout(form_, series, turn); });
  BuildMenus();
  BuildStatusBar();
  RestoreSettings();

  encodingMenu_ = new EncodingMenu(this, [this](ui::TextEncoding encoding) {
    Dispatch([&] { form_.UserChooseEncoding(encoding); });
  });
  // Under View, where desktop programs keep how a document's text is shown.
  QMenu* view = menuBar()->findChild<QMenu*>(QStringLiteral("ViewMenu"));
  view->addSeparator();
  view->addMenu(encodingMenu_);
  form_.UserChooseEncoding(EncodingMenu::Remembered());

  Render();
}

MainWindow::~MainWindow() {
  // Destroy the widgets while the window they report to is whole: a box that loses
  // the focus on the way must not run an action.
  closing_ = true;
  delete takeCentralWidget();
}

QWidget* MainWindow::BuildTop() {
  auto* top = new QWidget();
  auto* grid = new QGridLayout(top);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  grid->addWidget(PageKit::Caption("Path", Qt::AlignLeft | Qt::AlignBottom), 0, 0, 1, 5);
  QLineEdit* path = widgets_.Edit("Edit1");
  path->setFixedHeight(PageKit::BoxHeight());
  grid->addWidget(path, 1, 0, 1, 5);

  auto* load = new QPushButton(QStringLiteral("Load File"));
  load->setObjectName(QStringLiteral("Button1"));
  connect(load, &QPushButton::clicked, this, [this] { OpenWithDialog(); });
  grid->addWidget(load, 2, 0);
  grid->addWidget(PageKit::Caption("Date"), 2, 2);
  QLineEdit* date = widgets_.Edit("Edit2");
  date->setFixedSize(PageKit::BoxWidth(20), PageKit::BoxHeight());
  grid->addWidget(date, 2, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(4, 1);
  return top;
}

void MainWindow::BuildPages() {
  const PageKit kit(widgets_);
  pages_ = new QTabWidget();
  pages_->setObjectName(QStringLiteral("PageControl"));
  for (int i = 0; i < ui::kPageCount; ++i) {
    // A larger desktop font scrolls a page instead of cutting it.
    auto* scroll = new QScrollArea();
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(BuilderOf(static_cast<ui::PageId>(i))(kit));
    pages_->addTab(scroll, ToQt(form_.Pages[static_cast<size_t>(i)].Caption));
  }
  widgets_.FindPages(pages_);
  pageRevision_.assign(static_cast<size_t>(ui::kPageCount), 0);
  // A page that missed renderings while hidden catches up as it comes on the screen.
  connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
    if (page >= 0 && pageRevision_[static_cast<size_t>(page)] != revision_) RenderPage(page);
  });
}

void MainWindow::Render() {
  ++revision_;
  const QString caption = ToQt(form_.Caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  for (int i = 0; i < ui::kPageCount; ++i) {
    const ui::Page& page = form_.Pages[static_cast<size_t>(i)];
    const QString text = ToQt(page.Caption);
    if (pages_->tabText(i) != text) pages_->setTabText(i, text);
    if (pages_->isTabVisible(i) != page.Visible) pages_->setTabVisible(i, page.Visible);
  }
  if (form_.PageRequestSerial != pageRequestShown_) {
    pageRequestShown_ = form_.PageRequestSerial;
    // The page comes on the screen first, so that a map asked to centre on a city
    // renders at the size it is shown.
    if (form_.RequestedPage >= 0 && form_.RequestedPage < ui::kPageCount) pages_->setCurrentIndex(form_.RequestedPage);
  }
  RenderPage(pages_->currentIndex());
  if (encodingMenu_ != nullptr) encodingMenu_->Render(form_);
}

void MainWindow::RenderPage(int page) {
  widgets_.Render(form_, page);
  if (page >= 0) pageRevision_[static_cast<size_t>(page)] = revision_;
}

template <typename Action>
void MainWindow::Dispatch(Action&& action) {
  // While an action's message box is open, the focus moves and the user may press keys;
  // none of that is a new action.
  if (busy_ || closing_) return;
  busy_ = true;
  action();  // never throws: the window reports what ends an action
  busy_ = false;
  Render();
}

bool MainWindow::TryAction(const std::function<void()>& action) {
  bool ran = false;
  Dispatch([&] {
    action();
    ran = true;
  });
  return ran;
}

void MainWindow::OpenWithDialog() {
  const int chosen = host_.FilesChosen();
  Dispatch([this] { form_.UserLoad(); });
  if (host_.FilesChosen() != chosen && form_.LastLoad().File) AfterLoad(*form_.LastLoad().File, host_.SinceChosen());
}

void MainWindow::LoadFile(const std::string& path) {
  QElapsedTimer timer;
  timer.start();
  Dispatch([&] { form_.UserLoadFile(path); });
  AfterLoad(path, timer.elapsed());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  RememberSettings();
  QMainWindow::closeEvent(event);
}

void MainWindow::TextEdited(const std::string& name, const std::string& text) {
  Dispatch([&] { form_.UserTextChanged(name, text); });
}

void MainWindow::Left(const std::string& name) {
  Dispatch([&] { form_.UserLeave(name); });
}

void MainWindow::Chosen(const std::string& name, int index) {
  Dispatch([&] { form_.UserSelect(name, index); });
}

void MainWindow::Typed(const std::string& name, const std::string& text) {
  Dispatch([&] { form_.UserType(name, text); });
}

void MainWindow::Clicked(const std::string& name, bool checked) {
  Dispatch([&] { form_.UserCheck(name, checked); });
}

void MainWindow::HeaderClicked(const std::string& grid, int column) {
  Dispatch([&] { form_.UserSortGrid(grid, column); });
}

void MainWindow::RowOpened(const std::string& grid, int row) {
  if (grid == "CitiesGrid") Dispatch([&] { form_.UserOpenCity(row); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedSave(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (DroppedSave(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::optional<std::string> path = DroppedSave(event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  // Load once the drop is over: the program the file came from waits for the drop to end,
  // and the load may open a message box.
  QTimer::singleShot(0, this, [this, file = *path] { LoadFile(file); });
}

}  // namespace varnak::gui
