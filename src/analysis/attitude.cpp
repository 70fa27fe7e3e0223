#include "analysis/attitude.h"

#include <algorithm>

#include "analysis/game_score.h"
#include "model/wrapping.h"
#include "reference/reference_tables.h"

namespace varnak {
namespace {

using reference::PersonalityColumn;
using reference::PersonalityRow;

constexpr int32_t kNoCloseBordersValue = 2147483647;

size_t At(int32_t i) { return static_cast<size_t>(i); }

// A personality the table has no row for reads as row 0, as a negative one does.
int32_t PersonalityOf(const GameModel& m, int32_t player) {
  const int32_t p = m.PlayerPersonality[At(player)];
  return p >= 0 && At(p) < reference::kLeaderCount ? p : 0;
}

// |v| without the overflow of INT32_MIN (which stays INT32_MIN, as the game's does).
int32_t Abs(int32_t v) { return v < 0 ? WrapSub(0, v) : v; }

long double Clamp(long double x, int32_t limit) {
  const auto s = static_cast<long double>(Abs(limit));
  if (x < -s) x = -s;
  if (x > s) x = s;
  return x;
}

long double Ratio(int32_t counter, int32_t divisor) {
  return static_cast<long double>(counter) / static_cast<long double>(divisor);
}

// The owner test of a religion the table does not have is false.
bool OwnsReligion(const GameModel& m, int32_t religion, int32_t player) {
  return religion >= 0 && religion < kReligions && m.ReligionOwner[At(religion)] == player;
}

struct Terms {
  const GameModel& m;
  const PersonalityRow& p1;
  int32_t l1, l2, t1, t2;
  bool teams;  // both teams are in the tables; else the team terms count as 0

  int32_t P(PersonalityColumn c) const { return p1[c]; }
  static int32_t Cell(const SlotBySlot<int32_t>& table, int32_t a, int32_t b) {
    return table[At(a)][At(b)];
  }
  bool AtWar() const { return teams && Cell(m.TeamAtWar, t1, t2) != 0; }
  bool VassalPair() const {
    return teams && t1 != t2 &&
           (Cell(m.TeamVassalOf, t1, t2) != 0 || Cell(m.TeamVassalOf, t2, t1) != 0);
  }

  AttitudeTerm RankDifference() const {
    int32_t n = CivPlayersEverAlive(m);
    if (n < 1) n = 1;
    const int32_t d = WrapSub(m.SavedPlayerRank[At(l1)], m.SavedPlayerRank[At(l2)]);
    AttitudeTerm t;
    if (d > 0) {
      t.Max = P(reference::WorseRankAttitude);
      t.Value = static_cast<long double>(WrapMul(t.Max, d)) / (n + 1);
    } else {
      t.Max = P(reference::BetterRankAttitude);
      t.Value = static_cast<long double>(WrapMul(t.Max, WrapSub(0, d))) / (n + 1);
    }
    if (t.Max < 0 && t.Value < t.Max) t.Value = t.Max;
    if (t.Max > 0 && t.Value > t.Max) t.Value = t.Max;
    return t;
  }

  AttitudeTerm HighRanks() const {
    int32_t n = CivPlayersEverAlive(m);
    if (n < 1) n = 1;
    const int32_t h = n / 2;
    AttitudeTerm t;
    t.Max = 1;
    if (m.SavedPlayerRank[At(l1)] >= h && m.SavedPlayerRank[At(l2)] >= h) t.Value = 1;
    return t;
  }

  AttitudeTerm WarSuccess() const {
    AttitudeTerm t;
    t.Max = P(reference::LostWarAttitude);
    if (teams && Cell(m.TeamWarSuccess, t2, t1) > Cell(m.TeamWarSuccess, t1, t2)) t.Value = t.Max;
    return t;
  }

  AttitudeTerm CloseBorders() const {
    AttitudeTerm t;
    t.Max = P(reference::CloseBordersLimit);
    const int32_t v = Cell(m.PlayerCloseBordersAttitude, l1, l2);
    if (v != kNoCloseBordersValue) t.Value = v;
    return t;
  }

