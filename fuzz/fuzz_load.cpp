// Feeds arbitrary bytes through the whole road of a load: container and inflate,
// SaveAnalyse, and the window's start-up, PrintData and every view and handler.
#include <cstddef>
#include <cstdint>
#include <span>

#include "drive_window.h"
#include "saveio/save_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const varnak::LoadedSave loaded =
      varnak::BuildSaveImage(std::span<const uint8_t>(data, size), "fuzz.sav");
  if (loaded.Ok) varnak::fuzz::DriveWindow(loaded.Image);
  return 0;
}
