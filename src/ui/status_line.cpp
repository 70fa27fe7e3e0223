#include "ui/status_line.h"

#include "saveio/platform.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {

std::optional<StatusLine> StatusAfterLoad(const TForm1& form, int64_t loadMilliseconds) {
  const LoadStatus& load = form.LastLoad();
  if (!load.File || !load.Ok) return std::nullopt;
  StatusLine line;
  line.File = Utf8FromPath(PathFromUtf8(*load.File).filename());
  const GameModel& m = form.Model();
  std::string date = PlainYear(m.CurrentYear);
  if (!m.CurrentMonth.empty()) date += " " + m.CurrentMonth;  // a name from the game's table
  line.TurnAndDate = Format("Turn %d, ", m.CurrentTurn) + date;
  line.LoadTime = Format("Loaded in %lld ms", static_cast<long long>(loadMilliseconds));
  return line;
}

}  // namespace varnak::ui
