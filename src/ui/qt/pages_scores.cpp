// The calculator pages: "Ordo" (with the anarchy length), "Attitudes", "Terrain".
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

#include "reference/reference_tables.h"
#include "ui/qt/look.h"
#include "ui/qt/page_kit.h"
#include "ui/score_boxes.h"

namespace varnak::gui {
namespace {

struct Variable {
  const char* caption;
  const char* value;
  const char* bound;
};

constexpr Variable kVariables[] = {
    {"Rank Difference", "RankDifferenceE", "RankDifferenceMaxE"},
    {"High Ranks", "HighRanksE", "HighRanksMaxE"},
    {"War Success", "WarSuccessE", "WarSuccessMaxE"},
    {"Close Borders (!)", "CloseBordersE", "CloseBordersMaxE"},
    {"At War", "WarAttitudeE", "WarAttitudeMaxE"},
    {"At Peace", "PeaceAttitudeE", "PeaceAttitudeMaxE"},
    {"Same Religion", "SameReligionE", "SameReligionMaxE"},
    {"Different Religion", "DifferentReligionE", "DifferentReligionMaxE"},
    {"Bonus Trade", "BonusTradeE", "BonusTradeMaxE"},
    {"Open Borders", "OpenBordersE", "OpenBordersMaxE"},
    {"Defensive Pact", "DefensivePactE", "DefensivePactMaxE"},
    {"Rival Defensive Pact", "RivalDefensivePactE", "RivalDefensivePactMaxE"},
    {"Rival Vassal", "RivalVassalE", "RivalVassalMaxE"},
    {"Share War", "ShareWarE", "ShareWarMaxE"},
    {"Favorite Civic", "FavoriteCivicE", "FavoriteCivicMaxE"},
    {"Trade", "TradeAttitudeE", "TradeAttitudeMaxE"},
    {"Rival Trade", "EnemyTradeAttitudeE", "EnemyTradeAttitudeMaxE"},
    {"Colony Attitude", "ColonyAttitudeE", "ColonyAttitudeMaxE"},
    {"Extra Attitude", "ExtraAttitudeE", "ExtraAttitudeMaxE"},
};

struct Constant {
  const char* caption;
  const char* box;
};

constexpr Constant kConstants[] = {
    {"Base Attitude", "BaseAttitudeE"},
    {"Handicap", "HandicapAttitudeE"},
    {"Aggressive AI (Human)", "AggressiveAIE"},
    {"Peace Weight (AI)", "PeaceWeightE"},
    {"Warmonger Respect (AI)", "WarmongerRespectE"},
    {"Team Size Difference", "TeamSizeDifferenceE"},
};

QWidget* OrdoGroup(const PageKit& kit) {
  QGridLayout* g = PageKit::NewGrid();
  int column = 1;
  for (const char* heading : ui::kOrdoColumnCaptions) g->addWidget(PageKit::Heading(heading), 0, column++);
  int row = 1;
  for (const char* caption : ui::kOrdoRowCaptions) g->addWidget(PageKit::Caption(caption), row++, 0);
  AddScoreBoxes(kit, g, ui::OrdoBoxes());
  return PageKit::Group("Score Calculations", g);
}

QWidget* AnarchyGroup(const PageKit& kit) {
  QGridLayout* g = PageKit::NewGrid();
  g->addWidget(PageKit::Caption("Civics"), 0, 0);
  g->addWidget(kit.Num("NewCivicsE", 4), 0, 1, Qt::AlignLeft);
  g->addWidget(PageKit::Caption("Cities"), 1, 0);
  g->addWidget(kit.Num("AnarchyCitiesE", 5), 1, 1, Qt::AlignLeft);
  g->addWidget(PageKit::Caption("World Size"), 2, 0);
  g->addWidget(kit.Select("AnarchyWorldSizeBox", 11), 2, 1);
  g->addWidget(PageKit::Caption("Game Speed"), 3, 0);
  g->addWidget(kit.Select("AnarchyGameSpeedBox", 11), 3, 1);
  g->addWidget(PageKit::Caption("Starting Era"), 4, 0);
  g->addWidget(kit.Select("AnarchyStartEraBox", 11), 4, 1);
  g->addWidget(PageKit::Caption("Anarchy Length"), 5, 0);
  g->addWidget(kit.W.Label("AnarchyLengthL"), 5, 1);
  return PageKit::Group("Anarchy Length Calculations", g);
}

// A grid no taller than its rows and no wider than its columns; room for a scroll bar
// only where the rows cannot all be shown at the window's size.
void FitRows(QTableWidget* grid) {
  constexpr int kRowsShown = 20;
  int height = 2 * grid->frameWidth() + grid->horizontalHeader()->sizeHint().height();
  for (int r = 0; r < grid->rowCount(); ++r) height += grid->rowHeight(r);
  grid->setMaximumHeight(height);
  int width = 2 * grid->frameWidth();
  for (int c = 0; c < grid->columnCount(); ++c) width += grid->horizontalHeader()->sectionSize(c);
  if (grid->rowCount() > kRowsShown) width += grid->verticalScrollBar()->sizeHint().width();
  else grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setFixedWidth(width);
}

}  // namespace

QWidget* BuildOrdoPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(OrdoGroup(kit), 0, Qt::AlignTop);
  layout->addWidget(AnarchyGroup(kit), 0, Qt::AlignTop);
  layout->addStretch(1);
  return page;
}

