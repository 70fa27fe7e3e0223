// The uncompressed save: header bytes, the tag "BODY", the inflated body and the
// trailer, end to end. Every later step reads this image alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "saveio/platform.h"

namespace varnak {

// An allocator whose resize leaves new bytes as they are instead of zeroing them. The
// loader sizes its buffers before the file or the inflater fills them and cuts them to
// what was written after: zeroing tens of megabytes first, only to overwrite them, took
// a twentieth of a load. Blocks of a body's size ask for large pages.
inline constexpr std::size_t kLargeBlock = std::size_t{4} << 20;

template <typename T>
struct UnzeroedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UnzeroedAllocator<U>;
  };
  UnzeroedAllocator() = default;
  T* allocate(std::size_t n) {
    T* p = std::allocator<T>::allocate(n);
    if (n * sizeof(T) >= kLargeBlock) PreferLargePages(p, p + n);
    return p;
  }
  template <typename U>
  UnzeroedAllocator(const UnzeroedAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

// Bytes that are filled after they are sized; every byte kept has been written.
using ByteBuffer = std::vector<uint8_t, UnzeroedAllocator<uint8_t>>;

struct SaveImage {
  ByteBuffer Bytes;  // exactly ImageLength bytes
  int32_t HeaderLength = -1;   // offset of the inflated body; -1 when no stream was found
  int32_t ImageLength = 0;
};

}  // namespace varnak
