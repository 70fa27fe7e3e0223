// One team record of a fixture save.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "support/byte_writer.h"

namespace varnak::fixture {

using TeamRow = std::array<int32_t, 19>;   // one value per other team
using TeamFlags = std::array<uint8_t, 19>;
using TechValues = std::array<int32_t, 92>;
using TechFlags = std::array<uint8_t, 92>;

// A team of one living player that knows nothing yet and has met only itself.
// Every field the analyzer keeps is here; the rest is written with running values.
struct TeamFixture {
  int32_t MemberCount = 1;
  int32_t AliveCount = 1;
  int32_t TotalPopulation = 0;
  int32_t TotalLand = 0;
  int32_t EspionageEver = 0;
  TeamRow EspionageAgainst{};
  // Unset: the team has met itself and no other team.
  std::optional<TeamFlags> HasMet;
  TeamFlags AtWar{};
  TeamFlags DefensivePact{};
  TeamFlags VassalOf{};
  TechValues ResearchProgress{};
  int32_t FutureTechCount = 0;  // the last element of its list; the others are filler
  TechFlags HasTech{};
  TeamRow WarAttitudeCounter{};
  TeamRow PeaceAttitudeCounter{};
  TeamRow RelationCounter{};
  TeamRow OpenBordersCounter{};
  TeamRow DefensivePactCounter{};
  TeamRow ShareWarCounter{};
  TeamRow WarSuccess{};
  TeamRow EnemyTradeValueA{};
  TeamRow EnemyTradeValueB{};

  // The eleven counts that size the variable block (written as given, then
  // max(count, 0) values each), and the count of the later list.
  std::array<int32_t, 11> BlockCounts{};
  int32_t ListCount = 0;
};

// Bytes of a team record whose eleven block counts and list count are all 0.
inline constexpr size_t kEmptyTeamRecordBytes = 4506;

// Writes the record of team `team` (0..18), which decides the default HasMet row
// and the filler values.
void WriteTeam(ByteWriter& w, const TeamFixture& fixture, int team);
// Writes the next team of the body: teams follow the map in order 0..18, and
// WriteMap starts the count at 0.
void WriteTeam(ByteWriter& w, const TeamFixture& fixture);
// Makes the next WriteTeam(w, fixture) write team 0.
void RestartTeamNumbering();

}  // namespace varnak::fixture
