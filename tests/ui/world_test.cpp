#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "support/case_name.h"
#include "ui/form_fixture.h"
#include "ui/world_map.h"

namespace varnak {
namespace {

using fixture::FormFixture;
using fixture::TwoPlayerModel;
using ui::Color;

constexpr Color kRedPlayer{255, 0, 0};  // the Graph page's colours of slots 0, 1 and 18
constexpr Color kBluePlayer{0, 0, 255};
constexpr Color kBlackPlayer{0, 0, 0};

TPlotRec Plot(int16_t type, int16_t terrain, int16_t feature = -1, int16_t bonus = -1, uint8_t owner = 255) {
  TPlotRec p{type, terrain, feature, bonus};
  p.Owner = owner;
  return p;
}

// A 4 x 3 map; row 0 is the south. Every plot grassland flat unless set.
GameModel MapModel(int32_t width = 4, int32_t height = 3) {
  GameModel m = TwoPlayerModel();
  m.MapWidth = width;
  m.MapHeight = height;
  m.PlotTable.Resize(width, height);
  for (TPlotRec& p : m.PlotTable.Cells) p = Plot(2, 0);
  return m;
}

Color PixelOfPlot(const ui::MapControl& map, int32_t x, int32_t y) {
  return map.Picture.Pixel(x, map.Picture.Height - 1 - y);
}

void SelectMode(FormFixture& f, ui::MapMode mode) {
  f.Form.UserSelect("WorldMapModeSelect", static_cast<int>(mode));
}

TEST(WorldMap, PoliticalUsesTheGraphColoursAndFadesTheRestNorthUp) {
  FormFixture f;
  GameModel m = MapModel();
  m.PlotTable.At(0, 0) = Plot(2, 0, -1, -1, 0);   // south-west: player 0
  m.PlotTable.At(2, 3) = Plot(3, 6, -1, -1, 1);   // north-east: player 1, water
  m.PlotTable.At(2, 0) = Plot(1, 1, 4, -1, 18);   // north-west: the last slot
  m.PlotTable.At(1, 1) = Plot(2, 0, -1, -1, 19);  // an owner no player has
  f.Show(m);
  const ui::MapControl& map = f.Form.WorldMap;
  EXPECT_EQ(map.Mode, "Political");
  ASSERT_EQ(map.Picture.Width, 4);
  ASSERT_EQ(map.Picture.Height, 3);
  ASSERT_EQ(map.Picture.Rgb.size(), 4u * 3 * 3);
  EXPECT_EQ(map.Picture.Pixel(0, 2), kRedPlayer);  // the bottom row is row 0
  EXPECT_EQ(map.Picture.Pixel(3, 0), kBluePlayer);  // the top row is the last
  EXPECT_EQ(map.Picture.Pixel(0, 0), kBlackPlayer);
  // Owner 19 is nobody: the same faded grassland as an unowned plot.
  EXPECT_EQ(PixelOfPlot(map, 1, 1), PixelOfPlot(map, 2, 1));
  EXPECT_NE(PixelOfPlot(map, 1, 1), Color(f.Form.HistoryChart.Series[0].LineColor));
}

// Every code a plot may hold, in every mode: the same codes give the same colour,
// faded terrain is never a player's colour nor a resource's mark, codes outside the
// tables show "unknown".
TEST(MapPalette, KeepsMarksApartForEveryCode) {
  FormFixture f;
  std::array<Color, kSlotCount> players{};
  for (size_t s = 0; s < players.size(); ++s) players[s] = f.Form.HistoryChart.Series[s].LineColor;
  const ui::MapPalette palette(players);
  std::vector<Color> marks(players.begin(), players.end());
  for (int k = 0; k < ui::kResourceKinds; ++k) marks.push_back(ui::ResourceKindColour(static_cast<ui::ResourceKind>(k)));
  for (int16_t type = -1; type <= 4; ++type) {
    for (int16_t terrain = -1; terrain <= 9; ++terrain) {
      for (int16_t feature = -2; feature <= 6; ++feature) {
        const TPlotRec p = Plot(type, terrain, feature);
        const Color faded = palette.Faded(p);
        EXPECT_EQ(std::count(marks.begin(), marks.end(), faded), 0) << type << " " << terrain << " " << feature;
        EXPECT_NE(faded, ui::kUnknownCodeColour);
        const bool known = type >= 0 && type <= 3 && terrain >= 0 && terrain <= 8 && feature <= 5;
        EXPECT_EQ(palette.Terrain(p) == ui::kUnknownCodeColour, !known) << type << " " << terrain << " " << feature;
        EXPECT_EQ(palette.Resource(p), faded);
        EXPECT_EQ(palette.Political(p), faded);
        for (uint8_t owner : {uint8_t{0}, uint8_t{7}, uint8_t{18}})
          EXPECT_EQ(palette.Political(Plot(type, terrain, feature, -1, owner)), players[owner]);
      }
    }
  }
  // Peaks and hills stand apart from flat land of the same terrain, and so does
  // each feature; no two features look alike.
  std::vector<Color> looks = {palette.Terrain(Plot(2, 0)), palette.Terrain(Plot(1, 0)), palette.Terrain(Plot(0, 0))};
  for (int16_t feature = 0; feature < 6; ++feature) looks.push_back(palette.Terrain(Plot(2, 0, feature)));
  std::sort(looks.begin(), looks.end(), [](Color a, Color b) { return std::tie(a.R, a.G, a.B) < std::tie(b.R, b.G, b.B); });
  EXPECT_EQ(std::adjacent_find(looks.begin(), looks.end()), looks.end());
}

struct ResourceCase {
  const char* name;
  int16_t bonus;
  ui::ResourceKind kind;
};

class ResourceMark : public testing::TestWithParam<ResourceCase> {};

TEST_P(ResourceMark, ShowsTheKindOfTheResource) {
  const ResourceCase& c = GetParam();
  const ui::MapPalette palette(std::array<Color, kSlotCount>{});
  EXPECT_EQ(palette.Resource(Plot(2, 0, -1, c.bonus)), ui::ResourceKindColour(c.kind));
  EXPECT_EQ(palette.Resource(Plot(3, 6, 0, c.bonus, 3)), ui::ResourceKindColour(c.kind));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ResourceMark,
                         testing::Values(ResourceCase{"Aluminum", 0, ui::ResourceKind::Strategic},
                                         ResourceCase{"Uranium", 8, ui::ResourceKind::Strategic},
                                         ResourceCase{"Banana", 9, ui::ResourceKind::Food},
                                         ResourceCase{"Wheat", 19, ui::ResourceKind::Food},
                                         ResourceCase{"Dye", 20, ui::ResourceKind::Luxury},
                                         ResourceCase{"Whale", 31, ui::ResourceKind::Luxury},
                                         ResourceCase{"Drama", 32, ui::ResourceKind::Culture},
                                         ResourceCase{"Movies", 34, ui::ResourceKind::Culture}),
                         fixture::CaseName());

TEST(WorldMap, ModesPictureTheSameCodesAlikeAndTheChoicePersists) {
  FormFixture f;
  GameModel m = MapModel();
  m.PlotTable.At(0, 0) = Plot(1, 1, 4, 4, 0);
  m.PlotTable.At(2, 3) = Plot(1, 1, 4, 4, 1);  // the same codes, another owner
  m.PlotTable.At(1, 2) = Plot(2, 0, -1, 35);   // a resource no table has
  m.PlotTable.At(1, 3) = Plot(9, 0);           // a plot type no table has
  f.Show(m);
  SelectMode(f, ui::MapMode::Terrain);
  const ui::MapControl& map = f.Form.WorldMap;
  EXPECT_EQ(map.Mode, "Terrain");
  EXPECT_EQ(PixelOfPlot(map, 0, 0), PixelOfPlot(map, 3, 2));
  EXPECT_EQ(PixelOfPlot(map, 3, 1), ui::kUnknownCodeColour);
  EXPECT_EQ(PixelOfPlot(map, 2, 1), PixelOfPlot(map, 1, 1));  // the resource does not show here

  SelectMode(f, ui::MapMode::Resources);
  EXPECT_EQ(PixelOfPlot(map, 0, 0), ui::ResourceKindColour(ui::ResourceKind::Strategic));  // Iron
  EXPECT_EQ(PixelOfPlot(map, 2, 1), ui::kUnknownCodeColour);
  EXPECT_NE(PixelOfPlot(map, 1, 1), PixelOfPlot(map, 2, 1));

  f.Show(MapModel());  // a new load keeps the mode the user chose
  EXPECT_EQ(f.Form.WorldMapModeSelect.Selected, 2);
  EXPECT_EQ(map.Mode, "Resources");
  f.Form.UserSelect("WorldMapModeSelect", 7);  // no such entry: the first mode
  EXPECT_EQ(map.Mode, "Political");
}

TEST(WorldMap, LegendNamesThePlayersAsTheLeadersGridDoes) {
  FormFixture f;
  GameModel m = MapModel();
  m.SlotTable[1].SlotName = "Br\xe9nnus";
  m.PlotTable.At(0, 0).Owner = 5;  // a nameless slot that owns land still has a colour
  f.Show(m);
  const auto& legend = f.Form.WorldMap.Legend;
  ASSERT_GE(legend.size(), 3u);
  EXPECT_EQ(legend[0].Text, f.Form.LeadersGrid.Cell(1, 1));
  EXPECT_EQ(legend[0].Swatch, kRedPlayer);
  EXPECT_EQ(legend[1].Text, "Br\u00e9nnus");
  EXPECT_EQ(legend[1].Text, f.Form.LeadersGrid.Cell(1, 2));
  EXPECT_EQ(legend[1].Swatch, kBluePlayer);
  EXPECT_EQ(legend[2].Swatch, f.Form.HistoryChart.Series[5].LineColor);
  SelectMode(f, ui::MapMode::Resources);
  EXPECT_EQ(legend[0].Text, "Strategic resource");
}

struct VisibilityCase {
  const char* name;
  void (*edit)(GameModel&);
  bool shown;
};

class WorldPages : public testing::TestWithParam<VisibilityCase> {};

// Shown with the analysis pages, unless the view is restricted; hidden pages hold
// no map and no city.
TEST_P(WorldPages, FollowTheAnalysisPagesAndTheRestriction) {
  FormFixture f;
  GameModel m = MapModel();
  m.PlayerCities[0].push_back({"Roma", 1, 1, 0, 3, 100});
  GetParam().edit(m);
  f.Show(m);
  const bool shown = GetParam().shown;
  EXPECT_EQ(f.Form.Pages[ui::kWorldPage].Visible, shown);
  EXPECT_EQ(f.Form.Pages[ui::kCitiesPage].Visible, shown);
  EXPECT_EQ(f.Form.WorldMap.Picture.Width, shown ? 4 : 0);
  EXPECT_EQ(f.Form.WorldMap.Cities.size(), shown ? 1u : 0u);
  EXPECT_EQ(f.Form.CitiesGrid.Rows, shown ? 2 : 1);
  EXPECT_EQ(f.Form.PlotDescription(1, 1).empty(), !shown);
}

INSTANTIATE_TEST_SUITE_P(
    Views, WorldPages,
    testing::Values(VisibilityCase{"PlainGame", [](GameModel&) {}, true},
                    VisibilityCase{"RestrictedView", [](GameModel& m) {
                                     m.AdminPassword = "secret";
                                     m.GameState = 0;
                                   }, false},
                    VisibilityCase{"FifthText", [](GameModel& m) { m.SlotTable[1].SlotFifthText = "x"; }, false},
                    VisibilityCase{"GameTypeThree", [](GameModel& m) { m.GameType = 3; }, false}),
    fixture::CaseName());

struct SizeCase {
  const char* name;
  int32_t width, height;
  int32_t heldWidth, heldHeight;
};

class MapSizes : public testing::TestWithParam<SizeCase> {};

// Whatever the header says, the picture is the held table: nothing for a map of no
// plots, never more than the table.
TEST_P(MapSizes, PictureTheHeldTable) {
  const SizeCase& c = GetParam();
  FormFixture f;
  GameModel m = TwoPlayerModel();
  m.MapWidth = c.width;
  m.MapHeight = c.height;
  m.PlotTable.Resize(std::clamp(c.width, 0, kPlotTableSide), std::clamp(c.height, 0, kPlotTableSide));
  m.PlayerCities[1].push_back({"Far", c.heldWidth, 0, 0, 1, 0});  // just off the table
  f.Show(m);
  const ui::MapPicture& picture = f.Form.WorldMap.Picture;
  EXPECT_EQ(picture.Width, c.heldWidth);
  EXPECT_EQ(picture.Height, c.heldHeight);
  EXPECT_EQ(picture.Rgb.size(), static_cast<size_t>(c.heldWidth) * static_cast<size_t>(c.heldHeight) * 3);
  EXPECT_TRUE(f.Form.WorldMap.Cities.empty());
  EXPECT_EQ(f.Form.PlotDescription(c.heldWidth, 0), "");
  EXPECT_EQ(f.Form.PlotDescription(-1, 0), "");
  EXPECT_EQ(f.Form.CitiesGrid.Cell(3, 1), std::to_string(c.heldWidth));  // still listed
}

INSTANTIATE_TEST_SUITE_P(Sizes, MapSizes,
                         testing::Values(SizeCase{"NoPlots", 0, 0, 0, 0},
                                         SizeCase{"OnePlot", 1, 1, 1, 1},
                                         SizeCase{"OneRow", 500, 1, 500, 1},
                                         SizeCase{"NegativeSides", -4, -9, 0, 0},
                                         SizeCase{"LargerThanTheTable", 640, 520, 500, 500}),
                         fixture::CaseName());

TEST(WorldMap, DescribesThePlotUnderTheCursor) {
  FormFixture f;
  GameModel m = MapModel();
  m.PlotTable.At(2, 1) = Plot(1, 1, 4, 4, 1);
  m.PlotTable.At(0, 3) = Plot(7, 12, 6, 40, 19);
  m.PlayerCities[1].push_back({"Alesia", 1, 2, 30, 4, 250});
  f.Show(m);
  EXPECT_EQ(f.Form.PlotDescription(1, 2), "X 1, Y 2: Hill, Plains, Forest, Iron; owner: Brennus; city: Alesia (Brennus)");
  EXPECT_EQ(f.Form.PlotDescription(3, 0), "X 3, Y 0: Unknown, Unknown, Unknown, Unknown; owner: nobody");
  EXPECT_EQ(f.Form.PlotDescription(0, 0), "X 0, Y 0: Flat, Grassland, no feature, no resource; owner: nobody");
  ASSERT_EQ(f.Form.WorldMap.Cities.size(), 1u);
  EXPECT_EQ(f.Form.WorldMap.Cities[0].Name, "Alesia");
}

GameModel CitiesModel() {
  GameModel m = MapModel(8, 6);
  m.StartTurn = 0;
  m.PlayerCities[1] = {{"Bibracte", 5, 4, 10, 9, 1234}, {"Alesia", 6, 1, 40, 100, 5}};
  m.PlayerCities[0] = {{"Roma", 2, 3, 0, 10, 90050}};
  m.PlayerCities[18] = {{"Camp", -3, 70000, 200, -1, -250}};
  return m;
}

std::vector<std::string> Column(const ui::GridControl& grid, int column) {
  std::vector<std::string> cells;
  for (int r = 1; r < grid.Rows; ++r) cells.push_back(grid.Cell(column, r));
  return cells;
}

TEST(CitiesGrid, ListsEveryCityBySlotThenFileOrder) {
  FormFixture f;
  f.Show(CitiesModel());
  const ui::GridControl& g = f.Form.CitiesGrid;
  ASSERT_EQ(g.Rows, 5);
  const std::vector<std::string> headers = {"\u2116", "City", "Owner", "X", "Y", "Founded", "Population", "Culture"};
  for (int c = 0; c < 8; ++c) EXPECT_EQ(g.Cell(c, 0), headers[static_cast<size_t>(c)]);
  const std::vector<std::string> roma = {"1", "Roma", "Aurelia", "2", "3", " 4000BC", "10", "   900.50"};
  for (int c = 0; c < 8; ++c) EXPECT_EQ(g.Cell(c, 1), roma[static_cast<size_t>(c)]) << c;
  EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"Roma", "Bibracte", "Alesia", "Camp"}));
  EXPECT_EQ(Column(g, 5)[2], " 2400BC");  // the replay log's date of turn 40
  EXPECT_EQ(Column(g, 4)[3], "70000");
  EXPECT_EQ(Column(g, 7)[3], "    -2.50");
  EXPECT_EQ(f.Form.Model().ElapsedTurns, 100);  // the dates leave the graph's turns alone
}

