#include "peak_memory.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>

#include "stages.h"
#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"

extern char** environ;

namespace varnak::bench {

int RunPeakStep(const std::string& step, const std::string& save) {
  if (step == "bare") return 0;
  if (step == "headless") {
    QuietHost host;
    ui::TForm1 form(host);
    HeadlessLoad(form, save);
    return 0;
  }
  int argc = 1;
  char name[] = "varnak_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  gui::SetUpApplication();
  if (step == "toolkit") {
    gui::MainWindow window;
    window.show();
    PaintEveryPage(window);
    return 0;
  }
  if (step == "desktop") {
    (void)OpenDesktopWindow(save);
    return 0;
  }
  return 2;
}

long PeakKiB(const std::string& step, const std::string& save) {
  std::string self(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
  Require(n > 0, "cannot find this program's own file");
  self.resize(static_cast<size_t>(n));
  std::string flag = kPeakFlag;
  std::string stepArg = step;
  std::string saveArg = save;
  char* argv[] = {self.data(), flag.data(), stepArg.data(), saveArg.data(), nullptr};
  pid_t child = 0;
  Require(posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, environ) == 0,
          "cannot start " + self);
  int status = 0;
  rusage usage{};
  Require(wait4(child, &status, 0, &usage) == child, "lost the child process");
  Require(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the step " + step + " failed");
  return usage.ru_maxrss;
}

}  // namespace varnak::bench
