// How one leader feels about another: the game's attitude rebuilt term by term from
// the first leader's personality and the relations the save holds.
//
// Real-valued terms run in extended precision and are never rounded to a double, so
// a term that lands just beside an integer truncates the way the game's does. Int32
// sums and products of save values wrap.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/game_model.h"

namespace varnak {

// Teams i != team, alive, in a defensive pact with `team` and met by it; 0 for a team
// the tables do not have.
int32_t DefensivePactCount(const GameModel& m, int32_t team);
// Teams i != team, alive, that are vassals of `team` and met by it; 0 for a team the
// tables do not have.
int32_t VassalCount(const GameModel& m, int32_t team);
// Teams 0..18 with a living member.
int32_t TeamsAliveCount(const GameModel& m);
// True unless some slot of the team is not minor; a team without slots is minor.
bool isTeamMinor(const GameModel& m, int32_t team);
// True when one of the player's five civics is `civic`.
bool isPlayerCivic(const GameModel& m, int32_t player, int32_t civic);
// Slots 0..17 that were ever alive (the last slot is not a nation's).
int32_t CivPlayersEverAlive(const GameModel& m);

// The variable terms, in the order the breakdown lists them.
enum AttitudeRow : std::size_t {
  RankDifferenceRow,
  HighRanksRow,
  WarSuccessRow,
  CloseBordersRow,
  AtWarRow,
  AtPeaceRow,
  SameReligionRow,
  DifferentReligionRow,
  BonusTradeRow,
  OpenBordersRow,
  DefensivePactRow,
  RivalDefensivePactRow,
  RivalVassalRow,
  ShareWarRow,
  FavoriteCivicRow,
  TradeRow,
  RivalTradeRow,
  ColonyAttitudeRow,
  ExtraAttitudeRow,
  kAttitudeRowCount
};

struct AttitudeTerm {
  long double Value = 0.0L;  // what the term is worth before truncation
  int32_t Max = 0;           // the bound shown beside it
  int32_t Contribution = 0;  // Trunc(Value), what it adds to the sum
};

struct MemoryTerm {
  long double Value = 0.0L;
  int32_t Contribution = 0;
};

struct LeaderAttitude {
  // The slots and teams the terms were taken from: a slot without a name stands for
  // the last slot, but the teams stay those of the slots chosen.
  int32_t Leader1 = 1, Leader2 = 0;
  int32_t Team1 = 0, Team2 = 0;
  int32_t Personality1 = 0, Personality2 = 0;  // rows of the personality table

  int32_t BaseAttitude = 0;
  int32_t Handicap = 0;
  bool TowardComputer = false;  // the next two only count toward a computer leader
  int32_t PeaceWeight = 0;
  int32_t WarmongerRespect = 0;
  int32_t TeamSizeDifference = 0;
  std::array<AttitudeTerm, kAttitudeRowCount> Terms{};
  std::array<MemoryTerm, kMemoryKinds> Memory{};
  int32_t Sum = 0;

  int32_t Espionage1 = 0;  // espionage of Team1 against Team2
  int32_t Espionage2 = 0;  // and back
  int32_t Rank1 = 0, Rank2 = 0;
};

// The attitude of the leader in slot `leader1` toward the one in slot `leader2`.
// A slot outside 0..18 for either stands for no choice: leader 1 is then slot 1 and
// leader 2 slot 0, as the window does before anything is chosen.
LeaderAttitude ComputeLeaderAttitude(const GameModel& m, int32_t leader1, int32_t leader2);

}  // namespace varnak
