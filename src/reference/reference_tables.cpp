// Contents of the game's reference tables, in save-index order.
#include "reference/reference_tables.h"

namespace varnak::reference {

constexpr NameList<kLeaderCount> LeaderNames = {{
    "Barbarian", "Alexander", "Asoka", "Augustus", "Bismarck", "Boudica", "Brennus",
    "Catherine", "Charlemagne", "Churchill", "Cyrus", "Darius", "De Gaulle",
    "Elizabeth", "Frederick", "Gandhi", "Genghis Khan", "Gilgamesh", "Hammurabi",
    "Hannibal", "Hatshepsut", "Huayana Capac", "Isabella", "Joao", "Julius Caesar",
    "Justinian", "Kublai Khan", "Lincoln", "Louis XIV", "Mansa Musa", "Mao Zedong",
    "Mehmed", "Montezuma", "Napoleon", "Pacal", "Pericles", "Peter", "Qin Shi Huang",
    "Ramesses", "Ragnar", "Franklin Roosevelt", "Saladin", "Shaka", "Sitting Bull",
    "Stalin", "Suleiman", "Suryavarman", "Tokugawa", "Victoria", "Wangkon",
    "Washington", "Willem Van Oranje", "Zara Yaqob",
}};

constexpr NameList<kNationCount> NationNames = {{
    "America", "Arabia", "Aztec", "Babylon", "Byzantium", "Carthage", "Celt", "China",
    "Egypt", "England", "Ethiopia", "France", "Germany", "Greece", "Holy Roman",
    "Inca", "India", "Japan", "Khmer", "Korea", "Mali", "Maya", "Mongol",
    "Native America", "Netherlands", "Ottoman", "Persia", "Portugal", "Rome", "Russia",
    "Spain", "Sumeria", "Viking", "Zulu", "Minor", "Barbarian",
}};

constexpr NameList<kEraCount> EraNames = {{
    "Ancient", "Classical", "Medieval", "Renaissance", "Industrial", "Modern",
    "Future",
}};

constexpr std::array<TTechInfoRec, kTechCount> TechnologyTable = {{
    {"Mysticism",             50, 1,  0},  // 0
    {"Meditation",            80, 1,  0},  // 1
    {"Polytheism",           100, 1,  0},  // 2
    {"Priesthood",            60, 1,  0},  // 3
    {"Monotheism",           120, 1,  0},  // 4
    {"Monarchy",             300, 2,  0},  // 5
    {"Literature",           200, 2,  0},  // 6
    {"Code of Laws",         350, 2,  0},  // 7
    {"Drama",                300, 2,  0},  // 8
    {"Feudalism",            700, 3,  0},  // 9
    {"Theology",             500, 3,  0},  // 10
    {"Music",                600, 3,  0},  // 11
    {"Civil Service",        800, 3,  0},  // 12
    {"Guilds",              1000, 3,  8},  // 13
    {"Divine Right",        1200, 3,  0},  // 14
    {"Nationalism",         1800, 4,  0},  // 15
    {"Military Tradition",  2000, 4,  0},  // 16
    {"Constitution",        2000, 4,  0},  // 17
    {"Liberalism",          1400, 4,  0},  // 18
    {"Democracy",           2800, 4,  0},  // 19
    {"Corporation",         1600, 4,  0},  // 20
    {"Fascism",             2400, 5,  0},  // 21
    {"Communism",           2800, 5,  0},  // 22
    {"Mass Media",          3600, 6,  0},  // 23
    {"Ecology",             5500, 6,  0},  // 24
    {"Fishing",               40, 1,  0},  // 25
    {"The Wheel",             60, 1,  4},  // 26
    {"Agriculture",           60, 1,  0},  // 27
    {"Pottery",               80, 1,  0},  // 28
    {"Aesthetics",           300, 2,  0},  // 29
    {"Sailing",              100, 1,  2},  // 30
    {"Writing",              120, 1,  0},  // 31
    {"Mathematics",          250, 2,  6},  // 32
    {"Alphabet",             300, 2,  4},  // 33
    {"Calendar",             350, 2,  0},  // 34
    {"Currency",             400, 2,  0},  // 35
    {"Philosophy",           800, 3,  0},  // 36
    {"Paper",                600, 3,  0},  // 37
    {"Banking",              700, 3,  0},  // 38
    {"Education",           1800, 4,  0},  // 39
    {"Printing Press",      1600, 4,  0},  // 40
    {"Economics",           1400, 4,  0},  // 41
    {"Astronomy",           2000, 4,  4},  // 42
    {"Chemistry",           1800, 4,  6},  // 43
    {"Scientific Method",   2400, 5,  0},  // 44
    {"Physics",             4000, 5,  0},  // 45
    {"Biology",             3600, 5,  0},  // 46
    {"Medicine",            4500, 5,  0},  // 47
    {"Electricity",         4500, 5,  0},  // 48
    {"Combustion",          3600, 5,  6},  // 49
    {"Fission",             5500, 5,  8},  // 50
    {"Flight",              5000, 6,  8},  // 51
    {"Advanced Flight",     5000, 6, 10},  // 52
    {"Plastics",            7000, 6,  0},  // 53
    {"Composites",          7500, 6,  5},  // 54
    {"Stealth",             8000, 7,  5},  // 55
    {"Genetics",            7000, 7,  0},  // 56
    {"Fiber Optics",        7500, 6,  0},  // 57
    {"Fusion",              8000, 7,  0},  // 58
    {"Hunting",               40, 1,  2},  // 59
    {"Mining",                50, 1,  2},  // 60
    {"Archery",               60, 1,  6},  // 61
    {"Masonry",               80, 1,  0},  // 62
    {"Animal Husbandry",     100, 1,  2},  // 63
    {"Bronze Working",       120, 1,  8},  // 64
    {"Horseback Riding",     250, 2, 10},  // 65
    {"Iron Working",         200, 2, 10},  // 66
    {"Metal Casting",        450, 2,  4},  // 67
    {"Compass",              400, 2,  4},  // 68
    {"Construction",         350, 2,  4},  // 69
    {"Machinery",            700, 3,  8},  // 70
    {"Engineering",         1000, 3,  0},  // 71
    {"Optics",               600, 3,  0},  // 72
    {"Gunpowder",           1200, 4, 12},  // 73
    {"Replaceable Parts",   1800, 4,  0},  // 74
    {"Military Science",    2000, 4, 12},  // 75
    {"Rifling",             2400, 4, 12},  // 76
    {"Steam Power",         3200, 5,  0},  // 77
    {"Steel",               2800, 5,  4},  // 78
    {"Assembly Line",       5000, 5,  8},  // 79
    {"Railroad",            4500, 5,  0},  // 80
    {"Artillery",           4000, 5, 10},  // 81
    {"Industrialism",       6500, 5, 10},  // 82
    {"Radio",               6000, 6,  4},  // 83
    {"Refrigeration",       4000, 6,  0},  // 84
    {"Superconductors",     6500, 6,  0},  // 85
    {"Computers",           6500, 6,  0},  // 86
    {"Laser",               7000, 6, 10},  // 87
    {"Rocketry",            5000, 6, 10},  // 88
    {"Satellites",          6000, 6,  4},  // 89
    {"Robotics",            8000, 6,  0},  // 90
    {"Future Tech",        10000, 7,  0},  // 91
}};

constexpr std::array<TBuildingInfoRec, kBuildingCount> BuildingTypeTable = {{
    {"PALACE",                      0},  // 0
    {"GREAT_PALACE",                0},  // 1
    {"VERSAILLES",                  0},  // 2
    {"WALLS",                       2},  // 3
    {"CELTIC_DUN",                  3},  // 4
    {"CASTLE",                      2},  // 5
    {"SPANISH_CITADEL",             3},  // 6
    {"BARRACKS",                    3},  // 7
    {"ZULU_IKHANDA",                3},  // 8
    {"STABLE",                      2},  // 9
    {"MONGOL_GER",                  4},  // 10
    {"BUNKER",                      0},  // 11
    {"BOMB_SHELTER",                0},  // 12
    {"GRANARY",                     0},  // 13
    {"INCAN_TERRACE",               0},  // 14
    {"AQUEDUCT",                    0},  // 15
    {"OTTOMAN_HAMMAM",              0},  // 16
    {"KHMER_BARAY",                 0},  // 17
    {"HOSPITAL",                    0},  // 18
    {"RECYCLING_CENTER",            0},  // 19
    {"LIGHTHOUSE",                  0},  // 20
    {"VIKING_TRADING_POST",         1},  // 21
    {"HARBOR",                      0},  // 22
    {"CARTHAGE_COTHON",             0},  // 23
    {"CUSTOM_HOUSE",                0},  // 24
    {"PORTUGAL_FEITORIA",           0},  // 25
    {"DRYDOCK",                     2},  // 26
    {"AIRPORT",                     0},  // 27
    {"FORGE",                       2},  // 28
    {"MALI_MINT",                   2},  // 29
    {"FACTORY",                     2},  // 30
    {"GERMAN_ASSEMBLY_PLANT",       2},  // 31
    {"COAL_PLANT",                  0},  // 32
    {"JAPANESE_SHALE_PLANT",        1},  // 33
    {"HYDRO_PLANT",                 0},  // 34
    {"NUCLEAR_PLANT",               0},  // 35
    {"INDUSTRIAL_PARK",             2},  // 36
    {"OBELISK",                     0},  // 37
    {"EGYPTIAN_OBELISK",            0},  // 38
    {"ETHIOPIAN_STELE",             0},  // 39
    {"NATIVE_AMERICA_TOTEM",        1},  // 40
    {"PUBLIC_TRANSPORTATION",       0},  // 41
    {"ACADEMY",                     0},  // 42
    {"LIBRARY",                     0},  // 43
    {"ARABIAN_MADRASSA",            0},  // 44
    {"UNIVERSITY",                  0},  // 45
    {"KOREAN_SEOWON",               0},  // 46
    {"OBSERVATORY",                 0},  // 47
    {"FRENCH_SALON",                0},  // 48
    {"LABORATORY",                  0},  // 49
    {"RUSSIAN_RESEARCH_INSTITUTE",  0},  // 50
    {"THEATRE",                     0},  // 51
    {"CHINESE_PAVILLION",           0},  // 52
    {"BYZANTINE_HIPPODROME",        0},  // 53
    {"COLOSSEUM",                   0},  // 54
    {"GREEK_ODEON",                 0},  // 55
    {"MAYA_BALL_COURT",             0},  // 56
    {"BABYLON_GARDEN",              0},  // 57
    {"BROADCAST_TOWER",             0},  // 58
    {"MARKET",                      0},  // 59
    {"ROMAN_FORUM",                 0},  // 60
    {"GROCER",                      0},  // 61
    {"PERSIAN_APOTHECARY",          0},  // 62
    {"BANK",                        0},  // 63
    {"ENGLISH_STOCK_EXCHANGE",      0},  // 64
    {"SUPERMARKET",                 0},  // 65
    {"AMERICAN_MALL",               0},  // 66
    {"COURTHOUSE",                  0},  // 67
    {"AZTEC_SACRIFICIAL_ALTAR",     0},  // 68
    {"HOLY_ROMAN_RATHAUS",          0},  // 69
    {"SUMERIAN_ZIGGURAT",           0},  // 70
    {"JAIL",                        0},  // 71
    {"INDIAN_MAUSOLEUM",            0},  // 72
    {"LEVEE",                       2},  // 73
    {"NETHERLANDS_DIKE",            2},  // 74
    {"INTELLIGENCE_AGENCY",         0},  // 75
    {"NATIONAL_SECURITY",           0},  // 76
    {"JEWISH_TEMPLE",               0},  // 77
    {"JEWISH_CATHEDRAL",            0},  // 78
    {"JEWISH_MONASTERY",            0},  // 79
    {"JEWISH_SHRINE",               0},  // 80
    {"CHRISTIAN_TEMPLE",            0},  // 81
    {"CHRISTIAN_CATHEDRAL",         0},  // 82
    {"CHRISTIAN_MONASTERY",         0},  // 83
    {"CHRISTIAN_SHRINE",            0},  // 84
    {"ISLAMIC_TEMPLE",              0},  // 85
    {"ISLAMIC_CATHEDRAL",           0},  // 86
    {"ISLAMIC_MONASTERY",           0},  // 87
    {"ISLAMIC_SHRINE",              0},  // 88
    {"HINDU_TEMPLE",                0},  // 89
    {"HINDU_CATHEDRAL",             0},  // 90
    {"HINDU_MONASTERY",             0},  // 91
    {"HINDU_SHRINE",                0},  // 92
    {"BUDDHIST_TEMPLE",             0},  // 93
    {"BUDDHIST_CATHEDRAL",          0},  // 94
    {"BUDDHIST_MONASTERY",          0},  // 95
    {"BUDDHIST_SHRINE",             0},  // 96
    {"CONFUCIAN_TEMPLE",            0},  // 97
    {"CONFUCIAN_CATHEDRAL",         0},  // 98
    {"CONFUCIAN_MONASTERY",         0},  // 99
    {"CONFUCIAN_SHRINE",            0},  // 100
    {"TAOIST_TEMPLE",               0},  // 101
    {"TAOIST_CATHEDRAL",            0},  // 102
    {"TAOIST_MONASTERY",            0},  // 103
    {"TAOIST_SHRINE",               0},  // 104
    {"HEROIC_EPIC",                 8},  // 105
    {"NATIONAL_EPIC",               0},  // 106
    {"GLOBE_THEATRE",               0},  // 107
    {"NATIONAL_PARK",               0},  // 108
    {"HERMITAGE",                   0},  // 109
    {"OXFORD_UNIVERSITY",           0},  // 110
    {"WALL_STREET",                 0},  // 111
    {"IRON_WORKS",                  4},  // 112
    {"WEST_POINT",                  8},  // 113
    {"MT_RUSHMORE",                 4},  // 114
    {"RED_CROSS",                   4},  // 115
    {"SCOTLAND_YARD",               8},  // 116
    {"PYRAMID",                     0},  // 117
    {"STONEHENGE",                  0},  // 118
    {"GREAT_LIBRARY",               0},  // 119
    {"GREAT_LIGHTHOUSE",            0},  // 120
    {"HANGING_GARDEN",              0},  // 121
    {"COLOSSUS",                    0},  // 122
    {"ORACLE",                      0},  // 123
    {"PARTHENON",                   0},  // 124
    {"ANGKOR_WAT",                  0},  // 125
    {"HAGIA_SOPHIA",                0},  // 126
    {"CHICHEN_ITZA",                8},  // 127
    {"SISTINE_CHAPEL",              0},  // 128
    {"SPIRAL_MINARET",              0},  // 129
    {"NOTRE_DAME",                  0},  // 130
    {"TAJ_MAHAL",                   0},  // 131
    {"KREMLIN",                     0},  // 132
    {"EIFFEL_TOWER",                0},  // 133
    {"STATUE_OF_LIBERTY",           0},  // 134
    {"BROADWAY",                    0},  // 135
    {"ROCKNROLL",                   0},  // 136
    {"HOLLYWOOD",                   0},  // 137
    {"GREAT_DAM",                   0},  // 138
    {"PENTAGON",                    0},  // 139
    {"UNITED_NATIONS",              0},  // 140
    {"SPACE_ELEVATOR",              0},  // 141
    {"MILITARY_ACADEMY",            6},  // 142
    {"ARTEMIS",                     0},  // 143
    {"SANKORE",                     0},  // 144
    {"GREAT_WALL",                 10},  // 145
    {"STATUE_OF_ZEUS",              4},  // 146
    {"MAUSOLEUM_OF_MAUSSOLLOS",     0},  // 147
    {"CRISTO_REDENTOR",            10},  // 148
    {"SHWEDAGON_PAYA",              0},  // 149
    {"MOAI_STATUES",               10},  // 150
    {"CORPORATION_1",               0},  // 151
    {"CORPORATION_2",               0},  // 152
    {"CORPORATION_3",               0},  // 153
    {"CORPORATION_4",               0},  // 154
    {"CORPORATION_5",               0},  // 155
    {"CORPORATION_6",               0},  // 156
    {"CORPORATION_7",               0},  // 157
    {"APOSTOLIC_PALACE",            0},  // 158
}};

constexpr NameList<kPlotTypeCount> PlotTypeNames = {{
    "Mountain", "Hill", "Flat", "Water",
}};

constexpr NameList<kTerrainCount> TerrainNames = {{
    "Grassland", "Plains", "Desert", "Tundra", "Snow", "Coast", "Ocean", "Peak",
    "Hill",
}};

constexpr NameList<kFeatureCount> FeatureNames = {{
    "Ice", "Jungle", "Oasis", "Flood Plains", "Forest", "Fallout",
}};

constexpr NameList<kBonusCount> BonusNames = {{
    "Aluminum", "Coal", "Copper", "Horse", "Iron", "Marble", "Oil", "Stone", "Uranium",
    "Banana", "Clam", "Corn", "Cow", "Crab", "Deer", "Fish", "Pig", "Rice", "Sheep",
    "Wheat", "Dye", "Fur", "Gems", "Gold", "Incense", "Ivory", "Silk", "Silver",
    "Spices", "Sugar", "Wine", "Whale", "Drama", "Music", "Movies",
}};

constexpr NameList<kVictoryCount> VictoryNames = {{
    "Loss", "Time", "Conquest", "Domination", "Culture", "Space", "Diplomatic",
}};

constexpr NameList<kGameOptionCount> GameOptionNames = {{
    "Advanced Start", "No City Razing", "No City Flipping", "Flipping After Conquest",
    "No Barbarians", "Raging Barbarians", "Aggressive AI", "Lead Any Civ",
    "Random Personalities", "Pick Religion", "No Tech Trading", "No Tech Brokering",
    "Permanent Alliances", "Always War", "Always Peace", "One City Challenge",
    "No Changing War Peace", "New Random Seed", "Lock Mods", "Complete Kills",
    "No Vassal States", "No Goody Huts", "No Events", "No Espionage",
}};

constexpr NameList<kMPOptionCount> MPOptionNames = {{
    "Simultaneous Turns", "Takeover AI", "Shuffle Teams", "Anonymous", "Turn Timer",
}};

constexpr NameList<kMonthCount> MonthNames = {{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
}};

constexpr NameList<kWorldSizeCount> WorldSizeNames = {{
    "Duel", "Tiny", "Small", "Standart", "Large", "Huge",
}};

constexpr NameList<kClimateCount> ClimateNames = {{
    "Temperate", "Tropical", "Arid", "Rocky", "Cold",
}};

constexpr NameList<kSeaLevelCount> SeaLevelNames = {{"Low", "Medium", "High"}};

constexpr NameList<kGameSpeedCount> GameSpeedNames = {{"Marathon", "Epic", "Normal", "Quick"}};

constexpr NameList<kSlotStatusCount> SlotStatusNames = {{"Open", "Computer", "Closed", "Human"}};

constexpr NameList<kSlotClaimCount> SlotClaimNames = {{"Unassigned", "Reserved", "Assigned"}};

constexpr NameList<kMemoryKindCount> MemoryKindNames = {{
    "Declared War",         "Declared War On Friend", "Hired War Ally",         "Nuked Us",
    "Nuked Friend",         "Razed City",             "Razed Holy City",        "Spy Caught",
    "Give Help",            "Refused Help",           "Accept Demand",          "Rejected Demand",
    "Accepted Religion",    "Denied Religion",        "Accepted Civic",         "Denied Civic",
    "Accepted Join War",    "Denied Join War",        "Accepted Stop Trading",  "Denied Stop Trading",
    "Stopped Trading",      "Stopped Trading Recent", "Hired Trade Embargo",    "Made Demand",
    "Made Demand Recent",   "Canceled Open Borders",  "Traded Tech to Us",      "Received Tech from Any",
    "Voted against Us",     "Voted for Us",           "Event Good to Us",       "Event Bad to Us",
    "Liberated Cities",
}};

constexpr std::array<int32_t, kWorldSizeCount> WorldSizeResearchPercent = {100, 110, 120, 130, 140, 150};
constexpr std::array<int32_t, kGameSpeedCount> GameSpeedResearchPercent = {300, 150, 100, 67};
constexpr std::array<int32_t, kEraCount> StartEraResearchPercent = {100, 90, 80, 70, 60, 50, 40};
constexpr std::array<double, kDifficultyCount> DifficultyScoreCoeff = {0.4, 0.6, 0.8, 1.0, 1.2,
                                                                       1.4, 1.6, 1.8, 2.0};
constexpr std::array<int32_t, kWorldSizeCount> AnarchyWorldFactor = {11, 10, 9, 8, 7, 6};
constexpr std::array<int32_t, kGameSpeedCount> AnarchySpeedPercent = {200, 150, 100, 67};
constexpr std::array<int32_t, kEraCount> AnarchyEraPercent = {50, 50, 40, 40, 34, 34, 34};
constexpr std::array<int32_t, kGameSpeedCount> OrdoCultureMaxBySpeed = {150000, 75000, 50000, 25000};

constexpr NameList<kSessionMarkerCount> SessionMarkers = {{
    "Session",
    "\xD1\xE5\xF1\xF1\xE8\xFF",
    "Lancement de la session",
}};

constexpr NameList<kCivicCount> CivicCodes = {{
    "Des", "Her", "Rep", "Pol", "Uni", "Bar", "Vas", "Bur", "Nat", "FSp", "Tri", "Sla",
    "Ser", "Cas", "Ema", "Dec", "Mer", "FMa", "Sta", "Env", "Pag", "Org", "The", "Pac",
    "FRe",
}};

namespace {

// The personality table is assembled from the way the game's data is organised:
// most attitude constants are shared by every real leader, each leader has a
// handful of own values, and the memory percentages follow one common row with
// a few per-leader deviations. Building it keeps those shared values in
// one place instead of repeating them 53 times.

struct ColumnValue {
  std::size_t column;
  int32_t value;
};

// The columns every leader sets individually, in the order of kPerRow's values;
// the last value of a kPerRow entry is the percentage of memory kind 26.
constexpr std::array<std::size_t, 10> kPerRowColumns = {
    BaseAttitude,      WarmongerRespect,  WorseRankAttitude,     BetterRankAttitude,
    CloseBordersLimit, SameReligionLimit, DifferentReligionBase, ShareWarLimit,
    FavoriteCivicLimit, FavoriteCivic,
};
constexpr std::size_t kPerRowMemoryKind = 26;
using PerRowValues = std::array<int32_t, kPerRowColumns.size() + 1>;

struct MemoryOverride {
  std::size_t leader;
  int32_t value;
  std::size_t kindCount;
  std::array<std::size_t, 9> kinds;
};

constexpr std::array<PerRowValues, kLeaderCount> kPerRow = {{
    {{ 0,  0,  0,  0,  0,  0,  0,  0,  0, -1, 10}},  // 0 Barbarian
    {{ 0,  2, -2,  0, -4,  4, -1,  4,  2,  6, 10}},  // 1 Alexander
    {{ 1,  0,  0,  3, -2,  7,  0,  2,  4, 24,  5}},  // 2 Asoka
    {{ 0,  1, -1,  1, -4,  3,  0,  3,  4,  2, 10}},  // 3 Augustus
    {{ 1,  1, -1,  0, -4,  3,  0,  3,  2,  8,  5}},  // 4 Bismarck
    {{ 0,  1, -1,  0, -3,  3, -1,  5,  5,  4, 15}},  // 5 Boudica
    {{-1,  2, -2,  0, -2,  6, -2,  4,  3, 21, 10}},  // 6 Brennus
    {{ 1,  2, -2,  0, -4,  5, -2,  2,  3,  1, 15}},  // 7 Catherine
    {{ 0,  1, -1,  1, -3,  6, -2,  2,  4,  6, 10}},  // 8 Charlemagne
    {{ 0,  0,  0,  0, -2,  3, -1,  4,  5,  8, 10}},  // 9 Churchill
    {{ 1,  0,  0,  2, -2,  4,  0,  3,  2,  6, 10}},  // 10 Cyrus
    {{ 1,  0, -1,  1, -2,  4,  0,  3,  2, 24, 10}},  // 11 Darius
    {{-1,  2, -2,  2, -2,  3,  0,  6,  4,  8, 10}},  // 12 De Gaulle
    {{ 1,  0,  0,  1, -3,  4,  0,  2,  4, 24, 15}},  // 13 Elizabeth
    {{ 1,  0,  0,  2, -2,  4, -1,  3,  3,  4, 15}},  // 14 Frederick
    {{ 2,  0,  0,  1, -2,  4, -1,  2,  6,  4,  5}},  // 15 Gandhi
    {{-1,  2, -1,  2, -4,  4,  0,  4,  3,  3, 10}},  // 16 Genghis Khan
    {{ 0,  2, -2,  0, -3,  4, -1,  3,  4,  1, 15}},  // 17 Gilgamesh
    {{ 0,  1,  0,  1, -2,  5, -1,  3,  4,  7, 10}},  // 18 Hammurabi
    {{ 0,  2, -1,  0, -3,  4, -1,  3,  2, 17, 15}},  // 19 Hannibal
    {{ 1,  0, -1,  2, -2,  5, -2,  3,  2, 21, 10}},  // 20 Hatshepsut
    {{ 0,  2, -1,  1, -3,  5, -2,  3,  4,  1, 10}},  // 21 Huayana Capac
    {{-1,  1, -1,  1, -3,  6, -2,  2,  3, 22,  5}},  // 22 Isabella
    {{ 0,  1,  0,  2, -2,  3, -1,  2,  3,  1, 15}},  // 23 Joao
    {{ 0,  1, -1,  0, -4,  3, -1,  3,  3,  2, 10}},  // 24 Julius Caesar
    {{ 1,  1, -2,  0, -4,  6, -2,  3,  4, 22, 15}},  // 25 Justinian
    {{ 0,  2,  0,  3, -3,  4,  0,  3,  4,  7, 15}},  // 26 Kublai Khan
    {{ 1,  0, -1,  1, -2,  2,  0,  4,  4, 14, 15}},  // 27 Lincoln
    {{ 0,  2, -2,  1, -4,  4, -2,  2,  3,  1, 10}},  // 28 Louis XIV
    {{ 1,  0,  0,  4, -2,  6, -2,  3,  4, 17, 20}},  // 29 Mansa Musa
    {{ 0,  2,  0,  0, -2,  2,  0,  3,  6, 18,  5}},  // 30 Mao Zedong
    {{-1,  1,  0,  3, -2,  4, -2,  4,  4,  6, 10}},  // 31 Mehmed
    {{-1,  2, -3,  0, -4,  2, -2,  4,  2,  3, 15}},  // 32 Montezuma
    {{-1,  2, -1,  1, -3,  4,  0,  4,  5,  2, 10}},  // 33 Napoleon
    {{ 1,  0, -1,  2, -2,  5, -2,  3,  5,  1, 10}},  // 34 Pacal
    {{ 1,  0,  0,  0, -2,  4, -1,  3,  2,  2, 10}},  // 35 Pericles
    {{ 0,  2, -2,  2, -3,  4, -1,  4,  2,  7, 20}},  // 36 Peter
    {{ 1,  2, -1,  0, -4,  4, -1,  3,  5,  7, 10}},  // 37 Qin Shi Huang
    {{ 0,  0,  0,  2, -2,  6, -1,  3,  4, 21, 10}},  // 38 Ramesses
    {{-1,  2, -1,  2, -2,  5,  0,  3,  3,  1,  5}},  // 39 Ragnar
    {{ 1,  0, -1,  2, -3,  3,  0,  3,  5, 16, 10}},  // 40 Franklin Roosevelt
    {{ 0,  1,  0,  2, -3,  5, -2,  4,  1, 22, 10}},  // 41 Saladin
    {{-1,  2, -2,  0, -4,  3,  0,  4,  2,  3,  5}},  // 42 Shaka
    {{ 0,  0,  0,  0, -4,  2,  0,  4,  2, 19,  5}},  // 43 Sitting Bull
    {{-1,  1, -3,  0, -2,  2,  0,  3,  6, 18,  5}},  // 44 Stalin
    {{ 0,  1, -1,  1, -2,  2, -1,  5,  3,  1,  5}},  // 45 Suleiman
    {{ 0,  1, -2,  0, -3,  5, -2,  3,  4, 21,  5}},  // 46 Suryavarman
    {{-1,  2,  0,  1, -3,  3, -1,  4,  5, 16,  5}},  // 47 Tokugawa
    {{ 0,  0, -1,  0, -2,  4,  0,  3,  3,  2,  5}},  // 48 Victoria
    {{ 0,  0,  0,  3, -2,  3, -1,  3,  4, 13,  5}},  // 49 Wangkon
    {{ 0,  0,  0,  1, -2,  5, -1,  3,  4,  9,  5}},  // 50 Washington
    {{ 0,  0,  1, -1, -1,  1,  0,  4,  4, 24,  5}},  // 51 Willem Van Oranje
    {{ 2,  1, -1,  2, -2,  7, -2,  3,  4, 22,  5}},  // 52 Zara Yaqob
}};

constexpr std::array<ColumnValue, 19> kCommonColumns = {{
    {5, -1}, {6, -5}, {7, 5}, {8, 60}, {9, 1}, {10, 1}, {11, 10}, {14, -5}, {15, -1},
    {16, 50}, {17, 2}, {18, 25}, {19, 2}, {20, 12}, {21, 2}, {22, 1}, {23, 8}, {25, 1},
    {26, 10},
}};

constexpr std::array<int32_t, kMemoryKindCount> kCommonMemory = {{
    -300, -100, -200, -200, -100, -250, -200, -100, 100, -100, 100, -100, 100, -100,
    100, -100, 0, -100, 50, -100, -100, 0, -100, -100, 0, 0, 10, 0, -200, 200, 100,
    -100, 150,
}};

constexpr std::array<MemoryOverride, 8> kMemoryOverrides = {{
    {7, -200, 8, {7, 9, 11, 13, 15, 17, 19, 23}},  // Catherine
    {15, -200, 2, {1, 4}},  // Gandhi
    {15, 0, 9, {9, 11, 13, 15, 17, 19, 20, 22, 23}},  // Gandhi
    {26, -200, 7, {9, 11, 13, 15, 17, 19, 23}},  // Kublai Khan
    {28, -200, 5, {9, 11, 13, 15, 23}},  // Louis XIV
    {37, -200, 5, {9, 11, 13, 15, 23}},  // Qin Shi Huang
    {46, -200, 7, {9, 11, 13, 15, 17, 19, 23}},  // Suryavarman
    {47, -200, 7, {9, 11, 13, 15, 17, 19, 23}},  // Tokugawa
}};

constexpr std::size_t kBarbarian = 0;

constexpr std::array<PersonalityRow, kLeaderCount> BuildPersonalityTable() {
  std::array<PersonalityRow, kLeaderCount> table{};
  for (std::size_t leader = 0; leader < kLeaderCount; ++leader) {
    PersonalityRow& row = table[leader];
    // The barbarians have no attitude constants of their own, so the shared
    // values are left at zero for them.
    if (leader != kBarbarian) {
      for (const ColumnValue& shared : kCommonColumns) row[shared.column] = shared.value;
    }
    const PerRowValues& own = kPerRow[leader];
    for (std::size_t i = 0; i < kPerRowColumns.size(); ++i) row[kPerRowColumns[i]] = own[i];
    for (std::size_t kind = 0; kind < kMemoryKindCount; ++kind) {
      row[MemoryColumn(kind)] = kCommonMemory[kind];
    }
    row[MemoryColumn(kPerRowMemoryKind)] = own[kPerRowColumns.size()];
  }
  for (const MemoryOverride& deviation : kMemoryOverrides) {
    for (std::size_t i = 0; i < deviation.kindCount; ++i) {
      table[deviation.leader][MemoryColumn(deviation.kinds[i])] = deviation.value;
    }
  }
  return table;
}

// Every attitude column must come from exactly one of the two sources;
// a column listed twice or not at all would silently keep a wrong value.
constexpr bool EveryAttitudeColumnSetOnce() {
  std::array<int, kFirstMemoryColumn> uses{};
  for (const ColumnValue& shared : kCommonColumns) ++uses[shared.column];
  for (std::size_t column : kPerRowColumns) ++uses[column];
  for (int count : uses) {
    if (count != 1) return false;
  }
  return true;
}

static_assert(EveryAttitudeColumnSetOnce());
static_assert(BuildPersonalityTable()[kBarbarian][FavoriteCivic] == kNoFavoriteCivic);

}  // namespace

constexpr std::array<PersonalityRow, kLeaderCount> LeaderPersonalityTable =
    BuildPersonalityTable();

}  // namespace varnak::reference
