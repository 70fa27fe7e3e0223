// The desktop window over TForm1: what its widgets show, what the user's actions on them
// run, and how it opens saves.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QWheelEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QValueAxis>

#include <clocale>
#include <string>

#include "dialog_watcher.h"
#include "shown_window.h"
#include "support/save_fixture.h"
#include "ui/qt/encoding_menu.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/log_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"
#include "ui/qt/world_map_view.h"
#include "window_check.h"

using varnak::fixture::DialogWatcher;
using varnak::fixture::SaveFixture;
using varnak::fixture::ShownBox;
using varnak::gui::MainWindow;
using varnak::fixture::Shown;

namespace {

// Basic, with a player log, histories and a replay of every colour.
SaveFixture RichSave() {
  SaveFixture s = SaveFixture::Basic();
  auto& tail = s.Players[0].Tail;
  tail.Messages = {{"Roma has grown to size 3", 37, 12, 1},
                   {"Your Warrior has defeated a Barbarian", 36, 14, 5},
                   {"Antium's borders expand", 2, 20, 3},
                   {"", 2, 21, 1},
                   {"Brennus asks for help", 8, 22, 1}};
  tail.Score = {{0, 10}, {1, 25}, {2, 40}};
  tail.Economy = {{0, -30}, {1, 15}, {2, 20}};
  s.Players[1].Tail.Score = {{0, 5}, {1, 30}, {2, 35}};
  s.Game.Replay.push_back({41, {}, "Brennus met Aurelia", 36});
  s.Game.Replay.push_back({42, {}, "A great wonder", 34});
  s.Header.GameOptions[0] = s.Header.GameOptions[3] = s.Header.GameOptions[7] = 1;
  return s;
}

std::string SaveFile(const SaveFixture& save, const std::string& name) {
  const std::string path = varnak::fixture::TempPath(name);
  varnak::fixture::WriteFile(path, varnak::fixture::WriteSaveFile(save));
  return path;
}


void Retype(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void everyWidgetShowsItsControl_data();
  void everyWidgetShowsItsControl();
  void leavingABoxRunsItsHandler();
  void theSessionFiguresFollowTheTyping();
  void choosingAnEntryRunsItsHandler();
  void typingInAnAnarchyBoxRunsItsHandler();
  void tickingABoxRunsItsHandler();
  void everyWayOfOpeningLoadsTheSave_data();
  void everyWayOfOpeningLoadsTheSave();
  void aFailedLoadSaysWhyAndChangesNothing();
  void aDamagedSaveLoadsWithAWarning();
  void aFifthTextHidesTheAnalysisPages();
  void numbersKeepThePointUnderADecimalCommaLocale();
  void aLongLogShowsEveryLine();
  void aPageIsRenderedWhenItComesOnTheScreen();
  void rendersEveryPageOfTheSampleSave();
  void theEncodingMenuSwitchesEveryTextLive();
  void theEncodingChosenSurvivesARestart();
  void cleanup();
  void theMapZoomsPansFitsAndDescribesThePlots();
  void theCitiesGridSortsAndOpensACityOnTheMap();

 private:
  DialogWatcher dialogs_;
  QTemporaryDir settings_;  // the settings of every window of the tests, never the user's
};

void MainWindowTest::initTestCase() {
  varnak::gui::SetUpApplication();  // as the program's start does
  // What the window remembers goes to a folder of the test's own.
  QVERIFY(settings_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
  QVERIFY(QSettings().fileName().startsWith(settings_.path()));
  // The offscreen platform says on every layout change that it keeps no size hints.
  static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("does not support propagateSizeHints"))) standard(type, context, text);
  });
}

void MainWindowTest::everyWidgetShowsItsControl_data() {
  QTest::addColumn<int>("scenario");
  QTest::newRow("at start-up") << 0;
  QTest::newRow("a loaded save") << 1;
  QTest::newRow("after choices on every page") << 2;
}

