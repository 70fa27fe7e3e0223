#include "parser/sections.h"

namespace varnak::parser {

void ReadPlayers(ParseContext& ctx) {
  GameModel& m = ctx.Model;
  for (int r = 0; r < kSlotCount; ++r) {
    const auto row = static_cast<size_t>(r);
    m.TechAcquiredTurn[row].fill(-1);
    m.PlayerBuildingPower[row] = 0;
    const int32_t recordFlag = ReadPlayerHead(ctx, r);
    ReadCities(ctx, r);
    ReadPlayerTail(ctx, r, recordFlag);
  }
}

}  // namespace varnak::parser
