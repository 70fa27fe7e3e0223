// The uncompressed save: header bytes, the tag "BODY", the inflated body and the
// trailer, end to end. Every later step reads this image alone.
#pragma once

#include <cstdint>
#include <vector>

namespace varnak {

struct SaveImage {
  std::vector<uint8_t> Bytes;  // exactly ImageLength bytes
  int32_t HeaderLength = -1;   // offset of the inflated body; -1 when no stream was found
  int32_t ImageLength = 0;
};

}  // namespace varnak
