// A save with every table near the size a long, crowded game reaches: what the
// benchmarks load, and what shows whether a capacity or a speed holds up.
#pragma once

#include "support/save_fixture.h"

namespace varnak::fixture {

// The figures the stress save is built to; tests check the load against them.
struct StressFigures {
  static constexpr int kPlayers = 19;           // every slot named and alive
  static constexpr int kMapSide = 200;          // 200 x 200 plots
  static constexpr int kReplayMessages = 65536;  // the replay log's capacity
  static constexpr int kMessagesPerPlayer = 5000;
  static constexpr int kCitiesPerPlayer = 100;
  static constexpr int kUnitsPerPlayer = 300;
  static constexpr int kTurns = 1500;           // a Marathon game to its last turn
  static constexpr int kSessions = 120;         // replay messages that open a session
};

// The same save every time (a fixed generator seed): 19 players in 19 teams on a
// Marathon game of 1,500 turns, with a full replay log, a long event log per player,
// many cities and units, and histories over every turn.
SaveFixture StressSave();

}  // namespace varnak::fixture
