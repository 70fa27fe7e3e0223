// 32-bit arithmetic that wraps on overflow, as the game's own sums and products do.
// Values from a save are unchecked, so plain int32 arithmetic could overflow, which
// C++ leaves undefined.
#pragma once

#include <cstdint>

namespace varnak {

inline int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t WrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t WrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
// Truncating division that cannot trap: INT32_MIN / -1 wraps to INT32_MIN.
inline int32_t SafeDiv(int32_t a, int32_t b) {
  if (b == -1) return WrapSub(0, a);
  return a / b;
}

}  // namespace varnak
