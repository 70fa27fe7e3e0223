// The "World" and "Cities" pages: the map as a picture with its legend and city
// markers, and one grid row per city the model keeps.
#include <algorithm>

#include "analysis/calendar.h"
#include "reference/reference_tables.h"
#include "ui/form.h"
#include "ui/format.h"
#include "ui/world_map.h"

namespace varnak::ui {
namespace {

size_t At(int32_t i) { return static_cast<size_t>(i); }

constexpr const char* kCityHeaders[] = {"\xE2\x84\x96", "City",    "Owner",      "X",
                                        "Y",            "Founded", "Population", "Culture"};
constexpr int kCityColumns = 8;

template <size_t N>
std::string CodeName(const std::array<std::string_view, N>& table, int32_t code, const char* none) {
  if (code < 0) return none;
  return At(code) < N ? std::string(table[At(code)]) : "Unknown";
}

MapMode ModeOf(const SelectControl& box) {
  return box.Selected > 0 && box.Selected < kMapModeCount ? static_cast<MapMode>(box.Selected) : MapMode::Political;
}

std::array<Color, kSlotCount> SeriesColours(const ChartControl& chart) {
  std::array<Color, kSlotCount> colours{};
  for (size_t i = 0; i < colours.size(); ++i) colours[i] = chart.Series[i].LineColor;
  return colours;
}

}  // namespace

std::string TForm1::PlayerName(int32_t slot) const {
  return ShowText(model_->SlotTable[At(slot)].SlotName, TextField::SlotName, slot);
}

std::string TForm1::CityName(int32_t slot, size_t index) const {
  return ShowText(model_->PlayerCities[At(slot)][index].Name, TextField::CityName, slot,
                  static_cast<int32_t>(index));
}

void TForm1::DrawWorldMap() {
  const GameModel& m = *model_;
  const MapMode mode = ModeOf(WorldMapModeSelect);
  WorldMap.Mode = kMapModeNames[static_cast<size_t>(mode)];
  WorldMap.Picture = {};
  WorldMap.Legend.clear();
  WorldMap.Cities.clear();
  if (!Pages[kWorldPage].Visible || m.PlotTable.Cells.empty()) return;  // no picture, nothing to explain

  // The political colours are the Graph page's, so that the map and the chart agree.
  const MapPalette palette(SeriesColours(HistoryChart));
  WorldMap.Picture = DrawMapPicture(m.PlotTable, mode, palette);

  std::vector<NamedPlayer> named;
  if (mode == MapMode::Political) {
    std::array<bool, kSlotCount> owns{};
    for (const TPlotRec& plot : m.PlotTable.Cells)
      if (plot.Owner < kSlotCount) owns[plot.Owner] = true;
    for (int32_t i = 0; i < kSlotCount; ++i)
      if (owns[At(i)] || !m.SlotTable[At(i)].SlotName.empty()) named.push_back({i, PlayerName(i)});
  }
  WorldMap.Legend = MapLegend(mode, palette, named);

  for (int32_t slot = 0; slot < kSlotCount; ++slot) {
    const auto& cities = m.PlayerCities[At(slot)];
    for (size_t k = 0; k < cities.size(); ++k)
      if (m.PlotTable.Holds(cities[k].X, cities[k].Y))
        WorldMap.Cities.push_back({cities[k].X, cities[k].Y, CityName(slot, k)});
  }
}

void TForm1::PrintCitiesPage() {
  const GameModel& m = *model_;
  cityRows_.clear();
  if (Pages[kCitiesPage].Visible) {
    int32_t number = 0;
    for (int32_t slot = 0; slot < kSlotCount; ++slot) {
      const auto& cities = m.PlayerCities[At(slot)];
      for (size_t c = 0; c < cities.size(); ++c) cityRows_.push_back({slot, static_cast<int32_t>(c), ++number});
    }
  }
  // The order the user chose by a header stays from load to load.
  SortCityRows();
  WriteCitiesGrid();
}

void TForm1::WriteCitiesGrid() {
  const GameModel& m = *model_;
  CitiesGrid.Rows = static_cast<int>(cityRows_.size()) + 1;
  CitiesGrid.CellText.assign(At(CitiesGrid.Rows) * kCityColumns, std::string());
  for (int c = 0; c < kCityColumns; ++c) CitiesGrid.Cell(c, 0) = kCityHeaders[c];
  // Dates shown by the views do not move the turn count the graph draws.
  int32_t scratchElapsed = m.ElapsedTurns;
  std::string month;
  int row = 1;
  for (const CityRow& r : cityRows_) {
    const TCityRec& city = m.PlayerCities[At(r.Slot)][At(r.Index)];
    const int32_t year = Turn2Date(m.GameSpeed, city.FoundedTurn, month, scratchElapsed);
    CitiesGrid.Cell(0, row) = Format("%d", r.Number);
    CitiesGrid.Cell(1, row) = CityName(r.Slot, At(r.Index));
    CitiesGrid.Cell(2, row) = PlayerName(r.Slot);
    CitiesGrid.Cell(3, row) = Format("%d", city.X);
    CitiesGrid.Cell(4, row) = Format("%d", city.Y);
    CitiesGrid.Cell(5, row) = month.empty() ? PaddedYear(year) : PaddedYear(year) + " " + month;
    CitiesGrid.Cell(6, row) = Format("%d", city.Population);
    CitiesGrid.Cell(7, row) = Format("%9.2f", city.Culture / 100.0);
    ++row;
  }
}

bool TForm1::UserSortGrid(const std::string& name, int column) {
  if (name != "CitiesGrid" || column < 0 || column >= kCityColumns) return false;
  citiesSortDescending_ = column == citiesSortColumn_ && !citiesSortDescending_;
  citiesSortColumn_ = column;
  SortCityRows();
  WriteCitiesGrid();
  return true;
}

void TForm1::SortCityRows() {
  const int column = citiesSortColumn_;
  if (column < 0) return;
  const GameModel& m = *model_;
  auto city = [&](const CityRow& r) -> const TCityRec& { return m.PlayerCities[At(r.Slot)][At(r.Index)]; };
  auto number = [&](const CityRow& r) -> int64_t {
    switch (column) {
      case 3: return city(r).X;
      case 4: return city(r).Y;
      case 5: return city(r).FoundedTurn;
      case 6: return city(r).Population;
      case 7: return city(r).Culture;
      default: return r.Number;
    }
  };
  // Texts compare as shown; ties keep the order of the file either way.
  auto before = [&](const CityRow& a, const CityRow& b) {
    if (column == 1 || column == 2) {
      const std::string ta = column == 1 ? CityName(a.Slot, At(a.Index)) : PlayerName(a.Slot);
      const std::string tb = column == 1 ? CityName(b.Slot, At(b.Index)) : PlayerName(b.Slot);
      if (ta != tb) return citiesSortDescending_ ? tb < ta : ta < tb;
    } else if (number(a) != number(b)) {
      return citiesSortDescending_ ? number(b) < number(a) : number(a) < number(b);
    }
    return a.Number < b.Number;
  };
  std::sort(cityRows_.begin(), cityRows_.end(), before);
}

bool TForm1::UserOpenCity(int row) {
  if (row < 1 || At(row) > cityRows_.size()) return false;
  const CityRow& r = cityRows_[At(row - 1)];
  const TCityRec& city = model_->PlayerCities[At(r.Slot)][At(r.Index)];
  WorldMap.FocusX = city.X;
  WorldMap.FocusY = city.Y;
  ++WorldMap.FocusSerial;
  RequestedPage = kWorldPage;
  ++PageRequestSerial;
  return true;
}

std::string TForm1::PlotDescription(int32_t column, int32_t row) const {
  const GameModel& m = *model_;
  if (WorldMap.Picture.Width == 0 || !m.PlotTable.Holds(column, row)) return {};
  const TPlotRec& plot = m.PlotTable.At(row, column);
  std::string text = Format("X %d, Y %d: ", column, row);
  text += CodeName(reference::PlotTypeNames, plot.PlotType, "Unknown");
  text += ", " + CodeName(reference::TerrainNames, plot.TerrainType, "Unknown");
  text += ", " + CodeName(reference::FeatureNames, plot.FeatureType, "no feature");
  text += ", " + CodeName(reference::BonusNames, plot.BonusType, "no resource");
  text += "; owner: " + (plot.Owner < kSlotCount ? PlayerName(plot.Owner) : std::string("nobody"));
  for (int32_t slot = 0; slot < kSlotCount; ++slot) {
    const auto& cities = m.PlayerCities[At(slot)];
    for (size_t k = 0; k < cities.size(); ++k)
      if (cities[k].X == column && cities[k].Y == row)
        return text + "; city: " + CityName(slot, k) + " (" + PlayerName(slot) + ")";
  }
  return text;
}

}  // namespace varnak::ui
