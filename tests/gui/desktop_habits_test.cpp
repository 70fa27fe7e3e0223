// What the desktop adds around the design's window: the readable chart, exports and the
// clipboard, recent files, following a folder, the status bar, the menus, and what the
// window remembers. Settings go to a temporary folder.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>

#include <filesystem>
#include <sstream>

#include "app/window_report.h"
#include "dialog_watcher.h"
#include "shown_window.h"
#include "support/save_fixture.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"

using varnak::fixture::DialogWatcher;
using varnak::fixture::SaveFixture;
using varnak::gui::HistoryChartView;
using varnak::fixture::Shown;

namespace {

SaveFixture ChartSave(int32_t top = 40) {
  SaveFixture s = SaveFixture::Basic();
  auto& tail = s.Players[0].Tail;
  tail.Score = {{0, 10}, {1, 25}, {2, top}, {3, 30}, {4, 35}};
  tail.Messages = {{"Roma has grown, to size 3", 37, 12, 1}, {"A fight", 36, 14, 5}};
  s.Players[1].Tail.Score = {{0, 5}, {1, 30}, {2, 35}, {3, 20}, {4, 15}};
  return s;
}

std::string SaveFile(const SaveFixture& save, const std::string& path) {
  varnak::fixture::WriteFile(path, varnak::fixture::WriteSaveFile(save));
  return path;
}

HistoryChartView* ShownChart(Shown& s) {
  s.ShowPage("Graph");
  auto* chart = s.Get<HistoryChartView>("HistoryChart");
  QApplication::processEvents();
  return chart;
}

// Where the point (turn, value) of series `series` is drawn, in the chart's viewport.
QPoint At(HistoryChartView* chart, int series, double turn, double value) {
  const QPointF scene = chart->chart()->mapToPosition(QPointF(turn, value), chart->Series(series));
  return chart->mapFromScene(scene);
}

// The actions of a menu as it shows itself.
QStringList Texts(QMenu* menu) {
  emit menu->aboutToShow();
  QStringList texts;
  for (QAction* a : menu->actions())
    if (!a->isSeparator() && a->isVisible()) texts << a->text();
  return texts;
}

QAction* Action(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions())
    if (a->text() == text) return a;
  qFatal("no action %s", qPrintable(text));
}

QString Slurp(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

class DesktopHabitsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void hoveringALineSaysWhoWhenAndHowMuch();
  void aDraggedRectangleZoomsAndARightClickGoesBack();
  void aLegendClickHidesAndShowsALine();
  void exportsAndTheClipboardHoldWhatTheReportWrites();
  void recentFilesListTheLastSavesAndDropMissingOnes();
  void followingAFolderLoadsANewerSaveOnceWhole();
  void theStatusBarNamesTheSaveItsTurnAndTheLoadTime();
  void theWindowRemembersItsPlaceAndPage();
  void theViewMenuListsThePagesAndKeysMoveBetweenThem();
  void aboutNamesTheVersions();

 private:
  QTemporaryDir settings_;
  DialogWatcher dialogs_;
};

void DesktopHabitsTest::initTestCase() {
  varnak::gui::SetUpApplication();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("does not support propagateSizeHints"))) standard(type, context, text);
  });
}

void DesktopHabitsTest::init() { QSettings().clear(); }

void DesktopHabitsTest::hoveringALineSaysWhoWhenAndHowMuch() {
  Shown s;
  s.w.LoadFile(SaveFile(ChartSave(), varnak::fixture::TempPath("hover.sav")));
  HistoryChartView* chart = ShownChart(s);
  const auto& points = s.w.Form().HistoryChart.Series[0].Points;
  QVERIFY(points.size() >= 3);
  const auto [turn, value] = points[2];
  QTest::mouseMove(chart->viewport(), At(chart, 0, turn, value));
  QTRY_VERIFY(!chart->PointText().isEmpty());
  // Turn 2 of a normal-speed game: 3920 BC.
  QCOMPARE(chart->PointText(), QStringLiteral("Aurelia, turn %1 (3920BC): Score 40").arg(turn));
}

