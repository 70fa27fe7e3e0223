#include "support/fixture_map.h"

namespace varnak::fixture {

void WriteMap(ByteWriter& /*w*/, const MapFixture& /*map*/) {}

}  // namespace varnak::fixture
