// The map section of a fixture save: the map header, the plot records, the lists after them.
#pragma once

#include "support/byte_writer.h"

namespace varnak::fixture {

struct MapFixture {};

void WriteMap(ByteWriter& w, const MapFixture& map);

}  // namespace varnak::fixture
