// Writes the bundled sample saves with the project's fixture writer: a believable
// game of seven named players in five teams (one a vassal), a 60 x 40 map, 150
// turns of history, a replay log with sessions and markup, cities, units and
// messages that name technologies, combats and city events.
//
// With --russian the same game as the Russian-language game writes it: every text
// in Windows-1251 bytes (the session lines start with the Cyrillic marker), and one
// nick, "Жанна", in real UTF-16 like every line that names her.
//
//   cmake --build build/test --target make-sample-save
//   build/test/tools/make-sample-save samples/sample-game.sav
//   build/test/tools/make-sample-save --russian samples/sample-game-ru.sav
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "reference/reference_tables.h"
#include "support/code_page_text.h"
#include "support/save_fixture.h"

using namespace varnak::fixture;

namespace {

struct Civ {
  const char* name;
  const char* description;
  const char* adjective;
  int nation, leader, team, status;
  int capitalX, capitalY;
  const char* ruName;  // the Russian sample's texts, in UTF-8 here
  const char* ruDescription;
  const char* ruAdjective;
};

constexpr Civ kCivs[7] = {
    {"Aurelia", "Roman Empire", "Roman", 28, 24, 0, 3, 12, 10, "Владимир", "Римская империя", "римская"},
    {"Brennus", "Celtic Empire", "Celtic", 6, 6, 1, 1, 44, 8, "Святослав", "Кельтская империя", "кельтская"},
    {"Hatshepsut", "Egyptian Empire", "Egyptian", 8, 20, 2, 1, 14, 30, "Жанна", "Египетская империя", "египетская"},
    {"Ragnar", "Viking Empire", "Viking", 32, 39, 3, 1, 48, 31, "Ярослав", "Империя викингов", "викингская"},
    {"Pacal", "Mayan Empire", "Mayan", 21, 34, 3, 1, 34, 20, "Ольга", "Империя майя", "майяская"},
    {"Mansa Musa", "Malinese Empire", "Malinese", 20, 29, 4, 1, 54, 18, "Мстислав", "Малийская империя", "малийская"},
    {"Tokugawa", "Japanese Empire", "Japanese", 17, 47, 2, 1, 25, 34, "Никита", "Японская империя", "японская"},
};
// The nick the Russian game writes in real UTF-16, like every text that holds it.
constexpr const char* kUnicodeNick = "Жанна";

bool g_russian = false;

std::u16string Utf16(const std::string& utf8) {
  std::u16string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int length = b < 0x80 ? 1 : (b < 0xE0 ? 2 : (b < 0xF0 ? 3 : 4));
    char32_t c = length == 1 ? b : (b & (0x7F >> length));
    for (int k = 1; k < length; ++k) c = c << 6 | (static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]) & 0x3F);
    i += static_cast<size_t>(length);
    if (c >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

// A text of the sample: the English one as it is; else the Russian one (UTF-8 here)
// as the Russian game stores it.
UText Text(const std::string& english, const std::string& russian) {
  if (!g_russian) return english;
  if (russian.find(kUnicodeNick) != std::string::npos) return UText::Unicode(Utf16(russian));
  return Cp1251(russian);
}

constexpr int kWidth = 60;
constexpr int kHeight = 40;
constexpr int kTurns = 150;

// A small deterministic generator, so the sample is the same on every machine.
uint32_t g_seed = 20261210;
int Roll(int n) {
  g_seed = g_seed * 1664525u + 1013904223u;
  return static_cast<int>((g_seed >> 8) % static_cast<uint32_t>(n));
}

// Smooth noise in 0..1 over the map: a hashed lattice every `cell` plots, blended
// between its corners, so that terrain comes in regions instead of single plots.
double Noise(int x, int y, int cell, uint32_t salt) {
  auto lattice = [salt](int i, int j) {
    uint32_t h = static_cast<uint32_t>(i) * 374761393u + static_cast<uint32_t>(j) * 668265263u + salt * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<double>((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
  };
  const int i = x / cell, j = y / cell;
  const double u = static_cast<double>(x % cell) / cell, v = static_cast<double>(y % cell) / cell;
  const double su = u * u * (3 - 2 * u), sv = v * v * (3 - 2 * v);
  const double top = lattice(i, j) * (1 - su) + lattice(i + 1, j) * su;
  const double bottom = lattice(i, j + 1) * (1 - su) + lattice(i + 1, j + 1) * su;
  return top * (1 - sv) + bottom * sv;
}

// Two continents and an island: overlapping ellipses with ragged coasts.
bool IsLand(int x, int y) {
  if (x < 1 || y < 2 || x >= kWidth - 1 || y >= kHeight - 2) return false;
  const double ragged = 0.72 + 0.5 * Noise(x, y, 4, 7);
  auto inside = [&](double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy < ragged;
  };
  return inside(17, 20, 13, 16) || inside(45, 17, 12, 13) || inside(46, 32, 8, 6);
}

int g_ownedLand[7] = {};

// Where the land is highest there are mountains, and no city stands on one.
double Height(int x, int y) { return Noise(x, y, 5, 1); }
bool IsMountain(int x, int y) { return IsLand(x, y) && Height(x, y) > 0.8; }

// The land plot off the mountains nearest to (x0, y0), searched ring by ring.
std::pair<int, int> NearestLand(int x0, int y0) {
  for (int r = 0; r < 10; ++r)
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx)
        if (IsLand(x0 + dx, y0 + dy) && !IsMountain(x0 + dx, y0 + dy)) return {x0 + dx, y0 + dy};
  return {x0, y0};
}

std::pair<int, int> Capital(int c) { return NearestLand(kCivs[c].capitalX, kCivs[c].capitalY); }

// Each civilisation owns the land its culture reaches: the plots of its landmass
// within about six plots of its capital, the nearer capital winning, and the water
// next to its land.
std::vector<int> Owners() {
  constexpr int kStraight = 2, kDiagonal = 3, kReach = 13;  // in half plots: borders come out round
  std::vector<int> owner(static_cast<size_t>(kWidth * kHeight), -1);
  std::vector<int> distance(owner.size(), 1 << 20);
  std::vector<std::pair<int, int>> queue;
  auto at = [](int x, int y) { return static_cast<size_t>(y * kWidth + x); };
  for (int c = 0; c < 7; ++c) {
    const auto [x, y] = Capital(c);
    owner[at(x, y)] = c;
    distance[at(x, y)] = 0;
    queue.push_back({x, y});
  }
  static constexpr int kSteps[8][3] = {{1, 0, kStraight},   {-1, 0, kStraight},  {0, 1, kStraight},
                                       {0, -1, kStraight},  {1, 1, kDiagonal},   {-1, -1, kDiagonal},
                                       {1, -1, kDiagonal},  {-1, 1, kDiagonal}};
  for (size_t head = 0; head < queue.size(); ++head) {  // relaxed until no plot gets nearer
    const auto [x, y] = queue[head];
    for (const auto& step : kSteps) {
      const int nx = x + step[0], ny = y + step[1], d = distance[at(x, y)] + step[2];
      if (d > kReach || !IsLand(nx, ny) || distance[at(nx, ny)] <= d) continue;
      distance[at(nx, ny)] = d;
      owner[at(nx, ny)] = owner[at(x, y)];
      queue.push_back({nx, ny});
    }
  }
  std::vector<int> withCoast = owner;
  for (int y = 1; y < kHeight - 1; ++y)
    for (int x = 1; x < kWidth - 1; ++x)
      if (!IsLand(x, y))
        for (const auto& step : kSteps)
          if (IsLand(x + step[0], y + step[1]) && owner[at(x + step[0], y + step[1])] >= 0)
            withCoast[at(x, y)] = owner[at(x + step[0], y + step[1])];
  return withCoast;
}

// The plot of city k of civilisation c: the capital where the civilisation starts, the
// others on the nearest free plot of its own land, off the mountains, to one of a ring
// of offsets.
void PlaceCity(int c, int k, const std::vector<int>& owners, std::vector<std::pair<int, int>>& taken,
               CityFixture& city) {
  static constexpr int kOffsets[4][2] = {{0, 0}, {4, 2}, {-3, 3}, {2, -4}};
  const auto [x0, y0] = Capital(c);
  std::tie(city.X, city.Y) = std::pair{x0, y0};
  auto fits = [&](int x, int y) {
    return IsLand(x, y) && owners[static_cast<size_t>(y * kWidth + x)] == c && !IsMountain(x, y) &&
           std::find(taken.begin(), taken.end(), std::pair{x, y}) == taken.end();
  };
  const int x1 = x0 + kOffsets[k][0], y1 = y0 + kOffsets[k][1];
  for (int r = 0; r < 8; ++r)
    for (int dy = -r; dy <= r; ++dy)
      for (int dx = -r; dx <= r; ++dx)
        if (fits(x1 + dx, y1 + dy)) {
          std::tie(city.X, city.Y) = std::pair{x1 + dx, y1 + dy};
          taken.push_back({city.X, city.Y});
          return;
        }
}

int TechIndex(const char* name) {
  for (size_t k = 0; k < varnak::reference::kTechCount; ++k)
    if (varnak::reference::TechnologyTable[k].TechName == name) return static_cast<int>(k);
  return 0;
}

void BuildMap(SaveFixture& s) {
  MapFixture& map = s.Map;
  map.Width = kWidth;
  map.Height = kHeight;
  map.Plots = std::vector<PlotFixture>{};
  const std::vector<int> owners = Owners();
  int land = 0, owned = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      PlotFixture p;
      p.X = static_cast<int16_t>(x);
      p.Y = static_cast<int16_t>(y);
      const double height = Height(x, y), wet = Noise(x, y, 7, 2), pick = Noise(x, y, 1, 3);
      const double latitude = std::abs(y - (kHeight - 1) / 2.0) / (kHeight / 2.0);  // 0 at the equator
      if (!IsLand(x, y)) {
        const bool nearLand = IsLand(x + 1, y) || IsLand(x - 1, y) || IsLand(x, y + 1) || IsLand(x, y - 1) ||
                              IsLand(x + 1, y + 1) || IsLand(x - 1, y - 1);
        p.PlotType = 3;
        p.TerrainType = nearLand ? 5 : 6;
        if (latitude > 0.88 || (latitude > 0.8 && wet > 0.55)) p.FeatureType = 0;  // polar ice
        if (pick > 0.955) p.BonusType = static_cast<int16_t>(nearLand ? (pick > 0.975 ? 10 : 13) : (pick > 0.99 ? 31 : 15));
      } else {
        ++land;
        // Mountain ranges where the land is highest, hills around them.
        p.PlotType = IsMountain(x, y) ? 0 : (height > 0.62 || pick > 0.93 ? 1 : 2);
        // Cold towards the poles, a dry belt near the tropics, wetter elsewhere.
        int16_t terrain = wet < 0.35 && latitude < 0.45 ? 2 : (wet < 0.55 ? 1 : 0);
        if (latitude > 0.78) terrain = 4;
        else if (latitude > 0.62) terrain = 3;
        p.TerrainType = p.PlotType == 0 ? 7 : terrain;
        if (p.PlotType != 0) {
          if (terrain == 2 && wet > 0.3 && pick < 0.12) p.FeatureType = 3;       // flood plains
          else if (terrain == 2 && pick > 0.97) p.FeatureType = 2;             // oasis
          else if (wet > 0.62 && latitude < 0.3) p.FeatureType = 1;            // jungle
          else if (wet > 0.58 && terrain != 2 && terrain != 4) p.FeatureType = 4;  // forest
        }
        if (pick < 0.07 || pick > 0.97) {
          // Metals and stone in the hills, crops on the plains, luxuries elsewhere.
          const int k = static_cast<int>(pick * 1000) % 7;
          static constexpr int16_t kHillBonus[7] = {1, 2, 4, 5, 7, 0, 22};
          static constexpr int16_t kFlatBonus[7] = {11, 12, 17, 19, 3, 16, 18};
          static constexpr int16_t kOtherBonus[7] = {9, 14, 20, 24, 26, 28, 30};
          p.BonusType = p.PlotType <= 1 ? kHillBonus[k] : (p.FeatureType < 0 && terrain <= 1 ? kFlatBonus[k] : kOtherBonus[k]);
          if (terrain == 2 && p.FeatureType < 0) p.BonusType = static_cast<int16_t>(k < 3 ? 6 : 23);  // oil, gold
        }
      }
      const int o = owners[static_cast<size_t>(y * kWidth + x)];
      if (o >= 0) {
        p.Owner = static_cast<uint8_t>(o);
        ++owned;
        if (p.PlotType != 3) ++g_ownedLand[o];
      }
      map.Plots->push_back(p);
    }
  }
  map.LandTileCount = land;
  map.OwnedTileCount = owned;
}

