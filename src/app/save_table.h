// `varnak-report --table [--codepage NAME] SAVE...`: the figures that organisers
// check, one CSV row per save, each save loaded by the window's own load.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace varnak::app {

// How the report tool's help names the table.
inline constexpr const char* kTableUsage =
    "varnak-report --table [--codepage NAME] SAVE...\n"
    "  loads each SAVE in turn and prints one CSV row per SAVE instead: nick, leader, turn,\n"
    "  date, scores, status, sessions and reloads; a save that fails to load gets its row\n"
    "  with the reason in \"Problem\". Texts are shown as --codepage says (auto: each\n"
    "  save in the code page its own texts point to).";

// True when `args` ask for the table rather than the window's state.
bool AsksForTable(const std::vector<std::string>& args);

// Runs `varnak-report --table [--codepage NAME] SAVE...` with `args` (without the program
// name). One window loads every save in turn, each load replacing the last, so that
// memory stays flat. Returns 0 when the table was printed on `out`, whatever the saves
// held; 2 for a command line that cannot be understood (a message on `err`, nothing on
// `out`).
int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varnak::app
