#include "analysis/calendar.h"

#include <array>
#include <cstddef>
#include <span>

#include "reference/reference_tables.h"

namespace varnak {
namespace {

// One stretch of a speed's calendar: from the turn after `after` on, every turn
// advances the date by yearsPerTurn / turnsPerYear years from baseYear. When a
// year spans several turns, each turn is an equal share of the twelve months.
struct CalendarStretch {
  int64_t after;
  int64_t yearsPerTurn;
  int64_t turnsPerYear;
  int64_t baseYear;
};

// Latest stretch first; the last one applies to every earlier turn, negative
// ones included, and counts from turn 0.
constexpr std::array<CalendarStretch, 8> kMarathon = {{
    {1344, 1, 12, 2037},
    {1080, 1, 4, 1971},
    {900, 1, 2, 1881},
    {771, 1, 1, 1752},  // T + 981
    {570, 2, 1, 1350},
    {400, 5, 1, 500},
    {100, 10, 1, -2500},
    {0, 15, 1, -4000},
}};

constexpr std::array<CalendarStretch, 7> kEpic = {{
    {530, 1, 2, 1940},
    {430, 1, 1, 1840},  // T + 1410
    {360, 2, 1, 1700},
    {270, 5, 1, 1250},
    {230, 10, 1, 850},
    {140, 15, 1, -500},
    {0, 25, 1, -4000},
}};

constexpr std::array<CalendarStretch, 8> kNormal = {{
    {440, 1, 2, 2020},
    {320, 1, 1, 1900},  // T + 1580
    {270, 2, 1, 1800},
    {210, 5, 1, 1500},
    {160, 10, 1, 1000},
    {135, 20, 1, 500},
    {75, 25, 1, -1000},
    {0, 40, 1, -4000},
}};

constexpr std::array<CalendarStretch, 8> kQuick = {{
    {260, 1, 1, 1980},  // T + 1720
    {195, 2, 1, 1850},
    {155, 5, 1, 1650},
    {130, 10, 1, 1400},
    {100, 20, 1, 800},
    {80, 30, 1, 200},
    {50, 40, 1, -1000},
    {0, 60, 1, -4000},
}};

struct SpeedCalendar {
  std::span<const CalendarStretch> stretches;
  int32_t lastTurn;  // the per-turn history tables hold turns 0..1500
};

constexpr std::array<SpeedCalendar, 4> kCalendars = {{
    {kMarathon, 1500},
    {kEpic, 750},
    {kNormal, 500},
    {kQuick, 330},
}};

}  // namespace

int32_t Turn2Date(int32_t speed, int32_t turn, std::string& month, int32_t& elapsedTurns) {
  month.clear();
  if (turn < 0) elapsedTurns = 0;
  if (speed < kSpeedMarathon || speed > kSpeedQuick) return kUnknownYear;

  const SpeedCalendar& calendar = kCalendars[static_cast<std::size_t>(speed)];
  if (turn > calendar.lastTurn) elapsedTurns = calendar.lastTurn;

  const CalendarStretch* stretch = &calendar.stretches.back();
  for (const CalendarStretch& candidate : calendar.stretches) {
    if (turn > candidate.after) {
      stretch = &candidate;
      break;
    }
  }

  // 64-bit so that absurd turn numbers from a damaged save cannot overflow;
  // the narrowing below then wraps as plain 32-bit arithmetic would.
  const int64_t sinceStart = int64_t{turn} - stretch->after;
  const int64_t year =
      sinceStart * stretch->yearsPerTurn / stretch->turnsPerYear + stretch->baseYear;
  if (stretch->turnsPerYear > 1) {
    const int64_t monthsPerTurn =
        static_cast<int64_t>(reference::kMonthCount) / stretch->turnsPerYear;
    const int64_t monthIndex = sinceStart % stretch->turnsPerYear * monthsPerTurn;
    month = reference::MonthNames[static_cast<std::size_t>(monthIndex)];
  }
  return static_cast<int32_t>(year);
}

std::string LevelString(int32_t level) {
  static constexpr std::array<const char*, 9> kLevelNames = {
      "Settler", "Chieftain", "Warlord",  "Noble", "Prince",
      "Monarch", "Emperor",   "Immortal", "Deity",
  };
  if (level < 0 || static_cast<std::size_t>(level) >= kLevelNames.size()) return "Unknown";
  return kLevelNames[static_cast<std::size_t>(level)];
}

int32_t ResearchDiffCoeff(int32_t level) {
  static constexpr std::array<int32_t, 9> kPercent = {60, 75, 90, 100, 110, 115, 120, 125, 130};
  if (level < 0 || static_cast<std::size_t>(level) >= kPercent.size()) return 100;
  return kPercent[static_cast<std::size_t>(level)];
}

}  // namespace varnak