void BuildReplay(SaveFixture& s) {
  auto& replay = s.Game.Replay;
  auto line = [&](int turn, const std::string& english, const std::string& russian, int kind) {
    replay.push_back({turn, {}, Text(english, russian), kind});
  };
  auto session = [&](int turn, int n) {
    line(turn, "Session " + std::to_string(n) + ": Aurelia joined the game",
         "Сессия " + std::to_string(n) + ": Владимир вошёл в игру", 2);
  };
  session(0, 1);
  session(0, 2);
  for (int c = 0; c < 7; ++c)
    line(c / 3, std::string("<color=255,255,0>") + kCivs[c].name + "</color> founded the capital",
         std::string("<color=255,255,0>") + kCivs[c].ruName + "</color> основывает столицу", 37);
  line(18, "Hatshepsut founded <link=literal>Buddhism</link> in Thebes",
       "Жанна основывает <link=literal>буддизм</link> в городе Фивы", 36);
  session(35, 3);
  line(41, "Brennus completed the <color=0,255,0>Pyramids</color>",
       "Святослав завершает <color=0,255,0>Пирамиды</color>", 36);
  line(52, "Ragnar declared war on Aurelia!", "Ярослав объявляет войну: Владимир!", 38);
  line(60, "Aurelia razed Hedeby", "Владимир сжигает Хедебю", 38);
  line(64, "Ragnar made peace with Aurelia", "Ярослав заключает мир: Владимир", 37);
  session(78, 4);
  line(85, "Mansa Musa became a vassal of Brennus", "Мстислав становится вассалом: Святослав", 34);
  line(97, "Aurelia completed the Great Library", "Владимир завершает Великую библиотеку", 36);
  session(112, 5);
  line(126, "Pacal adopted Feudalism", "Ольга вводит феодализм", 2);
  line(139, "<img=art/pope.dds>", "<img=art/pope.dds>", 2);  // markup only: kept, never shown
  session(150, 6);
  s.Game.SessionCount = 9;
}

