#include "ui/export_csv.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "saveio/platform.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {
namespace {

// The window's fixed formats pad numbers and dates with blanks; a spreadsheet wants
// the values.
std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void AppendField(std::string& out, std::string_view text) {
  text = Trimmed(text);
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

// Fields separated by commas, the record ended by CRLF.
class CsvRecord {
 public:
  explicit CsvRecord(std::string& out) : out_(out) {}
  CsvRecord(const CsvRecord&) = delete;
  CsvRecord& operator=(const CsvRecord&) = delete;
  ~CsvRecord() { out_ += "\r\n"; }
  CsvRecord& operator<<(std::string_view text) {
    if (!first_) out_ += ',';
    first_ = false;
    AppendField(out_, text);
    return *this;
  }

 private:
  std::string& out_;
  bool first_ = true;
};

std::string_view Part(const std::string& text, size_t from, size_t to) {
  from = std::min(from, text.size());
  return std::string_view(text).substr(from, std::min(to, text.size()) - from);
}

}  // namespace

std::string CsvOf(const GridControl& grid) {
  std::string out;
  for (int r = 0; r < grid.Rows; ++r) {
    CsvRecord record(out);
    for (int c = 0; c < grid.Columns; ++c) record << grid.Cell(c, r);
  }
  return out;
}

std::string CsvOf(const ListControl& list) {
  std::string out;
  CsvRecord(out) << "Item";
  for (const std::string& item : list.Items) CsvRecord(out) << item;
  return out;
}

std::string CsvOf(const LogControl& log) {
  std::string out;
  CsvRecord(out) << "Turn" << "Date" << "Event" << "Color";
  for (const LogLine& line : log.Lines) {
    const LogFields& f = line.Fields;
    const Color c = line.LineColor;
    CsvRecord(out) << Part(line.Text, 0, f.DateAt) << Part(line.Text, f.DateAt, f.EventAt)
                   << Part(line.Text, f.EventAt, line.Text.size())
                   << Format("#%02X%02X%02X", c.R, c.G, c.B);
  }
  return out;
}

std::string CsvOf(const ChartControl& chart) {
  std::vector<const ChartSeries*> drawn;
  std::vector<int32_t> turns;
  for (const ChartSeries& series : chart.Series) {
    if (series.Points.empty()) continue;
    drawn.push_back(&series);
    for (const auto& point : series.Points) turns.push_back(point.first);
  }
  std::sort(turns.begin(), turns.end());
  turns.erase(std::unique(turns.begin(), turns.end()), turns.end());

  std::string out;
  {
    CsvRecord header(out);
    header << "Turn";
    for (const ChartSeries* series : drawn) header << series->Title;
  }
  // Each series' points are in turn order: one cursor per series walks along the rows.
  std::vector<size_t> next(drawn.size(), 0);
  for (const int32_t turn : turns) {
    CsvRecord row(out);
    row << std::to_string(turn);
    for (size_t s = 0; s < drawn.size(); ++s) {
      const auto& points = drawn[s]->Points;
      size_t& i = next[s];
      while (i < points.size() && points[i].first < turn) ++i;
      row << (i < points.size() && points[i].first == turn ? std::to_string(points[i].second) : "");
    }
  }
  return out;
}

std::optional<std::string> CsvOfControl(TForm1& form, std::string_view wanted) {
  std::optional<std::string> csv;
  form.ForEachControl([&](std::string_view name, const auto& control) {
    if constexpr (kHasCsv<std::decay_t<decltype(control)>>)
      if (!csv && name == wanted) csv = CsvOf(control);
  });
  return csv;
}

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes) {
  std::ofstream file(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  if (file) file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file) file.close();
  if (file) return std::nullopt;
  return "Cannot write '" + path + "': " + std::strerror(errno) + ".";
}

}  // namespace varnak::ui
