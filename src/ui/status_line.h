// The texts of the desktop's status bar about the save shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace varnak::ui {

class TForm1;

struct StatusLine {
  std::string File;         // the file's name, without its folder
  std::string TurnAndDate;  // "Turn 120, 1850AD June"
  std::string LoadTime;     // "Loaded in 85 ms"
};

// What the status bar says after a load that took `loadMilliseconds`; nothing when no
// load succeeded, since the window then still shows what it showed.
std::optional<StatusLine> StatusAfterLoad(const TForm1& form, int64_t loadMilliseconds);

}  // namespace varnak::ui
