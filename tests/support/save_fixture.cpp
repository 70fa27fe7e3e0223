#include "support/save_fixture.h"

#include <string>
#include <utility>

#include "support/two_players.h"

namespace varnak::fixture {
namespace {

// A non-zero running value for skipped fields.
int32_t g_pattern = 1000;
int32_t Next() { return g_pattern++; }
void Filler(ByteWriter& w, int count) {
  for (int i = 0; i < count; ++i) w.I32(Next());
}
// Skipped booleans that are not all zero and never look like 0x78 0x9C.
void BoolFiller(ByteWriter& w, int count) {
  for (int i = 0; i < count; ++i) w.Bool(static_cast<uint8_t>(i % 2));
}

std::string ItemText(int i) { return "item " + std::to_string(i); }

}  // namespace

SaveFixture SaveFixture::Basic() {
  SaveFixture s;
  for (const auto& [slot, who] : {std::pair{0, kAurelia}, std::pair{1, kBrennus}}) {
    auto& a = s.Header.Slots[static_cast<size_t>(slot)];
    a.Name = who.Name;
    a.NationDescription = who.NationDescription;
    a.NationAdjective = who.NationAdjective;
    a.Nation = who.Nation;
    a.Leader = who.Leader;
    a.Team = who.Team;
    a.Difficulty = who.Difficulty;
    a.Status = who.Status;
    a.Claim = 2;
    a.Playable = 1;
  }
  for (int p = 2; p < 19; ++p) s.Header.Slots[static_cast<size_t>(p)].Team = p;
  s.Game.Ranks[0] = 1;
  s.Game.Ranks[1] = 2;
  s.Game.Scores[0] = 812;
  s.Game.Scores[1] = 640;
  s.Game.Replay = {
      {0, {0, 0, 0, 0}, "Session 1 started", 2},
      {12, {1, 2, 3, 4}, "<color=255,0,0>Aurelia</color> founded Roma", 38},
      {40, {0, 0, 0, 0}, "Session 2 started", 2},
  };
  s.Game.SessionCount = 2;

  // The two named players are alive in mid-game; the other slots never played.
  auto& pa = s.Players[0];
  pa.Head = PlayerHeadFixture::Living();
  pa.Head.Personality = 24;
  pa.Cities.resize(2);
  pa.Cities[0].Name = "Roma";
  pa.Cities[0].Culture = 4200;
  pa.Cities[0].Buildings[0] = 1;  // palace
  pa.Cities[0].Buildings[3] = 1;  // walls
  pa.Cities[1].Name = "Antium";
  pa.Cities[1].Culture = 850;
  auto& pb = s.Players[1];
  pb.Head = PlayerHeadFixture::Living();
  pb.Head.Personality = 6;
  pb.Head.TotalPopulation = 9;
  pb.Head.Gold = 75;
  pb.Head.GoldPerTurn = 5;
  pb.Head.Power = 60;
  pb.Head.PopScore = 80;
  pb.Head.LandScore = 30;
  pb.Head.WonderScore = 0;
  pb.Head.TechScore = 45;
  pb.Head.StateReligion = 1;
  pb.Head.StateReligionCount = 1;
  pb.Head.Research = {{2, 1}};  // Polytheism
  pb.Cities.resize(1);
  pb.Cities[0].Name = "Bibracte";
  pb.Cities[0].Culture = 1900;
  pb.Cities[0].Buildings[0] = 1;  // palace
  pb.Cities[0].Buildings[7] = 1;  // barracks

  // A few log lines and the first turns of the history graph.
  pa.Tail.Units = {{2, "Warrior", ""}, {2, "Settler", ""}};
  pa.Tail.Messages = {
      {"<color=255,255,0>Roma</color> has grown to size 3", 7, 8, 1},
      {"You have discovered Bronze Working!", 7, 12, 1},
      {"Your Warrior has defeated a Barbarian Archer", 7, 20, 3},
  };
  pa.Tail.Score = {{0, 4}, {12, 31}, {40, 96}};
  pa.Tail.Economy = {{12, 6}, {40, 14}};
  pa.Tail.PeaceWeight = 4;
  pb.Tail.Units = {{2, "Warrior", ""}};
  pb.Tail.Messages = {{"You have discovered Mysticism!", 7, 15, 1}};
  pb.Tail.Score = {{0, 4}, {40, 70}};
  pb.Tail.PeaceWeight = 6;
  return s;
}

std::vector<uint8_t> WriteHeader(const SaveFixture& save) {
  const HeaderFixture& h = save.Header;
  ByteWriter w;
  w.I32(h.SaveVersion);
  w.Str("");            // mod path
  w.Str("");            // mod checksum
  w.I32(0);             // flags
  w.Str("319");         // game build version
  w.Str("5d2a0f3b1c");  // checksum texts
  w.Str("0e1f2a3b4c");
  w.Str("a1b2c3d4e5");
  w.Str("ffeeddccbb");
  w.I32(7);
  w.I32(h.SaveFlag);
  w.I32(h.GameType);
  w.UStr(h.GameName);
  w.UStr(h.GamePassword);
  w.UStr(h.AdminPassword);
  w.UStr(h.MapScript);
  w.Bool(1);
  w.I32(h.WorldSize);
  w.I32(h.Climate);
  w.I32(h.SeaLevel);
  w.I32(h.StartEra);
  w.I32(h.GameSpeed);
  w.I32(0);  // turn timer
  w.I32(h.Calendar);
  w.I32(h.CountA);
  w.I32(11);
  w.I32s(h.CountA > 0 ? h.CountA : 0, 21, 1);
  w.I32(static_cast<int32_t>(h.VictoryConditions.size()));
  for (uint8_t v : h.VictoryConditions) w.Bool(v);
  const int options = h.SaveFlag > 0 ? 24 : 23;
  for (int i = 0; i < options; ++i) w.Bool(h.GameOptions[static_cast<size_t>(i)]);
  for (uint8_t v : h.MPOptions) w.Bool(v);
  w.Bool(0);
  w.I32(3);
  w.I32(h.TurnLimit);
  w.I32(h.PitbossTurnTime);
  w.I32(5);
  w.I32(h.MaxCityElimination);
  w.I32(h.AdvancedStartPoints);

  auto slots = [&](auto write) {
    for (const SlotFixture& s : h.Slots) write(s);
  };
  slots([&](const SlotFixture& s) { w.UStr(s.Name); });
  slots([&](const SlotFixture& s) { w.UStr(s.NationDescription); });
  slots([&](const SlotFixture& s) { w.UStr(s.Third); });
  slots([&](const SlotFixture& s) { w.UStr(s.NationAdjective); });
  slots([&](const SlotFixture& s) { w.UStr(s.Fifth); });
  slots([&](const SlotFixture& s) { w.UStr(s.Sixth); });
  slots([&](const SlotFixture& s) { w.UStr(s.Seventh); });
  slots([&](const SlotFixture& s) { w.Bool(s.Flag); });
  slots([&](const SlotFixture& s) { w.UStr(s.Ninth); });
  slots([&](const SlotFixture& s) { w.I32(s.Nation); });
  slots([&](const SlotFixture& s) { w.I32(s.Leader); });
  slots([&](const SlotFixture& s) { w.I32(s.Team); });
  slots([&](const SlotFixture& s) { w.I32(s.Difficulty); });
  slots([&](const SlotFixture& s) { w.I32(s.Kept1); });
  slots([&](const SlotFixture& s) { w.I32(s.Kept2); });
  slots([&](const SlotFixture& s) { w.I32(s.Status); });
  slots([&](const SlotFixture& s) { w.I32(s.Claim); });
  slots([&](const SlotFixture& s) { w.Bool(s.Playable); });
  slots([&](const SlotFixture& s) { w.Bool(s.Minor); });
  w.Raw(h.Padding);
  return w.Take();
}

void WriteGameRecord(ByteWriter& w, const GameRecordFixture& g) {
  w.I32(g.F);
  if (g.F < 1) w.I32(Next());
  w.I32(g.ElapsedTurns);
  w.I32(g.StartTurn);
  w.I32(Next());
  w.I32(g.EstimatedEndTurn);
  w.I32(g.TurnSlice);
  w.I32(g.CutoffSlice);
  Filler(w, 7);
  for (int32_t v : g.Max) w.I32(v);
  for (int32_t v : g.Init) w.I32(v);
  w.I32(Next());
  BoolFiller(w, 5);
  w.I32(g.DifficultyLevel);
  Filler(w, 3);
  w.I32(g.VictoryType);
  w.I32(g.GameState);
  w.UStr("game record text");
  if (g.F < 1) Filler(w, 19);
  Filler(w, 19);
  for (int32_t v : g.Ranks) w.I32(v);
  for (int32_t v : g.Scores) w.I32(v);
  Filler(w, 3 * 19 + 123 + 89 + 125 + 11 + 25 + 22 + 7 + 7 + 3 * 2);
  BoolFiller(w, 3 + 4 + 7);
  for (int32_t owner : g.ReligionOwner) w.I32(owner).I32(Next());
  Filler(w, 14);

  w.I32(g.List35);
  for (int i = 0; i < g.List35; ++i) w.UStr(ItemText(i));
  w.I32(g.List36);
  for (int i = 0; i < g.List36; ++i) w.UStr(UText::Narrow(ItemText(i)));
  auto listWithFour = [&](int32_t n) {
    w.I32(n);
    Filler(w, 4);
    Filler(w, n > 0 ? n : 0);
  };
  listWithFour(g.List37);
  w.I32(g.List38);
  for (int i = 0; i < g.List38; ++i) {
    Filler(w, 5);
    w.I32(i % 3);
    Filler(w, 3 * (i % 3));
    w.I32(1);
    Filler(w, 3);
  }
  listWithFour(g.List39);
  w.I32(g.List40);
  for (int i = 0; i < g.List40; ++i) {
    Filler(w, 2);
    w.I32(i % 3);
    for (int j = 0; j < i % 3; ++j) {
      Filler(w, 4);
      w.UStr(ItemText(j));
    }
  }
  listWithFour(g.List41);
  w.I32(g.List42);
  for (int i = 0; i < g.List42; ++i) {
    Filler(w, 6);
    w.UStr(ItemText(i));
  }
  Filler(w, 2);

  w.I32(g.ReplayCountField.value_or(static_cast<int32_t>(g.Replay.size())));
  for (const ReplayFixture& r : g.Replay) {
    w.I32(r.Turn);
    for (int32_t k : r.Kept) w.I32(k);
    w.UStr(r.Text);
    w.I32(r.Kind);
  }
  w.I32(g.SessionCount);
  w.I32(g.List47);
  Filler(w, 5 * (g.List47 > 0 ? g.List47 : 0));
  w.I32(g.List48);
  Filler(w, 3 * (g.List48 > 0 ? g.List48 : 0));
  w.I32(g.List49);
  Filler(w, 2 * (g.List49 > 0 ? g.List49 : 0));
  w.I32(g.List50);
  Filler(w, g.List50 > 0 ? g.List50 : 0);
}

std::vector<uint8_t> WriteBody(const SaveFixture& save) {
  g_pattern = 1000;  // the same fixture always gives the same bytes
  ByteWriter w;
  WriteGameRecord(w, save.Game);
  WriteMap(w, save.Map);
  for (const TeamFixture& team : save.Teams) WriteTeam(w, team);
  for (int slot = 0; slot < 19; ++slot) WritePlayer(w, save.Players[static_cast<size_t>(slot)], slot);
  w.Raw(save.BodyTail);
  return w.Take();
}

std::vector<uint8_t> WriteSaveFile(const SaveFixture& save, const ContainerOptions& options) {
  return WrapSave(WriteHeader(save), WriteBody(save), options);
}

}  // namespace varnak::fixture
