// The controls a user can take away: a grid, list, log or the chart as CSV (RFC 4180,
// UTF-8, a header row), the same text for the desktop's export and clipboard and for
// `varnak-report --export`.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "ui/controls.h"

namespace varnak::ui {

class TForm1;

// A grid's cells, row 0 (the headers) first.
std::string CsvOf(const GridControl& grid);
// One item per row under the header "Item".
std::string CsvOf(const ListControl& list);
// "Turn", "Date", "Event", "Color" (#RRGGBB), one row per line shown.
std::string CsvOf(const LogControl& log);
// "Turn" and one column per series that holds points, one row per turn drawn.
std::string CsvOf(const ChartControl& chart);

template <typename Control>
inline constexpr bool kHasCsv =
    std::is_same_v<Control, GridControl> || std::is_same_v<Control, ListControl> ||
    std::is_same_v<Control, LogControl> || std::is_same_v<Control, ChartControl>;

// The CSV of the window's control `name`; nothing when no control of that name has one.
std::optional<std::string> CsvOfControl(TForm1& form, std::string_view name);

// Writes `bytes` to the file at the UTF-8 `path`, replacing it. Nothing when written,
// else why not, in one sentence.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace varnak::ui
