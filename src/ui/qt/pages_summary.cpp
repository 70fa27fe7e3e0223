// The pages that show the save as read: "Base", "Map", "Leaders", "Teams", "Replay".
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/qt/look.h"
#include "ui/qt/page_kit.h"
#include "ui/score_boxes.h"

namespace varnak::gui {
namespace {

struct Field {
  const char* caption;
  const char* box;
  int chars;
  bool number;
};

// Caption and box pairs, one per row, from `row` on in columns `column`, `column` + 1.
void AddFields(const PageKit& kit, QGridLayout* grid, int row, int column,
               std::initializer_list<Field> fields) {
  for (const Field& f : fields) {
    grid->addWidget(PageKit::Caption(f.caption), row, column);
    QLineEdit* box = f.number ? kit.Num(f.box, f.chars) : kit.Text(f.box, f.chars);
    grid->addWidget(box, row++, column + 1, Qt::AlignLeft);
  }
}

QListWidget* OptionList(const PageKit& kit, const char* name) {
  QListWidget* list = kit.W.List(name);
  // Several columns, filled top to bottom.
  list->setFlow(QListView::TopToBottom);
  list->setWrapping(true);
  list->setResizeMode(QListView::Adjust);
  list->setSpacing(1);
  return list;
}

QWidget* GridPage(QTableWidget* grid) {
  auto* page = new QWidget();
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(grid);
  return page;
}

}  // namespace

QWidget* BuildBasePage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QVBoxLayout(page);

  QGridLayout* info = PageKit::NewGrid();
  info->addWidget(PageKit::Caption("Nick (Игрок)"), 0, 0);
  info->addLayout(PageKit::Row({kit.Text("NickE", 17), kit.Text("LeaderE", 17), kit.Text("CountryE", 14)}),
                  0, 1);
  info->addWidget(PageKit::Caption("Current turn (Текущий ход)"), 1, 0);
  info->addLayout(PageKit::Row({kit.Num("Edit3", 8), kit.Num("Edit4", 11)}), 1, 1);
  info->addWidget(PageKit::Caption("    Difficulty     (Ур-нь сложности)"), 2, 0);
  info->addWidget(kit.Text("Edit8", 12), 2, 1, Qt::AlignLeft);
  info->addWidget(PageKit::Caption("Game score  (Очки)"), 3, 0);
  info->addLayout(PageKit::Row({kit.Num("Edit6", 8), kit.Num("Edit13", 8)}), 3, 1);
  AddFields(kit, info, 4, 0,
            {{"Playing time  (Время игры)", "Edit5", 12, true},
             {"Game status (Состояние игры)", "Edit7", 12, false},
             {"Turn time left (Время хода)", "TurnTimeLeftE", 12, true},
             {"Turn Limit", "TurnLimitE", 12, true},
             {"Vassal Pop scored", "VassalPopScoredE", 8, true},
             {"Vassal Land scored", "VassalLandScoredE", 8, true}});
  info->setColumnStretch(2, 1);
  layout->addLayout(info);

  QGridLayout* score = PageKit::NewGrid();
  int column = 1;
  for (const char* heading : ui::kGameScoreColumnCaptions) score->addWidget(PageKit::Heading(heading), 0, column++);
  int row = 1;
  for (const char* caption : ui::kGameScoreRowCaptions) score->addWidget(PageKit::Caption(caption), row++, 0);
  score->addWidget(PageKit::Caption("Difficulty Coefficient"), row, 0, 1, 4);
  AddScoreBoxes(kit, score, ui::GameScoreBoxes());
  score->setColumnStretch(7, 1);
  layout->addWidget(PageKit::Group("Score Calculations", score));
  layout->addStretch(1);
  return page;
}

QWidget* BuildMapPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QVBoxLayout(page);

  QGridLayout* fields = PageKit::NewGrid();
  AddFields(kit, fields, 0, 0,
            {{"Save Flag", "SaveFlagE", 8, true},
             {"Game Type", "GameTypeE", 8, true},
             {"Game Name", "GameNameE", 24, false},
             {"Map Script", "MapScriptE", 24, false},
             {"World Size", "WorldSizeE", 11, false},
             {"Climate", "ClimateE", 11, false},
             {"Sea Level", "SeaLevelE", 11, false},
             {"Era", "EraE", 11, false},
             {"Game Speed", "GameSpeedE", 11, false},
             {"Calendar", "CalenderE", 8, true}});
  AddFields(kit, fields, 0, 2,
            {{"Map Size", "MapSizeE", 12, true},
             {"Latitudes", "LatitudesE", 12, true},
             {"Land Tiles", "LandTilesE", 8, true},
             {"Owned Tiles", "OwnedTilesE", 8, true},
             {"Wrap X", "WrapXE", 4, true},
             {"Wrap Y", "WrapYE", 4, true},
             {"Starting", "StartTurnDateE", 16, true},
             {"Pitboss Turn Time, h", "PitbossTurnTimeE", 8, true},
             {"Max City Elimination", "MaxCityEliminationE", 8, true},
             {"Advanced Start Points", "AdvancedStartPointsE", 8, true}});
  fields->setColumnMinimumWidth(2, 150);
  fields->setColumnStretch(4, 1);
  layout->addLayout(fields);

  QGridLayout* lists = PageKit::NewGrid();
  lists->addWidget(PageKit::Caption("Victory Conditions", Qt::AlignLeft), 0, 0);
  lists->addWidget(PageKit::Caption("Game Options", Qt::AlignLeft), 0, 1);
  lists->addWidget(PageKit::Caption("MP Options", Qt::AlignLeft), 0, 2);
  lists->addWidget(OptionList(kit, "VictoryConditionBox"), 1, 0);
  lists->addWidget(OptionList(kit, "GameOptionBox"), 1, 1);
  lists->addWidget(OptionList(kit, "MPOptionBox"), 1, 2);
  lists->setColumnStretch(0, 2);
  lists->setColumnStretch(1, 5);
  lists->setColumnStretch(2, 3);
  layout->addLayout(lists, 1);
  return page;
}

QWidget* BuildLeadersPage(const PageKit& kit) {
  QTableWidget* grid = kit.W.Grid("LeadersGrid");
  AlignRight(grid, {0, 3, 4, 5, 8, 9});
  return GridPage(grid);
}

QWidget* BuildTeamsPage(const PageKit& kit) {
  QTableWidget* grid = kit.W.Grid("TeamsGrid");
  AlignRight(grid, {0, 2, 3, 4, 5});
  return GridPage(grid);
}

QWidget* BuildReplayPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(kit.LogWithHeadings("ReplayList"));
  return page;
}

}  // namespace varnak::gui
