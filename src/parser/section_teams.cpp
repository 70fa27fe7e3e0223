#include <array>

#include "model/wrapping.h"
#include "parser/list_readers.h"
#include "parser/sections.h"

namespace varnak::parser {
namespace {

constexpr int kBlockCounts = 11;

void ReadTeam(FieldReader& r, GameModel& m, size_t t) {
  r.SkipInts(1);
  m.TeamMemberCount[t] = r.ReadInt();
  m.TeamAliveCount[t] = r.ReadInt();
  r.SkipInts(2);
  m.TeamTotalPopulation[t] = r.ReadInt();
  m.TeamTotalLand[t] = r.ReadInt();
  r.SkipInts(17);
  m.TeamEspionageEver[t] = r.ReadInt();
  r.SkipBools(2);
  r.SkipInts(1 + 3 * kSlotCount);
  ReadInts(r, m.TeamEspionageAgainst[t]);
  r.SkipInts(2 * kSlotCount + 2 * 4 + 2);

  ReadFlags(r, m.TeamHasMet[t]);
  ReadFlags(r, m.TeamAtWar[t]);
  r.SkipBools(2 * kSlotCount);
  ReadFlags(r, m.TeamDefensivePact[t]);
  r.SkipBools(kSlotCount);
  ReadFlags(r, m.TeamVassalOf[t]);
  r.SkipBools(7);

  r.SkipInts(2);
  // Eleven counts, eleven other values, then the eleven lists the counts size.
  std::array<int32_t, kBlockCounts> counts{};
  ReadInts(r, counts);
  r.SkipInts(kBlockCounts);
  for (int32_t n : counts)
    if (n > 0) r.SkipInts(n);
  r.SkipInts(kBlockCounts + 89 + 125 + kBuildings);

  ReadInts(r, m.TeamResearchProgress[t]);
  // Of the per-technology counts only Future Tech's is kept.
  static_assert(reference::kFutureTech == kTechs - 1, "Future Tech's count is the last");
  r.SkipInts(static_cast<int>(reference::kFutureTech));
  m.TeamFutureTechCount[t] = r.ReadInt();
  r.SkipInts(9 + 7);
  ReadFlags(r, m.TeamHasTech[t]);
  int32_t known = 0;
  for (int32_t flag : m.TeamHasTech[t])
    if (flag != 0) ++known;
  m.TeamTechCount[t] = WrapAdd(m.TeamFutureTechCount[t], known);
  r.SkipBools(kTechs);

  r.SkipInts(25 * 3);
  SkipFixedList(r, 4);
  r.SkipInts(1 + kSlotCount);
  ReadInts(r, m.TeamWarAttitudeCounter[t]);
  ReadInts(r, m.TeamPeaceAttitudeCounter[t]);
  ReadInts(r, m.TeamRelationCounter[t]);
  ReadInts(r, m.TeamOpenBordersCounter[t]);
  ReadInts(r, m.TeamDefensivePactCounter[t]);
  ReadInts(r, m.TeamShareWarCounter[t]);
  ReadInts(r, m.TeamWarSuccess[t]);
  ReadInts(r, m.TeamEnemyTradeValueA[t]);
  ReadInts(r, m.TeamEnemyTradeValueB[t]);
  r.SkipInts(kSlotCount + 1);
}

}  // namespace

void ReadTeams(ParseContext& ctx) {
  ctx.Reader.SetSection("the team records");
  for (size_t t = 0; t < kSlotCount; ++t) ReadTeam(ctx.Reader, ctx.Model, t);
}

}  // namespace varnak::parser
