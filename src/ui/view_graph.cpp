#include "ui/form.h"

namespace varnak::ui {

void TForm1::DrawGraph() {}
void TForm1::GraphSelectChange() { DrawGraph(); }

}  // namespace varnak::ui