  AttitudeTerm AtWarTerm() const {
    AttitudeTerm t;
    const int32_t divisor = P(reference::AtWarDivisor);
    const int32_t limit = P(reference::AtWarLimit);
    t.Max = divisor != 0 ? WrapSub(-3, Abs(limit)) : -3;
    if (!teams) return t;
    if (divisor != 0) t.Value = Clamp(Ratio(Cell(m.TeamWarAttitudeCounter, t1, t2), divisor), limit);
    if (AtWar()) t.Value += -3;
    return t;
  }

  AttitudeTerm AtPeace() const {
    AttitudeTerm t;
    const int32_t divisor = P(reference::AtPeaceDivisor);
    const int32_t limit = P(reference::AtPeaceLimit);
    if (divisor == 0) return t;
    t.Max = limit;
    if (teams) t.Value = Clamp(Ratio(Cell(m.TeamPeaceAttitudeCounter, t1, t2), divisor), limit);
    return t;
  }

  bool BothHaveStateReligion() const {
    return m.PlayerStateReligionCount[At(l1)] > 0 && m.PlayerStateReligionCount[At(l2)] > 0;
  }

  AttitudeTerm SameReligion() const {
    AttitudeTerm t;
    const int32_t r1 = m.PlayerStateReligion[At(l1)];
    const int32_t r2 = m.PlayerStateReligion[At(l2)];
    if (!BothHaveStateReligion() || r1 != r2 || r1 < 0) return t;
    int32_t b = P(reference::SameReligionBase);
    if (OwnsReligion(m, r1, l1)) b = WrapAdd(b, 1);
    t.Max = b;
    const int32_t divisor = P(reference::SameReligionDivisor);
    if (divisor != 0) {
      const int32_t limit = P(reference::SameReligionLimit);
      t.Value = Clamp(Ratio(Cell(m.PlayerSameReligionCounter, l1, l2), divisor), limit);
      t.Max = WrapAdd(b, Abs(limit));
    }
    t.Value += b;
    return t;
  }

  AttitudeTerm DifferentReligion() const {
    AttitudeTerm t;
    const int32_t r1 = m.PlayerStateReligion[At(l1)];
    const int32_t r2 = m.PlayerStateReligion[At(l2)];
    if (!BothHaveStateReligion() || r1 < 0 || r2 < 0 || r1 == r2) return t;
    int32_t b = P(reference::DifferentReligionBase);
    if (OwnsReligion(m, r1, l1)) b = WrapSub(b, 1);
    t.Max = b;
    const int32_t divisor = P(reference::DifferentReligionDivisor);
    if (divisor != 0) {
      const int32_t limit = P(reference::DifferentReligionLimit);
      t.Value = Clamp(Ratio(Cell(m.PlayerDifferentReligionCounter, l1, l2), divisor), limit);
      t.Max = WrapSub(b, Abs(limit));
    }
    t.Value += b;
    return t;
  }

  // A counter over a divisor, clamped to the limit, counted only in peace.
  AttitudeTerm InPeace(int32_t counter, PersonalityColumn divisorColumn,
                       PersonalityColumn limitColumn) const {
    AttitudeTerm t;
    const int32_t divisor = P(divisorColumn);
    if (!teams || AtWar() || divisor == 0) return t;
    t.Max = P(limitColumn);
    t.Value = Clamp(Ratio(counter, divisor), t.Max);
    return t;
  }

  AttitudeTerm BonusTrade() const {
    return InPeace(Cell(m.PlayerBonusTradeCounter, l1, l2), reference::BonusTradeDivisor,
                   reference::BonusTradeLimit);
  }

  AttitudeTerm OpenBorders() const {
    if (!teams) return {};
    return InPeace(Cell(m.TeamOpenBordersCounter, t1, t2), reference::OpenBordersDivisor,
                   reference::OpenBordersLimit);
  }

  AttitudeTerm DefensivePact() const {
    if (VassalPair()) {
      AttitudeTerm t;
      t.Max = P(reference::DefensivePactLimit);
      t.Value = t.Max;
      return t;
    }
    if (!teams) return {};
    return InPeace(Cell(m.TeamDefensivePactCounter, t1, t2), reference::DefensivePactDivisor,
                   reference::DefensivePactLimit);
  }