void MainWindowTest::everyWidgetShowsItsControl() {
  QFETCH(int, scenario);
  Shown s;
  varnak::ui::TForm1& form = s.w.Form();
  if (scenario >= 1) s.w.LoadFile(SaveFile(RichSave(), "rich.sav"));
  if (scenario == 2) {
    form.UserCheck("ShowAICheckBox", true);
    form.UserSelect("GraphSelect", 1);
    form.UserCheck("ShowCombatsCheckBox", true);
    form.UserSelect("AttLeaderSel1", 1);
    form.UserSelect("PlayerInfoSelect", 1);
    form.UserType("AnarchyStartEraBox", "Medieval age");
    form.UserEdit("NewCivicsE", "3");
    form.UserEdit("OrdoPopFactorE", "1200");
    s.w.Render();
  }
  QCOMPARE(dialogs_.TakeBoxes().size(), size_t{0});
  const QStringList differences = varnak::fixture::WindowDifferences(s.w);
  QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 12).join(QLatin1Char('\n'))));
  QCOMPARE(s.w.windowTitle(), QStringLiteral("Varnak Skarn Save Analyzer (version 1.06)"));
  QCOMPARE(s.w.size(), QSize(777, 627));
}

void MainWindowTest::leavingABoxRunsItsHandler() {
  Shown s;
  QLineEdit* civics = s.Get<QLineEdit>("NewCivicsE");
  QLabel* length = s.Get<QLabel>("AnarchyLengthL");
  s.ShowPage("Ordo");
  Retype(civics, QStringLiteral("2"));
  QCOMPARE(length->text(), QStringLiteral("= 0 turns"));  // typing alone computes nothing
  QTest::keyClick(civics, Qt::Key_Tab);
  QCOMPARE(length->text(), QStringLiteral("= 1 turns"));
  QVERIFY(dialogs_.TakeBoxes().empty());

  // Leaving a box that was not changed runs its handler too: the empty score group of a
  // window without a save cannot be read.
  s.ShowPage("Base");
  QLineEdit* initial = s.Get<QLineEdit>("InitPopE");
  initial->setFocus();
  QTest::keyClick(initial, Qt::Key_Tab);
  const std::vector<ShownBox> boxes = dialogs_.TakeBoxes();
  QCOMPARE(boxes.size(), size_t{1});
  QCOMPARE(boxes[0].Icon, QMessageBox::Critical);
  QCOMPARE(boxes[0].Text, QStringLiteral("'' is not a valid floating point value"));
  QCOMPARE(boxes[0].Title, QStringLiteral("Varnak Skarn Save Analyser"));
}

void MainWindowTest::theSessionFiguresFollowTheTyping() {
  Shown s;
  s.w.LoadFile(SaveFile(SaveFixture::Basic(), "basic.sav"));  // 2 sessions, 1 of them at the start
  s.ShowPage("Reloads");
  QCOMPARE(s.Text("Edit11"), QStringLiteral("  1"));
  QCOMPARE(s.Text("Edit10"), QStringLiteral("     1"));
  QLineEdit* pre = s.Get<QLineEdit>("Edit11");
  Retype(pre, QStringLiteral("0"));
  QCOMPARE(s.Text("Edit10"), QStringLiteral("     2"));  // without leaving the box
  QCOMPARE(pre->text(), QStringLiteral("0"));
  QVERIFY(dialogs_.TakeBoxes().empty());

  QTest::keyClick(pre, Qt::Key_Backspace);
  const std::vector<ShownBox> boxes = dialogs_.TakeBoxes();
  QCOMPARE(boxes.size(), size_t{1});
  QCOMPARE(boxes[0].Icon, QMessageBox::Critical);
  QCOMPARE(boxes[0].Text, QStringLiteral("'' is not a valid integer value"));
  QCOMPARE(s.Text("Edit10"), QStringLiteral("     2"));
  QCOMPARE(pre->text(), QString());
}

void MainWindowTest::choosingAnEntryRunsItsHandler() {
  Shown s;
  s.w.LoadFile(SaveFile(RichSave(), "rich.sav"));
  s.ShowPage("Graph");
  QComboBox* graph = s.Get<QComboBox>("GraphSelect");
  auto* chart = s.Get<varnak::gui::HistoryChartView>("HistoryChart");
  QCOMPARE(chart->Series(0)->at(1).y(), 25.0);  // Score
  graph->setFocus();
  QTest::keyClick(graph, Qt::Key_Down);
  QCOMPARE(s.w.Form().GraphSelect.Selected, 1);
  QCOMPARE(chart->Series(0)->at(0).y(), -30.0);  // Economy
  QCOMPARE(chart->VerticalAxis()->min(), -31.0);

  // Choosing the entry already chosen draws again.
  s.w.Form().HistoryChart.Series[0].Points.clear();
  s.w.Render();
  QCOMPARE(chart->Series(0)->count(), 0);
  graph->showPopup();
  QTest::keyClick(graph->view(), Qt::Key_Return);
  QCOMPARE(graph->currentIndex(), 1);
  QCOMPARE(chart->Series(0)->count(), 100);
}

