#include <string>

#include "support/fixture_players.h"

namespace varnak::fixture {
namespace {

constexpr int kTechs = 92;
constexpr int kSlots = 19;

// Skipped fields carry a non-zero value that follows from their position, so the
// same fixture always gives the same bytes and a reader that loses its place reads
// values no test expects. The values stay below 0x5300: their bytes never form the
// start of a zlib stream.
int32_t Pattern(const ByteWriter& w) { return 1000 + static_cast<int32_t>((w.Size() / 4) % 20000); }
void Filler(ByteWriter& w, int count) {
  for (int i = 0; i < count; ++i) w.I32(Pattern(w));
}
void BoolFiller(ByteWriter& w, int count) {
  for (int i = 0; i < count; ++i) w.Bool(static_cast<uint8_t>(i % 2));
}
int Elements(int32_t count) { return count > 0 ? count : 0; }

void FixedList(ByteWriter& w, int32_t count, int intsPerElement) {
  w.I32(count);
  Filler(w, Elements(count) * intsPerElement);
}
void ListWithFour(ByteWriter& w, int32_t count) {
  w.I32(count);
  Filler(w, 4);
  Filler(w, Elements(count));
}

void WriteBuildings(ByteWriter& w, const std::array<int32_t, 159>& counts) {
  for (int32_t n : counts) w.I32(n);
}

}  // namespace

PlayerHeadFixture PlayerHeadFixture::Living() {
  PlayerHeadFixture h;
  h.TotalPopulation = 14;
  h.Gold = 230;
  h.GoldPerTurn = 12;
  h.GreatPeopleCreated = 3;
  h.GreatGeneralsCreated = 1;
  h.WWPoints = 4;
  h.Power = 85;
  h.PopScore = 120;
  h.LandScore = 45;
  h.WonderScore = 10;
  h.TechScore = 60;
  h.GeneralPoints = 12;
  h.Alive = 1;
  h.EverAlive = 1;
  h.Research = {{7, 1}};  // Code of Laws
  h.Civics = {1, 5, 10, 15, 20};
  h.Text = "player";
  return h;
}

int32_t WritePlayerHead(ByteWriter& w, const PlayerHeadFixture& h, int32_t cityCount) {
  w.I32(h.RecordFlag);
  Filler(w, 2);
  w.I32(h.TotalPopulation);
  Filler(w, 2);
  w.I32(h.Gold);
  w.I32(h.GoldPerTurn);
  Filler(w, 9);
  w.I32(h.GreatPeopleCreated);
  w.I32(h.GreatGeneralsCreated);
  Filler(w, 47);
  w.I32(h.WWPoints);
  Filler(w, 9);
  w.I32(h.StateReligionCount);
  Filler(w, 10);
  w.I32(h.Power);
  w.I32(h.PopScore);
  w.I32(h.LandScore);
  w.I32(h.WonderScore);
  w.I32(h.TechScore);
  w.I32(h.GeneralPoints);
  w.Bool(h.Alive);
  w.Bool(h.EverAlive);
  BoolFiller(w, 7);
  Filler(w, 1);
  w.I32(h.Personality);
  Filler(w, 1);
  w.I32(h.StateReligion);
  w.I32(h.Parent);
  Filler(w, 5 * 3 + 8 * 4 + 2 * 19);
  BoolFiller(w, 31 + 22);
  w.UStr(h.Text);
  Filler(w, 35 + 35 + 25);
  Filler(w, 3 * 159 + 6 + 2 * 89 + 2 * 125);
  Filler(w, 2 + 4 + 5 + 5 + 7 + 7 + 3 + 14);

  std::array<uint8_t, kTechs> research{};
  for (const ResearchFlag& f : h.Research) {
    if (f.Tech >= 0 && f.Tech < kTechs) research[static_cast<size_t>(f.Tech)] = f.Value;
  }
  for (uint8_t flag : research) w.Bool(flag);
  BoolFiller(w, 2);
  for (int32_t civic : h.Civics) w.I32(civic);
  Filler(w, 14 * 3 + 25 * 3);

  FixedList(w, h.List46, 1);
  FixedList(w, h.List47, 1);
  w.I32(h.List48Field.value_or(h.List48));
  for (int i = 0; i < h.List48; ++i) {
    // Both kinds of text, so a reader that takes every text as wide loses its place.
    const std::string text = "entry " + std::to_string(i);
    w.UStr(i % 2 == 0 ? UText(text) : UText::Narrow(text));
  }
  ListWithFour(w, h.List49);
  w.I32(h.List50Field.value_or(h.List50));
  for (int i = 0; i < h.List50; ++i) {
    Filler(w, 3 + 35);
    FixedList(w, i % 3, 2);
  }
  ListWithFour(w, h.List51);
  w.I32(cityCount);
  return h.RecordFlag;
}

void WriteCity(ByteWriter& w, const CityFixture& c, int slot) {
  Filler(w, 2);
  w.I32(c.X);
  w.I32(c.Y);
  Filler(w, 2);
  w.I32(c.FoundedTurn);
  Filler(w, 1);
  w.I32(c.Population);
  Filler(w, 54 + 1 + 1 + 23);
  BoolFiller(w, 9);
  Filler(w, 4 + 9 * 3 + 2 * 4 + 4 + 7 * 4);
  for (int s = 0; s < kSlots; ++s) {
    if (s == slot) {
      w.I32(c.Culture);
    } else {
      Filler(w, 1);
    }
  }
  Filler(w, kSlots);
  BoolFiller(w, 4 * kSlots);
  w.UStr(c.Name);
  w.UStr(c.SecondText);
  Filler(w, 4 * 35 + 11);
  Filler(w, 159 + 159 + 2 * 159);
  Filler(w, 123 + 123 + 2 * 123);
  Filler(w, 4 * 14 + 25 + 2 * 7 + 10 + 54);
  WriteBuildings(w, c.Buildings);
  WriteBuildings(w, c.SecondBuildings);
  BoolFiller(w, 21 + 2 * 7);
  Filler(w, 8 * 2);
  w.I32(c.List42);
  for (int i = 0; i < c.List42; ++i) {
    Filler(w, 3);
    BoolFiller(w, 4);
  }
  Filler(w, 1);
  BoolFiller(w, 1);
  Filler(w, 3);
  BoolFiller(w, 3);
  Filler(w, 3);
  BoolFiller(w, 3);
  Filler(w, 4);
  BoolFiller(w, 4);
  FixedList(w, c.List45, 1);
  FixedList(w, c.List46, 3);
  FixedList(w, c.List47, 3);
  FixedList(w, c.List48, 2);
  FixedList(w, c.List49, 2);
  Filler(w, 3);
  BoolFiller(w, 2);
  Filler(w, 2 + 3 + 4);
  BoolFiller(w, 1);
  Filler(w, 2 * 21);
  BoolFiller(w, 6);
  Filler(w, 3 + 2 + 19 + 4);
}

}  // namespace varnak::fixture
