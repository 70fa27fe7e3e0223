#include "support/fixture_teams.h"

namespace varnak::fixture {
namespace {

int g_nextTeam = 0;

// Running, non-zero values for the fields the analyzer passes over; each team
// starts from its own base, so two records never hold the same filler.
class TeamFiller {
 public:
  TeamFiller(ByteWriter& w, int team) : w_(w), next_(70000 + 5000 * team) {}
  void Ints(int count) {
    for (int i = 0; i < count; ++i) w_.I32(next_++);
  }
  void Flags(int count) {
    for (int i = 0; i < count; ++i) w_.Bool(static_cast<uint8_t>(1 + (i % 2)));
  }

 private:
  ByteWriter& w_;
  int32_t next_;
};

template <size_t N>
void Values(ByteWriter& w, const std::array<int32_t, N>& values) {
  for (int32_t v : values) w.I32(v);
}
template <size_t N>
void Flags(ByteWriter& w, const std::array<uint8_t, N>& flags) {
  for (uint8_t f : flags) w.Bool(f);
}

int AtLeastZero(int32_t n) { return n > 0 ? n : 0; }

}  // namespace

void RestartTeamNumbering() { g_nextTeam = 0; }

void WriteTeam(ByteWriter& w, const TeamFixture& fixture) { WriteTeam(w, fixture, g_nextTeam++); }

void WriteTeam(ByteWriter& w, const TeamFixture& t, int team) {
  TeamFiller fill(w, team);
  fill.Ints(1);
  w.I32(t.MemberCount);
  w.I32(t.AliveCount);
  fill.Ints(2);
  w.I32(t.TotalPopulation);
  w.I32(t.TotalLand);
  fill.Ints(17);
  w.I32(t.EspionageEver);
  fill.Flags(2);
  fill.Ints(1 + 3 * 19);
  Values(w, t.EspionageAgainst);
  fill.Ints(2 * 19 + 2 * 4 + 2);

  TeamFlags met{};
  if (team >= 0 && team < 19) met[static_cast<size_t>(team)] = 1;
  Flags(w, t.HasMet.value_or(met));
  Flags(w, t.AtWar);
  fill.Flags(2 * 19);
  Flags(w, t.DefensivePact);
  fill.Flags(19);
  Flags(w, t.VassalOf);
  fill.Flags(7);

  fill.Ints(2);
  Values(w, t.BlockCounts);
  fill.Ints(11);
  for (int32_t count : t.BlockCounts) fill.Ints(AtLeastZero(count));
  fill.Ints(11 + 89 + 125 + 159);
  Values(w, t.ResearchProgress);
  fill.Ints(91);
  w.I32(t.FutureTechCount);
  fill.Ints(9 + 7);
  Flags(w, t.HasTech);
  fill.Flags(92);
  fill.Ints(25 * 3);
  w.I32(t.ListCount);
  fill.Ints(AtLeastZero(t.ListCount));
  fill.Ints(1 + 19);
  Values(w, t.WarAttitudeCounter);
  Values(w, t.PeaceAttitudeCounter);
  Values(w, t.RelationCounter);
  Values(w, t.OpenBordersCounter);
  Values(w, t.DefensivePactCounter);
  Values(w, t.ShareWarCounter);
  Values(w, t.WarSuccess);
  Values(w, t.EnemyTradeValueA);
  Values(w, t.EnemyTradeValueB);
  fill.Ints(19 + 1);
}

}  // namespace varnak::fixture
