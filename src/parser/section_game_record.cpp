#include <algorithm>

#include "analysis/calendar.h"
#include "analysis/cost.h"
#include "analysis/game_score.h"
#include "model/refill.h"
#include "model/wrapping.h"
#include "parser/list_readers.h"
#include "parser/sections.h"
#include "parser/unicode_text.h"
#include "saveio/text.h"

namespace varnak::parser {
namespace {

int32_t PlayingSecondsOf(int32_t turnSlice) {
  const int32_t remainder = turnSlice % 4;
  return turnSlice / 4 + (remainder == 2 || remainder == 3 ? 1 : 0);
}

void FillSessionList(GameModel& m) {
  m.SessionList.clear();
  int32_t n = 0;
  for (int32_t turn : m.SessionTurns) {
    if (turn >= kNoSessionTurn) continue;
    SessionListEntry entry;
    entry.Number = ++n;
    entry.Year = Turn2Date(m.GameSpeed, turn, entry.Month, m.ElapsedTurns);
    m.SessionList.push_back(std::move(entry));
  }
}

void ReadReplayLog(FieldReader& r, GameModel& m, GameModel* previous) {
  r.SetSection("the replay log");
  const int32_t count = r.ReadInt();
  m.ReplayCount = std::min(count, kReplayCapacity);
  Refill<TReplayMsgRec> log(m.ReplayLog, previous != nullptr ? &previous->ReplayLog : nullptr);
  // Smallest record: five int32, an empty text's count and the kind.
  constexpr int64_t kMinRecord = 28;
  const int64_t fits = std::max<int64_t>(0, (r.DataEnd() - r.Cursor()) / kMinRecord);
  log.Reserve(static_cast<size_t>(std::clamp<int64_t>(m.ReplayCount, 0, fits)));
  // Records beyond the log's capacity are read past, so the fields after the log
  // stay in place.
  TReplayMsgRec past;
  for (int32_t i = 0; i < count && r.More(); ++i) {
    const bool inLog = i < kReplayCapacity;
    TReplayMsgRec& rec = inLog ? log.Slot() : past;
    rec.Turn = r.ReadInt();
    for (int32_t& kept : rec.Kept) kept = r.ReadInt();
    ReadCutText(r, rec.Text);
    rec.Kind = r.ReadInt();
    if (inLog && r.More()) {
      log.Keep();
      KeepUnicode(r, m, TextField::ReplayText, i, 0, true);
    }
  }
}

}  // namespace

void ReadGameRecord(ParseContext& ctx) {
  FieldReader& r = ctx.Reader;
  GameModel& m = ctx.Model;
  r.SetSection("the game record");

  const int32_t f = r.ReadInt();
  if (f < 1) (void)r.ReadInt();
  m.ElapsedTurns = r.ReadInt();
  m.StartTurn = r.ReadInt();
  (void)r.ReadInt();
  m.EstimatedEndTurn = r.ReadInt();
  m.TurnSlice = r.ReadInt();
  m.PlayingSeconds = PlayingSecondsOf(m.TurnSlice);
  m.CutoffSlice = r.ReadInt();
  r.SkipInts(7);
  m.MaxPopulation = r.ReadInt();
  m.MaxLand = r.ReadInt();
  m.MaxTech = r.ReadInt();
  m.MaxWonders = r.ReadInt();
  m.InitPopulation = r.ReadInt();
  m.InitLand = r.ReadInt();
  m.InitTech = r.ReadInt();
  m.InitWonders = r.ReadInt();
  (void)r.ReadInt();
  r.SkipBools(5);
  m.DifficultyLevel = r.ReadInt();
  r.SkipInts(3);
  m.VictoryType = r.ReadInt();
  m.GameState = r.ReadInt();
  r.SkipUStr();

  // Unchecked values from the file: the game's own int32 sum wraps.
  m.CurrentTurn = WrapAdd(m.ElapsedTurns, m.StartTurn);
  m.PreSessionCount = static_cast<int32_t>(
      std::count(m.SessionTurns.begin(), m.SessionTurns.end(), m.StartTurn));
  // Saves before version 102 know no Marathon: their speeds start at Epic = 0.
  if (m.SaveVersion < 102) m.GameSpeed = WrapAdd(m.GameSpeed, 1);
  m.CurrentYear = Turn2Date(m.GameSpeed, m.CurrentTurn, m.CurrentMonth, m.ElapsedTurns);
  FillSessionList(m);

  if (f < 1) r.SkipInts(kSlotCount);
  r.SkipInts(kSlotCount);
  for (int32_t& rank : m.SavedPlayerRank) rank = r.ReadInt();
  for (int32_t& score : m.SavedPlayerScore) score = r.ReadInt();
  m.GameScore = m.SavedPlayerScore[0];
  r.SkipInts(3 * kSlotCount + 123 + 89 + 125 + 11 + 25 + 22 + 7 + 7 + 3 * 2);
  r.SkipBools(3 + 4 + 7);

  SetDifficultyCoefficient(m);
  SetResearchFactors(m);

  for (int32_t& owner : m.ReligionOwner) {
    owner = r.ReadInt();
    (void)r.ReadInt();
  }
  r.SkipInts(7 * 2);
  SkipListOf(r, [&] { r.SkipUStr(); });
  SkipListOf(r, [&] { r.SkipUStr(); });
  SkipListWithFour(r);
  SkipListOf(r, [&] {
    r.SkipInts(5);
    SkipFixedList(r, 3 * 4);
    SkipFixedList(r, 3 * 4);
  });
  SkipListWithFour(r);
  SkipListOf(r, [&] {
    r.SkipInts(2);
    SkipListOf(r, [&] {
      r.SkipInts(4);
      r.SkipUStr();
    });
  });
  SkipListWithFour(r);
  SkipListOf(r, [&] {
    r.SkipInts(6);
    r.SkipUStr();
  });
  r.SkipInts(2);

  ReadReplayLog(r, m, ctx.Previous);

  r.SetSection("the game record");
  m.SessionCount = r.ReadInt();
  SkipFixedList(r, 5 * 4);
  SkipFixedList(r, 3 * 4);
  SkipFixedList(r, 2 * 4);
  SkipFixedList(r, 4);
}

}  // namespace varnak::parser
