#include "app/window_report.h"

#include <CLI/CLI.hpp>

#include <map>
#include <optional>
#include <ostream>
#include <type_traits>

#include "app/command_line.h"
#include "app/png_file.h"
#include "app/save_table.h"
#include "ui/export_csv.h"
#include "saveio/codepage.h"
#include "ui/format.h"

namespace varnak::app {
namespace {

using nlohmann::ordered_json;

std::string Hex(ui::Color c) { return ui::Format("#%02X%02X%02X", c.R, c.G, c.B); }

ordered_json Describe(const ui::EditControl& c) {
  ordered_json edit = {{"kind", "edit"}, {"text", c.Text}, {"color", Hex(c.FontColor)}, {"visible", c.Visible}};
  if (!c.Caption.empty()) edit["caption"] = c.Caption;
  return edit;
}
ordered_json Describe(const ui::LabelControl& c) {
  return {{"kind", "label"}, {"text", c.Text}, {"color", Hex(c.FontColor)}, {"visible", c.Visible}};
}
ordered_json Describe(const ui::ListControl& c) { return {{"kind", "list"}, {"items", c.Items}}; }
ordered_json Describe(const ui::LogControl& c) {
  ordered_json lines = ordered_json::array();
  for (const ui::LogLine& line : c.Lines)
    lines.push_back({{"text", line.Text}, {"color", Hex(line.LineColor)}});
  return {{"kind", "log"}, {"lines", std::move(lines)}};
}
ordered_json Describe(const ui::SelectControl& c) {
  return {{"kind", "select"}, {"items", c.Items}, {"selected", c.Selected},
          {"text", c.Text},   {"visible", c.Visible}};
}
ordered_json Describe(const ui::CheckControl& c) {
  return {{"kind", "check"}, {"checked", c.Checked}, {"visible", c.Visible}};
}
ordered_json Describe(const ui::GridControl& c) {
  ordered_json rows = ordered_json::array();
  for (int r = 0; r < c.Rows; ++r) {
    ordered_json row = ordered_json::array();
    for (int col = 0; col < c.Columns; ++col) row.push_back(c.Cell(col, r));
    rows.push_back(std::move(row));
  }
  return {{"kind", "grid"}, {"cells", std::move(rows)}};
}
ordered_json Describe(const ui::ChartControl& c) {
  ordered_json series = ordered_json::array();
  for (const ui::ChartSeries& s : c.Series) {
    ordered_json points = ordered_json::array();
    for (const auto& [x, y] : s.Points) points.push_back({x, y});
    series.push_back({{"title", s.Title},
                      {"color", Hex(s.LineColor)},
                      {"legend", s.InLegend},
                      {"points", std::move(points)}});
  }
  return {{"kind", "chart"},
          {"axis", {{"min", c.AxisMin}, {"max", c.AxisMax}}},
          {"series", std::move(series)}};
}

ordered_json Describe(const ui::MapControl& c) {
  ordered_json legend = ordered_json::array();
  for (const ui::LegendEntry& entry : c.Legend) legend.push_back({{"text", entry.Text}, {"color", Hex(entry.Swatch)}});
  return {{"kind", "map"},
          {"mode", c.Mode},
          {"width", c.Picture.Width},
          {"height", c.Picture.Height},
          {"legend", std::move(legend)}};
}

class ReportHost : public ui::FormHost {
 public:
  std::optional<std::string> File;
  std::optional<std::string> ChooseSaveFile() override { return File; }
  void ShowError(const std::string&) override {}    // kept by the window's error list
  void ShowWarning(const std::string&) override {}  // kept by the load status
};

enum class EventKind { Select, Check, Edit, Type };

struct Event {
  EventKind Kind;
  std::string Name;
  std::string Value;
};

// NAME=VALUE, split at the first "=".
bool Split(const std::string& text, std::string& name, std::string& value) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  name = text.substr(0, eq);
  value = text.substr(eq + 1);
  return true;
}

template <typename Control>
bool HasControl(ui::TForm1& form, const std::string& wanted, bool editableOnly = false) {
  bool found = false;
  form.ForEachControl([&](std::string_view name, auto& control) {
    if constexpr (std::is_same_v<std::decay_t<decltype(control)>, Control>) {
      if (name == wanted) {
        if constexpr (std::is_same_v<Control, ui::SelectControl>)
          found = !editableOnly || control.Editable;
        else
          found = true;
      }
    }
  });
  return found;
}

// The world map's name: its picture goes out as PNG.
constexpr std::string_view kMapControl = "WorldMap";

bool CanExport(ui::TForm1& form, const std::string& wanted) {
  bool found = wanted == kMapControl;
  form.ForEachControl([&](std::string_view name, const auto& control) {
    if constexpr (ui::kHasCsv<std::decay_t<decltype(control)>>) found = found || name == wanted;
  });
  return found;
}

// Writes control `wanted` to `file`: CSV for a grid, list, log or the chart, PNG for the
// map. Nothing when written, else why not.
std::optional<std::string> Export(ui::TForm1& form, const std::string& wanted, const std::string& file) {
  std::optional<std::string> problem = "no control " + wanted + " to write";
  form.ForEachControl([&](std::string_view name, const auto& control) {
    if constexpr (ui::kHasCsv<std::decay_t<decltype(control)>>)
      if (name == wanted) problem = ui::WriteWholeFile(file, ui::CsvOf(control));
  });
  if (wanted == kMapControl) {
    // No save, a failed load or a hidden page leave no picture, and nothing is written.
    std::string why;
    problem = WritePng(form.WorldMap.Picture, file, why) ? std::nullopt : std::optional(why);
  }
  return problem;
}

std::optional<int> ParseIndex(const std::string& text) {
  try {
    return ui::StrToInt(text);
  } catch (const ui::ConvertError&) {
    return std::nullopt;
  }
}

}  // namespace