void MainWindowTest::typingInAnAnarchyBoxRunsItsHandler() {
  Shown s;
  s.ShowPage("Ordo");
  Retype(s.Get<QLineEdit>("NewCivicsE"), QStringLiteral("5"));
  QTest::keyClick(s.Get<QLineEdit>("NewCivicsE"), Qt::Key_Tab);
  Retype(s.Get<QLineEdit>("AnarchyCitiesE"), QStringLiteral("1000"));
  QTest::keyClick(s.Get<QLineEdit>("AnarchyCitiesE"), Qt::Key_Tab);
  QLabel* length = s.Get<QLabel>("AnarchyLengthL");
  QCOMPARE(length->text(), QStringLiteral("= 43 turns"));  // Standart

  QComboBox* size = s.Get<QComboBox>("AnarchyWorldSizeBox");
  Retype(size->lineEdit(), QStringLiteral("Huge"));
  QCOMPARE(size->currentIndex(), 5);
  QCOMPARE(length->text(), QStringLiteral("= 33 turns"));
  QComboBox* speed = s.Get<QComboBox>("AnarchyGameSpeedBox");
  Retype(speed->lineEdit(), QStringLiteral("Quick"));
  QCOMPARE(length->text(), QStringLiteral("= 22 turns"));
  QTest::keyClick(speed->lineEdit(), Qt::Key_Backspace);  // "Quic" is no game speed
  QCOMPARE(speed->currentIndex(), -1);
  QCOMPARE(speed->currentText(), QStringLiteral("Quic"));
  QCOMPARE(length->text(), QStringLiteral("= 1 turns"));
  QVERIFY(dialogs_.TakeBoxes().empty());
}

void MainWindowTest::tickingABoxRunsItsHandler() {
  Shown s;
  s.w.LoadFile(SaveFile(RichSave(), "rich.sav"));
  s.ShowPage("Graph");
  auto* chart = s.Get<varnak::gui::HistoryChartView>("HistoryChart");
  QVERIFY(!chart->InLegend(1));
  QCOMPARE(chart->Series(1)->count(), 0);
  QTest::mouseClick(s.Get<QCheckBox>("ShowAICheckBox"), Qt::LeftButton);
  QVERIFY(s.w.Form().ShowAICheckBox.Checked);
  QVERIFY(chart->InLegend(1));
  QCOMPARE(chart->Series(1)->name(), QStringLiteral("Brennus"));
  QCOMPARE(chart->Series(1)->at(1).y(), 30.0);
}

void MainWindowTest::everyWayOfOpeningLoadsTheSave_data() {
  QTest::addColumn<int>("way");
  QTest::newRow("the Load File button") << 0;
  QTest::newRow("Ctrl+O") << 1;
  QTest::newRow("a file dropped on a box") << 2;
  QTest::newRow("the command line") << 3;
}

void MainWindowTest::everyWayOfOpeningLoadsTheSave() {
  QFETCH(int, way);
  Shown s;
  const std::string path = SaveFile(SaveFixture::Basic(), "opened.sav");
  const QString file = QString::fromStdString(path);
  const int dialogsBefore = dialogs_.DialogsAnswered();
  QMimeData dropped;
  switch (way) {
    case 0:
      dialogs_.ChooseNext(file);
      QTest::mouseClick(s.Get<QPushButton>("Button1"), Qt::LeftButton);
      break;
    case 1:
      dialogs_.ChooseNext(file);
      QTest::keyClick(&s.w, Qt::Key_O, Qt::ControlModifier);
      break;
    case 2: {
      dropped.setUrls({QUrl::fromLocalFile(file)});
      QLineEdit* target = s.Get<QLineEdit>("Edit2");
      const QPoint at = target->rect().center();
      QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target, &enter);
      QVERIFY(enter.isAccepted());
      QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target, &drop);
      break;
    }
    case 3:
      QVERIFY(!varnak::gui::OpenFromCommandLine(s.w, {path, path}));
      QVERIFY(varnak::gui::OpenFromCommandLine(s.w, {path}));
      break;
  }
  QTRY_COMPARE(s.Text("Edit1"), file);
  QCOMPARE(s.Text("NickE"), QStringLiteral("Aurelia"));
  QCOMPARE(dialogs_.DialogsAnswered() - dialogsBefore, way < 2 ? 1 : 0);
  QVERIFY(dialogs_.TakeBoxes().empty());
}

