// One team record of a fixture save.
#pragma once

#include "support/byte_writer.h"

namespace varnak::fixture {

struct TeamFixture {};

void WriteTeam(ByteWriter& w, const TeamFixture& team);

}  // namespace varnak::fixture
