#include "ui/form.h"

namespace varnak::ui {

void TForm1::OrdoScoreCalc() {}
void TForm1::OrdoPopCurrEExit() {}

}  // namespace varnak::ui
