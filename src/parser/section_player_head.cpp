// The head of a player record: treasury, population, power, the current score
// values, great people, living flags, religion, personality, research and civics,
// up to the number of cities that follow. Everything else in it is passed over.
#include "parser/list_readers.h"
#include "parser/sections.h"

namespace varnak::parser {
namespace {

// An element of the head's fifth list: 3 + 35 int32, then a counted list of pairs.
void SkipFifthListElement(FieldReader& r) {
  r.SkipInts(3 + 35);
  SkipFixedList(r, 2 * 4);
}

}  // namespace

int32_t ReadPlayerHead(ParseContext& ctx, int slot) {
  FieldReader& r = ctx.Reader;
  GameModel& m = ctx.Model;
  const auto p = static_cast<size_t>(slot);
  r.SetSection("the player records");

  const int32_t recordFlag = r.ReadInt();
  r.SkipInts(2);
  m.PlayerTotalPopulation[p] = r.ReadInt();
  r.SkipInts(2);
  m.PlayerGold[p] = r.ReadInt();
  m.PlayerGoldPerTurn[p] = r.ReadInt();
  r.SkipInts(9);
  m.PlayerGreatPeopleCreated[p] = r.ReadInt();
  m.PlayerGreatGeneralsCreated[p] = r.ReadInt();
  r.SkipInts(47);
  m.PlayerWWPoints[p] = r.ReadInt();
  r.SkipInts(9);
  m.PlayerStateReligionCount[p] = r.ReadInt();
  r.SkipInts(10);
  m.PlayerPower[p] = r.ReadInt();
  m.PlayerPopScore[p] = r.ReadInt();
  m.PlayerLandScore[p] = r.ReadInt();
  m.PlayerWonderScore[p] = r.ReadInt();
  m.PlayerTechScore[p] = r.ReadInt();
  m.PlayerGeneralPoints[p] = r.ReadInt();
  m.PlayerAlive[p] = r.ReadBool();
  m.PlayerEverAlive[p] = r.ReadBool();
  r.SkipBools(7);
  r.SkipInts(1);
  m.PlayerPersonality[p] = r.ReadInt();
  r.SkipInts(1);
  m.PlayerStateReligion[p] = r.ReadInt();
  m.PlayerParent[p] = r.ReadInt();
  r.SkipInts(5 * 3 + 8 * 4 + 2 * 19);
  r.SkipBools(31 + 22);
  r.SkipUStr();
  r.SkipInts(35 + 35 + 25);
  r.SkipInts(3 * 159 + 6 + 2 * 89 + 2 * 125);
  r.SkipInts(2 + 4 + 5 + 5 + 7 + 7 + 3 + 14);

  // One flag per technology; the save marks the one being researched, and should
  // it mark several, the last one is taken. With none marked the start-up value
  // stays.
  for (int32_t tech = 0; tech < kTechs; ++tech) {
    if (r.ReadBool() != 0) m.PlayerCurrentResearch[p] = tech;
  }
  r.SkipBools(2);
  for (int32_t& civic : m.PlayerCivics[p]) civic = r.ReadInt();
  r.SkipInts(14 * 3 + 25 * 3);

  SkipFixedList(r, 4);
  SkipFixedList(r, 4);
  SkipListOf(r, [&] { r.SkipUStr(); });
  SkipListWithFour(r);
  SkipListOf(r, [&] { SkipFifthListElement(r); });
  SkipListWithFour(r);

  // Kept as read, negative values included: the city reader reads none for those.
  m.PlayerCityCount[p] = r.ReadInt();
  return recordFlag;
}

}  // namespace varnak::parser
