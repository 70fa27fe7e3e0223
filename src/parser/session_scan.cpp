#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <string_view>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VARNAK_SCAN_AVX2 1
#include <immintrin.h>
#endif

#include "parser/sections.h"
#include "saveio/little_endian.h"
#include "reference/reference_tables.h"

namespace varnak::parser {
namespace {

const auto& kSessionMarkers = reference::SessionMarkers;

// A replay record holds five int32 and the text's count before the text, and its
// first field is the turn: the turn lies 24 bytes before the marker.
constexpr int64_t kTurnBeforeMarker = 24;

int32_t IntAt(const SaveImage& image, int64_t at) {
  if (at < 0 || at + 4 > image.ImageLength) return 0;
  const uint8_t* b = image.Bytes.data() + at;
  return LoadInt32LE(b);
}

constexpr size_t kMarkers = reference::kSessionMarkerCount;

// Whether marker `k` stands at `i` (low bytes only) wholly inside the image.
bool MarkerAt(const uint8_t* data, int64_t length, size_t k, int64_t i) {
  const std::string_view marker = kSessionMarkers[k];
  if (i + 2 * (static_cast<int64_t>(marker.size()) - 1) >= length) return false;
  for (size_t j = 0; j < marker.size(); ++j)
    if (data[i + 2 * static_cast<int64_t>(j)] != static_cast<uint8_t>(marker[j])) return false;
  return true;
}

#ifdef VARNAK_SCAN_AVX2
// From `i` on, in steps of 32, the first place whose 32 starts hold a marker's first
// two characters (its first and third byte), or the first that leaves fewer than 34
// bytes to read. Twice the starts of the portable loop for each instruction, where
// the processor has AVX2.
__attribute__((target("avx2"))) int64_t SkipQuietBlocksAvx2(const uint8_t* data, int64_t i, int64_t length) {
  // Plain arrays: in std::array the vector type would lose its alignment attribute.
  __m256i firsts[kMarkers], thirds[kMarkers];
  for (size_t k = 0; k < kMarkers; ++k) {
    firsts[k] = _mm256_set1_epi8(kSessionMarkers[k][0]);
    thirds[k] = _mm256_set1_epi8(kSessionMarkers[k][1]);
  }
  for (; i + 34 <= length; i += 32) {
    const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i));
    const __m256i third = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i + 2));
    __m256i any = _mm256_setzero_si256();
    for (size_t k = 0; k < kMarkers; ++k)
      any = _mm256_or_si256(any, _mm256_and_si256(_mm256_cmpeq_epi8(first, firsts[k]),
                                                  _mm256_cmpeq_epi8(third, thirds[k])));
    if (_mm256_testz_si256(any, any) == 0) return i;
  }
  return i;
}
#endif

// Every place at or after `start` where a marker stands, marker by marker in file
// order: what one plain search per marker finds, in one pass over the body.
// The body is tens of megabytes and the markers' first bytes are common in it, so
// the pass tests many places at a time for a marker's first two characters.
std::array<std::vector<int64_t>, kMarkers> FindMarkers(const SaveImage& image, int64_t start, size_t most,
                                                       ScanWidth width) {
  std::array<std::vector<int64_t>, kMarkers> hits;
  const int64_t length = image.ImageLength;
  if (start < 0 || start >= length) return hits;
  const uint8_t* data = image.Bytes.data();
  auto test = [&](int64_t i) {
    for (size_t k = 0; k < kMarkers; ++k)
      if (hits[k].size() < most && MarkerAt(data, length, k, i)) hits[k].push_back(i);
  };

  using Bytes16 = uint8_t __attribute__((vector_size(16)));
  // Each marker's first and second character in all sixteen lanes.
  std::array<std::array<Bytes16, 2>, kMarkers> lead{};
  for (size_t k = 0; k < kMarkers; ++k)
    for (size_t c = 0; c < 2; ++c) std::memset(&lead[k][c], static_cast<uint8_t>(kSessionMarkers[k][c]), 16);
  int64_t i = start;
#ifdef VARNAK_SCAN_AVX2
  static const bool avx2 = __builtin_cpu_supports("avx2") != 0;
  if (avx2 && width == ScanWidth::Widest) {
    while ((i = SkipQuietBlocksAvx2(data, i, length)) + 34 <= length) {
      for (int64_t j = i; j < i + 32; ++j) test(j);
      i += 32;
    }
  }
#else
  (void)width;
#endif
  // Sixteen starts at a time, reading up to i + 17.
  for (; i + 18 <= length; i += 16) {
    Bytes16 first, third;
    std::memcpy(&first, data + i, sizeof first);
    std::memcpy(&third, data + i + 2, sizeof third);
    auto any = (first == lead[0][0]) & (third == lead[0][1]);
    for (size_t k = 1; k < kMarkers; ++k) any |= (first == lead[k][0]) & (third == lead[k][1]);
    uint64_t halves[2];
    std::memcpy(halves, &any, sizeof halves);
    if ((halves[0] | halves[1]) == 0) continue;
    for (int64_t j = i; j < i + 16; ++j) test(j);
  }
  for (; i < length; ++i) test(i);
  return hits;
}

}  // namespace

void ScanSessions(const SaveImage& image, GameModel& model, ScanWidth width) {
  model.SessionTurns.fill(kNoSessionTurn);
  const auto hits = FindMarkers(image, int64_t{image.HeaderLength} + 1, model.SessionTurns.size(), width);
  size_t k = 0;
  for (const std::vector<int64_t>& marker : hits) {
    // The search reports "not found" as offset 0: a marker at 0 ends its search there.
    if (!marker.empty() && marker.front() == 0) continue;
    for (int64_t p : marker) {
      if (k == model.SessionTurns.size()) break;
      model.SessionTurns[k++] = IntAt(image, p - kTurnBeforeMarker);
    }
  }
  // Equal turns are interchangeable, so any ascending sort gives the game's order.
  std::sort(model.SessionTurns.begin(), model.SessionTurns.end());
}

}  // namespace varnak::parser
