#include <string>

#include "support/fixture_players.h"

namespace varnak::fixture {
namespace {

// Writes the fields the analyzer passes over with running, non-zero values, the
// same for every tail so that one fixture always gives the same bytes.
class TailFiller {
 public:
  explicit TailFiller(ByteWriter& w) : w_(w) {}

  void Ints(int count) {
    for (int i = 0; i < count; ++i) w_.I32(5000 + (next_++ % 30000));
  }
  void Bools(int count) {
    for (int i = 0; i < count; ++i) w_.Bool(static_cast<uint8_t>(i % 2));
  }
  // Texts alternate between 16-bit and 8-bit characters, as saves have both.
  void Text() {
    const std::string text = "filler " + std::to_string(texts_);
    w_.UStr(texts_++ % 2 == 0 ? UText(text) : UText::Narrow(text));
  }
  void Texts(int count) {
    for (int i = 0; i < count; ++i) Text();
  }
  // int32 count n, then n elements written by `element(i)`; a count of 0 or less
  // writes none.
  template <typename Element>
  void List(int32_t n, Element element) {
    w_.I32(n);
    for (int32_t i = 0; i < n; ++i) element(i);
  }
  void ListWithFour(int32_t n) {
    w_.I32(n);
    Ints(4);
    Ints(n > 0 ? n : 0);
  }

 private:
  ByteWriter& w_;
  int32_t next_ = 0;
  int texts_ = 0;
};

void WriteUnit(ByteWriter& w, TailFiller& fill, const UnitFixture& unit) {
  w.I32(unit.Version);
  fill.Ints(19);
  if (unit.Version < 2) fill.Ints(1);
  fill.Ints(38);
  fill.Bools(6);
  if (unit.Version > 0) fill.Bools(1);
  fill.Ints(12);
  w.UStr(unit.Name);
  w.UStr(unit.Script);
  fill.Bools(54);
  fill.Ints(55);
  fill.Ints(4);
}

void WriteMessage(ByteWriter& w, TailFiller& fill, const MessageFixture& msg) {
  w.UStr(msg.Text);
  fill.Texts(2);
  fill.Ints(1);
  w.I32(msg.Color);
  fill.Ints(2);
  fill.Bools(2);
  w.I32(msg.Turn);
  w.I32(msg.Kind);
  fill.Ints(2);
  fill.Bools(1);
}

void WriteHistory(ByteWriter& w, const HistorySeries& series) {
  w.I32(static_cast<int32_t>(series.size()));
  for (const HistoryPair& pair : series) w.I32(pair.Turn).I32(pair.Value);
}

void WriteRow(ByteWriter& w, const std::array<int32_t, 19>& row) {
  for (int32_t v : row) w.I32(v);
}

}  // namespace

void WritePlayerTail(ByteWriter& w, const PlayerTailFixture& tail, int32_t recordFlag) {
  TailFiller fill(w);

  fill.ListWithFour(tail.List1);
  w.I32(tail.UnitCountField.value_or(static_cast<int32_t>(tail.Units.size())));
  for (const UnitFixture& unit : tail.Units) WriteUnit(w, fill, unit);
  fill.ListWithFour(tail.List4);
  fill.List(tail.List6, [&](int32_t i) {
    fill.Ints(3);
    fill.Bools(1);
    fill.Ints(3);
    fill.List(i % 3, [&](int32_t) { fill.Ints(2); });
    fill.List((i + 1) % 3, [&](int32_t) { fill.Ints(5); });
    fill.Ints(3);
    fill.Bools(1);
    fill.Ints(3);
    fill.Bools(1);
    fill.Ints(2);
  });
  fill.ListWithFour(tail.List7);
  fill.List(tail.List9, [&](int32_t) {
    fill.Ints(13);
    fill.Texts(2);
  });

  w.I32(tail.MessageCountField.value_or(static_cast<int32_t>(tail.Messages.size())));
  for (const MessageFixture& msg : tail.Messages) WriteMessage(w, fill, msg);

  w.I32(static_cast<int32_t>(tail.List12.size()));
  for (int32_t pairs : tail.List12) {
    fill.Ints(4);
    fill.Bools(2);
    fill.Ints(1);
    fill.Texts(4);
    fill.List(pairs, [&](int32_t) { fill.Texts(2); });
  }
  w.I32(static_cast<int32_t>(tail.List13.size()));
  for (size_t e = 0; e < tail.List13.size(); ++e) {
    const auto i = static_cast<int32_t>(e);
    fill.Ints(3);
    auto group = [&](int32_t) {
      fill.Ints(2);
      fill.Bools(4);
    };
    fill.List(i % 3, group);
    fill.List((i + 1) % 3, group);
    fill.Bools(2);
    fill.Ints(1);
    fill.Bools(3);
    fill.Text();
    w.I32(static_cast<int32_t>(tail.List13[e].size()));
    for (int32_t kind : tail.List13[e]) {
      w.I32(kind);
      if (kind == 9 || kind == 10) {
        fill.Text();
      } else {
        fill.Ints(2);
      }
    }
  }

  for (const HistorySeries* series : {&tail.Score, &tail.Economy, &tail.Industry, &tail.Agriculture,
                                      &tail.Power, &tail.Culture, &tail.Espionage}) {
    WriteHistory(w, *series);
  }

  for (int32_t n : {tail.List21, tail.List22}) {
    fill.List(n, [&](int32_t) {
      fill.Ints(14);
      fill.Texts(2);
    });
  }
  for (int32_t n : {tail.List23, tail.List24, tail.List25, tail.List26}) {
    fill.List(n, [&](int32_t) { fill.Ints(2); });
  }
  if (recordFlag > 0) {
    fill.List(tail.List27, [&](int32_t) { fill.Ints(1); });
  } else {
    fill.Bools(176);
  }
  fill.Ints(3);
  w.I32(tail.PeaceWeight);
  fill.Ints(9 + 3 + 4 + 4 + 3 + 41 + 41);
  WriteRow(w, tail.SameReligionCounter);
  WriteRow(w, tail.DifferentReligionCounter);
  WriteRow(w, tail.FavoriteCivicCounter);
  WriteRow(w, tail.BonusTradeCounter);
  WriteRow(w, tail.TradeValueA);
  WriteRow(w, tail.TradeValueB);
  fill.Ints(19);
  WriteRow(w, tail.ExtraAttitude);
  fill.Bools(19);
  fill.Ints(19 * 14);
  for (const auto& kinds : tail.Memory) {
    for (int32_t v : kinds) w.I32(v);
  }
  fill.Bools(1);
  fill.Ints(1);
  fill.List(tail.List44, [&](int32_t) { fill.Ints(1); });
  fill.Ints(35 + 89 + 10);
  WriteRow(w, tail.CloseBordersAttitude);
}

}  // namespace varnak::fixture
