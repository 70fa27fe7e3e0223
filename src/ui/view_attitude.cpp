#include "ui/form.h"

namespace varnak::ui {

void TForm1::PrintLeaderAttitude() {}
void TForm1::AttLeaderSel1Change() { PrintLeaderAttitude(); }

}  // namespace varnak::ui
