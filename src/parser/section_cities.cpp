// The city records of one player: of each city its place, founding turn, population,
// name and its owner's culture, and over all cities the power of the buildings that
// stand in them. The rest is passed over.
#include <algorithm>

#include "model/wrapping.h"
#include "parser/list_readers.h"
#include "parser/sections.h"
#include "parser/unicode_text.h"
#include "reference/reference_tables.h"

namespace varnak::parser {
namespace {

// One count per building type; each building adds its type's power. The save's
// counts are unchecked, so the product and the sum wrap as the game's do.
void AddBuildingPower(FieldReader& r, int32_t& power) {
  for (const reference::TBuildingInfoRec& building : reference::BuildingTypeTable) {
    power = WrapAdd(power, WrapMul(r.ReadInt(), building.BuildingPower));
  }
}

void ReadCity(FieldReader& r, GameModel& m, size_t slot, int32_t city) {
  // Cities beyond the table's capacity are read past so the rest of the record
  // stays in place; their fields have nowhere to go.
  const bool kept = city < kCityCapacity;
  TCityRec scratch;
  TCityRec& rec = kept ? m.PlayerCities[slot].emplace_back() : scratch;
  r.SkipInts(2);  // two ids
  rec.X = r.ReadInt();
  rec.Y = r.ReadInt();
  r.SkipInts(2);
  rec.FoundedTurn = r.ReadInt();
  r.SkipInts(1);
  rec.Population = r.ReadInt();
  r.SkipInts(54 + 1 + 1 + 23);
  r.SkipBools(9);
  r.SkipInts(4 + 9 * 3 + 2 * 4 + 4 + 7 * 4);

  // Culture of every player in the city; only the owner's is kept.
  const auto owner = static_cast<int64_t>(slot);
  r.SkipInts(owner);
  const int32_t culture = r.ReadInt();
  r.SkipInts(kSlotCount - 1 - owner);
  rec.Culture = culture;
  if (kept) m.PlayerCityCulture[slot][static_cast<size_t>(city)] = culture;

  r.SkipInts(kSlotCount);
  r.SkipBools(4 * kSlotCount);
  if (kept) {
    rec.Name = r.ReadUStrView();
    KeepUnicode(r, m, TextField::CityName, static_cast<int32_t>(slot), city);
  } else {
    r.SkipUStr();
  }
  r.SkipUStr();
  r.SkipInts(4 * 35 + 11);
  r.SkipInts(159 + 159 + 2 * 159);
  r.SkipInts(123 + 123 + 2 * 123);
  r.SkipInts(4 * 14 + 25 + 2 * 7 + 10 + 54);

  AddBuildingPower(r, m.PlayerBuildingPower[slot]);
  AddBuildingPower(r, m.PlayerBuildingPower[slot]);

  r.SkipBools(21 + 2 * 7);
  r.SkipInts(8 * 2);
  SkipFixedList(r, 3 * 4 + 4);
  r.SkipInts(1);
  r.SkipBools(1);
  r.SkipInts(3);
  r.SkipBools(3);
  r.SkipInts(3);
  r.SkipBools(3);
  r.SkipInts(4);
  r.SkipBools(4);
  SkipFixedList(r, 4);
  SkipFixedList(r, 3 * 4);
  SkipFixedList(r, 3 * 4);
  SkipFixedList(r, 2 * 4);
  SkipFixedList(r, 2 * 4);
  r.SkipInts(3);
  r.SkipBools(2);
  r.SkipInts(2 + 3 + 4);
  r.SkipBools(1);
  r.SkipInts(2 * 21);
  r.SkipBools(6);
  r.SkipInts(3 + 2 + 19 + 4);
}

}  // namespace

void ReadCities(ParseContext& ctx, int slot) {
  FieldReader& r = ctx.Reader;
  GameModel& m = ctx.Model;
  r.SetSection("the city records");
  const auto p = static_cast<size_t>(slot);
  const int32_t count = m.PlayerCityCount[p];
  if (count > 0) m.PlayerCities[p].reserve(static_cast<size_t>(std::min(count, kCityCapacity)));
  for (int32_t c = 0; c < count && r.More(); ++c) ReadCity(r, m, p, c);
}

}  // namespace varnak::parser
