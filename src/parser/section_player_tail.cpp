#include <algorithm>
#include <vector>

#include "analysis/cost.h"
#include "model/refill.h"
#include "model/wrapping.h"
#include "parser/list_readers.h"
#include "parser/sections.h"
#include "parser/tech_name_matcher.h"
#include "parser/unicode_text.h"
#include "saveio/text.h"

namespace varnak::parser {
namespace {

// Smallest message record: three empty texts (their counts), eight int32, three bools.
constexpr int64_t kMinMessageRecord = 3 * 4 + 8 * 4 + 3;

// A unit record is passed over whole; its version decides two optional fields.
void SkipUnit(FieldReader& r) {
  const int32_t version = r.ReadInt();
  r.SkipInts(19);
  if (version < 2) r.SkipInts(1);
  r.SkipInts(38);
  r.SkipBools(6);
  if (version > 0) r.SkipBools(1);
  r.SkipInts(12);
  r.SkipUStr();
  r.SkipUStr();
  r.SkipBools(54);
  r.SkipInts(9 + 6 + 9 + 9 + 6 + 6 + 10);
  r.SkipInts(4);
}

void SkipRecord6(FieldReader& r) {
  r.SkipInts(3);
  r.SkipBools(1);
  r.SkipInts(3);
  SkipFixedList(r, 2 * 4);
  SkipFixedList(r, 5 * 4);
  r.SkipInts(3);
  r.SkipBools(1);
  r.SkipInts(3);
  r.SkipBools(1);
  r.SkipInts(2);
}

void SkipRecord12(FieldReader& r) {
  r.SkipInts(4);
  r.SkipBools(2);
  r.SkipInts(1);
  for (int i = 0; i < 4; ++i) r.SkipUStr();
  SkipListOf(r, [&] {
    r.SkipUStr();
    r.SkipUStr();
  });
}

void SkipRecord13(FieldReader& r) {
  r.SkipInts(3);
  SkipFixedList(r, 2 * 4 + 4);
  SkipFixedList(r, 2 * 4 + 4);
  r.SkipBools(2);
  r.SkipInts(1);
  r.SkipBools(3);
  r.SkipUStr();
  SkipListOf(r, [&] {
    const int32_t kind = r.ReadInt();
    if (kind == 9 || kind == 10) {
      r.SkipUStr();
    } else {
      r.SkipInts(2);
    }
  });
}

// Index of a turn in the history tables, or -1 when it falls beyond them. Turns
// before the start count at the first index.
int32_t HistoryIndex(int32_t turn, int32_t startTurn) {
  const int32_t i = std::max(WrapSub(turn, startTurn), 0);
  return i < kHistoryWritable ? i : -1;
}


void ReadMessages(FieldReader& r, GameModel& m, GameModel* previous, size_t row, int32_t team) {
  r.SetSection("the messages of a player");
  const int32_t count = r.ReadInt();
  m.PlayerMessageCount[row] = count;
  Refill<TMessageRec> table(m.MessageTable[row], previous != nullptr ? &previous->MessageTable[row] : nullptr);
  const int64_t fits = (r.DataEnd() - r.Cursor()) / kMinMessageRecord;
  table.Reserve(static_cast<size_t>(
      std::clamp<int64_t>(std::min<int64_t>(count, fits), 0, kMessageCapacity)));

  const NameMatcher& names = TechnologyNameMatcher();
  std::vector<int32_t> found;
  TMessageRec past;  // beyond the table's capacity
  std::string unicode;
  for (int32_t j = 0; j < count && r.More(); ++j) {
    TMessageRec& rec = j < kMessageCapacity ? table.Slot() : past;
    ReadCutText(r, rec.MessageText);
    const bool aboveByte = TakeUnicode(r, unicode, true);
    r.SkipUStr();
    r.SkipUStr();
    r.SkipInts(1);
    rec.MessageColor = r.ReadInt();
    r.SkipInts(2);
    r.SkipBools(2);
    rec.MessageTurn = r.ReadInt();
    rec.MessageKind = r.ReadInt();
    r.SkipInts(2);
    r.SkipBools(1);
    // A record cut off by the end of the data is no message.
    if (!r.More()) break;

    // Messages beyond the table's capacity are not kept, but they still tell when
    // a technology came; they are the latest ones of the game.
    if (ValidTeam(team)) {
      names.Find(rec.MessageText, found);
      auto& turns = m.TechAcquiredTurn[static_cast<size_t>(team)];
      for (int32_t k : found) turns[static_cast<size_t>(k)] = rec.MessageTurn;
    }
    if (j < kMessageCapacity) {
      table.Keep();
      if (aboveByte) m.Unicode.Set(TextField::MessageText, static_cast<int32_t>(row), j, std::move(unicode));
    }
  }
}

// What the team knew before any message named it, and the running research cost
// of what it acquired, by turn index.
void BuildScienceHistory(GameModel& m, int slot, int32_t team) {
  const auto row = static_cast<size_t>(slot);
  auto& science = m.ScienceHistory[row];
  std::fill(science.begin(), science.begin() + kHistoryWritable, 0);
  // A team number outside the teams (a damaged slot) has no technologies to count.
  if (ValidTeam(team)) {
    const auto t = static_cast<size_t>(team);
    auto& turns = m.TechAcquiredTurn[t];
    for (size_t k = 0; k < turns.size(); ++k) {
      if (turns[k] == -1 && m.TeamHasTech[t][k] != 0) turns[k] = 0;
    }
    for (size_t k = 0; k < turns.size(); ++k) {
      if (turns[k] < 0) continue;
      const int32_t i = HistoryIndex(turns[k], m.StartTurn);
      if (i < 0) continue;
      auto& cell = science[static_cast<size_t>(i)];
      cell = WrapAdd(cell, TechCost(m, static_cast<int32_t>(k), slot));
    }
  }
  const int32_t last = std::clamp(m.ElapsedTurns, 0, kHistoryTurns - 1);
  for (int32_t i = 1; i <= last; ++i) {
    const auto at = static_cast<size_t>(i);
    science[at] = WrapAdd(science[at], science[at - 1]);
  }
}

void ReadHistory(FieldReader& r, int32_t startTurn, std::array<int32_t, kHistoryTurns>& series) {
  const int32_t count = r.ReadInt();
  for (int32_t j = 0; j < count && r.More(); ++j) {
    const int32_t turn = r.ReadInt();
    const int32_t value = r.ReadInt();
    if (!r.More()) break;
    const int32_t i = HistoryIndex(turn, startTurn);
    if (i >= 0) series[static_cast<size_t>(i)] = value;
  }
}

}  // namespace

void ReadPlayerTail(ParseContext& ctx, int slot, int32_t recordFlag) {
  FieldReader& r = ctx.Reader;
  GameModel& m = ctx.Model;
  const auto row = static_cast<size_t>(slot);
  const int32_t team = m.GetTeam(slot);

  r.SetSection("the units of a player");
  SkipListWithFour(r);
  m.PlayerUnitCount[row] = r.ReadInt();
  for (int32_t i = 0; i < m.PlayerUnitCount[row] && r.More(); ++i) SkipUnit(r);
  SkipListWithFour(r);
  SkipListOf(r, [&] { SkipRecord6(r); });
  SkipListWithFour(r);
  SkipListOf(r, [&] {
    r.SkipInts(13);
    r.SkipUStr();
    r.SkipUStr();
  });

  ReadMessages(r, m, ctx.Previous, row, team);
  BuildScienceHistory(m, slot, team);

  r.SetSection("the history of a player");
  SkipListOf(r, [&] { SkipRecord12(r); });
  SkipListOf(r, [&] { SkipRecord13(r); });
  for (GameModel::History* series :
       {&m.ScoreHistory, &m.EconomyHistory, &m.IndustryHistory, &m.AgricultureHistory,
        &m.PowerHistory, &m.CultureHistory, &m.EspionageHistory}) {
    ReadHistory(r, m.StartTurn, (*series)[row]);
  }

  r.SetSection("the attitudes of a player");
  for (int i = 0; i < 2; ++i) {
    SkipListOf(r, [&] {
      r.SkipInts(14);
      r.SkipUStr();
      r.SkipUStr();
    });
  }
  for (int i = 0; i < 4; ++i) SkipFixedList(r, 2 * 4);
  if (recordFlag > 0) {
    SkipFixedList(r, 4);
  } else {
    r.SkipBools(176);
  }
  r.SkipInts(3);
  m.PlayerPeaceWeight[row] = r.ReadInt();
  r.SkipInts(9 + 3 + 4 + 4 + 3 + 41 + 41);
  ReadInts(r, m.PlayerSameReligionCounter[row]);
  ReadInts(r, m.PlayerDifferentReligionCounter[row]);
  ReadInts(r, m.PlayerFavoriteCivicCounter[row]);
  ReadInts(r, m.PlayerBonusTradeCounter[row]);
  ReadInts(r, m.PlayerTradeValueA[row]);
  ReadInts(r, m.PlayerTradeValueB[row]);
  r.SkipInts(kSlotCount);
  ReadInts(r, m.PlayerExtraAttitude[row]);
  r.SkipBools(kSlotCount);
  r.SkipInts(kSlotCount * 14);
  for (auto& kinds : m.PlayerMemory[row]) {
    for (int32_t& v : kinds) v = r.ReadInt();
  }
  r.SkipBools(1);
  r.SkipInts(1);
  SkipFixedList(r, 4);
  r.SkipInts(35 + 89 + 10);
  ReadInts(r, m.PlayerCloseBordersAttitude[row]);
}

}  // namespace varnak::parser