QWidget* BuildAttitudesPage(const PageKit& kit) {
  // Sixty-odd terms on one page: rows sit close together.
  constexpr int kDense = 1;
  auto* page = new QWidget();
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(6, 4, 6, 4);

  // Left: the two leaders and the variable terms.
  auto* left = new QVBoxLayout();
  left->setSpacing(4);
  QGridLayout* leaders = PageKit::NewGrid();
  leaders->addWidget(PageKit::Caption("Leader 1"), 0, 0);
  leaders->addWidget(kit.Select("AttLeaderSel1", 16), 0, 1);
  leaders->addWidget(PageKit::Caption("Leader 2"), 1, 0);
  leaders->addWidget(kit.Select("AttLeaderSel2", 16), 1, 1);
  leaders->setColumnStretch(2, 1);
  left->addLayout(leaders);

  QGridLayout* variables = PageKit::NewGrid(kDense);
  variables->addWidget(PageKit::Heading("Max"), 0, 2);
  int r = 1;
  for (const Variable& v : kVariables) {
    variables->addWidget(PageKit::Caption(v.caption), r, 0);
    variables->addWidget(kit.Num(v.value, 7), r, 1);
    variables->addWidget(kit.Num(v.bound, 3), r++, 2);
  }
  left->addWidget(PageKit::Group("Variables", variables));
  left->addStretch(1);
  layout->addLayout(left);

  // Right: the sum, espionage and ranks of the two, the constant and the memory terms.
  auto* right = new QVBoxLayout();
  right->setSpacing(4);
  QGridLayout* summary = PageKit::NewGrid(kDense);
  summary->addWidget(PageKit::Caption("Summary"), 0, 0);
  summary->addLayout(PageKit::Row({kit.Num("SummaryAttitudeE", 6), kit.Text("SummaryAttitudeTextE", 8)}, false), 0, 1);
  summary->addWidget(PageKit::Caption("Espionage"), 0, 2);
  summary->addLayout(PageKit::Row({kit.Num("Espionage1E", 6), kit.Num("Espionage2E", 6)}, false), 0, 3);
  summary->addWidget(PageKit::Caption("Rank"), 0, 4);
  summary->addLayout(PageKit::Row({kit.Num("Rank1E", 3), kit.Num("Rank2E", 3)}, false), 0, 5);
  summary->setColumnStretch(6, 1);
  right->addLayout(summary);

  QGridLayout* constants = PageKit::NewGrid(kDense);
  for (int i = 0; i < 6; ++i) {
    const int row = i % 3, column = 2 * (i / 3);
    constants->addWidget(PageKit::Caption(kConstants[i].caption), row, column);
    constants->addWidget(kit.Num(kConstants[i].box, 6), row, column + 1);
  }
  right->addWidget(PageKit::Group("Constants", constants));

  QGridLayout* memory = PageKit::NewGrid(kDense);
  constexpr int kRows = (ui::kMemoryBoxes + 1) / 2;
  for (int k = 0; k < ui::kMemoryBoxes; ++k) {
    const int row = k % kRows, column = 2 * (k / kRows);
    memory->addWidget(PageKit::Caption(std::string(reference::MemoryKindNames[static_cast<size_t>(k)]).c_str()), row, column);
    const std::string name = "Memory" + std::to_string(k);
    memory->addWidget(kit.Num(name.c_str(), 7), row, column + 1);
  }
  right->addWidget(PageKit::Group("Memory", memory));
  right->addStretch(1);
  layout->addLayout(right, 1);
  return page;
}

QWidget* BuildTerrainPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QHBoxLayout(page);
  for (const char* name : {"PlotTypeGrid", "TerrainTypeGrid", "FeatureTypeGrid", "BonusTypeGrid"}) {
    QTableWidget* grid = kit.W.Grid(name);
    AlignRight(grid, {1});
    FitRows(grid);
    auto* column = new QVBoxLayout();
    column->addWidget(grid, 1);  // as tall as its rows, if the page allows
    column->addStretch(0);       // below a short grid
    layout->addLayout(column);
  }
  layout->addStretch(1);
  return page;
}

}  // namespace varnak::gui