ordered_json WindowState(ui::TForm1& form) {
  const ui::LoadStatus& load = form.LastLoad();
  ordered_json state;
  state["caption"] = form.Caption;
  state["load"] = {{"file", load.File ? ordered_json(*load.File) : ordered_json(nullptr)},
                   {"ok", load.Ok},
                   {"error", load.Error ? ordered_json(*load.Error) : ordered_json(nullptr)},
                   {"warnings", load.Warnings},
                   {"codepage", CodePageName(form.ShownCodePage())}};
  state["errors"] = form.ErrorReports();
  ordered_json pages = ordered_json::array();
  for (const ui::Page& page : form.Pages)
    pages.push_back({{"caption", page.Caption}, {"visible", page.Visible}});
  state["pages"] = std::move(pages);
  ordered_json controls = ordered_json::object();
  form.ForEachControl(
      [&](std::string_view name, const auto& control) { controls[std::string(name)] = Describe(control); });
  state["controls"] = std::move(controls);
  return state;
}

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (AsksForTable(args)) return RunTable(args, out, err);
  CLI::App cli("The analyzer's window without a screen: prints its whole state as JSON.",
               "varnak-report");
  cli.footer(std::string("Many saves at once:\n") + kTableUsage);
  std::vector<std::string> selects, checks, edits, types, exports;
  std::vector<std::string> saves;
  auto* selectOpt = cli.add_option("--select", selects, "chose entry INDEX of selector NAME (NAME=INDEX)");
  auto* checkOpt = cli.add_option("--check", checks, "cleared (0) or ticked (1) check box NAME (NAME=0|1)");
  auto* editOpt = cli.add_option("--edit", edits, "replaced the text of edit box NAME, then left it (NAME=TEXT)");
  auto* typeOpt = cli.add_option("--type", types, "typed TEXT into the drop-down NAME (NAME=TEXT)");
  auto* exportOpt = cli.add_option("--export", exports, "write control NAME to FILE, after the events (NAME=FILE)");
  for (CLI::Option* o : {selectOpt, checkOpt, editOpt, typeOpt, exportOpt})
    o->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)->allow_extra_args(false);
  std::string codePage;
  AddCodePageOption(cli, codePage);
  cli.add_option("SAVE", saves, "the save file to load")->expected(0, 1);

  if (const std::optional<int> status = ParseCommandLine(cli, args, out, err)) return *status;

  // The events in command-line order.
  std::map<const CLI::Option*, size_t> taken;
  std::vector<Event> events;
  for (const CLI::Option* option : cli.parse_order()) {
    const std::vector<std::string>* values = nullptr;
    EventKind kind{};
    if (option == selectOpt) values = &selects, kind = EventKind::Select;
    else if (option == checkOpt) values = &checks, kind = EventKind::Check;
    else if (option == editOpt) values = &edits, kind = EventKind::Edit;
    else if (option == typeOpt) values = &types, kind = EventKind::Type;
    else continue;
    const std::string& raw = (*values)[taken[option]++];
    Event event{kind, {}, {}};
    if (!Split(raw, event.Name, event.Value)) {
      err << "varnak-report: expected NAME=VALUE, got '" << raw << "'\n";
      return 2;
    }
    events.push_back(std::move(event));
  }
  std::vector<std::pair<std::string, std::string>> toWrite;
  for (const std::string& raw : exports) {
    std::string name, file;
    if (!Split(raw, name, file) || file.empty()) {
      err << "varnak-report: expected NAME=FILE, got '" << raw << "'\n";
      return 2;
    }
    toWrite.emplace_back(std::move(name), std::move(file));
  }

  ReportHost host;
  ui::TForm1 form(host);
  for (const Event& e : events) {
    bool known = false;
    switch (e.Kind) {
      case EventKind::Select:
        known = HasControl<ui::SelectControl>(form, e.Name) && ParseIndex(e.Value).has_value();
        break;
      case EventKind::Check:
        known = HasControl<ui::CheckControl>(form, e.Name) && (e.Value == "0" || e.Value == "1");
        break;
      case EventKind::Edit: known = HasControl<ui::EditControl>(form, e.Name); break;
      case EventKind::Type: known = HasControl<ui::SelectControl>(form, e.Name, true); break;
    }
    if (!known) {
      err << "varnak-report: no such control or value: " << e.Name << "=" << e.Value << "\n";
      return 2;
    }
  }
  for (const auto& [name, file] : toWrite) {
    if (!CanExport(form, name)) {
      err << "varnak-report: no control to export: " << name << "\n";
      return 2;
    }
  }

  form.UserChooseEncoding(*ui::TextEncodingFromName(codePage));
  if (!saves.empty()) {
    host.File = saves.front();
    form.UserLoad();
  }
  for (const Event& e : events) {
    switch (e.Kind) {
      case EventKind::Select: form.UserSelect(e.Name, *ParseIndex(e.Value)); break;
      case EventKind::Check: form.UserCheck(e.Name, e.Value == "1"); break;
      case EventKind::Edit: form.UserEdit(e.Name, e.Value); break;
      case EventKind::Type: form.UserType(e.Name, e.Value); break;
    }
  }
  int status = 0;
  for (const auto& [name, file] : toWrite) {
    if (const std::optional<std::string> problem = Export(form, name, file)) {
      err << "varnak-report: " << name << ": " << *problem << "\n";
      status = 1;
    }
  }
  out << WindowState(form).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
  return status;
}

}  // namespace varnak::app