void MainWindowTest::aFailedLoadSaysWhyAndChangesNothing() {
  Shown s;
  const std::string good = SaveFile(SaveFixture::Basic(), "good.sav");
  s.w.LoadFile(good);
  const int replayLines = s.Get<varnak::gui::LogView>("ReplayList")->Lines().rowCount();

  const std::string missing = varnak::fixture::TempPath("no-such-save.sav");
  s.w.LoadFile(missing);
  const std::vector<ShownBox> boxes = dialogs_.TakeBoxes();
  QCOMPARE(boxes.size(), size_t{1});
  QCOMPARE(boxes[0].Icon, QMessageBox::Critical);
  QCOMPARE(boxes[0].Text, QString::fromStdString(*s.w.Form().LastLoad().Error));
  QVERIFY(boxes[0].Text.contains(QStringLiteral("no-such-save.sav")));
  QCOMPARE(s.Text("Edit1"), QString::fromStdString(good));
  QCOMPARE(s.Text("NickE"), QStringLiteral("Aurelia"));
  QCOMPARE(s.Get<varnak::gui::LogView>("ReplayList")->Lines().rowCount(), replayLines);
}

void MainWindowTest::aDamagedSaveLoadsWithAWarning() {
  Shown s;
  const SaveFixture save = SaveFixture::Basic();
  std::vector<uint8_t> body = varnak::fixture::WriteBody(save);
  body.resize(body.size() / 2);
  const std::string path = varnak::fixture::TempPath("damaged.sav");
  varnak::fixture::WriteFile(path, varnak::fixture::WrapSave(varnak::fixture::WriteHeader(save), body));
  s.w.LoadFile(path);
  const std::vector<ShownBox> boxes = dialogs_.TakeBoxes();
  QCOMPARE(boxes.size(), size_t{1});
  QCOMPARE(boxes[0].Icon, QMessageBox::Warning);
  QVERIFY2(boxes[0].Text.startsWith(QStringLiteral("The save looks damaged: the data ends at 0x")),
           qPrintable(boxes[0].Text));
  QCOMPARE(s.Text("NickE"), QStringLiteral("Aurelia"));  // what was read is shown
}

void MainWindowTest::aFifthTextHidesTheAnalysisPages() {
  Shown s;
  SaveFixture save = SaveFixture::Basic();
  save.Header.Slots[0].Fifth = "Scenario";
  s.w.LoadFile(SaveFile(save, "fifth.sav"));
  QTabWidget* pages = s.w.PageControl();
  QStringList shown;
  for (int i = 0; i < pages->count(); ++i)
    if (pages->isTabVisible(i)) shown << pages->tabText(i);
  QCOMPARE(shown, QStringList({QStringLiteral("Base"), QStringLiteral("Map")}));
  QCOMPARE(pages->count(), 14);  // hidden, not removed

  s.w.LoadFile(SaveFile(SaveFixture::Basic(), "basic.sav"));
  for (int i = 0; i < pages->count(); ++i) QVERIFY(pages->isTabVisible(i));
}

void MainWindowTest::numbersKeepThePointUnderADecimalCommaLocale() {
  // Qt takes the C library's locale from the environment when it starts; the ctest run
  // under de_DE.UTF-8 checks that case. Elsewhere the test switches the locale itself.
  const std::string before = std::setlocale(LC_ALL, nullptr);
  const QLocale qtBefore;
  if (std::string(std::localeconv()->decimal_point) != ",") {
    if (qEnvironmentVariableIsSet("VARNAK_EXPECT_DECIMAL_COMMA"))
      QFAIL("started without the decimal-comma locale it was run under");
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) QSKIP("no decimal-comma locale here");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  }
  QCOMPARE(std::string(std::localeconv()->decimal_point), std::string(","));

  {
    Shown s;
    s.w.LoadFile(SaveFile(RichSave(), "rich.sav"));
    QCOMPARE(s.Text("DiffCoeffE"), QStringLiteral("    1.0"));
    s.ShowPage("Player");
    QCOMPARE(s.Text("City1CultureE"), QStringLiteral("    42.00"));
    s.ShowPage("Leaders");
    QCOMPARE(s.Get<QTableWidget>("LeadersGrid")->item(0, 4)->text(),
             QString::fromStdString(s.w.Form().LeadersGrid.Cell(4, 1)));
    QVERIFY(s.Get<QTableWidget>("LeadersGrid")->item(0, 4)->text().contains(QStringLiteral(".00%)")));
    s.ShowPage("Base");
    QLineEdit* coefficient = s.Get<QLineEdit>("DiffCoeffE");
    Retype(coefficient, QStringLiteral("1.5"));
    QTest::keyClick(coefficient, Qt::Key_Tab);
    QVERIFY(dialogs_.TakeBoxes().empty());
    QCOMPARE(coefficient->text(), QStringLiteral("    1.5"));
  }
  std::setlocale(LC_ALL, before.c_str());
  QLocale::setDefault(qtBefore);
}

