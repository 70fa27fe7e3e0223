// The pages beyond the design's window: "World" (the map) and "Cities".
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/qt/look.h"
#include "ui/qt/page_kit.h"
#include "ui/qt/world_map_view.h"

namespace varnak::gui {

QWidget* BuildWorldPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(PageKit::Row({kit.Select("WorldMapModeSelect", 12)}));
  layout->addWidget(kit.W.Map("WorldMap"), 1);
  return page;
}

QWidget* BuildCitiesPage(const PageKit& kit) {
  auto* page = new QWidget();
  auto* layout = new QVBoxLayout(page);
  QTableWidget* cities = kit.W.Grid("CitiesGrid");
  AlignRight(cities, {0, 3, 4, 6, 7});
  cities->horizontalHeader()->setStretchLastSection(false);
  cities->setToolTip(QStringLiteral("Click a header to sort; double-click a city to see it on the map"));
  layout->addWidget(cities, 1);
  return page;
}

}  // namespace varnak::gui