void DesktopHabitsTest::aDraggedRectangleZoomsAndARightClickGoesBack() {
  Shown s;
  s.w.LoadFile(SaveFile(ChartSave(1000), varnak::fixture::TempPath("zoom.sav")));
  HistoryChartView* chart = ShownChart(s);
  QValueAxis* y = chart->VerticalAxis();
  const auto& state = s.w.Form().HistoryChart;
  QCOMPARE(y->min(), double(state.AxisMin));  // -20 .. 1050, as the window sets them
  QCOMPARE(y->max(), double(state.AxisMax));
  const QPoint from = At(chart, 0, 1, 300);
  const QPoint to = At(chart, 0, 3, 50);
  QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, from);
  QTest::mouseMove(chart->viewport(), to);
  QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, to);
  QVERIFY(chart->Zoomed());
  QVERIFY(y->max() < 400 && y->min() > 0);
  QVERIFY(chart->HorizontalAxis()->max() < 4);
  QVERIFY(s.Get<QToolButton>("ResetZoom")->isVisible());
  s.w.Render();  // other actions leave the zoom alone
  QVERIFY(chart->Zoomed());

  QTest::mouseClick(chart->viewport(), Qt::RightButton, {}, to);
  QContextMenuEvent right(QContextMenuEvent::Mouse, to, chart->viewport()->mapToGlobal(to));
  if (chart->Zoomed()) QApplication::sendEvent(chart->viewport(), &right);  // where a click sends none
  QVERIFY(!chart->Zoomed());
  QCOMPARE(y->min(), double(state.AxisMin));
  QCOMPARE(y->max(), double(state.AxisMax));
  QVERIFY(!s.Get<QToolButton>("ResetZoom")->isVisible());

  QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, from);
  QTest::mouseMove(chart->viewport(), to);
  QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, to);
  QVERIFY(chart->Zoomed());
  QTest::mouseClick(s.Get<QToolButton>("ResetZoom"), Qt::LeftButton);
  QCOMPARE(y->max(), double(state.AxisMax));
  QCOMPARE(chart->HorizontalAxis()->max(), double(state.Series[0].Points.back().first));
}

void DesktopHabitsTest::aLegendClickHidesAndShowsALine() {
  Shown s;
  s.w.Form().UserCheck("ShowAICheckBox", true);
  s.w.LoadFile(SaveFile(ChartSave(), varnak::fixture::TempPath("legend.sav")));
  HistoryChartView* chart = ShownChart(s);
  QLegendMarker* marker = chart->chart()->legend()->markers(chart->Series(1)).front();
  QVERIFY(chart->Series(1)->isVisible());
  emit marker->clicked();
  QVERIFY(!chart->Series(1)->isVisible());
  QVERIFY(marker->isVisible());  // still listed, to be clicked again
  QVERIFY(chart->Series(0)->isVisible());
  s.w.Form().UserSelect("GraphSelect", 0);
  s.w.Render();  // the chart drawn again keeps the line hidden
  QVERIFY(!chart->Series(1)->isVisible());
  emit marker->clicked();
  QVERIFY(chart->Series(1)->isVisible());
}

void DesktopHabitsTest::exportsAndTheClipboardHoldWhatTheReportWrites() {
  Shown s;
  const std::string save = SaveFile(ChartSave(), varnak::fixture::TempPath("export.sav"));
  s.w.LoadFile(save);
  s.w.Form().UserCheck("ShowCombatsCheckBox", true);
  s.w.Render();
  const char* names[] = {"LeadersGrid", "SessionListBox", "PlayerLog", "HistoryChart"};
  std::vector<std::string> args = {"--check", "ShowCombatsCheckBox=1"};
  for (const char* name : names)
    args.insert(args.end(), {"--export", std::string(name) + "=" + varnak::fixture::TempPath(std::string("report-") + name + ".csv")});
  args.push_back(save);
  std::ostringstream out, err;
  QCOMPARE(varnak::app::RunReport(args, out, err), 0);
  for (const char* name : names) {
    const std::string mine = varnak::fixture::TempPath(std::string("desktop-") + name + ".csv");
    QVERIFY(s.w.Exports().SaveCsv(name, QString::fromStdString(mine)));
    const QString report = Slurp(varnak::fixture::TempPath(std::string("report-") + name + ".csv"));
    QVERIFY2(report.startsWith(name == std::string("PlayerLog") ? "Turn,Date" : ""), name);
    QCOMPARE(Slurp(mine), report);
    s.w.Exports().CopyCsv(name);
    QCOMPARE(QApplication::clipboard()->text(), report);
  }
  const std::string png = varnak::fixture::TempPath("chart.png");
  QVERIFY(s.w.Exports().SavePng("HistoryChart", QString::fromStdString(png)));
  QVERIFY(QImage(QString::fromStdString(png)).width() > 100);

  // File > Export offers what the page shown holds; every grid gets it without code of its own.
  s.ShowPage("Terrain");
  QMenu* exportMenu = s.Get<QMenu>("ExportMenu");
  const QStringList offered = Texts(exportMenu);
  QCOMPARE(offered.filter(QStringLiteral("Copy")),
           QStringList({"Copy PlotTypeGrid as CSV", "Copy TerrainTypeGrid as CSV",
                        "Copy FeatureTypeGrid as CSV", "Copy BonusTypeGrid as CSV"}));
  Action(exportMenu, QStringLiteral("Copy BonusTypeGrid as CSV"))->trigger();
  QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("BonusType,Count\r\n")));
  for (const char* grid : {"LeadersGrid", "TeamsGrid", "TechGrid", "BonusTypeGrid", "SessionListBox"})
    QCOMPARE(s.Get<QWidget>(grid)->contextMenuPolicy(), Qt::CustomContextMenu);
  QVERIFY(dialogs_.TakeBoxes().empty());
}

