#include "support/fixture_players.h"

namespace varnak::fixture {

int32_t WritePlayerHead(ByteWriter& /*w*/, const PlayerHeadFixture& /*head*/, int32_t /*cityCount*/) {
  return 1;
}

void WriteCity(ByteWriter& /*w*/, const CityFixture& /*city*/, int /*slot*/) {}

}  // namespace varnak::fixture
