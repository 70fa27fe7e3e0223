// The "Reloads" page: sessions, pre-sessions, play sessions, average session time.
#include "model/wrapping.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {

void TForm1::Edit11Change() { CheckValues(); }

void TForm1::CheckValues() {
  GameModel& m = *model_;
  m.PreSessionCount = StrToInt(Edit11.Text);
  PlaySessionCount = std::max(WrapSub(m.SessionCount, m.PreSessionCount), 0);
  Edit10.Text = Format("%6d", PlaySessionCount);
  AverageSessionSeconds = PlaySessionCount > 0 ? m.PlayingSeconds / PlaySessionCount : 0;
  Edit12.Text = HoursMinutesSeconds(AverageSessionSeconds);
}

}  // namespace varnak::ui
