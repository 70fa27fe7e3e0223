// The window's whole state as one JSON object, and the command line of the
// headless report tool that drives the window and prints it.
#pragma once

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <vector>

#include "ui/form.h"

namespace varnak::app {

nlohmann::ordered_json WindowState(ui::TForm1& form);

// Runs `varnak-report [EVENT ...] [SAVE]` with `args` (without the program name):
// start-up, the load, the events in order, the exports; prints the state on `out`.
// Returns the exit status: 0 when the state was printed, 1 when it was but an export
// could not be written (why, on `err`), 2 for a command line that cannot be understood
// (a message on `err`, nothing on `out`).
int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varnak::app
