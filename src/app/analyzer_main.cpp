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
  const std::vector<std::string> arguments(argv + 1, argv + argc);
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
