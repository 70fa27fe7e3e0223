// The "Anarchy Length Calculations" group of the Ordo page; it needs no save.
#include "analysis/anarchy.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {

void TForm1::NewCivicsEChange() {
  const int32_t civics = StrToInt(NewCivicsE.Text);
  const int32_t cities = StrToInt(AnarchyCitiesE.Text);
  static constexpr int32_t kWorld[] = {11, 10, 9, 8, 7, 6};
  static constexpr int32_t kSpeed[] = {200, 150, 100, 67};
  static constexpr int32_t kEra[] = {50, 50, 40, 40, 34, 34, 34};
  // A typed text that matches no item chooses nothing: the game's fall-back factors.
  auto pick = [](const SelectControl& box, const auto& table, int32_t fallback) {
    const int i = box.Selected;
    return i >= 0 && i < static_cast<int>(std::size(table)) ? table[i] : fallback;
  };
  const int32_t w = pick(AnarchyWorldSizeBox, kWorld, 8);
  const int32_t s = pick(AnarchyGameSpeedBox, kSpeed, 2);
  const int32_t e = pick(AnarchyStartEraBox, kEra, 0);
  AnarchyLengthL.Text = Format("= %d turns", AnarchyLength(civics, cities, w, s, e));
}

}  // namespace varnak::ui
