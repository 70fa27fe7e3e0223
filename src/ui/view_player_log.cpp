// The "Player Log" page: one player's messages in colour, with two filters.
#include "analysis/calendar.h"
#include "model/refill.h"
#include "ui/form.h"
#include "ui/format.h"

namespace varnak::ui {
namespace {

constexpr int32_t kCityEventKind = 3;
constexpr int32_t kCombatKind = 5;

Color MessageColour(const TMessageRec& msg) {
  if (msg.MessageKind == kCombatKind) return kPurple;
  if (msg.MessageKind == kCityEventKind) return kGreen;
  switch (msg.MessageColor) {
    case 8: return kRed;
    case 33: return kOlive;
    default: return GameMessageColor(msg.MessageColor);
  }
}

}  // namespace

void TForm1::DrawPlayerLog() {
  const GameModel& m = *model_;
  const int32_t p = SlotShownBy(PlayerLogSelect);
  if (m.FirstSlotHasFifthText()) {
    PlayerLog.Clear();
    PlayerLog.Add("Not Available", kRed);
    return;
  }
  int32_t scratchElapsed = m.ElapsedTurns;
  const auto& messages = m.MessageTable[static_cast<size_t>(p)];
  Refill<LogLine> lines(PlayerLog.Lines);
  lines.Reserve(messages.size());
  std::string month;
  std::string shown;
  for (size_t j = 0; j < messages.size(); ++j) {
    const TMessageRec& msg = messages[j];
    if (msg.MessageText.empty()) continue;
    if (!ShowCombatsCheckBox.Checked && msg.MessageKind == kCombatKind) continue;
    if (!ShowCityEventsCheckBox.Checked && msg.MessageKind == kCityEventKind) continue;
    const int32_t year = Turn2Date(m.GameSpeed, msg.MessageTurn, month, scratchElapsed);
    shown.clear();
    AppendShownText(shown, msg.MessageText, TextField::MessageText, p, static_cast<int32_t>(j));
    LogLine& line = lines.Slot();
    line.Fields = WriteLogLine(line.Text, msg.MessageTurn, year, month, shown);
    line.LineColor = MessageColour(msg);
    lines.Keep();
  }
}

void TForm1::ShowCombatsCheckBoxClick() { DrawPlayerLog(); }

}  // namespace varnak::ui
