// The two named players every basic test save and hand-made test model starts from,
// so that a save written by the fixture writer and a model stated by hand show the
// same leaders on the same pages.
#pragma once

#include <cstdint>

namespace varnak::fixture {

struct PlayerIdentity {
  const char* Name;
  const char* NationDescription;
  const char* NationAdjective;
  int32_t Nation;
  int32_t Leader;
  int32_t Team;
  int32_t Difficulty;
  int32_t Status;
};

inline constexpr PlayerIdentity kAurelia{"Aurelia", "Roman Empire", "Roman", 28, 24, 0, 4, 3};
inline constexpr PlayerIdentity kBrennus{"Brennus", "Celtic Empire", "Celtic", 6, 6, 1, 4, 1};

}  // namespace varnak::fixture
