// One step of opening a save in a fresh process of its own (this program started
// again), so that nothing an earlier step left counts: its peak memory, and the time
// of a load that has nothing of an earlier one to reuse.
#pragma once

#include <string>

namespace varnak::bench {

// The steps a child process can run: "bare" (nothing), "toolkit" (the desktop window
// shown, no save), "headless" (the headless window's load), "desktop" (the window with
// the save loaded and every page painted), "start" (the program's own start, with the
// save on its command line or none for an empty path, until its window is painted).
inline constexpr char kStepFlag[] = "--varnak-step";

// Runs one step in this process, as the child started with kStepFlag, and writes its
// peak resident set in KiB and how long the load took to the standard output; the
// exit code.
int RunStepAsChild(const std::string& step, const std::string& save);

struct StepInProcess {
  long PeakKiB = 0;
  double LoadMs = 0;  // the save's load (for "headless" and "desktop"): the first of the process
};

// Starts this program again to run `step` on `save`.
StepInProcess RunInOwnProcess(const std::string& step, const std::string& save);

// Milliseconds from starting this program again to run "start" until its window is
// painted (with the save loaded, when one is given): what a user waits for at
// the program's start. The child's exit is not counted.
double ColdStartMs(const std::string& save);

}  // namespace varnak::bench