void BuildTeams(SaveFixture& s) {
  const char* known[] = {"Mysticism", "Fishing", "The Wheel", "Agriculture", "Pottery", "Hunting",
                         "Mining", "Archery", "Masonry", "Bronze Working", "Writing", "Priesthood",
                         "Animal Husbandry", "Sailing", "Polytheism", "Alphabet", "Mathematics",
                         "Iron Working", "Horseback Riding", "Monarchy", "Literature", "Calendar",
                         "Currency", "Construction", "Code of Laws", "Philosophy", "Feudalism"};
  const int progress[5] = {27, 22, 24, 19, 13};
  for (int t = 0; t < 19; ++t) {
    TeamFixture& team = s.Teams[static_cast<size_t>(t)];
    if (t >= 5 && t != 18) {
      team.MemberCount = 1;
      team.AliveCount = 0;
      continue;
    }
    if (t == 18) continue;  // the barbarians
    team.MemberCount = t == 2 || t == 3 ? 2 : 1;
    team.AliveCount = team.MemberCount;
    team.EspionageEver = 40 * (t + 1);
    TeamFlags met{};
    for (int o = 0; o < 5; ++o) met[static_cast<size_t>(o)] = 1;
    if (t == 0) met[4] = 0;  // Aurelia has not met Mansa Musa
    if (t == 4) met[0] = 0;
    met[18] = 1;
    team.HasMet = met;
    for (int k = 0; k < progress[t]; ++k) team.HasTech[static_cast<size_t>(TechIndex(known[k]))] = 1;
    team.ResearchProgress[static_cast<size_t>(TechIndex("Civil Service"))] = 37 + 11 * t;
    team.ResearchProgress[static_cast<size_t>(TechIndex("Mysticism"))] = 50;
    for (int o = 0; o < 19; ++o) {
      team.EspionageAgainst[static_cast<size_t>(o)] = o < 5 && o != t ? 5 * (t + o) : 0;
      team.RelationCounter[static_cast<size_t>(o)] = 4;
      team.PeaceAttitudeCounter[static_cast<size_t>(o)] = 120;
      team.OpenBordersCounter[static_cast<size_t>(o)] = t < 3 && o < 3 ? 40 : 0;
    }
  }
  s.Teams[0].AtWar[3] = s.Teams[3].AtWar[0] = 1;
  s.Teams[0].WarAttitudeCounter[3] = s.Teams[3].WarAttitudeCounter[0] = 14;
  s.Teams[0].WarSuccess[3] = 30;
  s.Teams[3].WarSuccess[0] = 55;
  s.Teams[1].DefensivePact[2] = s.Teams[2].DefensivePact[1] = 1;
  s.Teams[4].VassalOf[1] = 1;
  // Team totals are their members' population and land.
  for (int c = 0; c < 7; ++c) {
    TeamFixture& team = s.Teams[static_cast<size_t>(kCivs[c].team)];
    team.TotalPopulation += 12 + 5 * c;
    team.TotalLand += g_ownedLand[c];
  }
}

