// A desktop window for a test, shown on the screen and active, so that the focus moves
// as a user moves it.
#pragma once

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "ui/qt/main_window.h"

namespace varnak::fixture {

// A window shown on the screen, active, so that the focus moves as a user moves it.
struct Shown {
  gui::MainWindow w;
  Shown() {
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) qWarning("the window did not become active");
  }
  template <typename W>
  W* Get(const char* name) {
    W* widget = w.findChild<W*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("no widget %s", name);
    return widget;
  }
  QString Text(const char* name) { return Get<QLineEdit>(name)->text(); }
  void ShowPage(const char* caption) {
    QTabWidget* pages = w.PageControl();
    for (int i = 0; i < pages->count(); ++i)
      if (pages->tabText(i) == QLatin1String(caption)) pages->setCurrentIndex(i);
  }
};

}  // namespace varnak::fixture
