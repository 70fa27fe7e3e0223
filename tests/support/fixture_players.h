// One player record of a fixture save: its head, its city records and its tail.
#pragma once

#include <cstdint>
#include <vector>

#include "support/byte_writer.h"

namespace varnak::fixture {

// The head of a player record, up to and including the number of cities.
struct PlayerHeadFixture {};

struct CityFixture {};

// The rest of the player record after its cities.
struct PlayerTailFixture {};

struct PlayerFixture {
  PlayerHeadFixture Head;
  std::vector<CityFixture> Cities;
  PlayerTailFixture Tail;
};

// Writes the head; `cityCount` is what the head states as the number of cities.
// Returns the record flag, which decides one block of the tail.
int32_t WritePlayerHead(ByteWriter& w, const PlayerHeadFixture& head, int32_t cityCount);
// Writes one city record of the player in `slot`.
void WriteCity(ByteWriter& w, const CityFixture& city, int slot);
void WritePlayerTail(ByteWriter& w, const PlayerTailFixture& tail, int32_t recordFlag);

// Head, cities and tail of the player in `slot`.
void WritePlayer(ByteWriter& w, const PlayerFixture& player, int slot);

}  // namespace varnak::fixture
