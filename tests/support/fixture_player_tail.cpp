#include "support/fixture_players.h"

namespace varnak::fixture {

void WritePlayerTail(ByteWriter& /*w*/, const PlayerTailFixture& /*tail*/, int32_t /*recordFlag*/) {}

}  // namespace varnak::fixture
