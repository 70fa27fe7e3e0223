// varnak-analyzer [SAVE]: the desktop window; opens SAVE at start when one is given.
#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  varnak::gui::SetUpApplication();
  // Qt's list is read from the wide command line on Windows, where argv cannot hold
  // every file name; the window takes paths as UTF-8.
  std::vector<std::string> arguments;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());
  constexpr const char* kUsage = "usage: varnak-analyzer [SAVE]\n";
  if (arguments.size() == 1 && (arguments[0] == "-h" || arguments[0] == "--help")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  varnak::gui::MainWindow window;
  if (!varnak::gui::OpenFromCommandLine(window, arguments)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  window.show();
  return app.exec();
}