HistorySeries Grow(int base, int slope, int wobble, bool canDip = false) {
  HistorySeries series;
  for (int turn = 0; turn < kTurns; ++turn) {
    int v = base + slope * turn / 10 + Roll(wobble + 1) - wobble / 2;
    if (canDip && turn > 50 && turn < 66) v -= 40;  // the war with Ragnar
    series.push_back({turn, canDip ? v : std::max(v, 0)});
  }
  return series;
}

void BuildPlayers(SaveFixture& s) {
  const char* discoveries[][2] = {{"Bronze Working", "Обработка бронзы"}, {"Writing", "Письменность"},
                                  {"Monarchy", "Монархия"}, {"Currency", "Деньги"},
                                  {"Philosophy", "Философия"}, {"Mathematics", "Математика"},
                                  {"Iron Working", "Обработка железа"}, {"Code of Laws", "Свод законов"}};
  const char* cityNames[7][4] = {{"Roma", "Antium", "Cumae", "Neapolis"},
                                 {"Bibracte", "Alesia", "Gergovia", ""},
                                 {"Thebes", "Memphis", "Heliopolis", "Giza"},
                                 {"Trondheim", "Kaupang", "Birka", ""},
                                 {"Palenque", "Tikal", "Copan", ""},
                                 {"Niani", "Timbuktu", "", ""},
                                 {"Kyoto", "Osaka", "Edo", ""}};
  const char* ruCityNames[7][4] = {{"Рим", "Анций", "Кумы", "Неаполь"},
                                   {"Бибракта", "Алезия", "Герговия", ""},
                                   {"Фивы", "Мемфис", "Гелиополь", "Гиза"},
                                   {"Тронхейм", "Каупанг", "Бирка", ""},
                                   {"Паленке", "Тикаль", "Копан", ""},
                                   {"Ниани", "Тимбукту", "", ""},
                                   {"Киото", "Осака", "Эдо", ""}};
  const std::vector<int> owners = Owners();
  std::vector<std::pair<int, int>> taken;
  for (int c = 0; c < 7; ++c) {
    PlayerFixture& p = s.Players[static_cast<size_t>(c)];
    p.Head = PlayerHeadFixture::Living();
    PlayerHeadFixture& h = p.Head;
    h.TotalPopulation = 12 + 5 * c;
    h.Gold = 150 + 37 * c;
    h.GoldPerTurn = 6 + c;
    h.Power = 90 + 25 * c;
    h.PopScore = 60 + 9 * c;
    h.LandScore = 40 + 7 * c;
    h.TechScore = 70 + 5 * c;
    h.WonderScore = c == 1 ? 40 : (c == 0 ? 30 : 0);
    h.Personality = kCivs[c].leader;
    h.StateReligion = c == 2 || c == 6 ? 3 : (c == 0 ? 1 : -1);
    h.StateReligionCount = h.StateReligion >= 0 ? 1 : 0;
    h.Research = {{static_cast<int32_t>(TechIndex("Civil Service")), 1}};
    h.Civics = {c == 0 ? 1 : 0, 5 + c % 3, 10 + c % 2, 15, 20};
    for (int k = 0; k < 4; ++k) {
      if (cityNames[c][k][0] == '\0') continue;
      CityFixture city;
      city.Name = Text(cityNames[c][k], ruCityNames[c][k]);
      city.Culture = 9000 / (k + 1) + 317 * c;
      PlaceCity(c, k, owners, taken, city);
      city.FoundedTurn = k == 0 ? 0 : 14 + 19 * k + 3 * c;
      city.Population = 9 - 2 * k + c % 3;
      if (k == 0) city.Buildings[0] = 1;  // palace
      city.Buildings[3] = k < 2 ? 1 : 0;  // walls
      city.Buildings[7] = c % 2;          // barracks
      city.Buildings[13] = 1;             // granary
      city.Buildings[43] = k == 0 ? 1 : 0;  // library
      if (c == 1 && k == 0) city.Buildings[117] = 1;  // the Pyramids
      p.Cities.push_back(city);
    }
    PlayerTailFixture& t = p.Tail;
    for (int u = 0; u < 3 + c; ++u)
      t.Units.push_back({2, u % 3 == 0 ? Text("Archer", "Лучник") : Text("Warrior", "Воин"), ""});
    int turn = 2;
    for (const auto& tech : discoveries) {
      t.Messages.push_back({Text(std::string("You have discovered ") + tech[0] + "!",
                                 std::string("Вы открыли: ") + tech[1] + "!"),
                            36, turn, 1});
      turn += 9 + c;
    }
    const std::string capital = cityNames[c][0], ruCapital = ruCityNames[c][0];
    t.Messages.push_back({Text("Your Warrior has defeated a Barbarian Archer!", "Ваш воин победил лучника варваров!"), 37, 33, 5});
    t.Messages.push_back({Text("Your Archer was destroyed while defending", "Ваш лучник погиб при обороне"), 8, 57, 5});
    t.Messages.push_back({Text(capital + " has grown to size 6", "Город " + ruCapital + " вырос до размера 6"), 2, 71, 3});
    t.Messages.push_back({Text("<color=255,0,0>The city is starving!</color>", "<color=255,0,0>Город голодает!</color>"), 38, 88, 3});
    t.Messages.push_back({Text("A Great Prophet has been born in " + capital, "В городе " + ruCapital + " родился великий пророк"), 36, 104, 1});
    t.Score = Grow(5 * c, 40, 6, false);
    t.Economy = Grow(10, 12 + c, 10, c == 0);
    t.Industry = Grow(3, 20 + 2 * c, 4);
    t.Agriculture = Grow(4, 22, 5);
    t.Power = Grow(12, 60 + 10 * c, 20);
    t.Culture = Grow(0, 90 + 15 * c, 8);
    t.Espionage = Grow(0, 5 + c, 2);
    t.PeaceWeight = c % 5;
    t.Memory[0][0] = c == 3 ? 2 : 0;    // declared war on Aurelia
    t.Memory[0][26] = c == 1 ? 3 : 0;   // traded technologies
    t.Memory[1][8] = c == 2 ? 1 : 0;    // gave help
    t.SameReligionCounter[6] = c == 2 ? 40 : 0;
    t.BonusTradeCounter[0] = 25;
    t.TradeValueB[0] = 30;
    t.CloseBordersAttitude[0] = c == 3 ? -2 : kNoCloseBordersValue;
    t.ExtraAttitude[0] = c == 4 ? 1 : 0;
  }
  // The barbarians play too, without cities of their own.
  s.Players[18].Head.Alive = 1;
  s.Players[18].Head.EverAlive = 1;
}

}  // namespace