TEST(CitiesGrid, SortsNumbersAsNumbersAndAgainReversed) {
  FormFixture f;
  f.Show(CitiesModel());
  ui::TForm1& w = f.Form;
  ASSERT_TRUE(w.UserSortGrid("CitiesGrid", 6));
  EXPECT_EQ(Column(w.CitiesGrid, 6), (std::vector<std::string>{"-1", "9", "10", "100"}));
  ASSERT_TRUE(w.UserSortGrid("CitiesGrid", 6));
  EXPECT_EQ(Column(w.CitiesGrid, 6), (std::vector<std::string>{"100", "10", "9", "-1"}));
  ASSERT_TRUE(w.UserSortGrid("CitiesGrid", 1));
  EXPECT_EQ(Column(w.CitiesGrid, 1), (std::vector<std::string>{"Alesia", "Bibracte", "Camp", "Roma"}));
  ASSERT_TRUE(w.UserSortGrid("CitiesGrid", 7));
  EXPECT_EQ(Column(w.CitiesGrid, 0), (std::vector<std::string>{"4", "3", "2", "1"}));
  EXPECT_FALSE(w.UserSortGrid("CitiesGrid", 8));
  EXPECT_FALSE(w.UserSortGrid("TechGrid", 1));
  f.Show(CitiesModel());  // the order chosen stays for the next load
  EXPECT_EQ(Column(w.CitiesGrid, 0), (std::vector<std::string>{"4", "3", "2", "1"}));
  ASSERT_TRUE(w.UserSortGrid("CitiesGrid", 0));
  EXPECT_EQ(Column(w.CitiesGrid, 0), (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST(CitiesGrid, OpeningACityAsksForTheWorldPageOnItsPlot) {
  FormFixture f;
  f.Show(CitiesModel());
  ui::TForm1& w = f.Form;
  ASSERT_TRUE(w.UserSortGrid("CitiesGrid", 1));  // Alesia first
  const uint32_t serial = w.PageRequestSerial;
  ASSERT_TRUE(w.UserOpenCity(1));
  EXPECT_EQ(w.RequestedPage, ui::kWorldPage);
  EXPECT_EQ(w.PageRequestSerial, serial + 1);
  EXPECT_EQ(w.WorldMap.FocusX, 6);
  EXPECT_EQ(w.WorldMap.FocusY, 1);
  EXPECT_FALSE(w.UserOpenCity(0));
  EXPECT_FALSE(w.UserOpenCity(5));
  EXPECT_EQ(w.PageRequestSerial, serial + 1);
}

TEST(CitiesGrid, ALoadedSaveListsItsCities) {
  FormFixture f;
  fixture::SaveFixture s = fixture::SaveFixture::Basic();
  s.Players[1].Cities.resize(2);
  s.Players[1].Cities[1].Name = "Second";
  s.Players[1].Cities[1].Population = 17;
  s.Players[0].Cities.clear();
  s.Players[0].Head.CityCountField = -3;
  f.Load(s);
  const ui::GridControl& g = f.Form.CitiesGrid;
  EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"Bibracte", "Second"}));
  EXPECT_EQ(Column(g, 6), (std::vector<std::string>{"5", "17"}));
  EXPECT_EQ(Column(g, 2)[0], f.Form.LeadersGrid.Cell(1, 2));
}

}  // namespace
}  // namespace varnak
