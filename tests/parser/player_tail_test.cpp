#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/cost.h"
#include "parser/sections.h"
#include "parser/tech_name_matcher.h"
#include "reference/reference_tables.h"
#include "support/analyse.h"
#include "model/wrapping.h"
#include "support/case_name.h"

namespace varnak {
namespace {

using fixture::MessageFixture;
using fixture::PlayerTailFixture;
using fixture::SaveFixture;

constexpr int kMysticism = 0;     // base cost 50
constexpr int kBronzeWorking = 64;
constexpr int kFlight = 51;       // base cost 5000
constexpr int kAdvancedFlight = 52;
constexpr int kMining = 60;       // base cost 50

// ---------------------------------------------------------------------------
// The name search

std::vector<int32_t> Found(const parser::NameMatcher& matcher, std::string_view text) {
  std::vector<int32_t> found = {-7};  // stale content must not survive
  matcher.Find(text, found);
  return found;
}

// One substring test per technology, in technology order.
std::vector<int32_t> FoundOneByOne(std::string_view text) {
  std::vector<int32_t> found;
  for (size_t k = 0; k < reference::kTechCount; ++k) {
    if (text.find(reference::TechnologyTable[k].TechName) != std::string_view::npos) {
      found.push_back(static_cast<int32_t>(k));
    }
  }
  return found;
}

TEST(NameMatcher, ReportsEveryNameInsideTheTextOnce) {
  const std::array<std::string_view, 6> names = {"he", "she", "his", "hers", "", "he"};
  const parser::NameMatcher matcher(names);
  // "ushers" holds "she", "he" and "hers" overlapping; the empty name is in every
  // text, and a name given twice is found under both indexes.
  EXPECT_EQ(Found(matcher, "ushers"), (std::vector<int32_t>{0, 1, 3, 4, 5}));
  EXPECT_EQ(Found(matcher, "hishe hishe"), (std::vector<int32_t>{0, 1, 2, 4, 5}));
  EXPECT_EQ(Found(matcher, ""), (std::vector<int32_t>{4}));
  EXPECT_EQ(Found(matcher, "HERS Hers"), (std::vector<int32_t>{4}));
  // Bytes that belong to no name, including high and zero bytes, restart the search.
  EXPECT_EQ(Found(matcher, std::string_view("s\xE9he\0hi\xFFs", 9)), (std::vector<int32_t>{0, 4, 5}));
}

struct TechTextCase {
  const char* name;
  const char* text;
  std::vector<int32_t> techs;
};

class TechnologyNames : public testing::TestWithParam<TechTextCase> {};

TEST_P(TechnologyNames, AreFoundAsCaseSensitiveSubstrings) {
  const TechTextCase& c = GetParam();
  EXPECT_EQ(Found(parser::TechnologyNameMatcher(), c.text), c.techs);
  EXPECT_EQ(FoundOneByOne(c.text), c.techs);  // the case rows themselves are right
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TechnologyNames,
    testing::Values(
        TechTextCase{"NameInsideALongerName", "You have discovered Advanced Flight!", {kFlight, kAdvancedFlight}},
        TechTextCase{"CaseMatters", "a flight of FLIGHT and mining", {}},
        TechTextCase{"WholeTextIsAName", "Mining", {kMining}},
        TechTextCase{"NamesRunTogether", "SteelSteam PowerRadio", {77, 78, 83}},
        TechTextCase{"CutShortOfAName", "Advanced Fligh and Steam Powe", {}},
        TechTextCase{"RepeatedName", "Mining Mining Mining", {kMining}},
        TechTextCase{"NoName", "Roma has grown to size 4", {}}),
    fixture::CaseName());

// Texts made of pieces of names, whole and cut, with the letters around them,
// agree with one substring test per technology.
TEST(TechnologyNames, AgreeWithOneSubstringTestPerName) {
  std::mt19937 random(20240611u);
  const auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  const parser::NameMatcher& matcher = parser::TechnologyNameMatcher();
  int withNames = 0;
  for (int t = 0; t < 3000; ++t) {
    std::string text;
    const size_t pieces = pick(6);
    for (size_t p = 0; p < pieces; ++p) {
      const std::string_view name = reference::TechnologyTable[pick(reference::kTechCount)].TechName;
      const size_t from = pick(3) == 0 ? pick(name.size()) : 0;
      const size_t length = pick(3) == 0 ? pick(name.size() + 1) : name.size();
      text += name.substr(from, length);
      if (pick(2) == 0) text += " eA\xE9"[pick(4)];
    }
    const std::vector<int32_t> expected = FoundOneByOne(text);
    if (!expected.empty()) ++withNames;
    ASSERT_EQ(Found(matcher, text), expected) << "text: " << text;
  }
  EXPECT_GT(withNames, 1000);  // the texts do exercise the matches
}

// ---------------------------------------------------------------------------
// The writer against the record sizes

std::vector<uint8_t> TailBytes(const PlayerTailFixture& tail, int32_t recordFlag) {
  fixture::ByteWriter w;
  fixture::WritePlayerTail(w, tail, recordFlag);
  return w.Take();
}

// With every list empty the tail is 1,344 int32 and 20 bools when the record flag
// is above 0, and 1,343 int32 and 196 bools otherwise.
TEST(PlayerTailWriter, EmptyTailHasTheSizeOfItsRecordFlag) {
  EXPECT_EQ(TailBytes({}, 1).size(), 5396u);
  EXPECT_EQ(TailBytes({}, 7).size(), 5396u);
  EXPECT_EQ(TailBytes({}, 0).size(), 5568u);
  EXPECT_EQ(TailBytes({}, -1).size(), 5568u);
}

TEST(PlayerTailWriter, UnitRecordSizeFollowsItsVersion) {
  const size_t empty = TailBytes({}, 1).size();
  auto withUnit = [&](int32_t version) {
    PlayerTailFixture t;
    t.Units = {{version, "", ""}};
    return TailBytes(t, 1).size() - empty;
  };
  EXPECT_EQ(withUnit(2), 129u * 4 + 61 + 8);
  EXPECT_EQ(withUnit(5), 129u * 4 + 61 + 8);
  EXPECT_EQ(withUnit(1), 130u * 4 + 61 + 8);
  EXPECT_EQ(withUnit(0), 130u * 4 + 60 + 8);
  PlayerTailFixture t;
  t.Units = {{2, fixture::UText::Narrow("Archer"), "xy"}};
  EXPECT_EQ(TailBytes(t, 1).size() - empty, 129u * 4 + 61 + 8 + 6 + 4);
}

// ---------------------------------------------------------------------------
// Reading one tail

// A model as the earlier sections leave it before the tail of a player: every slot
// in its own team of one, no technology turns yet, research cost factors of 100 %
// and nobody alive (difficulty 3, factor 100 %), so a technology costs its base cost.
std::unique_ptr<GameModel> ModelBeforeTail() {
  auto m = std::make_unique<GameModel>();
  for (int p = 0; p < kSlotCount; ++p) {
    const auto i = static_cast<size_t>(p);
    m->SlotTable[i].SlotTeam = p;
    m->TeamMemberCount[i] = 1;
    m->TechAcquiredTurn[i].fill(-1);
  }
  m->WorldSizePercent = 100;
  m->SpeedPercent = 100;
  m->EraPercent = 100;
  m->ElapsedTurns = 100;
  return m;
}

struct TailRead {
  std::unique_ptr<GameModel> Model;
  int64_t Cursor = 0;
  int64_t Size = 0;
  bool Exhausted = false;
  std::string Section;
};

TailRead ReadTailBytes(const std::vector<uint8_t>& bytes, int slot, int32_t recordFlag,
                       std::unique_ptr<GameModel> model) {
  const SaveImage image{};
  FieldReader r(bytes);
  parser::ParseContext ctx{image, r, *model};
  parser::ReadPlayerTail(ctx, slot, recordFlag);
  TailRead out;
  out.Cursor = r.Cursor();
  out.Size = static_cast<int64_t>(bytes.size());
  out.Exhausted = r.Exhausted();
  out.Section = r.ExhaustedSection() != nullptr ? r.ExhaustedSection() : "";
  out.Model = std::move(model);
  return out;
}

TailRead ReadTail(const PlayerTailFixture& tail, int slot = 0, int32_t recordFlag = 1,
                  std::unique_ptr<GameModel> model = ModelBeforeTail()) {
  return ReadTailBytes(TailBytes(tail, recordFlag), slot, recordFlag, std::move(model));
}

// The last fields of the record, with values a misplaced read would not give.
void SetLastFields(PlayerTailFixture& t) {
  t.PeaceWeight = 6;
  t.ExtraAttitude[18] = -2;
  t.Memory[18][32] = 9;
  for (int p = 0; p < 19; ++p) t.CloseBordersAttitude[static_cast<size_t>(p)] = 100 + p;
}

void ExpectLastFields(const TailRead& read, int slot) {
  const GameModel& m = *read.Model;
  const auto r = static_cast<size_t>(slot);
  EXPECT_EQ(read.Cursor, read.Size);
  EXPECT_FALSE(read.Exhausted);
  EXPECT_EQ(m.PlayerPeaceWeight[r], 6);
  EXPECT_EQ(m.PlayerExtraAttitude[r][18], -2);
  EXPECT_EQ(m.PlayerMemory[r][18][32], 9);
  EXPECT_EQ(m.PlayerCloseBordersAttitude[r][0], 100);
  EXPECT_EQ(m.PlayerCloseBordersAttitude[r][18], 118);
}

struct LayoutCase {
  const char* name;
  int32_t recordFlag;
  void (*edit)(PlayerTailFixture&);
};

class PlayerTailLayout : public testing::TestWithParam<LayoutCase> {};

// Whatever the units and the skipped lists hold, the whole tail is read and its
// last fields come from their right place.
TEST_P(PlayerTailLayout, ReadsTheWholeTail) {
  PlayerTailFixture t;
  GetParam().edit(t);
  SetLastFields(t);
  ExpectLastFields(ReadTail(t, 3, GetParam().recordFlag), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PlayerTailLayout,
    testing::Values(
        LayoutCase{"EmptyTail", 1, [](PlayerTailFixture&) {}},
        LayoutCase{"UnitsOfEveryVersion", 1,
                   [](PlayerTailFixture& f) {
                     f.Units = {{0, "Warrior", ""}, {1, "Settler", "x"}, {2, "Worker", "script"},
                                {3, fixture::UText::Narrow("Scout"), ""}, {-1, "Archer", "ab"}};
                   }},
        LayoutCase{"SkippedListsWithElements", 1,
                   [](PlayerTailFixture& f) {
                     f.List1 = 3;
                     f.List4 = 2;
                     f.List6 = 5;
                     f.List7 = 1;
                     f.List9 = 3;
                     f.List21 = 2;
                     f.List22 = 3;
                     f.List23 = 1;
                     f.List24 = 4;
                     f.List25 = 2;
                     f.List26 = 3;
                     f.List27 = 5;
                     f.List44 = 6;
                   }},
        LayoutCase{"NegativeListCountsReadNothing", 1,
                   [](PlayerTailFixture& f) {
                     f.List1 = -2;
                     f.List6 = -1;
                     f.List9 = -3;
                     f.List21 = -4;
                     f.List23 = -5;
                     f.List27 = -1;
                     f.List44 = -9;
                   }},
        LayoutCase{"Record12WithTextPairs", 1, [](PlayerTailFixture& f) { f.List12 = {0, 2, 1, 3}; }},
        LayoutCase{"Record13EntryKinds", 1,
                   [](PlayerTailFixture& f) { f.List13 = {{9}, {10, 11}, {0, 9, 12, 10, -1}, {}}; }},
        LayoutCase{"FlagZeroReads176Bools", 0, [](PlayerTailFixture& f) { f.List27 = 4; }},
        LayoutCase{"FlagNegativeReads176Bools", -1, [](PlayerTailFixture& f) { f.List27 = 4; }},
        LayoutCase{"MessagesAndHistories", 0,
                   [](PlayerTailFixture& f) {
                     f.Messages = {{"Roma has grown", 7, 3, 1}, {fixture::UText::Narrow("x y"), 2, 5, 3}, {}};
                     f.Score = {{1, 5}, {2, 8}};
                     f.Espionage = {{3, 1}};
                   }}),
    fixture::CaseName());

TEST(PlayerTail, StoresTheCountsTheMessagesAndTheAttitudeRows) {
  PlayerTailFixture t;
  t.Units = {{2, "Warrior", ""}, {1, "Worker", ""}};
  t.Messages = {
      {"<color=255,0,0>Roma</color> has grown to size 3", 4, 17, 1},
      {fixture::UText::Narrow("A barbarian has been defeated"), 9, 21, 3},
      {"", 0, 22, 5},
  };
  t.PeaceWeight = 8;
  for (int p = 0; p < 19; ++p) {
    const auto i = static_cast<size_t>(p);
    t.SameReligionCounter[i] = 100 + p;
    t.DifferentReligionCounter[i] = 200 + p;
    t.FavoriteCivicCounter[i] = 300 + p;
    t.BonusTradeCounter[i] = 400 + p;
    t.TradeValueA[i] = 500 + p;
    t.TradeValueB[i] = 600 + p;
    t.ExtraAttitude[i] = -p;
    for (int k = 0; k < 33; ++k) t.Memory[i][static_cast<size_t>(k)] = 1000 * p + k;
  }
  t.CloseBordersAttitude[4] = -3;

  const TailRead read = ReadTail(t, 4);
  const GameModel& m = *read.Model;
  EXPECT_EQ(read.Cursor, read.Size);
  EXPECT_EQ(m.PlayerUnitCount[4], 2);
  EXPECT_EQ(m.PlayerMessageCount[4], 3);
  ASSERT_EQ(m.MessageTable[4].size(), 3u);
  EXPECT_EQ(m.MessageTable[4][0].MessageText, "Roma has grown to size 3");
  EXPECT_EQ(m.MessageTable[4][0].MessageColor, 4);
  EXPECT_EQ(m.MessageTable[4][0].MessageTurn, 17);
  EXPECT_EQ(m.MessageTable[4][0].MessageKind, 1);
  EXPECT_EQ(m.MessageTable[4][1].MessageText, "A barbarian has been defeated");
  EXPECT_EQ(m.MessageTable[4][1].MessageColor, 9);
  EXPECT_EQ(m.MessageTable[4][1].MessageKind, 3);
  EXPECT_EQ(m.MessageTable[4][2].MessageText, "");
  EXPECT_EQ(m.MessageTable[4][2].MessageTurn, 22);
  EXPECT_EQ(m.MessageTable[4][2].MessageKind, 5);
  EXPECT_EQ(m.PlayerPeaceWeight[4], 8);
  for (size_t p : {size_t{0}, size_t{4}, size_t{18}}) {
    const auto v = static_cast<int32_t>(p);
    EXPECT_EQ(m.PlayerSameReligionCounter[4][p], 100 + v);
    EXPECT_EQ(m.PlayerDifferentReligionCounter[4][p], 200 + v);
    EXPECT_EQ(m.PlayerFavoriteCivicCounter[4][p], 300 + v);
    EXPECT_EQ(m.PlayerBonusTradeCounter[4][p], 400 + v);
    EXPECT_EQ(m.PlayerTradeValueA[4][p], 500 + v);
    EXPECT_EQ(m.PlayerTradeValueB[4][p], 600 + v);
    EXPECT_EQ(m.PlayerExtraAttitude[4][p], -v);
    EXPECT_EQ(m.PlayerMemory[4][p][0], 1000 * v);
    EXPECT_EQ(m.PlayerMemory[4][p][32], 1000 * v + 32);
  }
  // "No value" is kept as the save holds it.
  EXPECT_EQ(m.PlayerCloseBordersAttitude[4][3], 2147483647);
  EXPECT_EQ(m.PlayerCloseBordersAttitude[4][4], -3);
  // Only the row of the player read is touched.
  EXPECT_EQ(m.PlayerPeaceWeight[3], 0);
  EXPECT_TRUE(m.MessageTable[3].empty());
}

TEST(PlayerTail, NegativeCountsReadNothingAndAreKeptAsRead) {
  PlayerTailFixture t;
  t.UnitCountField = -3;
  t.MessageCountField = -1;
  SetLastFields(t);
  const TailRead read = ReadTail(t, 2);
  ExpectLastFields(read, 2);
  EXPECT_EQ(read.Model->PlayerUnitCount[2], -3);
  EXPECT_EQ(read.Model->PlayerMessageCount[2], -1);
  EXPECT_TRUE(read.Model->MessageTable[2].empty());
}

// The table keeps 65,537 messages; the ones after them are read past, and still
// date the technologies they name.
TEST(PlayerTail, MessagesBeyondTheTableAreReadPast) {
  PlayerTailFixture t;
  t.Messages.resize(static_cast<size_t>(kMessageCapacity) + 3, MessageFixture{"m", 1, 2, 1});
  t.Messages[static_cast<size_t>(kMessageCapacity) - 1].Text = "last kept";
  t.Messages[static_cast<size_t>(kMessageCapacity)].Text = "Flight";
  t.Messages[static_cast<size_t>(kMessageCapacity)].Turn = 77;
  SetLastFields(t);
  const TailRead read = ReadTail(t, 1);
  ExpectLastFields(read, 1);
  const GameModel& m = *read.Model;
  EXPECT_EQ(m.PlayerMessageCount[1], kMessageCapacity + 3);
  ASSERT_EQ(m.MessageTable[1].size(), static_cast<size_t>(kMessageCapacity));
  EXPECT_EQ(m.MessageTable[1].back().MessageText, "last kept");
  EXPECT_EQ(m.TechAcquiredTurn[1][kFlight], 77);
}

// Bytes before the first message record: list 1 (count and four int32), the unit
// count, list 4, the count of list 6, list 7, the count of list 9, the message count.
constexpr int64_t kFirstMessage = 20 + 4 + 20 + 4 + 20 + 4 + 4;

// Bytes of the first `count` message records of the tail.
int64_t MessageBytes(PlayerTailFixture t, size_t count) {
  t.MessageCountField.reset();
  t.Messages.resize(count);
  const size_t with = TailBytes(t, 1).size();
  t.Messages.clear();
  return static_cast<int64_t>(with - TailBytes(t, 1).size());
}

struct CutCase {
  const char* name;
  void (*edit)(PlayerTailFixture&);
  int64_t (*keep)(const PlayerTailFixture&);  // bytes of the written tail left; -1: all
  const char* section;
  int messagesKept;  // -1: the two whole messages first, then whatever the rest reads as
};

class PlayerTailCut : public testing::TestWithParam<CutCase> {};

// A tail that the data cuts short, or whose counts promise more than there is,
// stops at the end, says where it stopped and keeps no half-read record.
TEST_P(PlayerTailCut, StopsAtTheEndOfTheData) {
  const CutCase& c = GetParam();
  PlayerTailFixture t;
  t.Messages = {{"You have discovered Mining!", 1, 30, 1}, {"Roma has grown", 1, 31, 1},
                {"You have discovered Flight!", 1, 40, 1}};
  t.Score = {{5, 50}};
  c.edit(t);
  std::vector<uint8_t> bytes = TailBytes(t, 1);
  if (c.keep(t) >= 0) bytes.resize(static_cast<size_t>(c.keep(t)));
  auto model = ModelBeforeTail();
  model->ScoreHistory[0].fill(99);
  const TailRead read = ReadTailBytes(bytes, 0, 1, std::move(model));
  const GameModel& m = *read.Model;
  EXPECT_TRUE(read.Exhausted);
  EXPECT_EQ(read.Section, c.section);
  if (c.messagesKept >= 0) {
    EXPECT_EQ(m.MessageTable[0].size(), static_cast<size_t>(c.messagesKept));
  } else {
    EXPECT_GE(m.MessageTable[0].size(), 2u);
  }
  if (m.MessageTable[0].size() >= 2) {
    EXPECT_EQ(m.MessageTable[0][1].MessageText, "Roma has grown");
    EXPECT_EQ(m.TechAcquiredTurn[0][kMining], 30);
  }
  // Neither a cut message nor a cut history pair is kept.
  EXPECT_EQ(m.TechAcquiredTurn[0][kFlight], -1);
  EXPECT_EQ(m.ScoreHistory[0][5], 99);
  EXPECT_EQ(m.ScoreHistory[0][0], 99);
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, PlayerTailCut,
    testing::Values(
        CutCase{"InsideTheThirdMessage", [](PlayerTailFixture&) {},
                [](const PlayerTailFixture& f) { return kFirstMessage + MessageBytes(f, 2) + 20; },
                "the messages of a player", 2},
        CutCase{"HugeUnitCount", [](PlayerTailFixture& f) { f.UnitCountField = 2147483647; },
                [](const PlayerTailFixture&) { return int64_t{-1}; }, "the units of a player", 0},
        CutCase{"HugeMessageCount",
                [](PlayerTailFixture& f) {
                  f.MessageCountField = 2147483647;
                  f.Messages.pop_back();
                },
                [](const PlayerTailFixture&) { return int64_t{-1}; }, "the messages of a player",
                -1},
        // Lists 12 and 13 are empty; the cut leaves the first pair's turn only.
        CutCase{"InsideAHistoryPair", [](PlayerTailFixture& f) { f.Messages.pop_back(); },
                [](const PlayerTailFixture& f) {
                  return kFirstMessage + MessageBytes(f, 2) + 4 + 4 + 4 + 4;
                },
                "the history of a player", 2}),
    fixture::CaseName());

// ---------------------------------------------------------------------------
// Technology turns and the science series

TEST(TechnologyTurns, LaterMessagesOverwriteAndOneMessageCanNameSeveral) {
  auto model = ModelBeforeTail();
  model->SlotTable[3].SlotTeam = 5;
  PlayerTailFixture t;
  t.Messages = {
      {"You have discovered Flight!", 1, 40, 1},
      {"You have discovered Advanced Flight!", 1, 55, 1},
      {"a flight of fancy", 1, 60, 1},
      {"You have discovered <color=0,255,0>Mi<b>ning</b></color>", 1, 70, 1},
  };
  const TailRead read = ReadTail(t, 3, 1, std::move(model));
  const GameModel& m = *read.Model;
  // The player's team owns the row.
  EXPECT_EQ(m.TechAcquiredTurn[5][kFlight], 55);
  EXPECT_EQ(m.TechAcquiredTurn[5][kAdvancedFlight], 55);
  EXPECT_EQ(m.TechAcquiredTurn[5][kMining], 70);  // named once the markup is gone
  EXPECT_EQ(std::count(m.TechAcquiredTurn[5].begin(), m.TechAcquiredTurn[5].end(), -1), 89);
  EXPECT_EQ(std::count(m.TechAcquiredTurn[3].begin(), m.TechAcquiredTurn[3].end(), -1), 92);
}

TEST(TechnologyTurns, WhatTheTeamKnewAndNoMessageNamesCountsFromTurnZero) {
  auto model = ModelBeforeTail();
  model->TeamHasTech[0][kMysticism] = 1;
  model->TeamHasTech[0][kFlight] = 1;
  PlayerTailFixture t;
  t.Messages = {{"You have discovered Flight!", 1, 40, 1}};
  const TailRead read = ReadTail(t, 0, 1, std::move(model));
  const GameModel& m = *read.Model;
  EXPECT_EQ(m.TechAcquiredTurn[0][kMysticism], 0);
  EXPECT_EQ(m.TechAcquiredTurn[0][kFlight], 40);
  EXPECT_EQ(m.TechAcquiredTurn[0][kMining], -1);
  EXPECT_EQ(m.ScienceHistory[0][0], 50);
  EXPECT_EQ(m.ScienceHistory[0][39], 50);
  EXPECT_EQ(m.ScienceHistory[0][40], 5050);
}

TEST(ScienceHistory, IsTheRunningTotalOfTheCostsByTurn) {
  auto model = ModelBeforeTail();
  model->TeamHasTech[0][kMysticism] = 1;
  PlayerTailFixture t;
  t.Messages = {{"Mining", 1, 10, 1}, {"Advanced Flight", 1, 40, 1}, {"Bronze Working", 1, 40, 1}};
  const TailRead read = ReadTail(t, 0, 1, std::move(model));
  const auto& s = read.Model->ScienceHistory[0];
  EXPECT_EQ(s[0], 50);
  EXPECT_EQ(s[9], 50);
  EXPECT_EQ(s[10], 100);
  EXPECT_EQ(s[39], 100);
  EXPECT_EQ(s[40], 100 + 5000 + 5000 + 120);
  EXPECT_EQ(s[100], 10220);  // ElapsedTurns 100
  EXPECT_EQ(s[101], 0);      // beyond the game's turns nothing is summed
  EXPECT_EQ(read.Model->TechAcquiredTurn[0][kBronzeWorking], 40);
}

struct ScienceCase {
  const char* name;
  int32_t startTurn;
  int32_t elapsedTurns;
  int32_t messageTurn;
  int32_t index;  // where the cost of Flight lands; -1: nowhere
  int32_t lastSummed;  // last index that carries it on
};

class ScienceIndex : public testing::TestWithParam<ScienceCase> {};

TEST_P(ScienceIndex, CountsTheCostAtTheTurnsIndex) {
  const ScienceCase& c = GetParam();
  auto model = ModelBeforeTail();
  model->StartTurn = c.startTurn;
  model->ElapsedTurns = c.elapsedTurns;
  PlayerTailFixture t;
  t.Messages = {{"You have discovered Flight!", 1, c.messageTurn, 1}};
  const TailRead read = ReadTail(t, 0, 1, std::move(model));
  const auto& s = read.Model->ScienceHistory[0];
  EXPECT_EQ(read.Model->TechAcquiredTurn[0][kFlight], c.messageTurn);
  if (c.index < 0) {
    EXPECT_EQ(std::count(s.begin(), s.end(), 0), kHistoryTurns);
    return;
  }
  const auto at = static_cast<size_t>(c.index);
  if (at > 0) {
    EXPECT_EQ(s[at - 1], 0);
  }
  EXPECT_EQ(s[at], 5000);
  EXPECT_EQ(s[static_cast<size_t>(c.lastSummed)], 5000);
  if (c.lastSummed < kHistoryTurns - 1) {
    EXPECT_EQ(s[static_cast<size_t>(c.lastSummed) + 1], 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Turns, ScienceIndex,
    testing::Values(ScienceCase{"StartTurnZero", 0, 100, 40, 40, 100},
                    ScienceCase{"LaterStart", 75, 100, 120, 45, 100},
                    ScienceCase{"BeforeTheStartCountsAtIndexZero", 75, 100, 60, 0, 100},
                    ScienceCase{"LastWritableIndex", 0, 1500, 1499, 1499, 1500},
                    ScienceCase{"BeyondTheTablesIsDropped", 75, 1500, 1575, -1, 0},
                    ScienceCase{"NegativeElapsedTurnsSumNothing", 0, -5, 40, 40, 40},
                    ScienceCase{"ZeroElapsedTurnsSumNothing", 0, 0, 40, 40, 40},
                    ScienceCase{"HugeElapsedTurnsStopAtTheTablesEnd", 0, 2147483647, 40, 40, 1500},
                    ScienceCase{"TurnAfterAFarNegativeStartWrapsToIndexZero", -2147483647, 100, 5, 0, 100}),
    fixture::CaseName());

class TeamWithoutRow : public testing::TestWithParam<int32_t> {};

// A slot whose team number is outside the teams has no row to date technologies
// in: nothing is dated, the science series stays empty, the rest is read.
TEST_P(TeamWithoutRow, DatesNoTechnologies) {
  auto model = ModelBeforeTail();
  model->SlotTable[2].SlotTeam = GetParam();
  model->TeamHasTech[2][kMysticism] = 1;
  PlayerTailFixture t;
  t.Messages = {{"You have discovered Flight!", 1, 40, 1}};
  t.Score = {{40, 12}};
  SetLastFields(t);
  const TailRead read = ReadTail(t, 2, 1, std::move(model));
  ExpectLastFields(read, 2);
  const GameModel& m = *read.Model;
  for (const auto& row : m.TechAcquiredTurn) EXPECT_EQ(std::count(row.begin(), row.end(), -1), 92);
  EXPECT_EQ(std::count(m.ScienceHistory[2].begin(), m.ScienceHistory[2].end(), 0), kHistoryTurns);
  ASSERT_EQ(m.MessageTable[2].size(), 1u);
  EXPECT_EQ(m.ScoreHistory[2][40], 12);
}

INSTANTIATE_TEST_SUITE_P(Teams, TeamWithoutRow, testing::Values(19, -1, 2147483647, -2147483647 - 1));

// ---------------------------------------------------------------------------
// History series

TEST(HistorySeries, PairsGoToTheIndexOfTheirTurn) {
  auto model = ModelBeforeTail();
  model->StartTurn = 75;
  PlayerTailFixture t;
  t.Score = {{80, 12}, {70, 9}, {1600, 1}, {1574, 3}, {1575, 4}, {90, 1}, {90, 2}, {-2147483647 - 1, 7}};
  t.Economy = {{76, 101}};
  t.Industry = {{76, 102}};
  t.Agriculture = {{76, 103}};
  t.Power = {{76, 104}};
  t.Culture = {{76, 105}};
  t.Espionage = {{76, 106}};
  const TailRead read = ReadTail(t, 6, 1, std::move(model));
  EXPECT_EQ(read.Cursor, read.Size);
  const GameModel& m = *read.Model;
  const auto& score = m.ScoreHistory[6];
  EXPECT_EQ(score[5], 12);
  EXPECT_EQ(score[0], 9);     // before the start
  EXPECT_EQ(score[1499], 3);
  EXPECT_EQ(score[1500], 0);  // turns 1575 and 1600 are dropped
  EXPECT_EQ(score[15], 2);    // the later of two pairs of one turn
  // Turn -2^31 less the start wraps round to a turn far beyond the tables.
  EXPECT_EQ(std::count(score.begin(), score.end(), 0), kHistoryTurns - 4);
  EXPECT_EQ(m.EconomyHistory[6][1], 101);
  EXPECT_EQ(m.IndustryHistory[6][1], 102);
  EXPECT_EQ(m.AgricultureHistory[6][1], 103);
  EXPECT_EQ(m.PowerHistory[6][1], 104);
  EXPECT_EQ(m.CultureHistory[6][1], 105);
  EXPECT_EQ(m.EspionageHistory[6][1], 106);
  EXPECT_EQ(m.EspionageHistory[6][0], 0);
  EXPECT_EQ(m.ScoreHistory[5][5], 0);
}

// ---------------------------------------------------------------------------
// In a whole save

// Each pass fills its own player's rows; team mates share the team's row of
// technology turns, so a later member's science counts what an earlier one named.
TEST(PlayerTailInSave, EachPassFillsItsPlayersRowsAndTeamMatesShareTechnologies) {
  SaveFixture s = SaveFixture::Basic();
  s.Header.Slots[2].Team = 0;
  auto& third = s.Players[2].Tail;
  third.Messages = {{"You have discovered Mining!", 3, 30, 1}};
  third.Agriculture = {{30, 44}};
  third.PeaceWeight = 5;
  s.Players[18].Tail.PeaceWeight = 2;
  s.Players[18].Tail.CloseBordersAttitude[0] = 7;

  const auto m = fixture::Analyse(s);
  EXPECT_FALSE(m->Damage.Damaged);
  EXPECT_EQ(m->MessageTable[2].size(), 1u);
  EXPECT_EQ(m->AgricultureHistory[2][30], 44);
  EXPECT_EQ(m->PlayerPeaceWeight[2], 5);
  EXPECT_EQ(m->PlayerPeaceWeight[18], 2);
  EXPECT_EQ(m->PlayerCloseBordersAttitude[18][0], 7);
  EXPECT_EQ(m->TechAcquiredTurn[0][kMining], 30);
  EXPECT_EQ(m->TechAcquiredTurn[2][kMining], -1);
  const int32_t mining = TechCost(*m, kMining, 2);
  EXPECT_EQ(m->ScienceHistory[2][30], WrapAdd(m->ScienceHistory[2][29], mining));
  EXPECT_EQ(m->ScienceHistory[0][30], m->ScienceHistory[0][29]);

  // The basic game's own logs and histories.
  ASSERT_FALSE(m->MessageTable[0].empty());
  ASSERT_FALSE(m->MessageTable[1].empty());
  EXPECT_EQ(m->PlayerMessageCount[0], static_cast<int32_t>(s.Players[0].Tail.Messages.size()));
  EXPECT_EQ(m->ScoreHistory[1][40], s.Players[1].Tail.Score.back().Value);
}

}  // namespace
}  // namespace varnak