int main(int argc, char** argv) {
  g_russian = argc == 3 && std::string(argv[1]) == "--russian";
  if (argc != 2 && !g_russian) {
    std::fprintf(stderr, "usage: make-sample-save [--russian] OUTPUT\n");
    return 2;
  }
  const char* output = argv[argc - 1];
  SaveFixture s;
  HeaderFixture& h = s.Header;
  h.GameName = Text("Sample Game", "Пробная игра");
  h.MapScript = Text("Continents", "Континенты");
  h.WorldSize = 2;
  h.GameSpeed = 2;
  h.TurnLimit = 500;
  h.GameOptions[11] = 1;  // No Tech Brokering
  h.GameOptions[21] = 1;  // No Goody Huts
  h.MPOptions[0] = 1;
  for (int c = 0; c < 7; ++c) {
    SlotFixture& slot = h.Slots[static_cast<size_t>(c)];
    slot.Name = Text(kCivs[c].name, kCivs[c].ruName);
    slot.NationDescription = Text(kCivs[c].description, kCivs[c].ruDescription);
    slot.NationAdjective = Text(kCivs[c].adjective, kCivs[c].ruAdjective);
    slot.Nation = kCivs[c].nation;
    slot.Leader = kCivs[c].leader;
    slot.Team = kCivs[c].team;
    slot.Difficulty = 4;
    slot.Status = kCivs[c].status;
    slot.Claim = 2;
    slot.Playable = 1;
  }
  for (int p = 7; p < 19; ++p) h.Slots[static_cast<size_t>(p)].Team = p;
  h.Slots[18].Name = Text("Barbarians", "Варвары");
  h.Slots[18].Leader = 0;
  h.Slots[18].Nation = 35;
  h.Slots[18].Minor = 1;

  GameRecordFixture& g = s.Game;
  g.ElapsedTurns = kTurns;
  g.StartTurn = 0;
  g.EstimatedEndTurn = 500;
  g.TurnSlice = 4 * 21780;  // six hours and three minutes
  g.CutoffSlice = g.TurnSlice + 4 * 95;
  g.Max = {420, 380, 280, 120};
  g.Init = {15, 8, 4, 0};
  g.DifficultyLevel = 4;
  for (int c = 0; c < 7; ++c) {
    g.Ranks[static_cast<size_t>(c)] = c + 1;
    g.Scores[static_cast<size_t>(c)] = 980 - 90 * c;
  }
  g.ReligionOwner = {-1, 0, -1, 2, -1, -1, -1};

  BuildMap(s);
  BuildReplay(s);
  BuildTeams(s);
  BuildPlayers(s);
  WriteFile(output, WriteSaveFile(s));
  return 0;
}
