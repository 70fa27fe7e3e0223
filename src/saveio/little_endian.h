// The save's numbers are little-endian whatever the machine that reads them.
#pragma once

#include <cstdint>

namespace varnak {

inline int32_t LoadInt32LE(const uint8_t* b) {
  return static_cast<int32_t>(uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 |
                              uint32_t{b[3]} << 24);
}

inline int16_t LoadInt16LE(const uint8_t* b) {
  return static_cast<int16_t>(static_cast<uint16_t>(b[0] | b[1] << 8));
}

}  // namespace varnak
