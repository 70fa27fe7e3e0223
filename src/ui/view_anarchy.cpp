// The "Anarchy Length Calculations" group of the Ordo page; it needs no save.
#include "analysis/anarchy.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {

void TForm1::NewCivicsEChange() {
  const int32_t civics = StrToInt(NewCivicsE.Text);
  const int32_t cities = StrToInt(AnarchyCitiesE.Text);
  // A typed text that matches no item chooses nothing: the game's fall-back factors.
  AnarchyLengthL.Text =
      Format("= %d turns", AnarchyLengthFor(civics, cities, AnarchyWorldSizeBox.Selected,
                                            AnarchyGameSpeedBox.Selected, AnarchyStartEraBox.Selected));
}

}  // namespace varnak::ui
