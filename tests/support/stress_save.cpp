#include "support/stress_save.h"

#include <array>
#include <cstdint>
#include <string>

#include "reference/reference_tables.h"

namespace varnak::fixture {
namespace {

using F = StressFigures;

// A small deterministic generator, so the save is the same on every machine.
class Dice {
 public:
  int Roll(int n) {
    seed_ = seed_ * 1664525u + 1013904223u;
    return static_cast<int>((seed_ >> 8) % static_cast<uint32_t>(n));
  }

 private:
  uint32_t seed_ = 19150015;
};

std::string NameOf(int player) {
  return std::string(reference::LeaderNames[static_cast<size_t>(player * 2 + 1)]);
}

std::string TechName(size_t k) { return std::string(reference::TechnologyTable[k].TechName); }

// Capitals on a ring of the 19 players, so that every one owns land.
std::array<int, 2> Capital(int player) {
  const int side = F::kMapSide;
  const int column = player % 5, row = player / 5;
  return {side / 10 + column * side / 5, side / 8 + row * side / 4};
}

void BuildHeader(SaveFixture& s) {
  HeaderFixture& h = s.Header;
  h.GameName = "Stress Game";
  h.MapScript = "Fractal";
  h.WorldSize = 5;  // Huge
  h.GameSpeed = 0;  // Marathon: 1,500 turns
  h.TurnLimit = F::kTurns;
  h.GameOptions[1] = h.GameOptions[11] = h.GameOptions[21] = 1;
  h.MPOptions[0] = 1;
  for (int p = 0; p < F::kPlayers; ++p) {
    SlotFixture& slot = h.Slots[static_cast<size_t>(p)];
    slot.Name = NameOf(p);
    slot.NationDescription = std::string(reference::NationNames[static_cast<size_t>(p)]) + " Empire";
    slot.NationAdjective = std::string(reference::NationNames[static_cast<size_t>(p)]);
    slot.Nation = p;
    slot.Leader = p * 2 + 1;
    slot.Team = p;
    slot.Difficulty = 5;
    slot.Status = p == 0 ? 3 : 1;
    slot.Claim = 2;
    slot.Playable = 1;
  }
}

void BuildGame(SaveFixture& s, Dice& dice) {
  GameRecordFixture& g = s.Game;
  g.ElapsedTurns = F::kTurns;
  g.StartTurn = 0;
  g.EstimatedEndTurn = F::kTurns;
  g.TurnSlice = 4 * 400000;  // about 111 hours of play
  g.CutoffSlice = g.TurnSlice + 4 * 60;
  g.Max = {2400, 1900, 1100, 360};
  g.Init = {40, 20, 10, 0};
  g.DifficultyLevel = 5;
  for (int p = 0; p < F::kPlayers; ++p) {
    g.Ranks[static_cast<size_t>(p)] = p + 1;
    g.Scores[static_cast<size_t>(p)] = 9000 - 300 * p;
  }
  g.ReligionOwner = {0, 3, 5, 7, 9, 11, 13};

  // Sessions spread evenly over the game; every other message is an event of the
  // kinds the log colours, some with markup the reader has to cut.
  const int sessionEvery = F::kReplayMessages / F::kSessions;
  int session = 0;
  g.Replay.reserve(F::kReplayMessages);
  for (int i = 0; i < F::kReplayMessages; ++i) {
    const int turn = static_cast<int>(int64_t{i} * F::kTurns / F::kReplayMessages);
    const std::string who = NameOf(i % F::kPlayers);
    const std::string whom = NameOf((i * 7 + 3) % F::kPlayers);
    std::string text;
    int kind = 34 + i % 5;
    if (i % sessionEvery == 0 && session < F::kSessions) {
      text = "Session " + std::to_string(++session) + ": " + NameOf(0) + " joined the game";
      kind = 2;
    } else {
      switch (dice.Roll(5)) {
        case 0: text = "<color=255,255,0>" + who + "</color> founded City " + std::to_string(i); break;
        case 1: text = who + " declared war on " + whom + "!"; break;
        case 2: text = who + " completed a wonder in City " + std::to_string(i % 977); break;
        case 3: text = who + " made peace with " + whom; break;
        default: text = who + " adopted " + TechName(static_cast<size_t>(i) % reference::kTechCount); break;
      }
    }
    g.Replay.push_back({turn, {i, 0, i % 3, 1}, text, kind});
  }
  g.SessionCount = F::kSessions + 40;
}

void BuildMap(SaveFixture& s, Dice& dice, std::array<int, F::kPlayers>& ownedLand) {
  MapFixture& map = s.Map;
  map.Width = map.Height = F::kMapSide;
  map.Plots = std::vector<PlotFixture>{};
  map.Plots->reserve(static_cast<size_t>(F::kMapSide) * F::kMapSide);
  int land = 0, owned = 0;
  for (int y = 0; y < F::kMapSide; ++y) {
    for (int x = 0; x < F::kMapSide; ++x) {
      PlotFixture p;
      p.X = static_cast<int16_t>(x);
      p.Y = static_cast<int16_t>(y);
      const bool isLand = (x / 9 + y / 7) % 5 != 0;
      if (!isLand) {
        p.PlotType = 3;
        p.TerrainType = static_cast<int16_t>(5 + dice.Roll(2));
        if (dice.Roll(25) == 0) p.BonusType = static_cast<int16_t>(10 + dice.Roll(3));
      } else {
        ++land;
        const int r = dice.Roll(100);
        p.PlotType = static_cast<int16_t>(r < 6 ? 0 : (r < 24 ? 1 : 2));
        p.TerrainType = static_cast<int16_t>(p.PlotType == 0 ? 7 : dice.Roll(5));
        if (p.PlotType != 0 && dice.Roll(3) == 0) p.FeatureType = static_cast<int16_t>(dice.Roll(6));
        if (dice.Roll(9) == 0) p.BonusType = static_cast<int16_t>(dice.Roll(35));
        int best = -1, bestDistance = 30 * 30;
        for (int c = 0; c < F::kPlayers; ++c) {
          const auto [cx, cy] = Capital(c);
          const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
          if (d < bestDistance) best = c, bestDistance = d;
        }
        if (best >= 0) {
          p.Owner = static_cast<uint8_t>(best);
          ++owned;
          ++ownedLand[static_cast<size_t>(best)];
        }
      }
      map.Plots->push_back(p);
    }
  }
  map.LandTileCount = land;
  map.OwnedTileCount = owned;
}

void BuildTeams(SaveFixture& s, const std::array<int, F::kPlayers>& ownedLand) {
  for (int t = 0; t < F::kPlayers; ++t) {
    TeamFixture& team = s.Teams[static_cast<size_t>(t)];
    team.MemberCount = 1;
    team.AliveCount = 1;
    team.TotalPopulation = 400 + 13 * t;
    team.TotalLand = ownedLand[static_cast<size_t>(t)];
    team.EspionageEver = 900 + 50 * t;
    TeamFlags met{};
    met.fill(1);
    team.HasMet = met;
    // The leaders know most of the tree, the last ones about two thirds of it.
    const size_t known = reference::kTechCount - static_cast<size_t>(t);
    for (size_t k = 0; k < known; ++k) team.HasTech[k] = 1;
    team.FutureTechCount = t < 3 ? 3 - t : 0;
    for (int o = 0; o < F::kPlayers; ++o) {
      const auto at = static_cast<size_t>(o);
      team.EspionageAgainst[at] = o != t ? 10 * (t + o) : 0;
      team.RelationCounter[at] = 8;
      team.PeaceAttitudeCounter[at] = 300 + o;
      team.OpenBordersCounter[at] = (t + o) % 3 == 0 ? 120 : 0;
      team.WarAttitudeCounter[at] = (t + o) % 4 == 1 ? 25 : 0;
      team.WarSuccess[at] = (t * o) % 90;
    }
    const size_t partner = static_cast<size_t>((t + 1) % F::kPlayers);
    team.AtWar[partner] = t % 4 == 0 ? 1 : 0;
    team.DefensivePact[partner] = t % 4 == 2 ? 1 : 0;
  }
}

HistorySeries Grow(Dice& dice, int base, int slope, int wobble) {
  HistorySeries series;
  series.reserve(F::kTurns);
  for (int turn = 0; turn < F::kTurns; ++turn)
    series.push_back({turn, base + slope * turn / 10 + dice.Roll(wobble + 1) - wobble / 2});
  return series;
}

// Every player's log: discoveries that name the technologies, combats, city events
// and the other kinds of the game.
std::vector<MessageFixture> Messages(Dice& dice, int player) {
  std::vector<MessageFixture> log;
  log.reserve(F::kMessagesPerPlayer);
  for (int i = 0; i < F::kMessagesPerPlayer; ++i) {
    const int turn = static_cast<int>(int64_t{i} * F::kTurns / F::kMessagesPerPlayer);
    const std::string city = "City " + std::to_string(player * 100 + i % F::kCitiesPerPlayer);
    const int r = dice.Roll(10);
    if (i % 54 == 0) {
      log.push_back({"You have discovered " + TechName(static_cast<size_t>(i / 54) % reference::kTechCount) + "!",
                     36, turn, 1});
    } else if (r < 3) {
      log.push_back({"Your Musketman has defeated a Knight near " + city + "!", 37, turn, 5});
    } else if (r < 5) {
      log.push_back({"<color=0,255,0>" + city + "</color> has grown to size " + std::to_string(3 + i % 20), 2, turn, 3});
    } else if (r < 6) {
      log.push_back({"The people of " + city + " are starving!", 38, turn, 3});
    } else if (r < 8) {
      log.push_back({"A Great Scientist has been born in " + city, 36, turn, 1});
    } else {
      log.push_back({NameOf((player + i) % F::kPlayers) + " asks for help against a rival", 8, turn, 1});
    }
  }
  return log;
}

void BuildPlayers(SaveFixture& s, Dice& dice, const std::array<int, F::kPlayers>& ownedLand) {
  static constexpr const char* kUnits[] = {"Warrior", "Archer", "Musketman", "Knight", "Frigate"};
  for (int p = 0; p < F::kPlayers; ++p) {
    PlayerFixture& player = s.Players[static_cast<size_t>(p)];
    PlayerHeadFixture& h = player.Head;
    h = PlayerHeadFixture::Living();
    h.TotalPopulation = 400 + 13 * p;
    h.Gold = 2000 + 97 * p;
    h.GoldPerTurn = 40 + p;
    h.Power = 3000 + 150 * p;
    h.PopScore = 900 - 20 * p;
    h.LandScore = ownedLand[static_cast<size_t>(p)] / 4;
    h.TechScore = 700 - 10 * p;
    h.WonderScore = 60 * (p % 4);
    h.Personality = p * 2 + 1;
    h.StateReligion = p % 7;
    h.StateReligionCount = 1;
    h.Research = {{static_cast<int>(reference::kTechCount) - 1 - p, 1}};
    h.Civics = {p % 5, 5 + p % 5, 10 + p % 5, 15 + p % 5, 20 + p % 5};

    player.Cities.resize(F::kCitiesPerPlayer);
    for (int c = 0; c < F::kCitiesPerPlayer; ++c) {
      CityFixture& city = player.Cities[static_cast<size_t>(c)];
      city.Name = "City " + std::to_string(p * 100 + c);
      city.Culture = 500000 / (c + 1) + 311 * p;
      for (int b = 0; b < 60; ++b) city.Buildings[static_cast<size_t>(b)] = dice.Roll(2);
      if (c == 0) city.Buildings[0] = 1;  // the palace
    }

    PlayerTailFixture& t = player.Tail;
    t.Units.reserve(F::kUnitsPerPlayer);
    for (int u = 0; u < F::kUnitsPerPlayer; ++u) t.Units.push_back({2, kUnits[u % 5], ""});
    t.Messages = Messages(dice, p);
    t.Score = Grow(dice, 10 * p, 60, 30);
    t.Economy = Grow(dice, 20, 30 + p, 40);
    t.Industry = Grow(dice, 5, 25 + 2 * p, 20);
    t.Agriculture = Grow(dice, 8, 22, 20);
    t.Power = Grow(dice, 30, 200 + 10 * p, 80);
    t.Culture = Grow(dice, 0, 400 + 15 * p, 60);
    t.Espionage = Grow(dice, 0, 12 + p, 10);
    t.PeaceWeight = p % 5;
    for (int o = 0; o < F::kPlayers; ++o) {
      const auto at = static_cast<size_t>(o);
      t.Memory[at][0] = (p + o) % 6 == 0 ? 2 : 0;
      t.Memory[at][26] = (p * o) % 5 == 1 ? 3 : 0;
      t.SameReligionCounter[at] = p % 7 == o % 7 ? 60 : 0;
      t.DifferentReligionCounter[at] = p % 7 != o % 7 ? 45 : 0;
      t.BonusTradeCounter[at] = 25;
      t.TradeValueB[at] = 30 + o;
    }
  }
}

}  // namespace

SaveFixture StressSave() {
  SaveFixture s;
  Dice dice;
  std::array<int, F::kPlayers> ownedLand{};
  BuildHeader(s);
  BuildGame(s, dice);
  BuildMap(s, dice, ownedLand);
  BuildTeams(s, ownedLand);
  BuildPlayers(s, dice, ownedLand);
  return s;
}

}  // namespace varnak::fixture
