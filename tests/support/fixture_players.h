// One player record of a fixture save: its head, its city records and its tail.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "support/byte_writer.h"

namespace varnak::fixture {

// A flag of the head's research block: the game marks the technology being
// researched with a non-zero byte.
struct ResearchFlag {
  int Tech = 0;
  uint8_t Value = 1;
};

// The head of a player record, up to and including the number of cities. The
// defaults are a slot that never played; Living() is a player in mid-game.
struct PlayerHeadFixture {
  int32_t RecordFlag = 1;
  int32_t TotalPopulation = 0;
  int32_t Gold = 0;
  int32_t GoldPerTurn = 0;
  int32_t GreatPeopleCreated = 0;
  int32_t GreatGeneralsCreated = 0;
  int32_t WWPoints = 0;
  int32_t StateReligionCount = 0;
  int32_t Power = 0;
  int32_t PopScore = 0;
  int32_t LandScore = 0;
  int32_t WonderScore = 0;
  int32_t TechScore = 0;
  int32_t GeneralPoints = 0;
  uint8_t Alive = 0;
  uint8_t EverAlive = 0;
  int32_t Personality = 0;
  int32_t StateReligion = -1;
  int32_t Parent = -1;
  std::vector<ResearchFlag> Research;  // flags not listed are 0
  std::array<int32_t, 5> Civics = {0, 5, 10, 15, 20};
  UText Text;  // the head's one text, which the analyzer passes over
  // Counts of the lists before the number of cities (fields 46..51); their
  // elements are written with synthetic content.
  int32_t List46 = 0, List47 = 0, List48 = 0, List49 = 0, List50 = 0, List51 = 0;
  // When set, written as the count of list 48 or 50 in place of the elements' number.
  std::optional<int32_t> List48Field, List50Field;
  // When set, written as the number of cities instead of the number of city records.
  std::optional<int32_t> CityCountField;

  static PlayerHeadFixture Living();
};

// One city record. The other players' culture values and every field the
// analyzer passes over are written with synthetic content.
struct CityFixture {
  int32_t X = 3;             // the city's plot column and row
  int32_t Y = 2;
  int32_t FoundedTurn = 12;
  int32_t Population = 5;
  int32_t Culture = 1250;  // the owner's culture in the city, in hundredths
  std::array<int32_t, 159> Buildings{};        // first building set: count per building type
  std::array<int32_t, 159> SecondBuildings{};  // second building set, of the same kind
  UText Name = "Fixture City";
  UText SecondText;
  // Counts of the record's lists (fields 42 and 45..49), for layout tests.
  int32_t List42 = 0, List45 = 0, List46 = 0, List47 = 0, List48 = 0, List49 = 0;
};

// One unit record of a player; everything but its version and its two texts is
// written with synthetic content.
struct UnitFixture {
  int32_t Version = 2;  // 0 and 1 lay out one field more or less
  UText Name = "Warrior";
  UText Script;
};

// One message of a player's event log; the fields the analyzer passes over are
// written with synthetic content.
struct MessageFixture {
  UText Text;
  int32_t Color = 7;
  int32_t Turn = 0;
  int32_t Kind = 1;
};

struct HistoryPair {
  int32_t Turn = 0;
  int32_t Value = 0;
};
using HistorySeries = std::vector<HistoryPair>;

// A row of one value per player, all the same.
inline constexpr std::array<int32_t, 19> SameForAll(int32_t value) {
  std::array<int32_t, 19> row{};
  for (int32_t& v : row) v = value;
  return row;
}
inline constexpr int32_t kNoCloseBordersValue = 2147483647;

// The rest of the player record after its cities. The defaults are a record with
// every list empty.
struct PlayerTailFixture {
  std::vector<UnitFixture> Units;
  std::optional<int32_t> UnitCountField;  // written instead of Units.size()
  std::vector<MessageFixture> Messages;
  std::optional<int32_t> MessageCountField;  // written instead of Messages.size()

  // Element counts of the lists the analyzer passes over (fields 1, 4..9 and
  // 21..27, 44), for layout tests; their elements are written with synthetic
  // content. List27 is written only when the record flag is above 0.
  int32_t List1 = 0, List4 = 0, List6 = 0, List7 = 0, List9 = 0;
  int32_t List21 = 0, List22 = 0, List23 = 0, List24 = 0, List25 = 0, List26 = 0;
  int32_t List27 = 0, List44 = 0;
  // Field 12: one entry per element, the number of text pairs it holds.
  std::vector<int32_t> List12;
  // Field 13: one entry per element, the kinds of its closing entries (9 and 10
  // are followed by a text, every other kind by two int32).
  std::vector<std::vector<int32_t>> List13;

  HistorySeries Score, Economy, Industry, Agriculture, Power, Culture, Espionage;

  int32_t PeaceWeight = 3;
  std::array<int32_t, 19> SameReligionCounter{};
  std::array<int32_t, 19> DifferentReligionCounter{};
  std::array<int32_t, 19> FavoriteCivicCounter{};
  std::array<int32_t, 19> BonusTradeCounter{};
  std::array<int32_t, 19> TradeValueA{};
  std::array<int32_t, 19> TradeValueB{};
  std::array<int32_t, 19> ExtraAttitude{};
  std::array<std::array<int32_t, 33>, 19> Memory{};  // [player][kind]
  std::array<int32_t, 19> CloseBordersAttitude = SameForAll(kNoCloseBordersValue);
};

struct PlayerFixture {
  PlayerHeadFixture Head;
  std::vector<CityFixture> Cities;
  PlayerTailFixture Tail;
};

// Writes the head; `cityCount` is what the head states as the number of cities.
// Returns the record flag, which decides one block of the tail.
int32_t WritePlayerHead(ByteWriter& w, const PlayerHeadFixture& head, int32_t cityCount);
// Writes one city record of the player in `slot`.
void WriteCity(ByteWriter& w, const CityFixture& city, int slot);
void WritePlayerTail(ByteWriter& w, const PlayerTailFixture& tail, int32_t recordFlag);

// Head, cities and tail of the player in `slot`.
void WritePlayer(ByteWriter& w, const PlayerFixture& player, int slot);

}  // namespace varnak::fixture
