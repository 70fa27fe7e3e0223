// Peak memory of one step of opening a save, each measured in a fresh process of its
// own (this program started again), so that nothing an earlier step left counts.
#pragma once

#include <string>

namespace varnak::bench {

// The steps a child process can run: "bare" (nothing), "toolkit" (the desktop window
// shown, no save), "headless" (the headless window's load), "desktop" (the window with
// the save loaded and every page painted).
inline constexpr char kPeakFlag[] = "--varnak-peak";

// Runs one step in this process, as the child started with kPeakFlag, and writes its
// peak resident set in KiB to the standard output; the exit code.
int RunPeakStep(const std::string& step, const std::string& save);

// Starts this program again to run `step` on `save`; the child's peak resident set in KiB.
long PeakKiB(const std::string& step, const std::string& save);

}  // namespace varnak::bench
