// What the chart says of a point the pointer is over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace varnak::ui {

class TForm1;

// "Aurelia, turn 12 (3520BC): Score 25" for the point of `series` (0..18) at `turn`;
// nothing when that line has no point there.
std::optional<std::string> ChartReadout(const TForm1& form, int series, int32_t turn);

}  // namespace varnak::ui
