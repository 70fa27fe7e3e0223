// The pages of one player or one history: "Graph", "Player Log", "Reloads", "Player".
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/qt/look.h"
#include "ui/qt/history_chart_view.h"
#include "ui/qt/page_kit.h"

namespace varnak::gui {

QWidget* BuildGraphPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(PageKit::Row({kit.Select("GraphSelect", 14), kit.W.Check("ShowAICheckBox")}));
  layout->addWidget(kit.W.Chart("HistoryChart"), 1);
  return page;
}

QWidget* BuildPlayerLogPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(PageKit::Row({kit.Select("PlayerLogSelect", 18), kit.W.Check("ShowCombatsCheckBox"),
                                  kit.W.Check("ShowCityEventsCheckBox")}));
  layout->addWidget(kit.LogWithHeadings("PlayerLog"), 1);
  return page;
}

QWidget* BuildReloadsPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QHBoxLayout(page);

  QGridLayout* figures = PageKit::NewGrid();
  const char* captions[] = {"       Sessions       (Число сессий)", "    PreSessions     (Число пресессий)",
                            "    Play Sessions     (Игровые сессии)",
                            "  Average Session time   (Ср. время сессии)"};
  const char* boxes[] = {"Edit9", "Edit11", "Edit10", "Edit12"};
  for (int r = 0; r < 4; ++r) {
    QLabel* caption = PageKit::Caption(captions[r]);
    figures->addWidget(caption, r, 0);
    figures->addWidget(kit.Num(boxes[r], 12), r, 1);
    if (r == 1) {  // the one figure the user corrects
      QPalette palette = caption->palette();
      palette.setColor(QPalette::WindowText, Qt::blue);
      caption->setPalette(palette);
    }
  }
  figures->setRowStretch(4, 1);
  layout->addLayout(figures);

  QListWidget* sessions = kit.W.List("SessionListBox");
  sessions->setFlow(QListView::TopToBottom);
  sessions->setWrapping(true);
  sessions->setResizeMode(QListView::Adjust);
  sessions->setSelectionMode(QAbstractItemView::ExtendedSelection);
  layout->addWidget(sessions, 1);
  return page;
}

QWidget* BuildPlayerPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(6, 6, 6, 6);

  // The figures take what the technology grid leaves: captions in column 0, the boxes
  // in columns 1 to 3, two short figures to a row.
  QGridLayout* f = PageKit::NewGrid();
  auto caption = [](const char* text) { return PageKit::Caption(text); };
  auto pair = [&](int row, const char* caption1, const char* box1, const char* caption2, const char* box2) {
    f->addWidget(caption(caption1), row, 0);
    f->addWidget(kit.Num(box1, 7), row, 1);
    f->addWidget(caption(caption2), row, 2);
    f->addWidget(kit.Num(box2, 7), row, 3);
  };
  auto single = [&](int row, const char* text, const char* box) {
    f->addWidget(caption(text), row, 0);
    f->addWidget(kit.Num(box, 7), row, 1);
  };
  auto sign = [](const char* text) {
    QLabel* label = PageKit::Caption(text, Qt::AlignCenter);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(QLatin1Char('+')) + 4);
    return label;
  };
  f->addWidget(kit.Select("PlayerInfoSelect", 18), 0, 0, 1, 4, Qt::AlignLeft);
  pair(1, "Gold", "GoldE", "Income", "GoldPerTurnE");
  f->addWidget(caption("Researching"), 2, 0);
  f->addWidget(kit.Text("ResearchingE"), 2, 1, 1, 3);
  f->addWidget(kit.Num("CurrTechBeakersE", 12), 3, 1, 1, 3, Qt::AlignLeft);
  f->addWidget(caption("Culture 3xC"), 4, 0);
  f->addLayout(PageKit::Row({kit.Num("City1CultureE", 7), kit.Num("City2CultureE", 7), kit.Num("City3CultureE", 7)}),
               4, 1, 1, 3);
  single(5, "Power(S,B,U,P)", "PowerE");
  QHBoxLayout* parts = PageKit::Row({sign("="), kit.Num("PowerSE", 3), sign("+"), kit.Num("PowerBE", 4), sign("+"),
                                     kit.Num("PowerUE", 5), sign("+"), kit.Num("PowerPE", 4)},
                                    false);
  parts->setSpacing(1);
  f->addLayout(parts, 6, 0, 1, 4, Qt::AlignRight);
  single(7, "Espionage Ever", "EspionageE");
  single(8, "WW points curr", "WWPointsE");
  single(9, "General points", "GeneralPointsE");
  pair(10, "GPeoples", "GPCreatedE", "Vassals", "VassalsE");
  pair(11, "Rank/Met", "RankMetE", "Techs", "TechNumberE");
  pair(12, "Units", "UnitNumberE", "Cities", "CityNumberE");
  f->addWidget(caption("Civics:"), 13, 0);
  f->addWidget(kit.W.Label("CivicsStr"), 13, 1, 1, 3);
  f->setRowStretch(14, 1);
  layout->addLayout(f);

  QTableWidget* techs = kit.W.Grid("TechGrid");
  AlignRight(techs, {0, 3, 4, 5});
  // Room for the columns as the window sizes them, and the scroll bar.
  int width = 2 * techs->frameWidth() + techs->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < techs->columnCount(); ++c) width += techs->horizontalHeader()->sectionSize(c);
  techs->setMinimumWidth(width);
  layout->addWidget(techs, 1);
  return page;
}

}  // namespace varnak::gui
