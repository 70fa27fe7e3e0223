// Feeds arbitrary bytes to the parser and the window as an already inflated image.
// Mutations of a compressed file mostly die in inflate's checks; this target lets
// the fuzzer reach every section of the body directly.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "drive_window.h"
#include "saveio/save_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The body starts after the first "BODY" tag, as in an image the loader builds.
  static constexpr uint8_t kTag[] = {'B', 'O', 'D', 'Y'};
  const uint8_t* end = data + size;
  const uint8_t* tag = std::search(data, end, std::begin(kTag), std::end(kTag));
  if (tag == end) return 0;
  varnak::SaveImage image;
  image.Bytes.assign(data, end);
  image.HeaderLength = static_cast<int32_t>(tag - data) + 4;
  image.ImageLength = static_cast<int32_t>(size);
  varnak::fuzz::DriveWindow(image);
  return 0;
}
