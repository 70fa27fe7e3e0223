// The plain search for a text in a save image's 16-bit characters: one marker at a
// time. The load's one-pass session scan is tested against it.
#pragma once

#include <cstdint>
#include <string_view>

#include "saveio/save_image.h"

namespace varnak {

// Offset of the first place at or after `start` where the image's 16-bit characters
// carry `text` in their low bytes (only the low bytes are compared), or 0 when there
// is none. Characters past the image never match.
int32_t FindUStr(const SaveImage& image, std::string_view text, int64_t start);

}  // namespace varnak
