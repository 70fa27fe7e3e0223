#include <gtest/gtest.h>

#include "reference/reference_tables.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

TEST(StartUp, SetsCaptionPagesHeadersAndDefaults) {
  fixture::FormFixture f;
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(w.Caption, "Varnak Skarn Save Analyzer (version 1.06)");
  const char* pages[] = {"Base", "Map", "Leaders", "Teams", "Replay", "Graph",
                         "Player Log", "Reloads", "Player", "Ordo", "Attitudes", "Terrain",
                         "World", "Cities"};
  for (int i = 0; i < ui::kPageCount; ++i) {
    EXPECT_EQ(w.Pages[static_cast<size_t>(i)].Caption, pages[i]);
    EXPECT_TRUE(w.Pages[static_cast<size_t>(i)].Visible);
  }
  EXPECT_EQ(w.LeadersGrid.Cell(2, 0), "Original name");
  EXPECT_EQ(w.LeadersGrid.ColumnWidths[10], 200);
  EXPECT_EQ(w.TeamsGrid.Cell(9, 0), "Playable");
  EXPECT_EQ(w.TechGrid.Cell(5, 0), "Known");
  EXPECT_EQ(w.TechGrid.Cell(0, 92), "92");
  EXPECT_EQ(w.BonusTypeGrid.Cell(0, 0), "BonusType");
  EXPECT_EQ(w.BonusTypeGrid.Cell(0, 35), "Movies");
  EXPECT_EQ(w.FeatureTypeGrid.Cell(1, 0), "Count");
  EXPECT_EQ(w.FeatureTypeGrid.Cell(1, 1), "");  // no counts before a load
  EXPECT_FALSE(w.PlayerLogSelect.Visible);
  EXPECT_FALSE(w.PlayerInfoSelect.Visible);
  EXPECT_EQ(w.AttLeaderSel1.Selected, -1);
  EXPECT_EQ(w.GraphSelect.Selected, 0);
  EXPECT_EQ(w.GraphSelect.Text, "Score");
  EXPECT_EQ(w.PopCoeffE.Text, "   5000");
  EXPECT_EQ(w.OrdoWonderFactorE.Text, "   5000");
  EXPECT_EQ(w.OrdoMTechMaxE.Text, "    150");
  EXPECT_EQ(w.HistoryChart.AxisMin, 0);
  EXPECT_EQ(w.HistoryChart.AxisMax, 0);
  EXPECT_EQ(w.HistoryChart.Series[18].Title, "Graph19");
  EXPECT_EQ(w.HistoryChart.Series[1].LineColor, (ui::Color{0, 0, 255}));
  EXPECT_EQ(w.AnarchyWorldSizeBox.Text, "Standart");
  EXPECT_EQ(w.AnarchyLengthL.Text, "= 0 turns");
  EXPECT_EQ(w.Edit11.FontColor, ui::kBlue);
  EXPECT_EQ(w.AggressiveAIE.FontColor, ui::kGrey);
  EXPECT_TRUE(w.ErrorReports().empty());
  EXPECT_FALSE(w.LastLoad().File.has_value());
}

TEST(StartUp, OrdersTechnologiesByEraThenCost) {
  fixture::FormFixture f;
  const auto& order = f.Form.TechDisplayOrder;
  for (size_t i = 1; i < order.size(); ++i) {
    const auto& a = order[i - 1];
    const auto& b = order[i];
    EXPECT_TRUE(a.Era < b.Era || (a.Era == b.Era && a.Cost < b.Cost) ||
                (a.Era == b.Era && a.Cost == b.Cost && a.Tech < b.Tech))
        << i;
  }
  EXPECT_EQ(order.front().Tech, 25);  // Fishing, 40, before Hunting, 40 (table order)
  EXPECT_EQ(order[1].Tech, 59);
  EXPECT_EQ(order.back().Tech, 91);   // Future Tech
}

}  // namespace
}  // namespace varnak
