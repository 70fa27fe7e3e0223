#include <algorithm>
#include <string_view>

#include "parser/sections.h"
#include "saveio/text.h"

namespace varnak::parser {
namespace {

// The texts that open a replay message at the start of a session, as the low bytes
// of the save's 16-bit characters (the Russian word in its Windows-1251 form).
constexpr std::string_view kSessionMarkers[] = {
    "Session",
    "\xD1\xE5\xF1\xF1\xE8\xFF",
    "Lancement de la session",
};

// A replay record holds five int32 and the text's count before the text, and its
// first field is the turn: the turn lies 24 bytes before the marker.
constexpr int64_t kTurnBeforeMarker = 24;

int32_t IntAt(const SaveImage& image, int64_t at) {
  if (at < 0 || at + 4 > image.ImageLength) return 0;
  const uint8_t* b = image.Bytes.data() + at;
  return static_cast<int32_t>(uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 |
                              uint32_t{b[3]} << 24);
}

}  // namespace

void ScanSessions(const SaveImage& image, GameModel& model) {
  model.SessionTurns.fill(kNoSessionTurn);
  size_t k = 0;
  for (std::string_view marker : kSessionMarkers) {
    int64_t p = image.HeaderLength;
    while (k < model.SessionTurns.size()) {
      p = FindUStr(image, marker, p + 1);
      if (p == 0) break;
      model.SessionTurns[k++] = IntAt(image, p - kTurnBeforeMarker);
    }
  }
  // Equal turns are interchangeable, so any ascending sort gives the game's order.
  std::sort(model.SessionTurns.begin(), model.SessionTurns.end());
}

}  // namespace varnak::parser
