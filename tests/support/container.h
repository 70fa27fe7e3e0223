// Wraps a header and a body into a save file: the header as it stands, the body
// compressed with zlib and cut into length-prefixed chunks, a terminator, a trailer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnak::fixture {

struct ContainerOptions {
  // Sizes of the compressed chunks in order; the last chunk takes what is left.
  // Empty: three chunks of about equal size.
  std::vector<size_t> ChunkSizes;
  int32_t Terminator = 0;
  std::vector<uint8_t> Trailer = {0x54, 0x52, 0x4C, 0x52};  // "TRLR"
  int Level = -1;  // zlib's default level, whose header is 0x78 0x9C
};

std::vector<uint8_t> Compress(const std::vector<uint8_t>& body, int level = -1);

// A file around already compressed bytes (which need not be a valid stream).
std::vector<uint8_t> WrapPacked(const std::vector<uint8_t>& header,
                                const std::vector<uint8_t>& packed,
                                const ContainerOptions& options = {});

std::vector<uint8_t> WrapSave(const std::vector<uint8_t>& header, const std::vector<uint8_t>& body,
                              const ContainerOptions& options = {});

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

// A fresh path under the test temp folder; `name` (UTF-8) may hold folders, which
// are made.
std::string TempPath(const std::string& name);

}  // namespace varnak::fixture
