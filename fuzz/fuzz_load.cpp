// Feeds arbitrary bytes through the whole road of a load: container and inflate,
// SaveAnalyse, and the window's start-up, PrintData and every view and handler.
// Where the build has the fast inflater, zlib alone must end every load the same way.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "drive_window.h"
#include "saveio/save_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  const varnak::LoadedSave loaded = varnak::BuildSaveImage(file, "fuzz.sav");
  if (varnak::HaveFastInflater()) {
    const varnak::LoadedSave byZlib = varnak::BuildSaveImage(file, "fuzz.sav", varnak::Inflater::Zlib);
    if (loaded.Ok != byZlib.Ok || loaded.Error != byZlib.Error ||
        loaded.Image.Bytes != byZlib.Image.Bytes ||
        loaded.Image.HeaderLength != byZlib.Image.HeaderLength ||
        loaded.Image.ImageLength != byZlib.Image.ImageLength) {
      std::fprintf(stderr, "the fast inflater and zlib disagree: \"%s\" against \"%s\"\n",
                   loaded.Error.c_str(), byZlib.Error.c_str());
      std::abort();
    }
  }
  if (loaded.Ok) varnak::fuzz::DriveWindow(loaded.Image);
  return 0;
}
