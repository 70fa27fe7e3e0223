#include "app/save_table.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string_view>

#include "app/command_line.h"
#include "ui/form.h"

namespace varnak::app {
namespace {

struct Column {
  const char* Header;
  ui::EditControl ui::TForm1::*Box;
};

// After "File" and "Problem", each column is the text of one edit box of the window.
constexpr Column kColumns[] = {
    {"Nick", &ui::TForm1::NickE},
    {"Leader", &ui::TForm1::LeaderE},
    {"Nation", &ui::TForm1::CountryE},
    {"Turn", &ui::TForm1::Edit3},
    {"Date", &ui::TForm1::Edit4},
    {"Difficulty", &ui::TForm1::Edit8},
    {"Game score", &ui::TForm1::Edit6},
    {"Final score", &ui::TForm1::Edit13},
    {"Status", &ui::TForm1::Edit7},
    {"Playing time", &ui::TForm1::Edit5},
    {"Sessions", &ui::TForm1::Edit9},
    {"Pre-sessions", &ui::TForm1::Edit11},
    {"Play sessions", &ui::TForm1::Edit10},
    {"Average session", &ui::TForm1::Edit12},
    {"Ordo score", &ui::TForm1::OrdoSumFinalE},
};

// The dialog of "Load File" answers with the next save of the command line.
class TableHost : public ui::FormHost {
 public:
  std::optional<std::string> File;
  std::optional<std::string> ChooseSaveFile() override { return File; }
  void ShowError(const std::string&) override {}    // the row says it
  void ShowWarning(const std::string&) override {}  // the row says it
};

// Quoted when it holds a comma, a quote or a line break, as RFC 4180 asks.
void WriteField(std::ostream& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out << text;
    return;
  }
  out << '"';
  for (char c : text) {
    if (c == '"') out << '"';
    out << c;
  }
  out << '"';
}

// The window pads numbers to fixed widths; a table cell wants the value alone.
std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

template <typename Fields>
void WriteRow(std::ostream& out, const Fields& fields) {
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) out << ',';
    first = false;
    WriteField(out, field);
  }
  out << "\r\n";
}

void WriteHeader(std::ostream& out) {
  std::vector<std::string_view> header = {"File", "Problem"};
  for (const Column& column : kColumns) header.emplace_back(column.Header);
  WriteRow(out, header);
}

// The row of the save the window has just tried to load; a failed load leaves the
// previous save on show, so its row takes nothing from the controls.
void WriteSaveRow(std::ostream& out, const std::string& save, ui::TForm1& form) {
  const ui::LoadStatus& load = form.LastLoad();
  std::string problem;
  if (!load.Ok) {
    problem = load.Error.value_or("");
  } else {
    for (const std::string& warning : load.Warnings) {
      if (!problem.empty()) problem += "; ";
      problem += warning;
    }
  }
  std::vector<std::string_view> row = {save, problem};
  for (const Column& column : kColumns)
    row.push_back(load.Ok ? Trimmed((form.*column.Box).Text) : std::string_view());
  WriteRow(out, row);
}

}  // namespace

bool AsksForTable(const std::vector<std::string>& args) {
  return std::find(args.begin(), args.end(), "--table") != args.end();
}

int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App cli("Loads each SAVE in turn and prints one CSV row per SAVE.", "varnak-report --table");
  std::vector<std::string> saves;
  bool table = false;
  cli.add_flag("--table", table, "one CSV row per SAVE")->required();
  std::string codePage;
  AddCodePageOption(cli, codePage);
  cli.add_option("SAVE", saves, "the save files, in the order of their rows")->required();
  if (const std::optional<int> status = ParseCommandLine(cli, args, out, err)) return *status;

  TableHost host;
  ui::TForm1 form(host);
  form.UserChooseEncoding(*ui::TextEncodingFromName(codePage));
  WriteHeader(out);
  for (const std::string& save : saves) {
    host.File = save;
    form.UserLoad();
    WriteSaveRow(out, save, form);
  }
  return 0;
}

}  // namespace varnak::app
