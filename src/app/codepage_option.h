// `--codepage NAME`, which both the window's report and the table take.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

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

}  // namespace varnak::app
