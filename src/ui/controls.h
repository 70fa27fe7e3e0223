// The state of the window's controls, without any toolkit: what each control shows.
// Texts are UTF-8; a view writes the save's texts through TForm1::ShowText, in the
// code page in force.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnak::ui {

struct Color {
  uint8_t R = 0, G = 0, B = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kGreen{0, 128, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kPurple{128, 0, 128};
inline constexpr Color kGrey{128, 128, 128};
inline constexpr Color kOlive{128, 128, 0};

// The colour codes the game stores with replay and log messages, as both logs show them;
// a code the game has no colour for shows black.
inline constexpr Color GameMessageColor(int32_t code) {
  switch (code) {
    case 34: return kGrey;
    case 36: return kBlue;
    case 37: return kGreen;
    case 38: return kRed;
    default: return kBlack;
  }
}

struct EditControl {
  std::string Text;
  Color FontColor = kBlack;
  bool Visible = true;
  bool ReadOnly = false;  // shown, but not for the user to change
  // The fixed label beside the box where the game's tables name it (the memory kinds),
  // so that the report can name what the box counts; empty for the rest.
  std::string_view Caption;
};

// A label whose text a view writes.
struct LabelControl {
  std::string Text;
  Color FontColor = kBlack;
  bool Visible = true;
};

struct ListControl {
  std::vector<std::string> Items;
};

// Where the parts of a dated log line begin in its text: the turn runs up to DateAt,
// the date up to EventAt. Both 0 for a line that is only a notice ("Not Available").
struct LogFields {
  uint32_t DateAt = 0;
  uint32_t EventAt = 0;
  friend bool operator==(const LogFields&, const LogFields&) = default;
};

struct LogLine {
  std::string Text;
  Color LineColor = kBlack;
  LogFields Fields;  // what an export splits the line into
};

// A rich-text box with a colour per line.
struct LogControl {
  std::vector<LogLine> Lines;
  void Clear() { Lines.clear(); }
  void Add(std::string text, Color color) { Lines.push_back({std::move(text), color, {}}); }
};

struct SelectControl {
  std::vector<std::string> Items;
  int Selected = -1;
  std::string Text;        // what the box shows (for editable boxes: what was typed)
  bool Visible = true;
  bool Editable = false;   // accepts typed text
  void Clear() {
    Items.clear();
    Selected = -1;
    Text.clear();
  }
  void Select(int index) {
    Selected = index >= 0 && index < static_cast<int>(Items.size()) ? index : -1;
    Text = Selected >= 0 ? Items[static_cast<size_t>(Selected)] : std::string();
  }
};

struct CheckControl {
  std::string Caption;
  bool Checked = false;
  bool Visible = true;
};

struct GridControl {
  int Columns = 0;
  int Rows = 0;
  std::vector<int> ColumnWidths;
  std::vector<std::string> CellText;  // row by row

  GridControl() = default;
  GridControl(int columns, int rows)
      : Columns(columns), Rows(rows), ColumnWidths(static_cast<size_t>(columns), 64),
        CellText(static_cast<size_t>(columns * rows)) {}
  std::string& Cell(int column, int row) {
    return CellText[static_cast<size_t>(row * Columns + column)];
  }
  const std::string& Cell(int column, int row) const {
    return CellText[static_cast<size_t>(row * Columns + column)];
  }
};

struct ChartSeries {
  std::string Title;
  Color LineColor = kBlack;
  bool InLegend = true;
  std::vector<std::pair<int32_t, int32_t>> Points;
};

inline constexpr int kSeriesCount = 19;

struct ChartControl {
  int32_t AxisMin = 0;
  int32_t AxisMax = 0;
  std::array<ChartSeries, kSeriesCount> Series;
};

// A picture of the map, one RGB pixel per plot, north up: its top row is the plot
// table's last row, its left column the table's column 0.
struct MapPicture {
  int32_t Width = 0;   // in plots
  int32_t Height = 0;
  std::vector<uint8_t> Rgb;  // Width x Height x 3 bytes, row by row from the top

  Color Pixel(int32_t x, int32_t top) const {
    const size_t at = (static_cast<size_t>(top) * static_cast<size_t>(Width) + static_cast<size_t>(x)) * 3;
    return {Rgb[at], Rgb[at + 1], Rgb[at + 2]};
  }
};

struct LegendEntry {
  std::string Text;
  Color Swatch;
};

// A city drawn on the map: its plot and its name.
struct MapCity {
  int32_t X = 0;
  int32_t Y = 0;
  std::string Name;
};

struct MapControl {
  std::string Mode;  // the name of the mode shown
  MapPicture Picture;
  std::vector<LegendEntry> Legend;
  std::vector<MapCity> Cities;  // only those on the picture
  // A plot the window asks to be shown in the middle (a city opened from the cities
  // grid); each request has a new serial.
  int32_t FocusX = -1;
  int32_t FocusY = -1;
  uint32_t FocusSerial = 0;
};

struct Page {
  std::string Caption;
  bool Visible = true;
};

}  // namespace varnak::ui
