#include "support/fixture_players.h"

namespace varnak::fixture {

void WritePlayer(ByteWriter& w, const PlayerFixture& player, int slot) {
  const int32_t flag = WritePlayerHead(
      w, player.Head, player.Head.CityCountField.value_or(static_cast<int32_t>(player.Cities.size())));
  for (const CityFixture& city : player.Cities) WriteCity(w, city, slot);
  WritePlayerTail(w, player.Tail, flag);
}

}  // namespace varnak::fixture