// How fast the log shows is measured by the benchmarks (bench/), not here.
void MainWindowTest::aLongLogShowsEveryLine() {
  SaveFixture save = SaveFixture::Basic();
  save.Game.Replay.clear();
  constexpr int kLines = 65536;
  for (int i = 0; i < kLines; ++i)
    save.Game.Replay.push_back({i % 1500, {}, "Event " + std::to_string(i) + " of a long game", 34 + i % 5});
  const std::string path = SaveFile(save, "long.sav");
  Shown s;
  s.w.LoadFile(path);
  s.ShowPage("Replay");
  auto* log = s.Get<varnak::gui::LogView>("ReplayList");
  log->scrollToBottom();
  const QImage painted = s.w.grab().toImage();
  QCOMPARE(log->Lines().rowCount(), kLines);
  QVERIFY(!painted.isNull());
}

// A load fills the page on the screen and the frame; a page behind it waits until it is
// shown, and then shows the latest state, not the one of the load that passed it by.
void MainWindowTest::aPageIsRenderedWhenItComesOnTheScreen() {
  Shown s;
  auto* replay = s.Get<varnak::gui::LogView>("ReplayList");
  s.w.LoadFile(SaveFile(RichSave(), "rich.sav"));
  QCOMPARE(s.Text("NickE"), QStringLiteral("Aurelia"));
  QVERIFY(!s.Text("Edit1").isEmpty());
  QCOMPARE(replay->Lines().rowCount(), 0);
  s.w.Form().UserCheck("ShowAICheckBox", true);  // another rendering the hidden page misses
  s.w.Render();
  s.ShowPage("Replay");
  QCOMPARE(replay->Lines().rowCount(), static_cast<int>(s.w.Form().ReplayList.Lines.size()));
  QVERIFY(replay->Lines().rowCount() > 0);
  QVERIFY(varnak::fixture::WindowDifferences(s.w).isEmpty());
}

void MainWindowTest::rendersEveryPageOfTheSampleSave() {
  Shown s;
  s.w.LoadFile(VARNAK_SAMPLE_SAVE);
  dialogs_.TakeBoxes();
  QVERIFY(s.w.Form().LastLoad().Ok);
  const QDir folder(QStringLiteral(VARNAK_GUI_PAGES_DIR));
  QVERIFY(folder.mkpath(QStringLiteral(".")));
  QTabWidget* pages = s.w.PageControl();
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    QApplication::processEvents();
    const QString name = QStringLiteral("%1-%2.png").arg(i + 1, 2, 10, QLatin1Char('0')).arg(
        pages->tabText(i).replace(QLatin1Char(' '), QLatin1Char('-')));
    QVERIFY(s.w.grab().save(folder.filePath(name)));
  }
}

