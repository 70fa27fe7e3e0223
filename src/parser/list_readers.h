// Skipping the save's counted lists. A count of 0 or less means an empty list.
// Lists of fixed-size elements are passed over in one step; lists whose elements
// vary in size are walked element by element and stop when the data ends.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "saveio/field_reader.h"

namespace varnak::parser {

// One int32 per element of `values`.
template <size_t N>
void ReadInts(FieldReader& r, std::array<int32_t, N>& values) {
  for (int32_t& v : values) v = r.ReadInt();
}

// One byte flag per element of `flags`; a flag keeps the byte as read (any value but
// 0 means set).
template <size_t N>
void ReadFlags(FieldReader& r, std::array<int32_t, N>& flags) {
  for (int32_t& f : flags) f = r.ReadBool();
}

// `count` byte flags into `flags`, keeping at most the table's size; the rest is read
// past so the fields after it stay in place.
template <size_t N>
void ReadFlags(FieldReader& r, std::array<int32_t, N>& flags, int32_t count) {
  for (int32_t i = 0; i < count && r.More(); ++i) {
    const uint8_t flag = r.ReadBool();
    if (static_cast<size_t>(i) < N) flags[static_cast<size_t>(i)] = flag;
  }
}

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
