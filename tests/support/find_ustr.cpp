#include "support/find_ustr.h"

#include <cstring>

namespace varnak {

int32_t FindUStr(const SaveImage& image, std::string_view text, int64_t start) {
  const int64_t length = image.ImageLength;
  const int64_t m = static_cast<int64_t>(text.size());
  if (m == 0 || start < 0 || start >= length) return 0;
  // The whole match must lie inside the image: its last low byte is at i + 2(m - 1).
  const int64_t lastStart = length - 1 - 2 * (m - 1);
  const uint8_t* data = image.Bytes.data();
  const auto first = static_cast<unsigned char>(text[0]);
  int64_t i = start;
  while (i <= lastStart) {
    const void* hit = std::memchr(data + i, first, static_cast<size_t>(lastStart - i + 1));
    if (hit == nullptr) return 0;
    i = static_cast<const uint8_t*>(hit) - data;
    int64_t j = 1;
    while (j < m && data[i + 2 * j] == static_cast<unsigned char>(text[static_cast<size_t>(j)])) ++j;
    if (j == m) return static_cast<int32_t>(i);
    ++i;
  }
  return 0;
}

}  // namespace varnak