void MainWindowTest::theEncodingMenuSwitchesEveryTextLive() {
  Shown s;
  s.w.LoadFile(VARNAK_RUSSIAN_SAMPLE_SAVE);
  QVERIFY(dialogs_.TakeBoxes().empty());
  s.w.Form().UserSelect("PlayerInfoSelect", 1);
  s.w.Form().UserCheck("ShowAICheckBox", true);
  s.w.Render();
  auto* automatic = s.Get<QAction>("TextEncoding-auto");
  auto* latin1 = s.Get<QAction>("TextEncoding-latin1");
  QCOMPARE(automatic->text(), QStringLiteral("Auto (Cyrillic)"));
  QVERIFY(automatic->isChecked());
  QCOMPARE(s.Get<QMenu>("TextEncodingMenu")->title(), QStringLiteral("Text encoding"));
  QCOMPARE(s.Text("NickE"), QStringLiteral("Владимир"));

  latin1->trigger();
  QVERIFY(latin1->isChecked());
  QVERIFY(!automatic->isChecked());
  QCOMPARE(s.Text("NickE"), QStringLiteral("Âëàäèìèð"));
  // The other pages show the switch as they come on the screen.
  s.ShowPage("Player");
  QComboBox* player = s.Get<QComboBox>("PlayerInfoSelect");
  QCOMPARE(player->currentIndex(), 1);
  QCOMPARE(player->currentText(), QStringLiteral("Ñâÿòîñëàâ"));
  QCOMPARE(player->itemText(2), QStringLiteral("Жанна"));  // written with characters above 255
  s.ShowPage("Graph");
  auto* chart = s.Get<varnak::gui::HistoryChartView>("HistoryChart");
  QCOMPARE(chart->Series(1)->name(), QStringLiteral("Ñâÿòîñëàâ"));
  QVERIFY(s.Get<QCheckBox>("ShowAICheckBox")->isChecked());
  s.ShowPage("Replay");
  QVERIFY(s.Get<varnak::gui::LogView>("ReplayList")->Lines().index(0, 0).data().toString().contains(
      QStringLiteral("Ñåññèÿ 1")));

  automatic->trigger();
  s.ShowPage("Base");
  QCOMPARE(s.Text("NickE"), QStringLiteral("Владимир"));
  s.ShowPage("Player");
  QCOMPARE(player->currentText(), QStringLiteral("Святослав"));
  s.ShowPage("Graph");
  QCOMPARE(chart->Series(1)->name(), QStringLiteral("Святослав"));
  QVERIFY(dialogs_.TakeBoxes().empty());
}

void MainWindowTest::theEncodingChosenSurvivesARestart() {
  {
    Shown s;
    QCOMPARE(s.w.Form().Encoding(), varnak::ui::TextEncoding::Auto);
    QCOMPARE(s.Get<QAction>("TextEncoding-auto")->text(), QStringLiteral("Auto"));
    s.Get<QAction>("TextEncoding-cp1251")->trigger();
  }
  QCOMPARE(QSettings().value(QStringLiteral("TextEncoding")).toString(), QStringLiteral("cp1251"));
  {
    Shown s;
    QCOMPARE(s.w.Form().Encoding(), varnak::ui::TextEncoding::Cp1251);
    QVERIFY(s.Get<QAction>("TextEncoding-cp1251")->isChecked());
    s.w.LoadFile(VARNAK_SAMPLE_SAVE);
    QCOMPARE(s.w.Form().ShownCodePage(), varnak::CodePage::Cp1251);
    QCOMPARE(s.Get<QAction>("TextEncoding-auto")->text(), QStringLiteral("Auto (Western)"));
  }
  // A setting no version of the program wrote reads as Auto.
  QSettings().setValue(QStringLiteral("TextEncoding"), QStringLiteral("koi8-r"));
  Shown s;
  QCOMPARE(s.w.Form().Encoding(), varnak::ui::TextEncoding::Auto);
  QVERIFY(s.Get<QAction>("TextEncoding-auto")->isChecked());
}

// Every test starts from a program that was never run.
void MainWindowTest::cleanup() { QSettings().clear(); }