void DesktopHabitsTest::recentFilesListTheLastSavesAndDropMissingOnes() {
  QTemporaryDir folder;
  const std::string a = SaveFile(ChartSave(), folder.filePath("a.sav").toStdString());
  const std::string b = SaveFile(ChartSave(), folder.filePath("b.sav").toStdString());
  {
    Shown s;
    s.w.LoadFile(a);
    s.w.LoadFile(b);
    s.w.LoadFile("/nonexistent/never.sav");  // a failed load is no recent file
    dialogs_.TakeBoxes();
  }
  Shown s;  // a new run
  QMenu* recent = s.Get<QMenu>("OpenRecentMenu");
  QCOMPARE(Texts(recent), QStringList({QString::fromStdString(b), QString::fromStdString(a)}));
  QCOMPARE(varnak::gui::LastFolder(), folder.path());  // where the open dialog starts
  Action(recent, QString::fromStdString(a))->trigger();
  QCOMPARE(s.w.Form().LastLoad().File, a);
  std::filesystem::remove(b);
  QCOMPARE(Texts(recent), QStringList({QString::fromStdString(a)}));
  QVERIFY(s.w.statusBar()->currentMessage().contains(QStringLiteral("b.sav is no longer there")));
}

void DesktopHabitsTest::followingAFolderLoadsANewerSaveOnceWhole() {
  QTemporaryDir folder;
  namespace fs = std::filesystem;
  const std::string first = SaveFile(ChartSave(40), folder.filePath("turn-10.sav").toStdString());
  fs::last_write_time(first, fs::file_time_type::clock::now() - std::chrono::seconds(60));
  Shown s;
  QVERIFY(varnak::gui::OpenFromCommandLine(s.w, {"--follow", folder.path().toStdString()}));
  QTRY_VERIFY(s.w.Following());
  QCOMPARE(s.w.Form().LastLoad().File, first);  // the newest save there opens at once
  // The user's choices: a player, a chart, a page.
  s.w.Form().UserCheck("ShowAICheckBox", true);
  s.Get<QComboBox>("PlayerInfoSelect")->setCurrentIndex(1);
  emit s.Get<QComboBox>("PlayerInfoSelect")->activated(1);
  s.w.Form().UserSelect("GraphSelect", 1);
  s.ShowPage("Player");
  const int page = s.w.PageControl()->currentIndex();

  const std::vector<uint8_t> whole = varnak::fixture::WriteSaveFile(ChartSave(77));
  const std::string next = folder.filePath("turn-11.sav").toStdString();
  varnak::fixture::WriteFile(next, std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2)));
  for (int look = 0; look < 2; ++look) s.w.LookAtFollowedFolder();  // as the watcher and the pause would
  QCOMPARE(s.w.Form().LastLoad().File, first);  // half a save is not shown, nor reported
  varnak::fixture::WriteFile(next, whole);
  for (int look = 0; look < 2; ++look) s.w.LookAtFollowedFolder();
  QCOMPARE(s.w.Form().LastLoad().File, next);
  QCOMPARE(s.w.Form().Model().ScoreHistory[0][2], 77);
  QCOMPARE(s.Get<QComboBox>("PlayerInfoSelect")->currentIndex(), 1);
  QCOMPARE(s.w.Form().GraphSelect.Selected, 1);
  QVERIFY(s.w.Form().ShowAICheckBox.Checked);
  QCOMPARE(s.w.PageControl()->currentIndex(), page);
  QVERIFY(s.w.statusBar()->currentMessage().contains(QStringLiteral("loaded the newer save turn-11.sav")));
  QCOMPARE(s.Get<QLabel>("StatusFile")->text(), QStringLiteral("turn-11.sav"));
  // Loaded once: a value the user typed since is not written over by a reload.
  s.w.Form().UserEdit("Edit11", "  7");
  for (int look = 0; look < 3; ++look) s.w.LookAtFollowedFolder();
  QCOMPARE(s.w.Form().Edit11.Text, std::string("  7"));
  QVERIFY(dialogs_.TakeBoxes().empty());

  // The watcher itself sees the game write.
  const std::string later = SaveFile(ChartSave(88), folder.filePath("turn-12.sav").toStdString());
  QTRY_COMPARE_WITH_TIMEOUT(s.w.Form().LastLoad().File, later, 20000);
  s.w.StopFollowing();
  QVERIFY(!s.w.Following());
}

