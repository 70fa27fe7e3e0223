// The part of a load that both fuzz targets share: everything after the image.
#pragma once

#include "saveio/save_image.h"

namespace varnak::fuzz {

// Parses the image and drives the window through start-up, PrintData and every
// view and handler a user can reach.
void DriveWindow(const SaveImage& image);

}  // namespace varnak::fuzz
