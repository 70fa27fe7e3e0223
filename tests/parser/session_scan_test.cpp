#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string_view>

#include "parser/sections.h"
#include "saveio/text.h"
#include "support/find_ustr.h"
#include "support/analyse.h"

namespace varnak {
namespace {

using fixture::ReplayFixture;
using fixture::SaveFixture;

SaveFixture WithReplay(std::vector<ReplayFixture> replay, int32_t startTurn = 0) {
  SaveFixture s = SaveFixture::Basic();
  s.Game.StartTurn = startTurn;
  s.Game.Replay = std::move(replay);
  return s;
}

TEST(SessionScan, NoMarkersLeavesEveryEntryEmpty) {
  const auto m = fixture::Analyse(WithReplay({{5, {}, "Aurelia founded Roma", 2}}));
  EXPECT_TRUE(std::all_of(m->SessionTurns.begin(), m->SessionTurns.end(),
                          [](int32_t t) { return t == kNoSessionTurn; }));
  EXPECT_EQ(m->PreSessionCount, 0);
  EXPECT_TRUE(m->SessionList.empty());
}

TEST(SessionScan, CollectsEveryMarkerSortedWithPreSessionsAtTheStartTurn) {
  // Three sessions at the start turn, two later ones, given out of order and in all
  // three languages. A marker inside a longer text counts too, with the int32 that
  // lies 24 bytes before it: here the second kept value of its record.
  const auto m = fixture::Analyse(WithReplay(
      {
          {75, {}, "Session 1", 2},
          {130, {}, "Lancement de la session 4", 2},
          {75, {}, "\xD1\xE5\xF1\xF1\xE8\xFF 2", 2},
          {90, {0, 55, 0, 0}, "New Session 3", 2},
          {75, {}, "Session 1b", 2},
          {80, {}, "Aurelia founded Roma", 38},
      },
      75));
  EXPECT_EQ(std::vector<int32_t>(m->SessionTurns.begin(), m->SessionTurns.begin() + 6),
            (std::vector<int32_t>{55, 75, 75, 75, 130, kNoSessionTurn}));
  EXPECT_EQ(m->PreSessionCount, 3);
  ASSERT_EQ(m->SessionList.size(), 5u);
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(m->SessionList[i].Number, static_cast<int32_t>(i + 1));
  // Normal speed: turn 55 is 1800 BC, turn 75 is 1000 BC, turn 130 is 375 AD.
  EXPECT_EQ(m->SessionList[0].Year, -1800);
  EXPECT_EQ(m->SessionList[1].Year, -1000);
  EXPECT_EQ(m->SessionList[4].Year, 375);
}

TEST(SessionScan, ATextStoredInEightBitCharactersIsNoMarker) {
  const auto m =
      fixture::Analyse(WithReplay({{3, {}, fixture::UText::Narrow("Session 1"), 2}}));
  EXPECT_EQ(m->SessionTurns[0], kNoSessionTurn);
}

TEST(SessionScan, KeepsTheFirst4096MatchesInMarkerOrder) {
  std::vector<ReplayFixture> replay;
  for (int i = 0; i < 4100; ++i) replay.push_back({10 + i % 7, {}, "Session", 2});
  replay.push_back({1, {}, "Lancement de la session", 2});  // never searched
  const auto m = fixture::Analyse(WithReplay(std::move(replay)));
  EXPECT_EQ(std::count(m->SessionTurns.begin(), m->SessionTurns.end(), 1), 0);
  EXPECT_EQ(m->SessionTurns.back(), 16);
  EXPECT_EQ(m->SessionList.size(), 4096u);
}

// What the scan finds is what one FindUStr search after the other finds, marker by
// marker, on bodies of random bytes with markers planted anywhere: at the ends, across
// the places the scan tests together, overlapping, and with any header length; at
// the widest the processor offers and at the portable width.
TEST(SessionScan, AgreesWithOneSearchPerMarker) {
  constexpr std::string_view kMarkers[] = {"Session", "\xD1\xE5\xF1\xF1\xE8\xFF",
                                           "Lancement de la session"};
  std::mt19937 random(20261210u);
  const auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  for (int round = 0; round < 400; ++round) {
    SaveImage image;
    image.Bytes.resize(20 + pick(300));
    // Few byte values, so that markers' first characters come up often.
    for (uint8_t& b : image.Bytes) b = static_cast<uint8_t>("S\xD1Lesa\0\x01"[pick(8)]);
    for (size_t planted = pick(5); planted > 0; --planted) {
      const std::string_view marker = kMarkers[pick(3)];
      const size_t at = pick(image.Bytes.size());
      for (size_t j = 0; j < marker.size() && at + 2 * j < image.Bytes.size(); ++j)
        image.Bytes[at + 2 * j] = static_cast<uint8_t>(marker[j]);
    }
    image.ImageLength = static_cast<int32_t>(image.Bytes.size());
    // -1 and below: the search starts at 0 or before the image.
    image.HeaderLength = static_cast<int32_t>(pick(44)) - 4;

    std::array<int32_t, kSessionTurnCapacity> expected;
    expected.fill(kNoSessionTurn);
    size_t k = 0;
    for (std::string_view marker : kMarkers) {
      for (int64_t p = image.HeaderLength; k < expected.size();) {
        p = FindUStr(image, marker, p + 1);
        if (p == 0) break;
        int32_t turn = 0;
        if (p - 24 >= 0) std::memcpy(&turn, image.Bytes.data() + p - 24, 4);
        expected[k++] = turn;
      }
    }
    std::sort(expected.begin(), expected.end());

    for (parser::ScanWidth width : {parser::ScanWidth::Widest, parser::ScanWidth::Portable}) {
      GameModel m;
      parser::ScanSessions(image, m, width);
      ASSERT_EQ(m.SessionTurns, expected)
          << "round " << round << (width == parser::ScanWidth::Portable ? ", portable" : "");
    }
  }
}

}  // namespace
}  // namespace varnak
