#include "ui/form.h"

namespace varnak::ui {

void TForm1::DrawPlayerLog() {}
void TForm1::ShowCombatsCheckBoxClick() { DrawPlayerLog(); }

}  // namespace varnak::ui