void MainWindowTest::theMapZoomsPansFitsAndDescribesThePlots() {
  Shown s;
  s.w.LoadFile(VARNAK_SAMPLE_SAVE);
  dialogs_.TakeBoxes();
  s.ShowPage("World");
  QApplication::processEvents();
  auto* canvas = s.Get<varnak::gui::MapCanvas>("WorldMapCanvas");
  const QImage& image = canvas->Image();
  QCOMPARE(image.width(), 60);
  QCOMPARE(image.height(), 40);
  // Fitted: the whole map shows, plots square.
  const double fit = canvas->Scale();
  QVERIFY(fit * 60 <= canvas->width() + 0.5 && fit * 40 <= canvas->height() + 0.5);
  QVERIFY(fit * 60 >= canvas->width() - 0.5 || fit * 40 >= canvas->height() - 0.5);

  // The wheel zooms around the cursor: the plot under it stays under it.
  const QPointF at(canvas->width() * 0.3, canvas->height() * 0.6);
  int32_t column = 0, row = 0, column2 = 0, row2 = 0;
  QVERIFY(canvas->PlotAt(at, column, row));
  QWheelEvent wheel(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(canvas, &wheel);
  QVERIFY(std::abs(canvas->Scale() - fit * 1.5625) < 1e-9);
  QVERIFY(canvas->PlotAt(at, column2, row2));
  QCOMPARE(column2, column);
  QCOMPARE(row2, row);

  // Dragging moves the picture with the mouse: north is up, so dragging down shows
  // rows further north under the same point.
  const QPoint from = at.toPoint();
  const QPoint step(static_cast<int>(canvas->Scale() * 3), static_cast<int>(canvas->Scale() * 3));
  int32_t northWestColumn = 0, northWestRow = 0;
  QVERIFY(canvas->PlotAt(QPointF(from - step), northWestColumn, northWestRow));
  QVERIFY(northWestColumn < column && northWestRow > row);
  QTest::mousePress(canvas, Qt::LeftButton, {}, from);
  QTest::mouseMove(canvas, from + step);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, from + step);
  QVERIFY(canvas->PlotAt(QPointF(from), column2, row2));
  QCOMPARE(column2, northWestColumn);
  QCOMPARE(row2, northWestRow);

  // Hovering a plot describes it under the map.
  const QPointF capital = canvas->PixelOf(12, 10);  // Aurelia's capital
  QTest::mouseMove(canvas, capital.toPoint());
  auto* hover = s.Get<QLabel>("WorldMapHover");
  QCOMPARE(hover->text(), QString::fromStdString(s.w.Form().PlotDescription(12, 10)));
  QVERIFY(hover->text().contains(QStringLiteral("city: Roma (Aurelia)")));

  QTest::mouseClick(s.Get<QPushButton>("WorldMapFit"), Qt::LeftButton);
  QCOMPARE(canvas->Scale(), fit);

  // Another mode is another picture, and the picture as shown can be saved.
  s.w.Form().UserSelect("WorldMapModeSelect", 1);
  s.w.Render();
  QVERIFY(varnak::fixture::WindowDifferences(s.w).isEmpty());
  const QString png = QDir::temp().filePath(QStringLiteral("varnak-world-shown.png"));
  QVERIFY(canvas->SaveShown(png));
  QCOMPARE(QImage(png).size(), canvas->size());
}

void MainWindowTest::theCitiesGridSortsAndOpensACityOnTheMap() {
  Shown s;
  s.w.LoadFile(VARNAK_SAMPLE_SAVE);
  dialogs_.TakeBoxes();
  s.ShowPage("Cities");
  QApplication::processEvents();
  auto* grid = s.Get<QTableWidget>("CitiesGrid");
  QCOMPARE(grid->rowCount(), s.w.Form().CitiesGrid.Rows - 1);
  QVERIFY(grid->rowCount() > 5);

  // A click on "Population" sorts by the number, a second one the other way.
  QHeaderView* header = grid->horizontalHeader();
  const QPoint population(header->sectionViewportPosition(6) + 5, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, population);
  for (int r = 1; r < grid->rowCount(); ++r)
    QVERIFY(grid->item(r - 1, 6)->text().toInt() <= grid->item(r, 6)->text().toInt());
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, population);
  for (int r = 1; r < grid->rowCount(); ++r)
    QVERIFY(grid->item(r - 1, 6)->text().toInt() >= grid->item(r, 6)->text().toInt());

  // A double-click opens the map on the city, zoomed in far enough to name it.
  const int row = 2;
  const int x = grid->item(row, 3)->text().toInt(), y = grid->item(row, 4)->text().toInt();
  const QRect cell = grid->visualItemRect(grid->item(row, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());  // the first click of the two
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QApplication::processEvents();
  QCOMPARE(s.w.PageControl()->tabText(s.w.PageControl()->currentIndex()), QStringLiteral("World"));
  auto* canvas = s.Get<varnak::gui::MapCanvas>("WorldMapCanvas");
  QVERIFY(canvas->Scale() >= varnak::gui::MapCanvas::kNamesFrom);
  const QPointF middle(canvas->width() / 2.0, canvas->height() / 2.0);
  QVERIFY((canvas->PixelOf(x, y) - middle).manhattanLength() < 1.0);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