  AttitudeTerm RivalDefensivePact() const {
    AttitudeTerm t;
    t.Max = -4;
    if (!teams || t1 == t2 || VassalPair() || Cell(m.TeamDefensivePact, t1, t2) != 0) return t;
    int32_t q = WrapSub(TeamsAliveCount(m), 2);
    if (q < 1) q = 1;
    t.Value = static_cast<long double>(WrapMul(-4, DefensivePactCount(m, t2))) / q;
    return t;
  }

  AttitudeTerm RivalVassal() const {
    AttitudeTerm t;
    t.Max = -6;
    if (!teams || t1 == t2 || VassalPair() || VassalCount(m, t2) <= 0) return t;
    int32_t w = 0;
    int32_t all = 0;
    for (int32_t p = 0; p < kSlotCount; ++p) {
      if (m.PlayerAlive[At(p)] == 0) continue;
      const int32_t power = m.PlayerPower[At(p)];
      all = WrapAdd(all, power);
      const int32_t team = m.GetTeam(p);
      // A team the tables do not have is nobody's vassal.
      if (team == t2 || (ValidTeam(team) && Cell(m.TeamVassalOf, team, t2) != 0))
        w = WrapAdd(w, power);
    }
    if (all < 1) all = 1;
    t.Value = static_cast<long double>(WrapMul(w, -6)) / all;
    return t;
  }

  AttitudeTerm ShareWar() const {
    AttitudeTerm t;
    t.Max = P(reference::ShareWarBase);
    if (!teams || AtWar()) return t;
    int32_t b = 0;
    // The last team is never looked at.
    for (int32_t p = 0; p < kSlotCount - 1; ++p) {
      if (m.TeamAliveCount[At(p)] > 0 && !isTeamMinor(m, p) && p != t1 && p != t2 &&
          Cell(m.TeamAtWar, t1, p) != 0 && Cell(m.TeamAtWar, t2, p) != 0) {
        b = P(reference::ShareWarBase);
        break;
      }
    }
    const int32_t divisor = P(reference::ShareWarDivisor);
    if (divisor != 0) {
      const int32_t limit = P(reference::ShareWarLimit);
      t.Value = Clamp(Ratio(Cell(m.TeamShareWarCounter, t1, t2), divisor), limit);
      t.Max = WrapAdd(t.Max, limit);
    }
    t.Value += b;
    return t;
  }

  AttitudeTerm FavoriteCivic() const {
    AttitudeTerm t;
    const int32_t civic = P(reference::FavoriteCivic);
    if (civic == reference::kNoFavoriteCivic || !isPlayerCivic(m, l1, civic) ||
        !isPlayerCivic(m, l2, civic))
      return t;
    const int32_t b = P(reference::FavoriteCivicBase);
    t.Max = b;
    const int32_t divisor = P(reference::FavoriteCivicDivisor);
    if (divisor != 0) {
      const int32_t limit = P(reference::FavoriteCivicLimit);
      t.Value = Clamp(Ratio(Cell(m.PlayerFavoriteCivicCounter, l1, l2), divisor), limit);
      t.Max = WrapAdd(b, limit);
    }
    t.Value += b;
    return t;
  }

  // A relation counter of -1 leaves the trade rows without a divisor; they count 0.
  AttitudeTerm Trade() const {
    AttitudeTerm t;
    t.Max = 4;
    if (!teams) return t;
    const int32_t divisor = WrapMul(WrapAdd(Cell(m.TeamRelationCounter, t1, t2), 1), 5);
    if (divisor == 0) return t;
    int32_t a = WrapSub(Cell(m.PlayerTradeValueA, l1, l2), Cell(m.PlayerTradeValueA, l2, l1));
    if (a < 0) a = 0;
    a = WrapAdd(a, Cell(m.PlayerTradeValueB, l1, l2));
    t.Value = Ratio(a, divisor);
    if (t.Value < 0) t.Value = 0;
    if (t.Value > 4) t.Value = 4;
    return t;
  }

