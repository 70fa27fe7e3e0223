// What the window's report and the table read from their command lines alike.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/text_encoding.h"

namespace varnak::app {

// Adds the option to `cli`, keeping its name in `name` ("auto" unless given). A name that
// is no encoding fails the parse, as any command line that cannot be understood does.
inline CLI::Option* AddCodePageOption(CLI::App& cli, std::string& name) {
  name = std::string(ui::TextEncodingName(ui::TextEncoding::Auto));
  const CLI::Validator known(
      [](std::string& value) {
        return ui::TextEncodingFromName(value) ? std::string() : "no such code page: " + value;
      },
      "auto|cp1252|cp1251|latin1");
  return cli
      .add_option("--codepage", name,
                  "how the save's 8-bit texts are shown: auto (chosen from the save's own texts), "
                  "cp1252 (Western), cp1251 (Cyrillic) or latin1")
      ->check(known);
}

// Parses `args` (the arguments after the program's name). The exit status when the run
// ends here: 0 after the help asked for, 2 (with a message) for a command line that
// cannot be understood; nothing when the run goes on.
inline std::optional<int> ParseCommandLine(CLI::App& cli, const std::vector<std::string>& args,
                                           std::ostream& out, std::ostream& err) {
  // CLI11 would take "/x.sav" for an option "/x.sav" on Windows: the same command line
  // everywhere, options with dashes only.
  cli.allow_windows_style_options(false);
  std::vector<std::string> argv(args.rbegin(), args.rend());  // CLI11 takes them last first
  try {
    cli.parse(argv);
  } catch (const CLI::CallForHelp& e) {
    return cli.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    err << "varnak-report: " << e.what() << "\n";
    return 2;
  }
  return std::nullopt;
}

}  // namespace varnak::app
