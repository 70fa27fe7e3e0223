#include "fresh_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

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
  double loadMs = 0;
  const int rc = RunStep(step, save, loadMs);
  if (rc == 0) std::printf("%ld %.3f\n", OwnPeakKiB(), loadMs);
  return rc;
}

StepInProcess RunInOwnProcess(const std::string& step, const std::string& save) {
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
  pid_t child = 0;
  const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  Require(spawned == 0, "cannot start " + self);
  std::string said;
  char buffer[64];
  for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<size_t>(got));
  close(out[0]);
  int status = 0;
  Require(waitpid(child, &status, 0) == child, "lost the child process");
  Require(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the step " + step + " failed");
  StepInProcess result;
  Require(std::sscanf(said.c_str(), "%ld %lf", &result.PeakKiB, &result.LoadMs) == 2,
          "the step " + step + " said nothing");
  return result;
}

}  // namespace varnak::bench