  // The relation counter's largest value wraps this divisor to 0 as well.
  AttitudeTerm RivalTrade() const {
    AttitudeTerm t;
    t.Max = -4;
    if (!teams) return t;
    const int32_t divisor = WrapMul(WrapAdd(Cell(m.TeamRelationCounter, t1, t2), 1), 10);
    if (divisor == 0) return t;
    const long double value = static_cast<long double>(Cell(m.TeamEnemyTradeValueA, t1, t2)) / 3 +
                              static_cast<long double>(Cell(m.TeamEnemyTradeValueB, t1, t2));
    t.Value = -value / divisor;
    if (t.Value < -4) t.Value = -4;
    if (t.Value > 0) t.Value = 0;
    return t;
  }

  AttitudeTerm ColonyAttitude() const {
    AttitudeTerm t;
    t.Max = 10;
    if (m.PlayerParent[At(l1)] == l2) t.Value = 10;
    return t;
  }

  AttitudeTerm ExtraAttitude() const {
    AttitudeTerm t;
    t.Value = Cell(m.PlayerExtraAttitude, l1, l2);
    return t;
  }
};

int32_t HandicapOf(int32_t difficulty) {
  switch (difficulty) {
    case 0: return 2;
    case 1: return 1;
    case 2: return 0;
    default: return -1;
  }
}

}  // namespace

int32_t DefensivePactCount(const GameModel& m, int32_t team) {
  if (!ValidTeam(team)) return 0;
  int32_t count = 0;
  for (int32_t i = 0; i < kSlotCount; ++i)
    if (i != team && m.TeamAliveCount[At(i)] > 0 && m.TeamDefensivePact[At(team)][At(i)] != 0 &&
        m.TeamHasMet[At(team)][At(i)] != 0)
      ++count;
  return count;
}

int32_t VassalCount(const GameModel& m, int32_t team) {
  if (!ValidTeam(team)) return 0;
  int32_t count = 0;
  for (int32_t i = 0; i < kSlotCount; ++i)
    if (i != team && m.TeamAliveCount[At(i)] > 0 && m.TeamVassalOf[At(i)][At(team)] != 0 &&
        m.TeamHasMet[At(team)][At(i)] != 0)
      ++count;
  return count;
}

int32_t TeamsAliveCount(const GameModel& m) {
  int32_t count = 0;
  for (int32_t i = 0; i < kSlotCount; ++i)
    if (m.TeamAliveCount[At(i)] > 0) ++count;
  return count;
}

bool isTeamMinor(const GameModel& m, int32_t team) {
  for (int32_t p = 0; p < kSlotCount; ++p)
    if (m.GetTeam(p) == team && m.SlotTable[At(p)].SlotMinor == 0) return false;
  return true;
}

bool isPlayerCivic(const GameModel& m, int32_t player, int32_t civic) {
  if (!ValidSlot(player)) return false;
  for (int32_t c : m.PlayerCivics[At(player)])
    if (c == civic) return true;
  return false;
}

int32_t CivPlayersEverAlive(const GameModel& m) {
  int32_t count = 0;
  for (int32_t p = 0; p < kSlotCount - 1; ++p)
    if (m.PlayerEverAlive[At(p)] != 0) ++count;
  return count;
}

LeaderAttitude ComputeLeaderAttitude(const GameModel& m, int32_t leader1, int32_t leader2) {
  LeaderAttitude a;
  if (!ValidSlot(leader1) || !ValidSlot(leader2)) {
    leader1 = 1;
    leader2 = 0;
  }
  // The teams are those of the slots chosen, even where an unnamed slot then hands
  // its terms to the last slot.
  a.Team1 = m.GetTeam(leader1);
  a.Team2 = m.GetTeam(leader2);
  if (m.SlotTable[At(leader1)].SlotName.empty()) leader1 = kSlotCount - 1;
  if (m.SlotTable[At(leader2)].SlotName.empty()) leader2 = kSlotCount - 1;
  a.Leader1 = leader1;
  a.Leader2 = leader2;
  a.Personality1 = PersonalityOf(m, leader1);
  a.Personality2 = PersonalityOf(m, leader2);
  const PersonalityRow& p1 = reference::LeaderPersonalityTable[At(a.Personality1)];
  const PersonalityRow& p2 = reference::LeaderPersonalityTable[At(a.Personality2)];
  const bool teams = ValidTeam(a.Team1) && ValidTeam(a.Team2);

  int32_t sum = 0;
  a.BaseAttitude = p1[reference::BaseAttitude];
  sum = WrapAdd(sum, a.BaseAttitude);
  a.Handicap = HandicapOf(m.SlotTable[At(leader2)].SlotDifficulty);
  sum = WrapAdd(sum, a.Handicap);
  a.TowardComputer = m.SlotTable[At(leader2)].SlotStatus == 1;
  if (a.TowardComputer) {
    a.PeaceWeight = WrapSub(
        4, Abs(WrapSub(m.PlayerPeaceWeight[At(leader1)], m.PlayerPeaceWeight[At(leader2)])));
    a.WarmongerRespect = std::min(p1[reference::WarmongerRespect], p2[reference::WarmongerRespect]);
    sum = WrapAdd(sum, a.PeaceWeight);
    sum = WrapAdd(sum, a.WarmongerRespect);
  }
  if (teams) {
    a.TeamSizeDifference =
        WrapSub(m.TeamMemberCount[At(a.Team1)], m.TeamMemberCount[At(a.Team2)]);
    if (a.TeamSizeDifference > 0) a.TeamSizeDifference = 0;
  }
  sum = WrapAdd(sum, a.TeamSizeDifference);

  const Terms t{m, p1, leader1, leader2, a.Team1, a.Team2, teams};
  a.Terms[RankDifferenceRow] = t.RankDifference();
  a.Terms[HighRanksRow] = t.HighRanks();
  a.Terms[WarSuccessRow] = t.WarSuccess();
  a.Terms[CloseBordersRow] = t.CloseBorders();
  a.Terms[AtWarRow] = t.AtWarTerm();
  a.Terms[AtPeaceRow] = t.AtPeace();
  a.Terms[SameReligionRow] = t.SameReligion();
  a.Terms[DifferentReligionRow] = t.DifferentReligion();
  a.Terms[BonusTradeRow] = t.BonusTrade();
  a.Terms[OpenBordersRow] = t.OpenBorders();
  a.Terms[DefensivePactRow] = t.DefensivePact();
  a.Terms[RivalDefensivePactRow] = t.RivalDefensivePact();
  a.Terms[RivalVassalRow] = t.RivalVassal();
  a.Terms[ShareWarRow] = t.ShareWar();
  a.Terms[FavoriteCivicRow] = t.FavoriteCivic();
  a.Terms[TradeRow] = t.Trade();
  a.Terms[RivalTradeRow] = t.RivalTrade();
  a.Terms[ColonyAttitudeRow] = t.ColonyAttitude();
  a.Terms[ExtraAttitudeRow] = t.ExtraAttitude();
  for (AttitudeTerm& term : a.Terms) {
    term.Contribution = TruncToInt32(term.Value);
    sum = WrapAdd(sum, term.Contribution);
  }

  const auto& memory = m.PlayerMemory[At(leader1)][At(leader2)];
  for (size_t k = 0; k < kMemoryKinds; ++k) {
    const int32_t percent = p1[reference::MemoryColumn(k)];
    MemoryTerm& term = a.Memory[k];
    term.Value = static_cast<long double>(WrapMul(memory[k], percent)) / 100;
    term.Contribution = TruncToInt32(term.Value);
    sum = WrapAdd(sum, term.Contribution);
  }
  a.Sum = sum;

  if (teams) {
    a.Espionage1 = m.TeamEspionageAgainst[At(a.Team1)][At(a.Team2)];
    a.Espionage2 = m.TeamEspionageAgainst[At(a.Team2)][At(a.Team1)];
  }
  a.Rank1 = m.SavedPlayerRank[At(leader1)];
  a.Rank2 = m.SavedPlayerRank[At(leader2)];
  return a;
}

}  // namespace varnak
