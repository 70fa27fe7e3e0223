#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <string_view>
#include <vector>

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

// Every place at or after `start` where a marker stands, marker by marker in file
// order: what one plain search per marker finds, in one pass over the body.
// The body is tens of megabytes and the markers' first bytes are common in it, so
// the pass tests sixteen places at a time for a marker's first two characters.
std::array<std::vector<int64_t>, kMarkers> FindMarkers(const SaveImage& image, int64_t start, size_t most) {
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

void ScanSessions(const SaveImage& image, GameModel& model) {
  model.SessionTurns.fill(kNoSessionTurn);
  const auto hits = FindMarkers(image, int64_t{image.HeaderLength} + 1, model.SessionTurns.size());
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