void DesktopHabitsTest::theStatusBarNamesTheSaveItsTurnAndTheLoadTime() {
  Shown s;
  QCOMPARE(s.Get<QLabel>("StatusFile")->text(), QString());
  s.w.LoadFile(SaveFile(ChartSave(), varnak::fixture::TempPath("status.sav")));
  QCOMPARE(s.Get<QLabel>("StatusFile")->text(), QStringLiteral("status.sav"));
  const auto& m = s.w.Form().Model();
  QVERIFY(s.Get<QLabel>("StatusTurn")->text().startsWith(QStringLiteral("Turn %1, ").arg(m.CurrentTurn)));
  QVERIFY(s.Get<QLabel>("StatusLoadTime")->text().contains(QRegularExpression(QStringLiteral("^Loaded in \\d+ ms$"))));
}

void DesktopHabitsTest::theWindowRemembersItsPlaceAndPage() {
  {
    Shown s;
    s.w.resize(900, 700);
    s.ShowPage("Reloads");
    s.w.close();
  }
  Shown s;
  QCOMPARE(s.w.size(), QSize(900, 700));
  QCOMPARE(s.w.PageControl()->tabText(s.w.PageControl()->currentIndex()), QStringLiteral("Reloads"));
}

void DesktopHabitsTest::theViewMenuListsThePagesAndKeysMoveBetweenThem() {
  Shown s;
  QStringList pages = Texts(s.Get<QMenu>("ViewMenu"));
  // The pages, the two steps between them, then the text encoding.
  QCOMPARE(pages.size(), s.w.PageControl()->count() + 3);
  QCOMPARE(pages.front(), QStringLiteral("Base"));
  QCOMPARE(pages[pages.size() - 2], QStringLiteral("&Next Page"));
  QCOMPARE(pages.back(), QStringLiteral("Text encoding"));
  s.ShowPage("Base");
  QTest::keyClick(&s.w, Qt::Key_PageDown, Qt::ControlModifier);
  QCOMPARE(s.w.PageControl()->currentIndex(), 1);
  QTest::keyClick(&s.w, Qt::Key_PageUp, Qt::ControlModifier);
  QTest::keyClick(&s.w, Qt::Key_PageUp, Qt::ControlModifier);  // round the end
  QCOMPARE(s.w.PageControl()->currentIndex(), s.w.PageControl()->count() - 1);
  s.w.PageControl()->setTabVisible(0, false);  // a hidden page is neither listed nor visited
  QVERIFY(!Texts(s.Get<QMenu>("ViewMenu")).contains(QStringLiteral("Base")));
  QTest::keyClick(&s.w, Qt::Key_PageDown, Qt::ControlModifier);
  QCOMPARE(s.w.PageControl()->currentIndex(), 1);
}

void DesktopHabitsTest::aboutNamesTheVersions() {
  Shown s;
  QMenu* help = nullptr;
  for (QMenu* menu : s.w.menuBar()->findChildren<QMenu*>())
    if (menu->title() == QStringLiteral("&Help")) help = menu;
  QVERIFY(help != nullptr);
  Action(help, QStringLiteral("&About"))->trigger();
  const std::vector<varnak::fixture::ShownBox> boxes = dialogs_.TakeBoxes();
  QCOMPARE(boxes.size(), size_t{1});
  QVERIFY2(boxes[0].Text.contains(QStringLiteral("version 1.06")), qPrintable(boxes[0].Text));
  QVERIFY(boxes[0].Text.contains(QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()))));
  QVERIFY(boxes[0].Text.contains(QStringLiteral("zlib ")));
}

QTEST_MAIN(DesktopHabitsTest)
#include "desktop_habits_test.moc"
