#include "fresh_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "stages.h"
#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"

extern char** environ;

namespace varnak::bench {

namespace {

// The peak resident set of this process image. getrusage's ru_maxrss would not do: it
// survives exec, so a child started from this program would report this program's
// own peak whenever that is the larger.
long OwnPeakKiB() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  Require(status != nullptr, "cannot read /proc/self/status");
  char line[256];
  long kib = -1;
  while (std::fgets(line, sizeof line, status) != nullptr)
    if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
  std::fclose(status);
  Require(kib > 0, "no VmHWM in /proc/self/status");
  return kib;
}

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Counts the paints of the window that come once the window has what it is to show.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(gui::MainWindow& window, bool withSave) : window_(window), withSave_(withSave) {}
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() == QEvent::Paint && target->isWidgetType() &&
        static_cast<QWidget*>(target)->window() == &window_ && (!withSave_ || window_.Form().LastLoad().Ok))
      Seen = true;
    return false;
  }
  bool Seen = false;

 private:
  gui::MainWindow& window_;
  bool withSave_;
};

// The program's start as varnak-analyzer's main runs it, until the window is painted;
// then a line on the standard output tells the parent, which stops its clock there.
int StartLikeTheProgram(const std::string& save) {
  int argc = 1;
  char name[] = "varnak_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  gui::SetUpApplication();
  QuietenOffscreenPlatform();
  gui::MainWindow window;
  FirstPaint painted(window, !save.empty());
  app.installEventFilter(&painted);
  std::vector<std::string> arguments;
  if (!save.empty()) arguments.push_back(save);
  Require(gui::OpenFromCommandLine(window, arguments), "the command line was refused");
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (!painted.Seen) {
    Require(waited.elapsed() < 60'000, "the window was not painted within a minute");
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  std::printf("painted\n");
  std::fflush(stdout);
  return 0;
}

int RunStep(const std::string& step, const std::string& save, double& loadMs) {
  if (step == "bare") return 0;
  if (step == "headless") {
    QuietHost host;
    ui::TForm1 form(host);
    const auto start = std::chrono::steady_clock::now();
    HeadlessLoad(form, save);
    loadMs = MsSince(start);
    return 0;
  }
  int argc = 1;
  char name[] = "varnak_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  gui::SetUpApplication();
  QuietenOffscreenPlatform();
  const std::unique_ptr<gui::MainWindow> window = StartDesktopWindow();
  if (step == "toolkit") {
    PaintEveryPage(*window);
    return 0;
  }
  if (step == "desktop") {
    const auto start = std::chrono::steady_clock::now();
    LoadIntoDesktopWindow(*window, save);
    loadMs = MsSince(start);
    return 0;
  }
  return 2;
}

}  // namespace

int RunStepAsChild(const std::string& step, const std::string& save) {
  if (step == "start") return StartLikeTheProgram(save);
  double loadMs = 0;
  const int rc = RunStep(step, save, loadMs);
  if (rc == 0) std::printf("%ld %.3f\n", OwnPeakKiB(), loadMs);
  return rc;
}

namespace {

struct Child {
  pid_t Pid = 0;
  int Output = -1;  // the read end of its standard output
};

Child Spawn(const std::string& step, const std::string& save) {
  std::string self(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
  Require(n > 0, "cannot find this program's own file");
  self.resize(static_cast<size_t>(n));
  std::string flag = kStepFlag;
  std::string stepArg = step;
  std::string saveArg = save;
  char* argv[] = {self.data(), flag.data(), stepArg.data(), saveArg.data(), nullptr};

  int out[2];
  Require(pipe(out) == 0, "cannot make a pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  Child child;
  const int spawned = posix_spawn(&child.Pid, self.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  Require(spawned == 0, "cannot start " + self);
  child.Output = out[0];
  return child;
}

// Reads what the child says until it closes its output, or only up to the first line.
std::string Listen(const Child& child, bool firstLineOnly) {
  std::string said;
  char buffer[64];
  for (ssize_t got; (got = read(child.Output, buffer, sizeof buffer)) > 0;) {
    said.append(buffer, static_cast<size_t>(got));
    if (firstLineOnly && said.find('\n') != std::string::npos) break;
  }
  return said;
}

void Reap(const Child& child, const std::string& step) {
  close(child.Output);
  int status = 0;
  Require(waitpid(child.Pid, &status, 0) == child.Pid, "lost the child process");
  Require(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the step " + step + " failed");
}

}  // namespace

StepInProcess RunInOwnProcess(const std::string& step, const std::string& save) {
  const Child child = Spawn(step, save);
  const std::string said = Listen(child, false);
  Reap(child, step);
  StepInProcess result;
  Require(std::sscanf(said.c_str(), "%ld %lf", &result.PeakKiB, &result.LoadMs) == 2,
          "the step " + step + " said nothing");
  return result;
}

double ColdStartMs(const std::string& save) {
  const auto start = std::chrono::steady_clock::now();
  const Child child = Spawn("start", save);
  const std::string said = Listen(child, true);
  const double ms = MsSince(start);
  Require(said == "painted\n", "the window did not say it was painted");
  Reap(child, "start");
  return ms;
}

}  // namespace varnak::bench
