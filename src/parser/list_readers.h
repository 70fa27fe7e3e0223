// Skipping the save's counted lists. A count of 0 or less means an empty list.
// Lists of fixed-size elements are passed over in one step; lists whose elements
// vary in size are walked element by element and stop when the data ends.
#pragma once

#include <cstdint>

#include "saveio/field_reader.h"

namespace varnak::parser {

// int32 count n, then n elements of `elementBytes` bytes each.
inline int32_t SkipFixedList(FieldReader& r, int64_t elementBytes) {
  const int32_t n = r.ReadInt();
  if (n > 0) r.Skip(int64_t{n} * elementBytes);
  return n;
}

// int32 count n, four int32 that are there whatever n is, then n int32.
inline void SkipListWithFour(FieldReader& r) {
  const int32_t n = r.ReadInt();
  r.SkipInts(4);
  if (n > 0) r.SkipInts(n);
}

// int32 count n, then n elements read by `element`, stopping at the end of the data.
template <typename Element>
int32_t SkipListOf(FieldReader& r, Element element) {
  const int32_t n = r.ReadInt();
  for (int32_t i = 0; i < n && r.More(); ++i) element();
  return n;
}

}  // namespace varnak::parser
