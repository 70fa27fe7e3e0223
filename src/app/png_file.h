// The map's picture as a PNG file, one pixel per plot, written by libpng.
//
// libpng is optional (the Windows build has none): without it WritePng writes nothing
// and says so.
#pragma once

#include <string>

#include "ui/controls.h"

namespace varnak::app {

// Whether this build can write PNG files.
bool PngAvailable();

// Writes `picture` to the file at `path` (UTF-8) as an 8-bit RGB PNG. False, with the
// reason in `why`, when it could not: no picture, no libpng, the file cannot be
// written.
bool WritePng(const ui::MapPicture& picture, const std::string& path, std::string& why);

}  // namespace varnak::app
