// varnak-analyzer [SAVE | --follow FOLDER]: the desktop window; opens SAVE, or follows FOLDER, at start.
#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"

namespace {

constexpr const char* kUsage = "Usage: varnak-analyzer [SAVE | --follow FOLDER]\n";
constexpr const char* kHelp =
    "\n"
    "Shows what a save of Varnak or its expansion Skarn holds: the game's settings, the map,\n"
    "leaders and teams, the replay log, history charts, player logs, sessions and reloads,\n"
    "one player's economy and technologies, two score calculators and a leader-attitude\n"
    "breakdown. It only reads saves; it never writes one.\n"
    "\n"
    "  SAVE             the save to open at start; \"Load File\" opens another\n"
    "  --follow FOLDER  open the newest save in FOLDER, then every newer one that the\n"
    "                   game writes there (File > Follow Save Folder)\n"
    "  -h, --help       print this help and exit\n"
    "\n"
    "Qt's own options (-platform, -style, ...) are taken as well.\n";

bool AsksForHelp(const std::vector<std::string>& arguments) {
  return arguments.size() == 1 && (arguments[0] == "-h" || arguments[0] == "--help");
}

int PrintHelp() {
  std::fputs(kUsage, stdout);
  std::fputs(kHelp, stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Also before the toolkit starts, so that the help needs no display: the manual
  // page is made from it at build time.
  if (AsksForHelp({argv + 1, argv + argc})) return PrintHelp();
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  varnak::gui::SetUpApplication();
  // Qt's list is read from the wide command line on Windows, where argv cannot hold
  // every file name; the window takes paths as UTF-8.
  std::vector<std::string> arguments;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());
  varnak::gui::MainWindow window;
  if (!varnak::gui::OpenFromCommandLine(window, arguments)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  window.show();
  return app.exec();
}
