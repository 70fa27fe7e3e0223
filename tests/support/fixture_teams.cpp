#include "support/fixture_teams.h"

namespace varnak::fixture {

void WriteTeam(ByteWriter& /*w*/, const TeamFixture& /*team*/) {}

}  // namespace varnak::fixture
