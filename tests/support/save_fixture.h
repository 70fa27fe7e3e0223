// The project's one source of synthetic saves. A SaveFixture states a save in
// plain fields, with believable defaults for everything a test does not care
// about; the writers lay it out byte for byte as the game does.
//
// Fields that the analyzer passes over are written with running, non-zero
// patterns, so a reader that loses its place reads wrong values instead of
// lucky zeros.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/byte_writer.h"
#include "support/container.h"
#include "support/fixture_map.h"
#include "support/fixture_players.h"
#include "support/fixture_teams.h"

namespace varnak::fixture {

struct SlotFixture {
  UText Name;
  UText NationDescription;
  UText Third;
  UText NationAdjective;
  UText Fifth;
  UText Sixth;
  UText Seventh;
  uint8_t Flag = 0;
  UText Ninth;
  int32_t Nation = 0;
  int32_t Leader = -1;
  int32_t Team = 0;
  int32_t Difficulty = 3;
  int32_t Kept1 = 0;
  int32_t Kept2 = 0;
  int32_t Status = 2;
  int32_t Claim = 0;
  uint8_t Playable = 0;
  uint8_t Minor = 0;
};

struct HeaderFixture {
  int32_t SaveVersion = 302;
  int32_t SaveFlag = 1;
  int32_t GameType = 0;
  UText GameName = "Fixture Game";
  UText GamePassword;
  UText AdminPassword;
  UText MapScript = "Continents";
  int32_t WorldSize = 3;
  int32_t Climate = 0;
  int32_t SeaLevel = 1;
  int32_t StartEra = 0;
  int32_t GameSpeed = 2;
  int32_t Calendar = 0;
  int32_t CountA = 2;  // int32 values skipped after it
  std::vector<uint8_t> VictoryConditions = {0, 1, 1, 1, 1, 1, 1};
  std::array<uint8_t, 24> GameOptions{};  // only 23 written when SaveFlag <= 0
  std::array<uint8_t, 5> MPOptions{};
  int32_t TurnLimit = 0;
  int32_t PitbossTurnTime = 0;
  int32_t MaxCityElimination = 0;
  int32_t AdvancedStartPoints = 0;
  std::array<SlotFixture, 19> Slots{};
  // Bytes between the slot table and the stream (the parser never reads them).
  std::vector<uint8_t> Padding;
};

struct ReplayFixture {
  int32_t Turn = 0;
  std::array<int32_t, 4> Kept{};
  UText Text;
  int32_t Kind = 2;
};

struct GameRecordFixture {
  int32_t F = 1;
  int32_t ElapsedTurns = 100;
  int32_t StartTurn = 0;
  int32_t EstimatedEndTurn = 500;
  int32_t TurnSlice = 7200;
  int32_t CutoffSlice = 7400;
  std::array<int32_t, 4> Max = {400, 300, 250, 100};   // population, land, tech, wonders
  std::array<int32_t, 4> Init = {20, 10, 5, 0};
  int32_t DifficultyLevel = 3;
  int32_t VictoryType = 0;
  int32_t GameState = 0;
  std::array<int32_t, 19> Ranks{};
  std::array<int32_t, 19> Scores{};
  std::array<int32_t, 7> ReligionOwner = {-1, -1, -1, -1, -1, -1, -1};
  // Counts of the short lists that the analyzer skips (fields 35..42); their
  // elements are written with synthetic content.
  int32_t List35 = 0, List36 = 0, List37 = 0, List38 = 0, List39 = 0, List40 = 0, List41 = 0,
          List42 = 0;
  std::vector<ReplayFixture> Replay;
  // When set, written as the replay count instead of Replay.size().
  std::optional<int32_t> ReplayCountField;
  int32_t SessionCount = 1;
  int32_t List47 = 0, List48 = 0, List49 = 0, List50 = 0;
};

struct SaveFixture {
  HeaderFixture Header;
  GameRecordFixture Game;
  MapFixture Map;
  std::array<TeamFixture, 19> Teams{};
  std::array<PlayerFixture, 19> Players{};
  // Bytes after the last section the analyzer reads.
  std::vector<uint8_t> BodyTail;

  // A small believable game: two named players in two teams.
  static SaveFixture Basic();
};

std::vector<uint8_t> WriteHeader(const SaveFixture& save);
void WriteGameRecord(ByteWriter& w, const GameRecordFixture& game);
std::vector<uint8_t> WriteBody(const SaveFixture& save);
std::vector<uint8_t> WriteSaveFile(const SaveFixture& save, const ContainerOptions& options = {});

}  // namespace varnak::fixture
