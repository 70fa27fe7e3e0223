// Whether a replay text opens a new session.
#pragma once

#include <string_view>

#include "reference/reference_tables.h"

namespace varnak {

inline bool IsSessionText(std::string_view text) {
  for (std::string_view marker : reference::SessionMarkers)
    if (text.find(marker) != std::string_view::npos) return true;
  return false;
}

}  // namespace varnak
