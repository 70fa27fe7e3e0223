#include "ui/form.h"

namespace varnak::ui {

void TForm1::PrintPlayerInfo() {}
void TForm1::PlayerInfoSelectChange() { PrintPlayerInfo(); }

}  // namespace varnak::ui
